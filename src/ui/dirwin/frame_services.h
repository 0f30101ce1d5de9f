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

#include "ui/dirwin/commands.h"

class QPixmap;
class QWidget;
class TMDIChild;
class TMDIFileBase;
struct TDisplaySettings;
class TFrameServices;

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

// What the "Find Text" dialog last answered, kept by the frame so that
// every viewer and editor continues the same search.
struct TFindState {
    std::string Text;
    bool CaseSensitive = false;
    bool FromTop = true;
    bool Ok = false;  // the dialog ended with OK
};

// A drag between directory windows: where it started and what it carries.
struct TDragState {
    QPointer<TMDIChild> Source;
    bool IsDirectory = false;
    bool IsMove = false;
    // Where a drop would put the dragged files onto themselves (a
    // directory drag: the dragged directory); a drop there is refused.
    std::vector<std::string> SourceDirs;
};

// Makes a new split directory window in frame, on quick directory
// quickDir (-1: the process's current directory); the frame adds it.
using TDirectoryWindowFactory = std::function<TMDIChild*(TFrameServices& frame, int quickDir)>;

class TFrameServices {
public:
    virtual ~TFrameServices() = default;

    // The frame's widget: the parent of dialogs and the help window.
    virtual QWidget* FrameWidget() = 0;
    virtual void ShowHelp(int topic) = 0;

    // ---- commands: the program's one registry
    virtual void RegisterCommand(TCommand command, TCommandRegistry::Handler handler) = 0;
    // A handler that needs no target.
    void RegisterCommand(TCommand command, std::function<void()> handler) {
        RegisterCommand(command, handler ? TCommandRegistry::Handler([handler](const TCommandTarget&) { handler(); })
                                         : TCommandRegistry::Handler());
    }
    virtual bool HasCommand(TCommand command) const = 0;
    // Runs the command's handler, showing any error it raises; nothing when
    // no part has registered it.
    virtual void RunCommand(TCommand command, const TCommandTarget& target = {}) = 0;

    // ---- status line and speed bar
    // The active directory window's figures, sort key, patterns and buttons.
    virtual void ShowDirectoryStatus(const TDirectoryStatus& status) = 0;
    // The hint line's text (a search shows the directory it is in).
    virtual void SetHintText(const std::string& text) { (void)text; }
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

    // ---- the viewers and editors
    virtual TFindState& FindState() = 0;
    // Texts of the counter and tag panels, for a child that is not a
    // directory window (a viewer's position and line count).
    virtual void ShowPanels(const std::string& counter, const std::string& tags) = 0;

    // ---- what every window draws with
    virtual TDisplaySettings& Display() = 0;
    // The tag column's mark of a tagged or untagged row.
    virtual const QPixmap& TagMark(bool tagged) const = 0;
};
