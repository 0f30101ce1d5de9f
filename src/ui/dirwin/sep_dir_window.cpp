// TSepDir: creation, layout, the tree and the list, navigation and the
// operations of TMDIChild. Its menus are in sep_dir_menus_window.cpp.
#include "ui/dirwin/sep_dir_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/text/column_text.h"
#include "ui/dirwin/column_header.h"
#include "core/filelist/dir_navigation.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/display_settings.h"
#include "core/seams/prompter.h"
#include "core/settings/quilby_options.h"
#include "core/settings/startup.h"

std::function<bool(int, std::string&, std::string&)> TSepDir::QuickDirectoryLookup;

namespace {

constexpr int kSplitterTag = 122;
const char* const kHeaderSection = "Header";
// The client area's layout: margins at the top and left, and at the right
// and bottom; the splitter's width, the gap between it and the list; the
// split where none is stored; the least list width a narrow window keeps
// (the tree's least width goes first).
constexpr int kNearMargin = 4, kFarMargin = 5, kSplitterWidth = 4, kListGap = 2, kDefaultSplit = 132,
              kMinListWidth = 40;

// The client area: its first size and a hook for every resize.
class TSepDirClient : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> resized;
    QSize sizeHint() const override { return {643, 380}; }

protected:
    void resizeEvent(QResizeEvent*) override {
        if (resized) resized();
    }
};

// The splitter panel drags itself. The cursor says whether the place under
// the mouse takes it; let go where it is not taken, it goes back.
class TSplitterPanel : public QWidget {
public:
    using QWidget::QWidget;
    std::function<bool(const QPoint& mouse)> accepts;        // client point
    std::function<bool(const QPoint& mouse, int x)> dropped;  // and the panel's left edge

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        grab_ = e->position().toPoint().x();
        startX_ = x();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (grab_ < 0) return;
        const QPoint mouse = mapToParent(e->position().toPoint());
        move(std::max(0, mouse.x() - grab_), y());
        setCursor(accepts && !accepts(mouse) ? Qt::ForbiddenCursor : Qt::SplitHCursor);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (grab_ < 0 || e->button() != Qt::LeftButton) return;
        grab_ = -1;
        setCursor(Qt::SplitHCursor);
        if (!dropped || !dropped(mapToParent(e->position().toPoint()), x())) move(startX_, y());
    }

private:
    int grab_ = -1;
    int startX_ = 0;
};

// The busy cursor while a directory is read, restored however the read ends.
struct TBusyCursor {
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
};

QString Shown(const std::string& text) { return QString::fromStdString(ShownText(text)); }

// "[*]" in a title is Qt's modified-marker placeholder; a directory may be
// named so.
QString TitleText(const std::string& caption) {
    return Shown(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// A split at x, where a client area width pixels wide has room for it: the
// tree keeps its least width, then the list.
int SplitWithin(int x, int width) {
    x = std::min(x, width - kFarMargin - kMinListWidth - kListGap - kSplitterWidth);
    return std::max(x, kNearMargin + kMinTreeWidth);
}

EInOutError PathError(const std::string& dir) {
    return EInOutError(plat::ErrorText(plat::FileError::PathNotFound) + ": " + dir,
                       static_cast<int>(plat::FileError::PathNotFound));
}

}  // namespace

// ---------------------------------------------------------------- creation

TSepDir::TSepDir(TFrameServices* frame, int quickDir) : TMDIChild(frame), main_(frame), quickDir_(quickDir) {
    Closing = false;
    if (main_) setFont(main_->Display().ListFont);
    BuildControls();
    BuildMenus();
    FollowListChanges();

    const std::string start = StartDirectory();
    LB1->SetRowHeight(QFontMetrics(font()).height());
    SetupHeader();
    resize(sizeHint());
    LayoutControls();
    DLB1->SetShowHidden(Options.A_Hidden);
    connect(DLB1, &TDirTree::DirectoryChanged, this,
            [this](const std::string& dir) { RunReportingErrors([&] { DirectoryChanged(dir); }); });
    // Setting the tree reads the directory. One that has gone since it was
    // made current gives the nearest directory above it.
    RunReportingErrors([&] {
        std::string dir = start;
        while (!DLB1->SetDirectory(dir) && dir.size() > 3) dir = ParentDirectory(dir);
    });
}

TSepDir::~TSepDir() {
    if (main_ && main_->Drag().Source == this) main_->Drag().Source = nullptr;
}

std::string TSepDir::StartDirectory() {
    std::string start = plat::GetCurrentDir();
    if (quickDir_ >= 0 && QuickDirectoryLookup) {
        std::string dir, wildcards;
        if (QuickDirectoryLookup(quickDir_, dir, wildcards)) {
            const std::string full = plat::ExpandFileName(dir);
            if (!full.empty() && plat::FindDrive(full[0]) && plat::SetCurrentDir(full)) {
                start = plat::GetCurrentDir();
                Options.Wildcards = CutToWidth(wildcards, kWildcardsWidth);
            } else {
                ShowMessage("Error loading: " + dir);
            }
        }
    }
    drive_ = start.empty() ? 'C' : static_cast<char>(std::toupper(static_cast<unsigned char>(start[0])));
    return start;
}

void TSepDir::BuildControls() {
    auto* client = new TSepDirClient(this);
    Client = client;
    client->setObjectName("Client");
    setWidget(client);

    DLB1 = new TDirTree(client);
    DLB1->setObjectName("DLB1");
    DLB1->setGeometry(4, 4, 121, 372);
    DLB1->setToolTip("Select a directory to view");
    DLB1->setStatusTip("Select a directory to view");
    DLB1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DLB1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        RunReportingErrors([&] { TreeRightClick(p, QGuiApplication::keyboardModifiers()); });
    });
    DLB1->viewport()->installEventFilter(this);
    DLB1->installEventFilter(this);
    DLB1->viewport()->setAcceptDrops(true);

    auto* splitter = new TSplitterPanel(client);
    PSplitter = splitter;
    splitter->setObjectName("PSplitter");
    splitter->setProperty("Tag", kSplitterTag);
    splitter->setGeometry(126, 0, 4, 380);
    splitter->setCursor(Qt::SplitHCursor);
    splitter->accepts = [this](const QPoint& mouse) { return SplitterAccepted(mouse); };
    splitter->dropped = [this](const QPoint& mouse, int x) {
        bool taken = false;
        RunReportingErrors([&] { taken = SplitterDropped(mouse, x); });
        return taken;
    };

    BuildFileList(client);
    Header1->setGeometry(132, 4, 506, 25);
    LB1->setGeometry(132, 28, 506, 347);
    // Drops on the header or between the controls land on the client area.
    client->setAcceptDrops(true);
    client->installEventFilter(this);

    client->resized = [this] { LayoutControls(); };
}

// ---------------------------------------------------------------- layout

void TSepDir::LayoutControls() {
    if (Closing) return;
    const int width = Client->width(), height = Client->height();
    // The stored split, where a narrow window has room for it; the window
    // widened again gets it back.
    const int stored = AppIni().ReadInteger(kHeaderSection, "DIRSplit", kDefaultSplit);
    const int split = SplitWithin(stored > 0 ? stored : PSplitter->x(), width);

    DLB1->setGeometry(kNearMargin, kNearMargin, split - kNearMargin,
                      std::max(0, height - kNearMargin - kFarMargin));
    PSplitter->setGeometry(split, 0, kSplitterWidth, height);
    const int listLeft = split + kSplitterWidth + kListGap;
    const int listWidth = std::max(0, width - listLeft - kFarMargin);
    Header1->setGeometry(listLeft, kNearMargin, listWidth, Header1->height());
    const int listTop = Header1->y() + Header1->height();
    LB1->setGeometry(listLeft, listTop, listWidth, std::max(0, height - listTop - kFarMargin));
}

void TSepDir::ApplySplit(int x) {
    x = SplitWithin(x, Client->width());
    // Every window lays itself out from the stored split: the file is
    // written only when x is new.
    if (AppIni().ReadString(kHeaderSection, "DIRSplit", "") != std::to_string(x))
        AppIni().WriteInteger(kHeaderSection, "DIRSplit", x);
    LayoutControls();
}

// ---------------------------------------------------------------- the tree

void TSepDir::DirectoryChanged(const std::string& dir) {
    SetCaptionFor(dir);
    ReadDirectory();
}

void TSepDir::SetCaptionFor(const std::string& dir) {
    std::vector<std::pair<std::string, int>> others;
    if (main_)
        for (TMDIChild* w : main_->DirectoryWindowsInOrder())
            if (auto* other = qobject_cast<TSepDir*>(w); other && other != this)
                others.emplace_back(other->CaptionBase, other->WindowNumber);
    WindowNumber = NextWindowNumber(others, dir);
    CaptionBase = dir;
    setWindowTitle(TitleText(NumberedCaption(dir, WindowNumber)));
}

std::string TSepDir::GetDirectory() { return DLB1->Directory(); }

std::string TSepDir::GetSelectedDirectory() {
    const std::string selected = DLB1->SelectedPath();
    return selected.empty() ? GetDirectory() : selected;
}

bool TSepDir::ShowsPath(const std::string& path) {
    const std::string dir = GetDirectory();
    return !dir.empty() && DirectoryShowsPath(dir, path);
}

void TSepDir::UpdateTree() { DLB1->Reread(); }

void TSepDir::BackOneLevel() { DLB1->SetDirectory(ParentDirectory(GetDirectory())); }

void TSepDir::ViewSelected() {
    const std::string dir = SelectedDir;
    if (dir.empty()) return;
    // The tree takes no clicks while it changes, whatever happens.
    struct TEnableAgain {
        QWidget* w;
        ~TEnableAgain() { w->setEnabled(true); }
    } again{DLB1};
    DLB1->setEnabled(false);
    plat::SetCurrentDir(dir);
    if (DLB1->SetDirectory(dir)) return;
    DLB1->Reread();
    if (!DLB1->SetDirectory(dir)) throw PathError(dir);
}

void TSepDir::ViewNew() {
    const std::string dir = SelectedDir;
    if (dir.empty() || !main_) return;
    if (!plat::SetCurrentDir(dir)) throw PathError(dir);
    main_->OpenDirectoryWindow();
}

void TSepDir::TreeRightClick(const QPoint& point, Qt::KeyboardModifiers modifiers) {
    if (!main_) return;
    const TDisplaySettings& display = main_->Display();
    if (display.RD_Menu) {
        PrepareTreeMenu(point);
        TreeMenu->popup(DLB1->viewport()->mapToGlobal(point));
        return;
    }
    if (!display.RDJump) return;
    const std::string path = DLB1->PathAt(point);
    if (path.empty()) {
        if (display.RDBack) BackOneLevel();
    } else if (modifiers & Qt::ControlModifier) {
        if (!plat::SetCurrentDir(path)) throw PathError(path);
        main_->OpenDirectoryWindow();
    } else {
        DLB1->SetDirectory(path);
    }
}

// ---------------------------------------------------------------- the list

void TSepDir::ReadDirectory() {
    {
        TBusyCursor busy;
        // The options may have changed since: hidden directories follow them.
        DLB1->SetShowHidden(Options.A_Hidden);
        LB1->SetCurrentRow(-1);
        // The rows and the status follow from the list's announcement.
        FileList.ReadDirectory(GetDirectory(), Options);
        LB1->verticalScrollBar()->setValue(0);
    }
    // A directory gone since says so.
    UpdateStatus();
}

void TSepDir::ListChanged() {
    SyncListRows();
    ShowStatus();
}

void TSepDir::SyncListRows() {
    LB1->SetRowCount(FileList.GetListCount());
    RepaintList();
}

void TSepDir::RepaintList() { LB1->viewport()->update(); }

int TSepDir::GetCurrentIndex() { return LB1->CurrentRow(); }

std::string TSepDir::GetEntryPath(int index) { return FileList.GetEntryPath(index); }

void TSepDir::WriteTaggedList(const std::string& fileName) { FileList.WriteTaggedList(fileName); }

void TSepDir::SetupHeader() {
    BuildHeader(Header1, kHeaderSection, false);
    LB1->ColumnsChanged();
    RepaintList();
}

void TSepDir::TagAll() { FileList.TagAll(); }

void TSepDir::TagNone() { FileList.TagNone(); }

void TSepDir::ReverseAll() { FileList.ReverseAll(); }

void TSepDir::UpdateStatus() {
    if (!ShowStatus()) throw PathError(GetDirectory());
}

bool TSepDir::ShowStatus() {
    UpdateActions();
    const std::string dir = GetDirectory();
    if (dir.empty()) return true;
    const bool current = plat::SetCurrentDir(dir);
    if (main_) main_->ShowDirectoryStatus(StatusFigures());
    return current;
}

bool TSepDir::ApplyListFont() {
    if (!main_) return false;
    plat::SetCurrentDir(GetDirectory());
    const QFont& listFont = main_->Display().ListFont;
    QFont f = font();
    bool changed = false;
    if (f.family() != listFont.family()) {
        f.setFamily(listFont.family());
        changed = true;
    }
    if (f.pointSize() != listFont.pointSize()) {
        f.setPointSize(listFont.pointSize());
        changed = true;
    }
    if (!changed) return false;
    setFont(f);
    LB1->SetRowHeight(QFontMetrics(f).height());
    SetupHeader();
    ReadDirectory();
    return true;
}

void TSepDir::ListPressed(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button == Qt::RightButton) {
        if (!(modifiers & Qt::ShiftModifier)) PrepareListMenu(point);
        return;
    }
    if (button == Qt::LeftButton) ListLeftPressed(point);
}

void TSepDir::PopupListMenu(const QPoint& point, bool byMouse) {
    if (!listMenuReady_) {
        if (main_) main_->CancelDrag();
        ReadyListMenu();
    }
    listMenuReady_ = false;
    // From the keyboard the menu opens at the current row.
    QPoint at = point;
    if (!byMouse) at = GetCurrentIndex() >= 0 ? LB1->RowRect(GetCurrentIndex()).center() : QPoint(0, 0);
    ListMenu->popup(LB1->viewport()->mapToGlobal(at));
}

// ---------------------------------------------------------------- events

void TSepDir::closeEvent(QCloseEvent* event) {
    TMDIChild::closeEvent(event);
    if (!event->isAccepted()) return;
    CloseList();
}

bool TSepDir::eventFilter(QObject* watched, QEvent* event) {
    // The frame watches its client from the start, before the controls exist.
    if (!LB1) return TMDIChild::eventFilter(watched, event);
    // Widths are stored once a resize of a header section is finished.
    if (watched == Header1->viewport() && event->type() == QEvent::MouseButtonRelease && headerResized_) {
        headerResized_ = false;
        RunReportingErrors([this] { SaveColumnWidths(Header1, kHeaderSection); });
    }
    if ((watched == LB1 || watched == DLB1) && event->type() == QEvent::KeyPress)
        RunReportingErrors([this] {
            PickTreeSelection();
            UpdateActions();
        });
    if (watched == DLB1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            DragStartX = e->position().toPoint().x();
            DragStartY = e->position().toPoint().y();
        }
    }
    if (watched == DLB1->viewport() && event->type() == QEvent::MouseMove) {
        auto* e = static_cast<QMouseEvent*>(event);
        bool started = false;
        RunReportingErrors([&] { started = TreeMouseMoved(e->position().toPoint(), e->buttons()); });
        if (started) return true;
    }
    // Drags over the list, the tree and the client area around them.
    const bool list = watched == LB1->viewport() || watched == Client, tree = watched == DLB1->viewport();
    if (list || tree) {
        const TDropTarget target = tree ? TDropTarget::SplitTree : TDropTarget::SplitList;
        switch (event->type()) {
            case QEvent::DragEnter:
                ForgetDraggedData();
                [[fallthrough]];
            case QEvent::DragMove:
                RunReportingErrors([&] { DragOver(target, static_cast<QDropEvent*>(event)); });
                return true;
            case QEvent::Drop:
                event->ignore();
                RunReportingErrors([&] { Drop(target, static_cast<QDropEvent*>(event)); });
                return true;
            case QEvent::DragLeave:
                ForgetDraggedData();
                return true;
            default: break;
        }
    }
    return TMDIChild::eventFilter(watched, event);
}
