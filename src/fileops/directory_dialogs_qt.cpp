#include "fileops/directory_dialogs_qt.h"

#include "dirwin/dir_commands.h"
#include "dirwin/mdi_child_window.h"
#include "fileops/dir_copy_dialog.h"
#include "fileops/dir_create_dialog.h"
#include "fileops/dir_remove_dialog.h"
#include "fileops/rename_dialog.h"
#include "shell/main_window.h"

void InstallDirectoryDialogs(Tmainform& form) {
    (void)form;
    TDirCommands& commands = DirCommands();
    commands.CreateDirectory = [](TMDIChild& window) {
        TF_CreateDIR dialog(&window);
        dialog.exec();
    };
    commands.RemoveDirectory = [](TMDIChild& window) {
        TFRDIR dialog(window.GetSelectedDirectory());
        dialog.exec();
    };
    commands.CopyDirectory = [](TMDIChild& window) {
        TFDIRCPY dialog(window.GetSelectedDirectory());
        dialog.exec();
    };
    commands.RenameDirectory = [](TMDIChild& window) {
        TFRenam dialog;
        dialog.Prepare(window.GetSelectedDirectory(), TRenameMode::Directory);
        dialog.exec();
    };
    commands.Rename = [](TMDIChild& window) { RenameTaggedEntries(window); };
}

void CopyDirectoryTo(const std::string& root, const std::string& destination) {
    TFDIRCPY dialog(root, destination);
    dialog.exec();
}
