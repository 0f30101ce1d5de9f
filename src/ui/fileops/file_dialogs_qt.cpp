#include "ui/fileops/file_dialogs_qt.h"

#include "core/filelist/dir_commands.h"
#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/move_dialog.h"
#include "ui/fileops/shred_dialog.h"
#include "ui/frame/main_window.h"

void OpenCopyDialog(TMDIChild& source, const std::optional<std::string>& preset) {
    TFCopy dialog(source, preset, MainForm());
    dialog.exec();
}

void OpenMoveDialog(TMDIChild& source, const std::optional<std::string>& preset) {
    TFMove dialog(source, preset, MainForm());
    dialog.exec();
}

void OpenDeleteDialog(TMDIChild& source) {
    TfDelete dialog(source, MainForm());
    dialog.exec();
}

void OpenShredDialog(TMDIChild& source) {
    TfShred dialog(source, MainForm());
    dialog.exec();
}

void OpenAttributeDialog(TMDIChild& source) {
    TAttrDlg dialog(source, MainForm());
    dialog.exec();
}

void InstallFileOperationDialogs(Tmainform& form) {
    (void)form;
    // The windows hide the gauge again once the dialog has closed.
    TDirCommands& commands = DirCommands();
    commands.Copy = [](TMDIChild& w) { OpenCopyDialog(w); };
    commands.Move = [](TMDIChild& w) { OpenMoveDialog(w); };
    commands.Delete = &OpenDeleteDialog;
    commands.Shred = &OpenShredDialog;
    commands.Attributes = &OpenAttributeDialog;
}
