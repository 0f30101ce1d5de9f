#include "ui/viewers/text_viewer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/search/byte_search.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/display_settings.h"
#include "ui/viewers/find_text_dialog.h"
#include "ui/viewers/text_viewer_font.h"

namespace {

const char* const kEndOfFile = "*** EOF ***";
// Line counts per screen from which the vertical bar moves in whole screens.
constexpr int64_t kScaledBarFrom = 30000;

// The "Tabs" option: 0 to 32, 0 meaning no expansion; anything else reads as 8.
int TabWidthSetting() {
    const int tabs = AppIni().ReadInteger("Application", "Tabs", 8);
    return tabs >= 0 && tabs <= 32 ? tabs : 8;
}

// The text from character number column (1-based) on.
QString FromColumn(const std::string& utf8, int column) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (column <= 1) return text;
    // Characters, not UTF-16 units: skip column - 1 code points.
    qsizetype at = 0;
    for (int skipped = 0; skipped < column - 1 && at < text.size(); ++skipped)
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    return text.mid(at);
}

}  // namespace

// ---------------------------------------------------------------- the pane

TAsciiPane::TAsciiPane(TFVAscii& viewer) : QWidget(&viewer), viewer_(viewer) {
    setObjectName("Pane");
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAsciiPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    viewer_.PaintRows(painter);
}

void TAsciiPane::keyPressEvent(QKeyEvent* event) {
    viewer_.KeyDown(event->key(), event->modifiers());
    event->accept();
}

void TAsciiPane::contextMenuEvent(QContextMenuEvent* event) {
    viewer_.PopupMenu->exec(event->globalPos());
}

void TAsciiPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    viewer_.PaneResized();
}

// ---------------------------------------------------------------- the viewer

TFVAscii::TFVAscii(TFrameServices* frame, QWidget* parent) : QMdiSubWindow(parent), frame_(frame) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("FVAscii");
    setWindowTitle("Ascii Viewer: ");

    auto* body = new QWidget(this);
    MenuBar = new QMenuBar(body);
    MenuBar->setObjectName("MenuBar");
    EditMenu = MenuBar->addMenu("&Edit");
    FontItem = EditMenu->addAction("&Font ...");
    FontItem->setObjectName("FontItem");
    SearchMenu = MenuBar->addMenu("&Search");
    FindItem = SearchMenu->addAction("&Find");
    FindItem->setObjectName("FindItem");
    FindItem->setShortcut(QKeySequence(Qt::Key_F3));
    FindAgainItem = SearchMenu->addAction("Find &Again");
    FindAgainItem->setObjectName("FindAgainItem");
    FindAgainItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
    for (QAction* a : {FindItem, FindAgainItem}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }
    PopupMenu = new QMenu(this);
    PopupMenu->addAction(FontItem);
    PopupMenu->addAction(FindItem);
    PopupMenu->addAction(FindAgainItem);
    PopupMenu->addSeparator();
    CloseItem = PopupMenu->addAction("C&lose");
    CloseItem->setObjectName("CloseItem");

    Pane = new TAsciiPane(*this);
    Pane->setParent(body);
    VScroll = new QScrollBar(Qt::Vertical, body);
    VScroll->setObjectName("VScroll");
    HScroll = new QScrollBar(Qt::Horizontal, body);
    HScroll->setObjectName("HScroll");
    for (QScrollBar* bar : {VScroll, HScroll}) bar->setFocusPolicy(Qt::NoFocus);
    VScroll->setRange(1, 1);
    HScroll->setRange(1, 80);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Pane, 0, 0);
    grid->addWidget(VScroll, 0, 1);
    grid->addWidget(HScroll, 1, 0);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MenuBar);
    layout->addLayout(grid);
    setWidget(body);
    setFocusProxy(Pane);

    const QFont fallback = frame_ ? frame_->Display().ListFont : QFont("Monospace", 10);
    ViewerFont = ReadViewerFont("VAscii", "Font", fallback);
    Pane->setFont(ViewerFont);

    connect(FontItem, &QAction::triggered, this, &TFVAscii::ChooseFont);
    connect(FindItem, &QAction::triggered, this, &TFVAscii::Find);
    connect(FindAgainItem, &QAction::triggered, this, &TFVAscii::FindAgain);
    connect(CloseItem, &QAction::triggered, this, &QWidget::close);
    connect(SearchMenu, &QMenu::aboutToShow, this, &TFVAscii::UpdateFindAgain);
    connect(PopupMenu, &QMenu::aboutToShow, this, &TFVAscii::UpdateFindAgain);
    connect(VScroll, &QScrollBar::valueChanged, this, &TFVAscii::VerticalBarMoved);
    connect(HScroll, &QScrollBar::valueChanged, this, &TFVAscii::HorizontalBarMoved);
    UpdateFindAgain();
    resize(640, 400);
}

TFVAscii::~TFVAscii() { Closing = true; }

void TFVAscii::closeEvent(QCloseEvent* event) {
    Closing = true;
    stopLoading_ = true;
    QMdiSubWindow::closeEvent(event);
}

bool TFVAscii::IsActiveChild() const {
    QMdiArea* area = mdiArea();
    return !area || area->activeSubWindow() == this;
}

// ---------------------------------------------------------------- loading

bool TFVAscii::OpenFile(const std::string& fileName) {
    reader_.reset();
    index_ = TLineIndex();
    LineCount = 0;
    TopLine = 1;
    FirstColumn = 1;
    // The name keeps its spelling: upper-cased, it could name the file's
    // case twin or nothing at all.
    FileName = fileName;
    setWindowTitle(QString::fromStdString("Ascii Viewer: " + FileName));

    QPointer<TFVAscii> self(this);
    bool loaded = false;
    try {
        const int tabs = TabWidthSetting();
        if (tabs != 0) reader_ = std::make_unique<TQTTFile>(fileName, tabs, kRecordSize, kBufferSize);
        else reader_ = std::make_unique<TQTFile>(fileName, kRecordSize, kBufferSize);
        loaded = IndexFile();
    } catch (const std::exception&) {
        loaded = false;
    }
    if (!self) return false;
    if (!loaded && !Closing) {
        reader_.reset();
        ShowMessage("Error reading file: " + fileName);
        close();
        return false;
    }
    if (Closing) return false;
    HScroll->setRange(1, index_.WidestLine);
    SetUpVerticalBar();
    Pane->update();
    UpdateStatus();
    return true;
}

// Walks the file for its line index with a reader of its own, so that the
// first screen, drawn before the walk, stays on view while it runs; false
// when the file cannot be read.
bool TFVAscii::IndexFile() {
    QPointer<TFVAscii> self(this);
    loading_ = true;
    stopLoading_ = false;
    RecomputeLinesPerScreen();
    Pane->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool gauge = false;
    bool walked = false;
    try {
        const int64_t size = SearchFileSize(reader_->FileName());
        gauge = size > kGaugeFrom;
        if (gauge) Progress().StartProgress(100);
        TQTFile walker(reader_->FileName(), kRecordSize, kBufferSize);
        TLineIndex index;
        IndexLines(walker, index, [&](int64_t offset) {
            if (gauge && Progress().StepProgress(static_cast<int>(offset * 1000 / std::max<int64_t>(size, 1)), 1000))
                Progress().ProcessEvents();
            return self && !stopLoading_;
        });
        if (self) {
            index_ = std::move(index);
            LineCount = index_.LineCount;
            walked = true;
        }
    } catch (...) {
        walked = false;
    }
    if (gauge) Progress().StopProgress();
    QApplication::restoreOverrideCursor();
    if (self) loading_ = false;
    return walked;
}

// ---------------------------------------------------------------- scrolling

int TFVAscii::TextHeight() const { return std::max(1, QFontMetrics(ViewerFont).height()); }

void TFVAscii::RecomputeLinesPerScreen() { LinesPerScreen = Pane->height() / TextHeight(); }

void TFVAscii::PaneResized() {
    if (Closing) return;
    RecomputeLinesPerScreen();
    SetUpVerticalBar();
}

void TFVAscii::SetUpVerticalBar() {
    if (!reader_ || LinesPerScreen == 0) return;
    const int64_t oldScale = ScrollScale;
    const int64_t oldPosition = VScroll->value();
    LastTopLine = std::max<int64_t>(1, LineCount);
    SuppressPaint = true;
    if (LineCount / LinesPerScreen >= kScaledBarFrom) {
        ScrollScale = LinesPerScreen;
        VScroll->setRange(1, static_cast<int>(LineCount / LinesPerScreen + 1));
        VScroll->setPageStep(1);
    } else {
        ScrollScale = 1;
        VScroll->setRange(1, static_cast<int>(LastTopLine));
        VScroll->setPageStep(LinesPerScreen);
    }
    VScroll->setSingleStep(1);
    // The bar keeps standing for the same line.
    VScroll->setValue(static_cast<int>((oldPosition * oldScale - oldScale + 1 + ScrollScale - 1) / ScrollScale));
    SuppressPaint = false;
}

void TFVAscii::VerticalBarMoved(int position) {
    if (SuppressPaint || !reader_) return;
    TopLine = std::min(LastTopLine, static_cast<int64_t>(position) * ScrollScale - ScrollScale + 1);
    Pane->update();
}

void TFVAscii::HorizontalBarMoved(int position) {
    if (SuppressPaint) return;
    FirstColumn = position;
    Pane->update();
}

void TFVAscii::ShowTopLine(int64_t t) {
    TopLine = std::clamp<int64_t>(t, 1, std::max<int64_t>(1, LineCount));
    SuppressPaint = true;
    VScroll->setValue(static_cast<int>((TopLine - 1) / ScrollScale + 1));
    SuppressPaint = false;
    Pane->update();
}

void TFVAscii::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape && loading_) {
        StopLoading();
        return;
    }
    if (key == Qt::Key_F1) {
        if (frame_) frame_->ShowHelp(kHelpContext);
        return;
    }
    if (!reader_ || loading_) return;
    int64_t top = TopLine;
    int column = FirstColumn;
    const bool shift = modifiers & Qt::ShiftModifier;
    const int charWidth = std::max(1, QFontMetrics(ViewerFont).horizontalAdvance('A'));
    switch (key) {
    case Qt::Key_PageUp: top -= LinesPerScreen; break;
    case Qt::Key_PageDown: top += LinesPerScreen; break;
    case Qt::Key_End: top = LineCount; break;
    case Qt::Key_Home: top = 1; break;
    case Qt::Key_Up: top -= 1; break;
    case Qt::Key_Down: top += 1; break;
    case Qt::Key_Left: column -= shift ? Pane->width() / charWidth : 1; break;
    case Qt::Key_Right: column += shift ? Pane->width() / charWidth : 1; break;
    default: return;
    }
    column = std::clamp(column, 1, std::max(1, HScroll->maximum()));
    top = std::clamp<int64_t>(top, 1, std::max<int64_t>(1, LineCount));
    if (column != FirstColumn) {
        FirstColumn = column;
        SuppressPaint = true;
        HScroll->setValue(column);
        SuppressPaint = false;
    }
    if (top != TopLine) ShowTopLine(top);
    else Pane->update();
}

// ---------------------------------------------------------------- painting

QStringList TFVAscii::ScreenRows() {
    QStringList rows;
    if (!reader_) return rows;
    try {
        // While the walk runs the line count is not known yet.
        bool atLine = GoToLine(*reader_, index_, TopLine) && (loading_ || TopLine <= LineCount);
        for (int i = 1; i <= LinesPerScreen + 1; ++i) {
            if (atLine) {
                const std::string shown = LineAsRead(reader_->CopyLine());
                rows << FromColumn(shown, FirstColumn);
                // A line wider than the walk measured still scrolls into view.
                const int chars = static_cast<int>(CharacterCount(shown));
                if (chars > HScroll->maximum()) {
                    SuppressPaint = true;
                    HScroll->setMaximum(chars);
                    SuppressPaint = false;
                }
                atLine = reader_->ReadNextLine() == 0;
            } else {
                rows << kEndOfFile;
                break;
            }
        }
    } catch (const std::exception&) {
        // The file vanished or cannot be read any more: the rest is its end.
        rows << kEndOfFile;
    }
    return rows;
}

void TFVAscii::PaintRows(QPainter& painter) {
    painter.fillRect(Pane->rect(), Qt::white);
    if (SuppressPaint || !reader_) return;
    painter.setFont(ViewerFont);
    painter.setPen(Qt::black);
    const int h = TextHeight();
    const int ascent = QFontMetrics(ViewerFont).ascent();
    const QStringList rows = ScreenRows();
    for (int i = 0; i < rows.size(); ++i) painter.drawText(0, h * i + ascent, rows[i]);
    UpdateStatus();
}

void TFVAscii::UpdateStatus() {
    if (!frame_ || !IsActiveChild()) return;
    frame_->ShowPanels("P: " + std::to_string(TopLine) + ":" + std::to_string(FirstColumn),
                       "Lines: " + std::to_string(LineCount));
}

// ---------------------------------------------------------------- search and font

void TFVAscii::UpdateFindAgain() { FindAgainItem->setEnabled(FindAgainEnabled); }

void TFVAscii::Find() {
    if (!frame_) return;
    if (!FindText(frame_->FindState(), this)) {
        FindAgainEnabled = false;
        UpdateFindAgain();
        return;
    }
    SearchWithFindState();
}

void TFVAscii::SearchWithFindState() {
    if (!frame_) return;
    const TFindState& state = frame_->FindState();
    if (!state.Ok) {
        FindAgainEnabled = false;
        UpdateFindAgain();
        return;
    }
    FindTextValue = std::string(CutSearchString(state.Text));
    CaseSensitive = state.CaseSensitive;
    SearchFrom(state.FromTop ? 1 : TopLine);
}

void TFVAscii::FindAgain() {
    if (!FindAgainEnabled) return;
    SearchFrom(TopLine + 1);
}

void TFVAscii::SearchFrom(int64_t line) {
    if (!reader_ || FindTextValue.empty()) return;
    if (line > LineCount) {
        ShowMessage("Search string not found!");
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool found = false;
    try {
        if (GoToLine(*reader_, index_, line)) {
            do {
                const std::string shown = LineAsRead(reader_->CopyLine());
                if (BlockSearch(FindTextValue, CaseSensitive, shown.data(), shown.size()) >= 0) {
                    found = true;
                    break;
                }
                ++line;
            } while (line <= LineCount && reader_->ReadNextLine() == 0);
        }
    } catch (const std::exception&) {
        found = false;  // a file gone unreadable holds nothing more to find
    }
    QApplication::restoreOverrideCursor();
    if (found) {
        FindAgainEnabled = true;
        UpdateFindAgain();
        ShowTopLine(line);
        return;
    }
    ShowMessage("Search string not found!");
    FindAgainEnabled = false;
    UpdateFindAgain();
}

void TFVAscii::ChooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, ViewerFont, this);
    if (!ok) return;
    ApplyFont(font);
    WriteViewerFont("VAscii", "Font", font);
}

void TFVAscii::ApplyFont(const QFont& font) {
    ViewerFont = font;
    Pane->setFont(font);
    RecomputeLinesPerScreen();
    SetUpVerticalBar();
    Pane->update();
}
