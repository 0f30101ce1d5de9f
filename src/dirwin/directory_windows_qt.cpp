#include "dirwin/directory_windows_qt.h"

#include "shell/main_window.h"

void InstallDirectoryWindows(Tmainform& form) { (void)form; }
