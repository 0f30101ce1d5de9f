// The program's frame, Tmainform: an MDI parent holding the directory
// windows, editors and viewers, with the menu bar, the speed bar, the status
// line (counter panels, hint line, progress gauge) and the program-wide
// display settings the child windows read. Commands of its menus, speed bar,
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

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TMDIChild;
class TMDIFileBase;
class TSpeedBar;
class TStatusLine;
class TWindowListDialog;

// Commands whose dialogs and windows belong to other parts of the program.
// Each part registers its handler with RegisterCommand; until it has, the
// command's menu item and button stay disabled.
enum class TMainCommand {
    Applications,      // "App&lications ..." and "Application List"
    QuickDirectories,  // "&Quick Directories ..." and "Quick Directory List"
    DriveInformation,  // "D&rive Information": opens the window, or closes it when open
    GlobalOptions,     // "&Global options ..."
    NewFile,           // "&Edit" > "&New file"
    DriveSearch,       // "&Drive Search ..." and "Drive Search"
    MultiDriveSearch,  // "&Multi Drive Search ..."
    RunProgram,        // "D&o ..."
    QuickAdd,          // "Quick Add to Direcotry List"
    TagByWildcards,    // "Tag based on wildcards"
    ComparePaths,      // "Tag against another directory"
    WindowOptions,     // "Set Options"
    SetWildcards,      // a click on the pattern box
};

// What a directory window's UpdateStatus shows in the main window.
struct TDirectoryStatus {
    int EntryCount = 0;
    int64_t EntryBytes = 0;
    int TaggedCount = 0;
    int64_t TaggedBytes = 0;
    std::string SortKeys;
    std::string Wildcards;
    // The result window has no sort box, pattern box, compare or quick add.
    bool ResultWindow = false;
};

// Merge groups of the main window's own menus; a child's menus fall between
// them by their groups (Tag 12, Perform 21, Directory/Options/Viewers 31,
// Applications 32).
constexpr int kFileMenuGroup = 0, kWindowMenuGroup = 40, kHelpMenuGroup = 50;

class Tmainform : public QMainWindow, public TProgress {
    Q_OBJECT
public:
    explicit Tmainform(QWidget* parent = nullptr);
    ~Tmainform() override;

    // ---- program-wide settings, read at creation (Application / Mainform)
    bool ShowHint = true;
    int32_t HintColor = -1;      // -1: the platform's hint colour
    QFont ListFont;              // "FontName", "FontSize"
    bool VAsc = false;           // read and kept
    bool VAscS = true;           // written back unchanged by the option dialogs
    bool VHexS = true;           // hex viewer as a separate window
    bool VPicS = true;           // picture viewer as a separate window
    int32_t Tabs = 8;            // text viewer tab width
    bool DBLClickRun = true;     // a double click runs a file, else tags it
    bool RDJump = false;         // right click in a tree jumps
    bool RD_Menu = true;         // right click in a tree shows the menu
    bool RDBack = true;          // right click on no item goes back a level
    int32_t ExeColorSetting = -1;  // "ExeColor" as stored
    QColor ExeColor = Qt::black;   // colour of executable entries
    bool ExeBold = true, ExeItalic = false, ExeStrikeout = false, ExeUnderline = false;

    // ---- run-time state
    QPixmap B_CHECK, B_NOCHECK, B_HARDDISK, B_FLOPPYDISK;
    std::vector<std::string> DriveList;  // one text per drive, filled by the drive bar
    int SplitWindowCount = 0;            // open split directory windows
    int ResultWindowCount = 0;           // open search result windows
    int QuickDirToOpen = -1;             // quick directory the next window opens, -1 none
    QPointer<TMDIChild> DragSource;      // the window a drag started from
    bool DragIsDirectory = false;
    bool DragIsMove = false;
    bool FirstActivationPending = true;
    bool Closing = false;                // set when the main window closes

    // ---- controls
    QMdiArea* MDIArea;
    TSpeedBar* SpeedBar;
    TStatusLine* StatusLine;

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
    // directory (or on QuickDirToOpen); the window adds itself with AddChild
    // or is added by the caller. Without it no directory window opens.
    std::function<TMDIChild*(Tmainform*)> NewDirectoryWindowFactory;
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
    // The viewers, the editor and the application launcher, each set by its
    // part; a directory window's item for one stays disabled until it is.
    // The picture hook loads the file into the picture viewer (made on
    // first use), captions and shows it.
    std::function<void(const std::string& path)> ShowTextViewer;
    std::function<void(const std::string& path)> ShowHexViewer;
    std::function<void(const std::string& path)> ViewPictureFile;
    std::function<void(const std::string& path)> EditFile;
    // Starts application appIndex of the current category on the window's
    // current entry.
    std::function<void(int appIndex, TMDIFileBase& window)> StartApplication;

    void RegisterCommand(TMainCommand command, std::function<void()> handler);
    bool HasCommand(TMainCommand command) const;

    // ---- children
    // Every MDI child in creation order (the order of the Window menu).
    QList<QMdiSubWindow*> MDIChildren() const;
    QMdiSubWindow* ActiveChild() const;
    // The active child when it is a directory window, else nullptr.
    TMDIChild* ActiveDirectoryWindow() const;
    // Puts a new child window into the frame and shows it.
    void AddChild(QMdiSubWindow* child);
    void BringToFront(QMdiSubWindow* child);

    // ---- services
    // A new split directory window on the current directory.
    TMDIChild* OpenDirectoryWindow();
    // A new split directory window on quick directory index.
    TMDIChild* OpenQuickDirectory(int index);
    // Every directory window showing path (or a directory below it) reads
    // its directory again.
    void RefreshWindowsShowing(const std::string& path);
    // Every directory window on drive letter reads its tree again.
    void RefreshWindowsOnDrive(char letter);
    // Whether any directory window shows path or a directory below it.
    bool IsPathShown(const std::string& path) const;
    // Ends a drag in progress without a drop.
    void CancelDrag();
    // The active directory window's figures, sort key, patterns and buttons.
    void ShowDirectoryStatus(const TDirectoryStatus& status);
    void SetHintText(const std::string& text);
    std::string HintText() const;
    // Refills the category box from the application list.
    void ReloadCategoryBox();
    // Names of the applications in the category chosen in the category box.
    std::vector<std::string> ApplicationsInCategory() const;

    // ---- the progress gauge in the hint line
    void StartProgress(int max) override;
    bool StepProgress(int done, int total) override;
    void StopProgress() override;
    void ProcessEvents() override;
    const TProgressGauge& GaugeState() const { return gauge_; }

    // ---- handlers, public so that every path can be driven directly
    void ActiveFormChange();
    void FirstActivation();
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
    void ShowHelp(int topic);
    void ShowAbout();
    // Runs fn and shows any exception it raises; the program goes on.
    void RunCommand(const std::function<void()>& fn);
    void RunCommand(TMainCommand command);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
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
    std::map<TMainCommand, std::function<void()>> commands_;
};

// The program's main window, nullptr before it exists and after it is gone.
Tmainform* MainForm();
