// The program's frame, Tmainform: an MDI parent holding the directory
// windows, editors and viewers, with the menu bar, the speed bar, the status
// line (counter panels, hint line, progress gauge) and the program-wide
// display settings. Child windows reach it only as TFrameServices; it
// re-reads the windows that show a path the change notifier announces. Commands of its menus, speed bar,
// sort box and pattern box go to the active child when that is a directory
// window; the enabling rules keep them unreachable otherwise.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/seams/progress.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/display_settings.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TMDIChild;
class TMDIFileBase;
class QDockWidget;
class TDriveBar;
class TSpeedBar;
class TStatusLine;
class TWindowListDialog;

// Merge groups of the main window's own menus; a child's menus fall between
// them by their groups (Tag 12, Perform 21, Directory/Options/Viewers 31,
// Applications 32).
constexpr int kFileMenuGroup = 0, kWindowMenuGroup = 40, kHelpMenuGroup = 50;

class Tmainform : public QMainWindow, public TProgress, public TFrameServices {
    Q_OBJECT
public:
    explicit Tmainform(QWidget* parent = nullptr);
    ~Tmainform() override;

    // ---- program-wide settings, read at creation (Application / Mainform)
    bool ShowHint = true;
    int32_t HintColor = -1;      // -1: the platform's hint colour
    bool VAsc = false;           // read and kept
    bool VAscS = true;           // written back unchanged by the option dialogs
    bool VHexS = true;           // hex viewer as a separate window
    bool VPicS = true;           // picture viewer as a separate window
    int32_t Tabs = 8;            // text viewer tab width

    // ---- run-time state
    QPixmap B_CHECK, B_NOCHECK, B_HARDDISK, B_FLOPPYDISK;
    std::vector<std::string> DriveList;  // one text per drive, filled by the drive bar
    bool FirstActivationPending = true;
    bool Closing = false;                // set when the main window closes

    // ---- controls
    QMdiArea* MDIArea;
    TSpeedBar* SpeedBar;
    TStatusLine* StatusLine;
    // The drive bar, made at the first activation from the drive list.
    TDriveBar* DriveBar = nullptr;
    QDockWidget* DriveDock = nullptr;

    QMenu* FileMenu;
    QAction* FileNew;            // "&New directory list"
    QAction* FileApplications;   // "App&lications ..."
    QAction* FileQuickDirs;      // "&Quick Directories ..."
    QAction* FileDriveInfo;      // "D&rive Information"
    QAction* FileGlobalOptions;  // "&Global options ..."
    QMenu* FileEditMenu;         // "&Edit"
    QAction* FileEdit;           // "&Edit" / "&Edit: name"
    QAction* FileNewFile;        // "&New file"
    QAction* FileDriveSearch;    // "&Drive Search ..."
    QAction* FileMultiSearch;    // "&Multi Drive Search ..."
    QAction* FileDo;             // "D&o ..."
    QAction* FileRun;            // "&Run" / "&Run: name"
    QAction* FilePrint;          // "&Print" / "&Print: name"
    QAction* FileExit;           // "E&xit"

    QMenu* WindowMenu;
    QAction* WindowRefresh;      // "&Refresh"
    QMenu* WindowOrganize;       // "&Organize"
    QAction* WindowCascade;
    QAction* WindowTileV;
    QAction* WindowTileH;
    QAction* WindowMaximize;
    QAction* WindowArrange;
    QAction* WindowCloseAll;     // "Close &All windows"
    QAction* WindowSpeedBar;     // "&Show Speedbar"
    QAction* WindowSeparator;    // above the window items
    QList<QAction*> WindowItems; // W1 .. W9
    QAction* WindowMore;         // "M&ore Windows ..."

    QMenu* HelpMenu;
    QAction* HelpHowDoI;
    QAction* HelpContents;
    QAction* HelpAbout;

    // ---- hooks other parts of the program register
    // Creates a new split directory window on the process's current
    // directory or on a quick directory; the window adds itself with
    // AddChild or is added by the caller. Without it no directory window
    // opens.
    TDirectoryWindowFactory NewDirectoryWindowFactory;
    // Opens every quick directory marked for automatic loading; answers how
    // many opened.
    std::function<int()> OpenAutoloadQuickDirectories;
    // The drive information window: whether it is open, and recomputing the
    // figures of one drive after a change.
    std::function<bool()> DriveInfoIsOpen;
    std::function<void(char)> DriveInfoRecompute;
    // The application list: its categories and the names of one category.
    std::function<std::vector<std::string>()> ApplicationCategories;
    std::function<std::vector<std::string>(const std::string&)> ApplicationNames;
    // A child that is neither a directory window nor an editor became active
    // (the text viewer writes its position into the panels).
    std::function<void(QMdiSubWindow*)> OtherChildActivated;
    using TFrameServices::RegisterCommand;
    void RegisterCommand(TCommand command, TCommandRegistry::Handler handler) override;
    bool HasCommand(TCommand command) const override { return commands_.Has(command); }

    // ---- children
    // Every MDI child in creation order (the order of the Window menu).
    QList<QMdiSubWindow*> MDIChildren() const;
    QMdiSubWindow* ActiveChild() const;
    TMDIChild* ActiveDirectoryWindow() const override;
    QList<TMDIChild*> DirectoryWindowsInOrder() const override;
    // Open split and result windows, counted from the MDI area.
    int SplitWindowCount() const override;
    int ResultWindowCount() const;
    // Puts a new child window into the frame and shows it.
    void AddChild(QMdiSubWindow* child);
    void BringToFront(QMdiSubWindow* child);

    // ---- services
    TMDIChild* OpenDirectoryWindow() override;
    // A new split directory window on quick directory index.
    TMDIChild* OpenQuickDirectory(int index);
    // The quick directory the window being made opens on, -1 none.
    int QuickDirToOpen() const { return quickDirToOpen_; }
    void SetDirectoryWindowFactory(TDirectoryWindowFactory factory) override;
    // Every directory window showing path (or a directory below it) reads
    // its directory again.
    void RefreshWindowsShowing(const std::string& path);
    // Every directory window on drive letter reads its tree again.
    void RefreshWindowsOnDrive(char letter);
    bool IsPathShown(const std::string& path) const override;
    TDragState& Drag() override { return drag_; }
    void CancelDrag() override;
    void ShowDirectoryStatus(const TDirectoryStatus& status) override;
    TDisplaySettings& Display() override { return display_; }
    TFindState& FindState() override { return findState_; }
    void ShowPanels(const std::string& counter, const std::string& tags) override;
    const QPixmap& TagMark(bool tagged) const override { return tagged ? B_CHECK : B_NOCHECK; }
    QWidget* FrameWidget() override { return this; }
    void SetHintText(const std::string& text) override;
    std::string HintText() const;
    void ReloadCategoryBox() override;
    std::vector<std::string> ApplicationsInCategory() const override;

    // ---- the progress gauge in the hint line
    void StartProgress(int max) override;
    bool StepProgress(int done, int total) override;
    void StopProgress() override;
    void ProcessEvents() override;
    const TProgressGauge& GaugeState() const { return gauge_; }

    // ---- handlers, public so that every path can be driven directly
    void ActiveFormChange();
    void FirstActivation();
    // Fills the drive list and puts the drive bar at the left edge.
    void MakeDriveBar();
    // A click on the drive bar: the first directory window on the drive
    // comes to the front, else one opens there when the drive is ready.
    void ChooseDrive(char letter);
    // A drop on the drive bar: the drive is chosen, then the drop goes into
    // the directory of the window that shows it.
    void DropOnDrive(char letter);
    void FileMenuOpened();
    void WindowMenuOpened();
    void SortBoxChosen(int index);
    void PatternBoxClicked();
    void CounterPanelClicked();
    void TagPanelClicked();
    // The Window List dialog over every child; not yet shown.
    TWindowListDialog* MakeWindowList();
    void ShowWindowList();
    void TileVertical();    // side by side
    void TileHorizontal();  // one above the other
    void ArrangeIcons();
    void MaximizeActive();
    void CloseAllWindows();
    void ShowHelp(int topic) override;
    void ShowAbout();
    // Runs fn and shows any exception it raises; the program goes on.
    void RunCommand(const std::function<void()>& fn);
    void RunCommand(TCommand command, const TCommandTarget& target = {}) override;
    // Runs a command of the active directory window.
    void RunWindowCommand(TCommand command);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ReadSettings();
    void LoadPictures();
    void BuildMenus();
    void BuildFileMenu();
    void BuildWindowMenu();
    void BuildHelpMenu();
    void ConnectSpeedBar();
    void ConnectCommand(QAction* action, std::function<void()> fn);
    void UpdateCommandEnabling();
    void MergeMenus(TMDIFileBase* child);
    void AfterArrange();
    void DockSpeedBar(Qt::ToolBarArea area);
    void EditCurrentEntry();
    void RunCurrentEntry();
    void PrintCurrentEntry();
    void ToggleDriveInformation();

    TProgressGauge gauge_;
    TDisplaySettings display_;
    TDragState drag_;
    TFindState findState_;
    int quickDirToOpen_ = -1;
    int changeListener_ = 0;  // this frame's listening to the change notifier
    bool placementStored_ = false;  // the window opened where it was at the last exit
    TCommandRegistry commands_;
};

