#include "core/filelist/dir_commands.h"

TDirCommands& DirCommands() {
    static TDirCommands commands;
    return commands;
}
