#include "ui/fileops/directory_dialogs_qt.h"

#include "ui/dirwin/mdi_child_window.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "ui/fileops/dir_create_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/fileops/rename_dialog.h"
#include "ui/dirwin/frame_services.h"

void InstallDirectoryDialogs(TFrameServices& frame) {
    frame.RegisterCommand(TCommand::CreateDirectory, OnWindow([](TMDIChild& window) {
        TF_CreateDIR dialog(&window);
        dialog.exec();
    }));
    frame.RegisterCommand(TCommand::RemoveDirectory, OnWindow([](TMDIChild& window) {
        TFRDIR dialog(window.GetSelectedDirectory(), window.Frame());
        dialog.exec();
    }));
    frame.RegisterCommand(TCommand::CopyDirectory, OnWindow([](TMDIChild& window) {
        TFDIRCPY dialog(window.GetSelectedDirectory(), std::nullopt, window.Frame());
        dialog.exec();
    }));
    frame.RegisterCommand(TCommand::RenameDirectory, OnWindow([](TMDIChild& window) {
        TFRenam dialog(window.Frame());
        dialog.Prepare(window.GetSelectedDirectory(), TRenameMode::Directory);
        dialog.exec();
    }));
    frame.RegisterCommand(TCommand::Rename, OnWindow([](TMDIChild& window) { RenameTaggedEntries(window); }));
}

void CopyDirectoryTo(TFrameServices* frame, const std::string& root, const std::string& destination) {
    TFDIRCPY dialog(root, destination, frame);
    dialog.exec();
}
