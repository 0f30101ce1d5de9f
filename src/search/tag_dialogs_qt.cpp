#include "search/tag_dialogs_qt.h"

#include "dirwin/dir_commands.h"
#include "shell/main_window.h"

void InstallTaggingDialogs(Tmainform& form) { (void)form; }
