// Tmainform's menus: the File, Window and Help menus, what they show when
// they open, the window list and the arrangement of the children.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "ui/frame/about_dialog.h"
#include "ui/frame/shown_text_qt.h"
#include "ui/frame/help_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/frame/window_list_dialog.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* hint = nullptr) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (hint) a->setStatusTip(hint);
    return a;
}

// A caption shown as menu text: "&" of a directory name stays a letter.
QString MenuText(const std::string& s) { return ShownQText(s).replace("&", "&&"); }

}  // namespace

void Tmainform::BuildMenus() {
    BuildFileMenu();
    BuildWindowMenu();
    BuildHelpMenu();
}

void Tmainform::BuildFileMenu() {
    FileMenu = new QMenu("&File", this);
    FileMenu->setObjectName("FileMenu");
    FileMenu->menuAction()->setStatusTip("File related commands");
    FileNew = AddItem(FileMenu, "FileNew", "&New directory list", "Open a new file list");
    FileApplications =
        AddItem(FileMenu, "FileApplications", "App&lications ...", "Update the application list");
    FileQuickDirs =
        AddItem(FileMenu, "FileQuickDirs", "&Quick Directories ...", "Create Quick directories");
    FileDriveInfo = AddItem(FileMenu, "FileDriveInfo", "D&rive Information", "View drive information");
    FileDriveInfo->setCheckable(true);
    FileGlobalOptions =
        AddItem(FileMenu, "FileGlobalOptions", "&Global options ...", "Setup main options for Quilby");
    FileMenu->addSeparator();
    FileEditMenu = FileMenu->addMenu("&Edit");
    FileEditMenu->setObjectName("FileEditMenu");
    FileEdit = AddItem(FileEditMenu, "FileEdit", "&Edit");
    FileNewFile = AddItem(FileEditMenu, "FileNewFile", "&New file");
    FileMenu->addSeparator();
    FileDriveSearch =
        AddItem(FileMenu, "FileDriveSearch", "&Drive Search ...", "Search across sub-directories");
    FileMultiSearch = AddItem(FileMenu, "FileMultiSearch", "&Multi Drive Search ...");
    FileMenu->addSeparator();
    FileDo = AddItem(FileMenu, "FileDo", "D&o ...", "Run a program");
    FileRun = AddItem(FileMenu, "FileRun", "&Run file", "Run the currently selected file.");
    FilePrint = AddItem(FileMenu, "FilePrint", "&Print file", "Print the currently selected file");
    FileMenu->addSeparator();
    FileExit = AddItem(FileMenu, "FileExit", "E&xit", "Exit the application");

    connect(FileMenu, &QMenu::aboutToShow, this, [this] { RunCommand([this] { FileMenuOpened(); }); });
    ConnectCommand(FileNew, [this] { OpenDirectoryWindow(); });
    ConnectCommand(FileApplications, [this] {
        RunCommand(TCommand::Applications);
        ReloadCategoryBox();
    });
    ConnectCommand(FileQuickDirs, [this] { RunCommand(TCommand::QuickDirectories); });
    ConnectCommand(FileDriveInfo, [this] { ToggleDriveInformation(); });
    ConnectCommand(FileGlobalOptions, [this] { RunCommand(TCommand::GlobalOptions); });
    ConnectCommand(FileEdit, [this] { EditCurrentEntry(); });
    ConnectCommand(FileNewFile, [this] { RunCommand(TCommand::NewFile); });
    ConnectCommand(FileDriveSearch, [this] { RunCommand(TCommand::DriveSearch); });
    ConnectCommand(FileMultiSearch, [this] { RunCommand(TCommand::MultiDriveSearch); });
    ConnectCommand(FileDo, [this] { RunCommand(TCommand::RunProgram); });
    ConnectCommand(FileRun, [this] { RunCurrentEntry(); });
    ConnectCommand(FilePrint, [this] { PrintCurrentEntry(); });
    ConnectCommand(FileExit, [this] { close(); });
}

void Tmainform::BuildWindowMenu() {
    WindowMenu = new QMenu("&Window", this);
    WindowMenu->setObjectName("WindowMenu");
    WindowMenu->menuAction()->setStatusTip("Window related commands such as Tile and Cascade");
    WindowRefresh = AddItem(WindowMenu, "WindowRefresh", "&Refresh", "Refresh the current file list");
    WindowOrganize = WindowMenu->addMenu("&Organize");
    WindowOrganize->setObjectName("WindowOrganize");
    WindowCascade = AddItem(WindowOrganize, "WindowCascade", "&Cascade", "Arrange windows to overlap");
    WindowTileV = AddItem(WindowOrganize, "WindowTileV", "Tile &Vertical", "Tile Windows");
    WindowTileH = AddItem(WindowOrganize, "WindowTileH", "&Tile Horizontal", "Tile windows");
    WindowMaximize = AddItem(WindowOrganize, "WindowMaximize", "Ma&ximize", "Maximize windows");
    WindowArrange = AddItem(WindowOrganize, "WindowArrange", "&Arrange Icons",
                            "Arrange window icons at bottom of main window");
    WindowCloseAll = AddItem(WindowMenu, "WindowCloseAll", "Close &All windows");
    WindowSpeedBar = AddItem(WindowMenu, "WindowSpeedBar", "&Show Speedbar", "Show the speedbar");
    WindowSeparator = WindowMenu->addSeparator();
    WindowSeparator->setObjectName("WindowSeparator");
    static const char* const kItemCaptions[9] = {"&W1", "&W2", "&W3", "&W4", "&W5",
                                                 "w6",  "w7",  "w8",  "w9"};
    for (int i = 0; i < 9; ++i) {
        QAction* item = AddItem(WindowMenu, "", kItemCaptions[i]);
        item->setObjectName(QStringLiteral("W%1").arg(i + 1));
        // The item knows its child by number, not by caption.
        ConnectCommand(item, [this, i] {
            QList<QMdiSubWindow*> children = MDIChildren();
            if (i < children.size()) BringToFront(children[i]);
        });
        WindowItems.append(item);
    }
    WindowMore = AddItem(WindowMenu, "WindowMore", "M&ore Windows ...");

    connect(WindowMenu, &QMenu::aboutToShow, this, [this] { RunCommand([this] { WindowMenuOpened(); }); });
    ConnectCommand(WindowRefresh, [this] {
        if (TMDIChild* dir = ActiveDirectoryWindow()) {
            dir->UpdateTree();
            dir->Refresh();
        }
    });
    ConnectCommand(WindowCascade, [this] {
        MDIArea->cascadeSubWindows();
        AfterArrange();
    });
    ConnectCommand(WindowTileV, [this] { TileVertical(); });
    ConnectCommand(WindowTileH, [this] { TileHorizontal(); });
    ConnectCommand(WindowMaximize, [this] {
        if (QMdiSubWindow* w = ActiveChild()) w->showMaximized();
    });
    ConnectCommand(WindowArrange, [this] { ArrangeIcons(); });
    ConnectCommand(WindowCloseAll, [this] { CloseAllWindows(); });
    ConnectCommand(WindowSpeedBar, [this] { SpeedBar->setVisible(!SpeedBar->isVisible()); });
    ConnectCommand(WindowMore, [this] { ShowWindowList(); });
}

void Tmainform::BuildHelpMenu() {
    HelpMenu = new QMenu("&Help", this);
    HelpMenu->setObjectName("HelpMenu");
    HelpMenu->menuAction()->setStatusTip("Help topics");
    HelpHowDoI = AddItem(HelpMenu, "HelpHowDoI", "&How Do I?");
    HelpContents = AddItem(HelpMenu, "HelpContents", "&Contents");
    HelpMenu->addSeparator();
    HelpAbout = AddItem(HelpMenu, "HelpAbout", "&About ...");
    ConnectCommand(HelpHowDoI, [this] { ShowHelp(9016); });
    ConnectCommand(HelpContents, [this] { ShowHelp(1002); });
    ConnectCommand(HelpAbout, [this] { ShowAbout(); });
}

// ---------------------------------------------------------------- File menu

void Tmainform::FileMenuOpened() {
    FileDriveInfo->setChecked(DriveInfoIsOpen && DriveInfoIsOpen());
    FileEdit->setText("&Edit");
    FileEdit->setEnabled(false);
    FileRun->setText("&Run");
    FilePrint->setText("&Print");
    bool current = false, executable = false;
    if (TMDIChild* dir = ActiveDirectoryWindow(); dir && dir->GetCurrentIndex() >= 0) {
        std::string name = dir->GetCurrentName();
        current = true;
        size_t dot = name.rfind('.');
        std::string ext = plat::UpperCase(dot == std::string::npos ? std::string() : name.substr(dot + 1));
        executable = ext == "EXE" || ext == "COM" || ext == "BAT";
        FileEdit->setText("&Edit: " + MenuText(name));
        // Only with an editor to open the entry in.
        FileEdit->setEnabled(HasCommand(TCommand::EditFile));
        FileRun->setText("&Run: " + MenuText(name));
        if (!executable) FilePrint->setText("&Print: " + MenuText(name));
    }
    FileRun->setEnabled(current);
    FilePrint->setEnabled(current && !executable);
}

void Tmainform::EditCurrentEntry() {
    TMDIChild* dir = ActiveDirectoryWindow();
    if (!dir || dir->GetCurrentIndex() < 0) return;
    dir->EditEntry(dir->GetCurrentIndex());
}

void Tmainform::RunCurrentEntry() {
    TMDIChild* dir = ActiveDirectoryWindow();
    if (!dir || dir->GetCurrentIndex() < 0) return;
    dir->OpenEntry(dir->GetCurrentIndex());
}

void Tmainform::PrintCurrentEntry() {
    TMDIChild* dir = ActiveDirectoryWindow();
    if (!dir || dir->GetCurrentIndex() < 0) return;
    dir->PrintEntry(dir->GetCurrentIndex());
}

void Tmainform::ToggleDriveInformation() {
    if (!HasCommand(TCommand::DriveInformation)) return;
    RunCommand(TCommand::DriveInformation);
    AppIni().WriteBool("FInfo", "Active", DriveInfoIsOpen && DriveInfoIsOpen());
}

// ---------------------------------------------------------------- Window menu

void Tmainform::WindowMenuOpened() {
    WindowRefresh->setEnabled(ActiveDirectoryWindow() != nullptr);
    WindowSpeedBar->setEnabled(SpeedBar->isHidden());
    QList<QMdiSubWindow*> children = MDIChildren();
    int n = std::min<int>(static_cast<int>(children.size()), 9);
    for (int i = 0; i < 9; ++i) {
        QAction* item = WindowItems[i];
        if (i < n) {
            item->setText(QStringLiteral("&%1: ").arg(i + 1) +
                          MenuText(children[i]->windowTitle().toStdString()));
            item->setVisible(true);
            item->setEnabled(true);
        } else {
            item->setVisible(false);
            item->setEnabled(false);
        }
    }
    WindowSeparator->setVisible(n >= 1);
    bool more = children.size() > 9;
    WindowMore->setVisible(more);
    WindowMore->setEnabled(more);
}

TWindowListDialog* Tmainform::MakeWindowList() {
    QStringList captions;
    QList<QMdiSubWindow*> children = MDIChildren();
    for (QMdiSubWindow* w : children) captions.append(w->windowTitle());
    // The tenth line is the first one the Window menu cannot show.
    int preselect = captions.size() > 9 ? 9 : static_cast<int>(children.indexOf(ActiveChild()));
    return new TWindowListDialog(captions, preselect, this);
}

void Tmainform::ShowWindowList() {
    TWindowListDialog* dialog = MakeWindowList();
    dialog->exec();
    int index = dialog->Result();
    delete dialog;
    QList<QMdiSubWindow*> children = MDIChildren();
    if (index >= 0 && index < children.size()) BringToFront(children[index]);
}

void Tmainform::AfterArrange() {
    if (TMDIChild* dir = ActiveDirectoryWindow()) dir->UpdateStatus();
}

namespace {

QList<QMdiSubWindow*> NotMinimized(const QList<QMdiSubWindow*>& children) {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* w : children)
        if (!w->isMinimized() && !w->isHidden()) out.append(w);
    return out;
}

// Gives each window an equal strip of the area: columns side by side, or
// rows one above the other.
void TileInStrips(const QList<QMdiSubWindow*>& windows, const QSize& area, bool columns) {
    const int n = static_cast<int>(windows.size());
    const int length = columns ? area.width() : area.height();
    for (int i = 0; i < n; ++i) {
        if (windows[i]->isMaximized()) windows[i]->showNormal();
        const int start = length * i / n, end = length * (i + 1) / n;
        if (columns)
            windows[i]->setGeometry(start, 0, end - start, area.height());
        else
            windows[i]->setGeometry(0, start, area.width(), end - start);
    }
}

}  // namespace

void Tmainform::TileVertical() {
    TileInStrips(NotMinimized(MDIChildren()), MDIArea->viewport()->size(), true);
    AfterArrange();
}

void Tmainform::TileHorizontal() {
    TileInStrips(NotMinimized(MDIChildren()), MDIArea->viewport()->size(), false);
    AfterArrange();
}

void Tmainform::ArrangeIcons() {
    QSize area = MDIArea->viewport()->size();
    int x = 0, y = area.height();
    for (QMdiSubWindow* w : MDIChildren()) {
        if (!w->isMinimized()) continue;
        QSize s = w->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= s.height();
        }
        w->move(x, y - s.height());
        x += s.width();
    }
    AfterArrange();
}

void Tmainform::MaximizeActive() {
    QMdiSubWindow* w = ActiveChild();
    if (!w) return;
    if (!w->isMaximized()) w->showMaximized();
    if (TMDIChild* dir = ActiveDirectoryWindow()) dir->UpdateStatus();
}

void Tmainform::CloseAllWindows() {
    for (QMdiSubWindow* w : MDIChildren()) w->close();
}

// ---------------------------------------------------------------- Help menu

void Tmainform::ShowHelp(int topic) { THelpWindow::ShowTopic(topic, this); }

void Tmainform::ShowAbout() {
    TAboutBox box(this);
    box.exec();
}
