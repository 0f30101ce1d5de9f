#include "ui/frame/program_parts_qt.h"

#include "ui/apps/apps_qt.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/drives/drive_info_qt.h"
#include "ui/fileops/directory_dialogs_qt.h"
#include "ui/fileops/file_dialogs_qt.h"
#include "ui/tagging/tag_dialogs_qt.h"
#include "ui/options/option_dialogs_qt.h"
#include "ui/search/search_dialogs_qt.h"
#include "ui/search/drive_search_dialog.h"
#include "ui/viewers/viewers_binary_qt.h"
#include "ui/viewers/viewers_text_qt.h"
#include "ui/frame/main_window.h"

void InstallProgramParts(Tmainform& form) {
    InstallDirectoryWindows(form);
    InstallFileOperationDialogs(form);
    InstallDirectoryDialogs(form);
    InstallTaggingDialogs(form);
    InstallOptionDialogs(form);
    InstallDriveInformation(form);
    InstallSearchDialogs(form);
    InstallDriveSearch(form);
    InstallApplications(form);
    InstallTextViewers(form);
    InstallBinaryViewers(form);
}
