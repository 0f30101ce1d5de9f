#include "ui/viewers/hex_viewer.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/platform/errors.h"
#include "core/search/byte_search.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "core/text/date_text.h"
#include "core/text/size_text.h"
#include "ui/frame/shown_text_qt.h"
#include "ui/search/find_hex_dialog.h"
#include "ui/viewers/hex_grid.h"

namespace {

// The file's date as "m/d/y t", t being the short time.
constexpr const char* kDatePattern = "m/d/yy h:nn AM/PM";

}  // namespace

TfVHex::TfVHex(QWidget* parent) : QWidget(parent) {
    setObjectName("fVHex");
    setWindowTitle("Hex Viewer");
    setAttribute(Qt::WA_DeleteOnClose);
    Grid = new THexGrid(Pager, this);
    Grid->ReadFailed = [](const std::string& text) { ShowMessage(text); };
    SizeLabel = new QLabel("Size:", this);
    SizeLabel->setObjectName("SizeLabel");
    DateLabel = new QLabel("Date:", this);
    DateLabel->setObjectName("DateLabel");
    BuildMenus();

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 2, 4, 2);
    bottom->addWidget(SizeLabel);
    bottom->addSpacing(24);
    bottom->addWidget(DateLabel);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(Grid, 1);
    layout->addLayout(bottom);
    resize(620, 400);

    AskSearch = [this](std::string& bytes, bool& caseSensitive, bool& fromTop) {
        return FindHexCharacters(this, bytes, caseSensitive, fromTop);
    };

    Pager.SetLowerCase(AppIni().ReadBool("VHex", "LCH", false));
    Pager.SetBytesPerRow(AppIni().ReadInteger("VHex", "cols", 16));
    ViewLower->setChecked(Pager.LowerCase());
    CheckBytesPerRow();
    AppIni().WriteInteger("VHex", "cols", Pager.BytesPerRow());
}

void TfVHex::BuildMenus() {
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName("MainMenu");
    ViewMenu = MainMenu->addMenu("&View");
    ViewMenu->setObjectName("ViewMenu");
    auto item = [this](QMenu* menu, const char* name, const char* text, auto fn) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [fn] { RunReportingErrors(fn); });
        return a;
    };
    View4 = item(ViewMenu, "View4", "&4 bytes", [this] { SetBytesPerRow(4); });
    View8 = item(ViewMenu, "View8", "&8 bytes", [this] { SetBytesPerRow(8); });
    View16 = item(ViewMenu, "View16", "&16 bytes", [this] { SetBytesPerRow(16); });
    View32 = item(ViewMenu, "View32", "&32 bytes", [this] { SetBytesPerRow(32); });
    for (QAction* a : {View4, View8, View16, View32}) a->setCheckable(true);
    ViewMenu->addSeparator();
    ViewAdjust = item(ViewMenu, "ViewAdjust", "&Adjust to column 1", [this] { AdjustToColumn1(); });
    ViewLower = item(ViewMenu, "ViewLower", "&Lowercase Hex", [this] { ToggleLowerCase(); });
    ViewLower->setCheckable(true);

    SearchMenu = MainMenu->addMenu("&Search");
    SearchMenu->setObjectName("SearchMenu");
    SearchFind = item(SearchMenu, "SearchFind", "&Find ...", [this] { Find(); });
    SearchFind->setShortcut(Qt::Key_F3);
    SearchAgain = item(SearchMenu, "SearchAgain", "find &Again", [this] { FindAgain(); });
    SearchAgain->setShortcut(Qt::CTRL | Qt::Key_F3);
    SearchAgain->setEnabled(false);
    connect(SearchMenu, &QMenu::aboutToShow, this, [this] { SearchAgain->setEnabled(FindAgainEnabled); });
    // The shortcuts work while the menu bar is hidden in a document window.
    addAction(SearchFind);
    addAction(SearchAgain);

    GridMenu = new QMenu(this);
    GridMenu->setObjectName("GridMenu");
    GridMenu->addActions({View4, View8, View16, View32});
    GridMenu->addSeparator();
    GridMenu->addActions({ViewAdjust, ViewLower});
    GridMenu->addSeparator();
    GridNext = item(GridMenu, "GridNext", "Find &Next", [this] { FindAgain(); });
    GridNext->setShortcut(Qt::CTRL | Qt::Key_F3);
    GridNext->setShortcutContext(Qt::WidgetShortcut);  // "find &Again" owns the key
    GridClose = item(GridMenu, "GridClose", "C&lose", [this] { CloseViewer(); });
    connect(GridMenu, &QMenu::aboutToShow, this, [this] {
        CheckBytesPerRow();
        ViewLower->setChecked(Pager.LowerCase());
        GridNext->setEnabled(FindAgainEnabled);
    });
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { GridMenu->popup(Grid->mapToGlobal(at)); });
}

void TfVHex::CheckBytesPerRow() {
    const int n = Pager.BytesPerRow();
    View4->setChecked(n == 4);
    View8->setChecked(n == 8);
    View16->setChecked(n == 16);
    View32->setChecked(n == 32);
}

bool TfVHex::LoadFile(const std::string& fileName) {
    try {
        Pager.Load(fileName);
    } catch (const std::exception&) {
        ShowMessage("Error reading file: " + fileName);
        CloseViewer();
        return false;
    }
    setWindowTitle("Hex Viewer: " + ShownQText(fileName));
    SizeLabel->setText(QString::fromStdString(GroupDigits(Pager.FileSize())));
    DateLabel->setText(QString::fromStdString(FormatDateTime(kDatePattern, SearchFileDate(fileName))));
    Grid->Rebuild();
    lastHitRow_ = hitTop_ = -1;
    // A new window opens wide enough for every column.
    if (!isVisible()) {
        const int wide = Grid->Header()->length() + Grid->verticalScrollBar()->sizeHint().width() + 2 * Grid->frameWidth();
        resize(std::min(wide, 1000), height());
    }
    return true;
}

void TfVHex::SetBytesPerRow(int32_t n) {
    Pager.SetBytesPerRow(n);
    CheckBytesPerRow();
    AppIni().WriteInteger("VHex", "cols", Pager.BytesPerRow());
    Grid->Rebuild();
    lastHitRow_ = hitTop_ = -1;
}

void TfVHex::AdjustToColumn1() {
    QHeaderView* header = Grid->Header();
    const int width = header->sectionSize(1);
    for (int c = 2; c <= Pager.BytesPerRow(); ++c) header->resizeSection(c, width);
}

void TfVHex::ToggleLowerCase() {
    Pager.SetLowerCase(!Pager.LowerCase());
    ViewLower->setChecked(Pager.LowerCase());
    AppIni().WriteBool("VHex", "LCH", Pager.LowerCase());
    Grid->Redraw();
}

void TfVHex::Find() {
    std::string bytes;
    bool caseSensitive = false, fromTop = false;
    if (!AskSearch || !AskSearch(bytes, caseSensitive, fromTop) || bytes.empty()) {
        EnableFindAgain(false);
        return;
    }
    searchBytes_ = bytes;
    caseSensitive_ = caseSensitive;
    lastHitRow_ = hitTop_ = -1;
    SearchFrom(fromTop ? 0 : (Grid->TopRow() + 1) * Pager.BytesPerRow());
}

void TfVHex::FindAgain() {
    if (!FindAgainEnabled) return;
    const int64_t n = Pager.BytesPerRow();
    int64_t start = (Grid->TopRow() + 1) * n;
    // A hit in the last screen cannot become the top row; searching from
    // below the top row would find it again and again, so go on after it.
    if (Grid->TopRow() == hitTop_ && lastHitRow_ >= Grid->TopRow()) start = std::max(start, (lastHitRow_ + 1) * n);
    SearchFrom(start);
}

void TfVHex::SearchFrom(int64_t start) {
    const int64_t hit = FileSearch(Pager.FileName(), searchBytes_, caseSensitive_, start);
    if (hit < 0) {
        EnableFindAgain(false);
        ShowMessage("Search string not found!");
        return;
    }
    lastHitRow_ = hit / Pager.BytesPerRow();
    Grid->SetTopRow(lastHitRow_);
    Grid->SetCurrentRow(lastHitRow_);
    hitTop_ = Grid->TopRow();
    EnableFindAgain(true);
}

void TfVHex::CloseViewer() {
    closed_ = true;
    if (auto* holder = qobject_cast<QMdiSubWindow*>(parentWidget()))
        holder->close();
    else
        close();
}

void TfVHex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    EnableFindAgain(false);
}

void TfVHex::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    closed_ = true;
}

void TfVHex::EnableFindAgain(bool enabled) {
    FindAgainEnabled = enabled;
    SearchAgain->setEnabled(enabled);
    GridNext->setEnabled(enabled);
}
