// What a child window and its dialogs may ask of the frame that holds
// them: the status line, the command registry, the windows beside them,
// the shared drag state and the display settings. The frame implements it
// and hands itself to each window at construction; a window outside any
// frame (tests, a drop from another application) gets none.
#pragma once

#include <QList>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPixmap;
class QWidget;
class TMDIChild;
class TMDIFileBase;
struct TDisplaySettings;
class TFrameServices;

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

// What a directory window's UpdateStatus shows in the frame.
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

// A drag between directory windows: where it started and what it carries.
struct TDragState {
    QPointer<TMDIChild> Source;
    bool IsDirectory = false;
    bool IsMove = false;
};

// Makes a new split directory window in frame, on quick directory
// quickDir (-1: the process's current directory); the frame adds it.
using TDirectoryWindowFactory = std::function<TMDIChild*(TFrameServices& frame, int quickDir)>;

class TFrameServices {
public:
    virtual ~TFrameServices() = default;

    // The viewers, the editor and the application launcher, each set by its
    // part; a window's item for one stays disabled until it is. The picture
    // hook loads the file into the picture viewer, captions and shows it.
    std::function<void(const std::string& path)> ShowTextViewer;
    std::function<void(const std::string& path)> ShowHexViewer;
    std::function<void(const std::string& path)> ViewPictureFile;
    std::function<void(const std::string& path)> EditFile;
    // Starts application appIndex of the current category on the window's
    // current entry.
    std::function<void(int appIndex, TMDIFileBase& window)> StartApplication;

    // The frame's widget: the parent of dialogs and the help window.
    virtual QWidget* FrameWidget() = 0;
    virtual void ShowHelp(int topic) = 0;

    // ---- commands
    virtual void RegisterCommand(TMainCommand command, std::function<void()> handler) = 0;
    virtual bool HasCommand(TMainCommand command) const = 0;
    virtual void RunCommand(TMainCommand command) = 0;

    // ---- status line and speed bar
    // The active directory window's figures, sort key, patterns and buttons.
    virtual void ShowDirectoryStatus(const TDirectoryStatus& status) = 0;
    // Refills the category box from the application list.
    virtual void ReloadCategoryBox() = 0;
    // Names of the applications in the category chosen in the category box.
    virtual std::vector<std::string> ApplicationsInCategory() const = 0;

    // ---- the directory windows
    virtual void SetDirectoryWindowFactory(TDirectoryWindowFactory factory) = 0;
    // A new split directory window on the current directory.
    virtual TMDIChild* OpenDirectoryWindow() = 0;
    // Every directory window in creation order.
    virtual QList<TMDIChild*> DirectoryWindowsInOrder() const = 0;
    // The active child when it is a directory window, else nullptr.
    virtual TMDIChild* ActiveDirectoryWindow() const = 0;
    // Open split directory windows.
    virtual int SplitWindowCount() const = 0;
    // Whether any directory window shows path or a directory below it.
    virtual bool IsPathShown(const std::string& path) const = 0;

    // ---- dragging between windows
    virtual TDragState& Drag() = 0;
    // Ends a drag in progress without a drop.
    virtual void CancelDrag() = 0;

    // ---- what every window draws with
    virtual TDisplaySettings& Display() = 0;
    // The tag column's mark of a tagged or untagged row.
    virtual const QPixmap& TagMark(bool tagged) const = 0;
};
