// The program's one command registry. Each part registers the handler of
// the commands it brings (a dialog, a window, a viewer); the menu items,
// context-menu items and speed buttons of a command stay disabled until a
// handler is registered, and run it when chosen. A handler gets what the
// command is for: the directory window it was chosen in (the active one for
// the frame's own items and buttons), an entry's path, an index.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

class TMDIChild;

enum class TCommand {
    // The frame's own items and buttons.
    Applications,      // "App&lications ..." and "Application List"
    QuickDirectories,  // "&Quick Directories ..." and "Quick Directory List"
    DriveInformation,  // "D&rive Information": opens the window, or closes it when open
    GlobalOptions,     // "&Global options ..."
    NewFile,           // "&Edit" > "&New file"
    DriveSearch,       // "&Drive Search ..." and "Drive Search"
    MultiDriveSearch,  // "&Multi Drive Search ..."
    RunProgram,        // "D&o ..."
    // A directory window's, from its menus or the speed bar.
    QuickAdd,          // "Quick Add to Direcotry List"
    ComparePaths,      // "&Compare Paths ..." and "Tag against another directory"
    WindowOptions,     // "&All options ..." and "Set Options"
    SetWildcards,      // a click on the pattern box
    // Its tagged files.
    Copy, Move, Delete, Shred, Attributes, Rename,
    // Its tree.
    CreateDirectory, RemoveDirectory, CopyDirectory, RenameDirectory,
    // Tagging.
    TagByWildcards, TagByDate, TagBySize, TagByAttribute, SearchText,
    // One entry, by Path.
    ViewText, ViewHex, ViewPicture, EditFile,
    // Application Index of the current category on the window's current entry;
    // kChooseApplication offers the category's list to choose from.
    StartApplication,
};

constexpr int kChooseApplication = -1;

struct TCommandTarget {
    TCommandTarget(TMDIChild* window = nullptr, std::string path = {}, int index = -1)
        : Window(window), Path(std::move(path)), Index(index) {}
    TMDIChild* Window;
    std::string Path;
    int Index;
};

class TCommandRegistry {
public:
    using Handler = std::function<void(const TCommandTarget&)>;

    // An empty handler takes the command away again.
    void Register(TCommand command, Handler handler);
    bool Has(TCommand command) const { return handlers_.count(command) != 0; }
    // Runs the command's handler; false when none is registered.
    bool Run(TCommand command, const TCommandTarget& target) const;

private:
    std::map<TCommand, Handler> handlers_;
};

// A handler for a command that acts on the window it is chosen in; without
// a window it does nothing.
template <class Fn>
TCommandRegistry::Handler OnWindow(Fn fn) {
    return [fn](const TCommandTarget& target) {
        if (target.Window) fn(*target.Window);
    };
}

// A handler for a command that acts on one entry's path.
template <class Fn>
TCommandRegistry::Handler OnPath(Fn fn) {
    return [fn](const TCommandTarget& target) {
        if (!target.Path.empty()) fn(target.Path);
    };
}
