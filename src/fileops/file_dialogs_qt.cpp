#include "fileops/file_dialogs_qt.h"

#include "dirwin/dir_commands.h"
#include "shell/main_window.h"

void InstallFileOperationDialogs(Tmainform& form) { (void)form; }
