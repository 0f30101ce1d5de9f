#include "ui/frame/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/drives/drive_texts.h"
#include "core/fileops/change_notifier.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "ui/dirwin/drag_drop_qt.h"
#include "ui/frame/drive_bar.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/mdi_file_base_window.h"
#include "core/settings/app_ini.h"
#include "core/text/size_text.h"
#include "ui/frame/speed_bar_widget.h"
#include "core/settings/startup.h"
#include "ui/frame/status_line_bar.h"
#include "ui/frame/win_color_qt.h"
#include "ui/frame/window_placement_qt.h"

// The pictures live in the UI library, which is linked statically: its
// resources are registered by hand.
static void InitQuilbyResources() { Q_INIT_RESOURCE(quilby); }

namespace {

// The sort box's entries in order, as sort key letters.
constexpr char kSortLetters[] = "ENDS";

}  // namespace

Tmainform::Tmainform(QWidget* parent) : QMainWindow(parent) {
    InitQuilbyResources();
    setObjectName("mainform");
    setWindowTitle("Quilby for Windows");
    setWindowIcon(QIcon(":/Quilby"));
    // Children without their own icon show the program's.
    QApplication::setWindowIcon(windowIcon());
    resize(456, 367);

    MDIArea = new QMdiArea(this);
    MDIArea->setObjectName("MDIArea");
    MDIArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MDIArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MDIArea);

    SpeedBar = new TSpeedBar(this);
    addToolBar(Qt::TopToolBarArea, SpeedBar);
    StatusLine = new TStatusLine(this);
    setStatusBar(StatusLine);

    BuildMenus();
    ConnectSpeedBar();
    ReadSettings();
    LoadPictures();
    ReloadCategoryBox();

    connect(MDIArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { ActiveFormChange(); });
    // Hints off: the application's tool tips are swallowed here.
    qApp->installEventFilter(this);
    SetProgress(this);
    changeListener_ = ChangeNotifier().Listen(
        {[this](const std::string& path) { RefreshWindowsShowing(path); },
         [this](char drive) { RefreshWindowsOnDrive(drive); }});
    UpdateCommandEnabling();
    ActiveFormChange();
}

Tmainform::~Tmainform() {
    qApp->removeEventFilter(this);
    ChangeNotifier().Forget(changeListener_);
    // Children go first, while they can still reach their own frame.
    for (QMdiSubWindow* w : MDIArea->subWindowList()) delete w;
    if (&Progress() == this) SetProgress(nullptr);
}

// ---------------------------------------------------------------- settings

void Tmainform::ReadSettings() {
    TAppIni& ini = AppIni();
    ShowHint = ini.ReadBool("Application", "ShowHint", true);
    HintColor = ini.ReadInteger("Application", "HintColor", -1);
    VAsc = ini.ReadBool("Application", "VAsc", false);
    VAscS = ini.ReadBool("Application", "VAscS", true);
    VHexS = ini.ReadBool("Application", "VHexS", true);
    VPicS = ini.ReadBool("Application", "VPicS", true);
    Tabs = ini.ReadInteger("Application", "Tabs", 8);
    display_.Read(ini);

    // Where the window opens: as it was at the last exit, else (a first
    // start) at a size that shows its menu bar and speed bar whole.
    const TWindowPlacement placement = ReadWindowPlacement(ini);
    if (!placement.Stored) FitToBars(*this);
    placementStored_ = RestoreWindowPlacement(*this, placement);
    if (HintColor != -1) {
        QPalette tips = QToolTip::palette();
        tips.setColor(QPalette::ToolTipBase, WinColorToQColor(HintColor));
        QToolTip::setPalette(tips);
    }
}

void Tmainform::LoadPictures() {
    B_CHECK.load(":/B_CHECK");
    B_NOCHECK.load(":/B_NOCHECK");
    B_HARDDISK.load(":/B_HARDDISK");
    B_FLOPPYDISK.load(":/B_FLOPPYDISK");
}

// ---------------------------------------------------------------- commands

void Tmainform::RegisterCommand(TCommand command, TCommandRegistry::Handler handler) {
    commands_.Register(command, std::move(handler));
    UpdateCommandEnabling();
    ActiveFormChange();
}

void Tmainform::RunCommand(const std::function<void()>& fn) { RunReportingErrors(fn); }

void Tmainform::RunCommand(TCommand command, const TCommandTarget& target) {
    RunCommand([this, command, &target] { commands_.Run(command, target); });
}

void Tmainform::RunWindowCommand(TCommand command) {
    if (TMDIChild* window = ActiveDirectoryWindow()) RunCommand(command, {window});
}

void Tmainform::ConnectCommand(QAction* action, std::function<void()> fn) {
    connect(action, &QAction::triggered, this, [this, fn = std::move(fn)] { RunCommand(fn); });
}

// Commands that only need their handler; the directory-window buttons
// follow the active-window rules instead.
void Tmainform::UpdateCommandEnabling() {
    FileApplications->setEnabled(HasCommand(TCommand::Applications));
    FileQuickDirs->setEnabled(HasCommand(TCommand::QuickDirectories));
    FileDriveInfo->setEnabled(HasCommand(TCommand::DriveInformation));
    FileGlobalOptions->setEnabled(HasCommand(TCommand::GlobalOptions));
    FileNewFile->setEnabled(HasCommand(TCommand::NewFile));
    FileDriveSearch->setEnabled(HasCommand(TCommand::DriveSearch));
    FileMultiSearch->setEnabled(HasCommand(TCommand::MultiDriveSearch));
    FileDo->setEnabled(HasCommand(TCommand::RunProgram));
}

void Tmainform::ConnectSpeedBar() {
    TSpeedBar* sb = SpeedBar;
    auto onClick = [this](QToolButton* b, std::function<void()> fn) {
        connect(b, &QToolButton::clicked, this, [this, fn = std::move(fn)] { RunCommand(fn); });
    };
    auto onDir = [this, onClick](QToolButton* b, void (TMDIChild::*op)()) {
        onClick(b, [this, op] {
            if (TMDIChild* dir = ActiveDirectoryWindow()) (dir->*op)();
        });
    };
    // Buttons with a menu twin in the frame's menus are enabled with it,
    // and most choose it.
    TSpeedBar::Mirror(sb->SB_New, FileNew);
    TSpeedBar::Mirror(sb->SB_DriveSearch, FileDriveSearch);
    TSpeedBar::Mirror(sb->SB_AppList, FileApplications);
    TSpeedBar::Mirror(sb->SB_QuickDir, FileQuickDirs);
    TSpeedBar::Mirror(sb->SB_TileH, WindowTileH);
    TSpeedBar::Mirror(sb->SB_TileV, WindowTileV);
    TSpeedBar::Follow(sb->SB_Maximize, WindowMaximize);
    onDir(sb->SB_Copy, &TMDIChild::CopyTagged);
    onDir(sb->SB_Delete, &TMDIChild::DeleteTagged);
    onClick(sb->SB_QuickAdd, [this] { RunWindowCommand(TCommand::QuickAdd); });
    onDir(sb->SB_TagAll, &TMDIChild::TagAll);
    onDir(sb->SB_TagNone, &TMDIChild::TagNone);
    onClick(sb->SB_TagWild, [this] {
        RunWindowCommand(TCommand::TagByWildcards);
        StopProgress();
        if (TMDIChild* dir = ActiveDirectoryWindow()) dir->RepaintList();
    });
    onClick(sb->SB_Compare, [this] { RunWindowCommand(TCommand::ComparePaths); });
    // With no window open the dialog edits the defaults.
    onClick(sb->SB_Options, [this] { RunCommand(TCommand::WindowOptions, {ActiveDirectoryWindow()}); });
    onClick(sb->SB_Maximize, [this] { MaximizeActive(); });

    connect(sb->CB_Sort, &QComboBox::activated, this,
            [this](int index) { RunCommand([this, index] { SortBoxChosen(index); }); });
    connect(sb, &TSpeedBar::PatternClicked, this, [this] { RunCommand([this] { PatternBoxClicked(); }); });
    connect(sb, &TSpeedBar::ContextMenuOpening, this, [this] { CancelDrag(); });
    connect(sb->DockTop, &QAction::triggered, this, [this] { DockSpeedBar(Qt::TopToolBarArea); });
    connect(sb->DockBottom, &QAction::triggered, this, [this] { DockSpeedBar(Qt::BottomToolBarArea); });
    connect(sb->DockHide, &QAction::triggered, sb, &QWidget::hide);

    connect(StatusLine, &TStatusLine::CounterClicked, this,
            [this] { RunCommand([this] { CounterPanelClicked(); }); });
    connect(StatusLine, &TStatusLine::TagsClicked, this,
            [this] { RunCommand([this] { TagPanelClicked(); }); });
}

void Tmainform::DockSpeedBar(Qt::ToolBarArea area) {
    removeToolBar(SpeedBar);
    addToolBar(area, SpeedBar);
    SpeedBar->show();
}

void Tmainform::SortBoxChosen(int index) {
    TMDIChild* dir = ActiveDirectoryWindow();
    if (!dir || index < 0 || index > 3) return;
    char letter = kSortLetters[index];
    // Only a different first key re-reads; the box then sorts by it alone.
    if (!dir->Options.SortKeys.empty() && dir->Options.SortKeys[0] == letter) return;
    dir->Options.SortKeys = std::string(1, letter);
    dir->ReadDirectory();
}

void Tmainform::PatternBoxClicked() {
    if (!ActiveDirectoryWindow()) return;
    RunWindowCommand(TCommand::SetWildcards);
    StopProgress();
}

void Tmainform::CounterPanelClicked() {
    if (TMDIChild* dir = ActiveDirectoryWindow()) {
        dir->UpdateTree();
        dir->Refresh();
    }
}

void Tmainform::TagPanelClicked() {
    if (TMDIChild* dir = ActiveDirectoryWindow()) dir->ReverseAll();
}

// ---------------------------------------------------------------- children

QList<QMdiSubWindow*> Tmainform::MDIChildren() const {
    return MDIArea->subWindowList(QMdiArea::CreationOrder);
}

QMdiSubWindow* Tmainform::ActiveChild() const { return MDIArea->currentSubWindow(); }

TMDIChild* Tmainform::ActiveDirectoryWindow() const { return qobject_cast<TMDIChild*>(ActiveChild()); }

QList<TMDIChild*> Tmainform::DirectoryWindowsInOrder() const {
    QList<TMDIChild*> out;
    for (QMdiSubWindow* w : MDIChildren())
        if (auto* dir = qobject_cast<TMDIChild*>(w)) out.append(dir);
    return out;
}

namespace {

int CountDirectoryWindows(const QList<TMDIChild*>& windows, bool resultWindows) {
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [&](TMDIChild* w) {
        return !w->Closing && w->IsResultWindow() == resultWindows;
    }));
}

}  // namespace

int Tmainform::SplitWindowCount() const { return CountDirectoryWindows(DirectoryWindowsInOrder(), false); }

int Tmainform::ResultWindowCount() const { return CountDirectoryWindows(DirectoryWindowsInOrder(), true); }

void Tmainform::AddChild(QMdiSubWindow* child) {
    // A new child never starts larger than the frame's client area, and is
    // fitted before it is placed: the area places a wider child partly off
    // its left edge.
    const QSize room = MDIArea->viewport()->size();
    if (room.isValid() && !room.isEmpty()) {
        const QSize fitted = child->size().boundedTo(room);
        if (fitted != child->size()) child->resize(fitted);
    }
    MDIArea->addSubWindow(child);
    if (child->x() < 0 || child->y() < 0) child->move(std::max(0, child->x()), std::max(0, child->y()));
    // A closing child may leave no active one behind.
    connect(child, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] { ActiveFormChange(); });
    });
    child->show();
    MDIArea->setActiveSubWindow(child);
}

void Tmainform::BringToFront(QMdiSubWindow* child) {
    if (!child) return;
    MDIArea->setActiveSubWindow(child);
    child->raise();
}

void Tmainform::ActiveFormChange() {
    QMdiSubWindow* active = ActiveChild();
    bool children = !MDIArea->subWindowList().isEmpty();
    for (QAction* a : {WindowCascade, WindowTileH, WindowTileV, WindowMaximize, WindowArrange})
        a->setEnabled(children);
    SpeedBar->CB_Sort->setEnabled(children);
    SpeedBar->E_Pattern->setEnabled(children);

    auto* fileWindow = qobject_cast<TMDIFileBase*>(active);
    auto* dir = qobject_cast<TMDIChild*>(active);
    SpeedBar->CB_Category->setEnabled(fileWindow != nullptr);
    if (dir && DriveBar) DriveBar->SelectDrive(dir->GetDrive());
    if (dir) {
        SpeedBar->SB_Options->setEnabled(HasCommand(TCommand::WindowOptions));
        RunCommand([dir] { dir->UpdateStatus(); });
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 SpeedBar->SB_QuickAdd, SpeedBar->CB_Sort, SpeedBar->E_Pattern, SpeedBar->SB_Copy,
                 SpeedBar->SB_Delete, SpeedBar->SB_TagAll, SpeedBar->SB_Options, SpeedBar->SB_TagWild,
                 SpeedBar->SB_Compare, SpeedBar->SB_TagNone})
            w->setEnabled(false);
        if (active && !fileWindow && OtherChildActivated) OtherChildActivated(active);
    }
    MergeMenus(fileWindow);
}

void Tmainform::MergeMenus(TMDIFileBase* child) {
    QList<TMergeMenu> menus = {{kFileMenuGroup, FileMenu}, {kWindowMenuGroup, WindowMenu},
                               {kHelpMenuGroup, HelpMenu}};
    if (child) {
        for (const TMergeMenu& m : child->MergeMenus()) {
            if (!m.Menu) continue;
            // A child menu of a main menu's group takes that menu's place.
            menus.erase(std::remove_if(menus.begin(), menus.end(),
                                       [&](const TMergeMenu& own) {
                                           return own.Group == m.Group &&
                                                  (own.Menu == FileMenu || own.Menu == WindowMenu ||
                                                   own.Menu == HelpMenu);
                                       }),
                        menus.end());
            menus.append(m);
        }
    }
    std::stable_sort(menus.begin(), menus.end(),
                     [](const TMergeMenu& a, const TMergeMenu& b) { return a.Group < b.Group; });

    QList<QAction*> wanted;
    for (const TMergeMenu& m : menus) wanted.append(m.Menu->menuAction());
    if (menuBar()->actions() == wanted) return;
    menuBar()->clear();
    for (const TMergeMenu& m : menus) menuBar()->addMenu(m.Menu);
}

// ---------------------------------------------------------------- services

TMDIChild* Tmainform::OpenDirectoryWindow() { return OpenQuickDirectory(-1); }

TMDIChild* Tmainform::OpenQuickDirectory(int index) {
    quickDirToOpen_ = index;
    if (!NewDirectoryWindowFactory) return nullptr;
    TMDIChild* w = NewDirectoryWindowFactory(*this, index);
    if (w && !MDIArea->subWindowList().contains(w)) AddChild(w);
    return w;
}

void Tmainform::SetDirectoryWindowFactory(TDirectoryWindowFactory factory) {
    NewDirectoryWindowFactory = std::move(factory);
}

namespace {

// The directory windows in child order, guarded: a re-read processes events
// and may close a window on the way.
QList<QPointer<TMDIChild>> DirectoryWindows(const QList<QMdiSubWindow*>& children) {
    QList<QPointer<TMDIChild>> out;
    for (QMdiSubWindow* w : children)
        if (auto* dir = qobject_cast<TMDIChild*>(w)) out.append(dir);
    return out;
}

}  // namespace

void Tmainform::RefreshWindowsShowing(const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    p += '\\';
    for (const QPointer<TMDIChild>& dir : DirectoryWindows(MDIChildren())) {
        // One window that fails to read does not keep the others stale.
        if (dir && dir->ShowsPath(p)) RunCommand([&dir] { if (dir) dir->ReadDirectory(); });
    }
    if (p.size() > 1 && DriveInfoIsOpen && DriveInfoRecompute && DriveInfoIsOpen())
        DriveInfoRecompute(static_cast<char>(std::toupper(static_cast<unsigned char>(p[0]))));
}

void Tmainform::RefreshWindowsOnDrive(char letter) {
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const QPointer<TMDIChild>& dir : DirectoryWindows(MDIChildren())) {
        if (dir && std::toupper(static_cast<unsigned char>(dir->GetDrive())) == upper)
            RunCommand([&dir] { if (dir) dir->UpdateTree(); });
    }
    if (DriveInfoIsOpen && DriveInfoRecompute && DriveInfoIsOpen()) DriveInfoRecompute(upper);
}

bool Tmainform::IsPathShown(const std::string& path) const {
    for (const QPointer<TMDIChild>& dir : DirectoryWindows(MDIChildren()))
        if (dir && dir->ShowsPath(path)) return true;
    return false;
}

void Tmainform::CancelDrag() {
    if (!drag_.Source) return;
    try {
        drag_.Source->CancelDrag();
    } catch (...) {
        drag_.Source = nullptr;
    }
}

void Tmainform::ShowPanels(const std::string& counter, const std::string& tags) {
    StatusLine->P_Counter->setText(QString::fromStdString(counter));
    StatusLine->P_Tags->setText(QString::fromStdString(tags));
}

void Tmainform::ShowDirectoryStatus(const TDirectoryStatus& s) {
    TSpeedBar* sb = SpeedBar;
    bool entries = s.EntryCount > 0, tagged = s.TaggedCount > 0;
    sb->SB_Copy->setEnabled(tagged);
    sb->SB_Delete->setEnabled(tagged);
    sb->SB_TagAll->setEnabled(entries);
    sb->SB_TagWild->setEnabled(entries && HasCommand(TCommand::TagByWildcards));
    sb->SB_Compare->setEnabled(!s.ResultWindow && entries && SplitWindowCount() > 1 &&
                               HasCommand(TCommand::ComparePaths));
    sb->SB_QuickAdd->setEnabled(!s.ResultWindow && SplitWindowCount() > 0 &&
                                HasCommand(TCommand::QuickAdd));
    sb->SB_TagNone->setEnabled(entries && tagged);

    if (!s.SortKeys.empty()) {
        const char* at = std::strchr(kSortLetters, s.SortKeys[0]);
        if (at && *at) sb->CB_Sort->setCurrentIndex(static_cast<int>(at - kSortLetters));
    }
    sb->CB_Sort->setEnabled(!s.ResultWindow);
    sb->E_Pattern->setEnabled(!s.ResultWindow);
    sb->E_Pattern->setText(QString::fromStdString(s.Wildcards));

    StatusLine->P_Counter->setText(
        QString::fromStdString(std::to_string(s.EntryCount) + "  " + FormatSize(s.EntryBytes, 'K')));
    StatusLine->P_Tags->setText(
        QString::fromStdString(std::to_string(s.TaggedCount) + "  " + FormatSize(s.TaggedBytes, 'K')));
}

void Tmainform::SetHintText(const std::string& text) {
    StatusLine->P_Hint->setText(QString::fromStdString(text));
}

std::string Tmainform::HintText() const { return StatusLine->P_Hint->text().toStdString(); }

void Tmainform::ReloadCategoryBox() {
    QComboBox* box = SpeedBar->CB_Category;
    QString chosen = box->currentText();
    box->clear();
    if (ApplicationCategories)
        for (const std::string& c : ApplicationCategories()) box->addItem(QString::fromStdString(c));
    int again = box->findText(chosen);
    box->setCurrentIndex(again >= 0 ? again : (box->count() > 0 ? 0 : -1));
}

std::vector<std::string> Tmainform::ApplicationsInCategory() const {
    if (!ApplicationNames) return {};
    return ApplicationNames(SpeedBar->CB_Category->currentText().toStdString());
}

// ---------------------------------------------------------------- gauge

void Tmainform::StartProgress(int max) {
    QLabel* host = StatusLine->P_Hint;
    QProgressBar* gauge = StatusLine->Gauge;
    host->clear();
    int width = host->width() - 8;
    int height = std::max(4, host->height() - 8);
    gauge->setGeometry(4, (host->height() - height) / 2, std::max(0, width), height);
    gauge->setRange(0, max);
    gauge->setValue(0);
    gauge->setVisible(width > 40);
    gauge_.StartProgress(max);
}

bool Tmainform::StepProgress(int done, int total) {
    if (!gauge_.StepProgress(done, total)) return false;
    StatusLine->Gauge->setValue(std::clamp(gauge_.position, 0, StatusLine->Gauge->maximum()));
    return true;
}

void Tmainform::StopProgress() {
    StatusLine->Gauge->hide();
    gauge_.StopProgress();
}

void Tmainform::ProcessEvents() { QCoreApplication::processEvents(); }

// ---------------------------------------------------------------- events

bool Tmainform::event(QEvent* e) {
    // Hints of menu items, buttons and panels go to the hint line.
    if (e->type() == QEvent::StatusTip) {
        StatusLine->P_Hint->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool Tmainform::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ToolTip && !ShowHint) return true;
    return QMainWindow::eventFilter(watched, e);
}

void Tmainform::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (FirstActivationPending) QTimer::singleShot(0, this, [this] { FirstActivation(); });
}

void Tmainform::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && FirstActivationPending)
        FirstActivation();
}

void Tmainform::FirstActivation() {
    if (!FirstActivationPending) return;
    FirstActivationPending = false;
    MakeDriveBar();
    RunCommand([this] {
        if (AppIni().ReadBool("FInfo", "Active", false) && HasCommand(TCommand::DriveInformation) &&
            !(DriveInfoIsOpen && DriveInfoIsOpen()))
            RunCommand(TCommand::DriveInformation);
    });
    int opened = 0;
    RunCommand([this, &opened] {
        if (OpenAutoloadQuickDirectories) opened = OpenAutoloadQuickDirectories();
    });
    if (opened == 0) RunCommand([this] { OpenDirectoryWindow(); });
    // The directory window's menus joined the menu bar.
    if (!placementStored_ && !isMaximized()) FitToBars(*this);
}

void Tmainform::MakeDriveBar() {
    if (DriveBar) return;
    // The list is made once: a drive added later does not appear.
    DriveList = BuildDriveList();
    DriveBar = new TDriveBar(DriveList, B_HARDDISK, B_FLOPPYDISK);
    DriveBar->ShowFloppy = [] { return AppIni().ReadBool("FINFO", "SHOWFLOPPY", false); };
    DriveDock = new QDockWidget(this);
    DriveDock->setObjectName("DriveDock");
    DriveDock->setTitleBarWidget(new QWidget(DriveDock));
    DriveDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    DriveDock->setWidget(DriveBar);
    addDockWidget(Qt::LeftDockWidgetArea, DriveDock);
    connect(DriveBar, &TDriveBar::HintChanged, this,
            [this](const QString& text) { SetHintText(text.toStdString()); });
    connect(DriveBar, &TDriveBar::DriveChosen, this,
            [this](char letter) { RunCommand([this, letter] { ChooseDrive(letter); }); });
    connect(DriveBar, &TDriveBar::DroppedOnDrive, this,
            [this](char letter) { RunCommand([this, letter] { DropOnDrive(letter); }); });
    connect(DriveBar, &TDriveBar::DockRequested, this, [this](bool left) {
        CancelDrag();
        removeDockWidget(DriveDock);
        addDockWidget(left ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, DriveDock);
        DriveDock->show();
    });
    connect(DriveBar, &TDriveBar::HideRequested, this, [this] {
        CancelDrag();
        DriveDock->hide();
    });
    DriveBar->UpdateBarSize();
    // The client area shrinks by the bar now, before the first window is
    // fitted into it.
    DriveDock->show();
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }
}

void Tmainform::ChooseDrive(char letter) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (TMDIChild* w : DirectoryWindowsInOrder())
        if (std::toupper(static_cast<unsigned char>(w->GetDrive())) == letter) {
            BringToFront(w);
            return;
        }
    if (!DriveReady(letter)) return;
    const std::string drive = std::string(1, letter) + ":";
    if (!plat::SetCurrentDir(drive)) throw EInOutError(plat::ErrorText(plat::FileError::PathNotFound), 3);
    OpenDirectoryWindow();
}

void Tmainform::DropOnDrive(char letter) {
    ChooseDrive(letter);
    TMDIChild* active = ActiveDirectoryWindow();
    if (active && std::toupper(static_cast<unsigned char>(active->GetDrive())) == letter)
        DropIntoDirectory(*this, active->GetDirectory());
}

void Tmainform::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (DriveBar && DriveBar->isVisible()) DriveBar->UpdateBarSize();
}

void Tmainform::closeEvent(QCloseEvent* e) {
    // An editor with unsaved changes may keep the program open.
    for (QMdiSubWindow* w : MDIChildren()) {
        auto* fileWindow = qobject_cast<TMDIFileBase*>(w);
        if (fileWindow && !fileWindow->QuerySave()) {
            e->ignore();
            return;
        }
    }
    RunCommand([this] { WriteWindowPlacement(AppIni(), CurrentPlacement(*this)); });
    Closing = true;
    QMainWindow::closeEvent(e);
}
