#include "dirwin/dir_commands.h"

TDirCommands& DirCommands() {
    static TDirCommands commands;
    return commands;
}
