#include "shell/program_parts_qt.h"

#include "shell/main_window.h"

void InstallProgramParts(Tmainform& form) {
    // One call per part that registers with the main window: the directory
    // windows' factory (NewDirectoryWindowFactory), the dialogs' commands
    // (RegisterCommand), the application list and the quick directories.
    (void)form;
}
