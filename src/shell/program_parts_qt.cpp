#include "shell/program_parts_qt.h"

#include "dirwin/directory_windows_qt.h"
#include "fileops/directory_dialogs_qt.h"
#include "fileops/file_dialogs_qt.h"
#include "search/tag_dialogs_qt.h"
#include "shell/main_window.h"

void InstallProgramParts(Tmainform& form) {
    InstallDirectoryWindows(form);
    InstallFileOperationDialogs(form);
    InstallDirectoryDialogs(form);
    InstallTaggingDialogs(form);
}
