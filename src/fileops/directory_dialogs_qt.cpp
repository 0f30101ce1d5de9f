#include "fileops/directory_dialogs_qt.h"

#include "dirwin/dir_commands.h"
#include "shell/main_window.h"

void InstallDirectoryDialogs(Tmainform& form) { (void)form; }
