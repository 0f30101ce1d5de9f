#include "ui/fileops/directory_dialogs_qt.h"

#include "core/filelist/dir_commands.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "ui/fileops/dir_create_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/fileops/rename_dialog.h"
#include "ui/dirwin/frame_services.h"

void InstallDirectoryDialogs(TFrameServices& frame) {
    (void)frame;
    TDirCommands& commands = DirCommands();
    commands.CreateDirectory = [](TMDIChild& window) {
        TF_CreateDIR dialog(&window);
        dialog.exec();
    };
    commands.RemoveDirectory = [](TMDIChild& window) {
        TFRDIR dialog(window.GetSelectedDirectory(), window.Frame());
        dialog.exec();
    };
    commands.CopyDirectory = [](TMDIChild& window) {
        TFDIRCPY dialog(window.GetSelectedDirectory(), std::nullopt, window.Frame());
        dialog.exec();
    };
    commands.RenameDirectory = [](TMDIChild& window) {
        TFRenam dialog(window.Frame());
        dialog.Prepare(window.GetSelectedDirectory(), TRenameMode::Directory);
        dialog.exec();
    };
    commands.Rename = [](TMDIChild& window) { RenameTaggedEntries(window); };
}

void CopyDirectoryTo(TFrameServices* frame, const std::string& root, const std::string& destination) {
    TFDIRCPY dialog(root, destination, frame);
    dialog.exec();
}
