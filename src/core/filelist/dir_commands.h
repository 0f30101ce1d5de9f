// The dialogs a directory window opens, registered by the parts that bring
// them. A window's menu item for a command that is not registered stays
// disabled; the window's virtual operation calls the registered function.
#pragma once

#include <functional>

class TMDIChild;

struct TDirCommands {
    using Command = std::function<void(TMDIChild&)>;
    // Perform menu
    Command Copy, Move, Delete, Shred, Attributes, Rename;
    // Directory menu
    Command CreateDirectory, RemoveDirectory, CopyDirectory, RenameDirectory;
    // Tag menu
    Command TagByWildcards, TagByDate, TagBySize, TagByAttribute;
};

TDirCommands& DirCommands();
