#include "fileops/file_dialogs_qt.h"

#include "dirwin/dir_commands.h"
#include "fileops/attr_dialog.h"
#include "fileops/copy_dialog.h"
#include "fileops/delete_dialog.h"
#include "fileops/move_dialog.h"
#include "fileops/shred_dialog.h"
#include "shell/main_window.h"
#include "shell/progress.h"

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
    // The window commands hide the gauge again once their dialog has
    // closed, however its loop ended.
    auto thenStop = [](void (*open)(TMDIChild&)) {
        return [open](TMDIChild& window) {
            open(window);
            Progress().StopProgress();
        };
    };
    TDirCommands& commands = DirCommands();
    commands.Copy = thenStop([](TMDIChild& w) { OpenCopyDialog(w); });
    commands.Move = thenStop([](TMDIChild& w) { OpenMoveDialog(w); });
    commands.Delete = thenStop(&OpenDeleteDialog);
    commands.Shred = thenStop(&OpenShredDialog);
    commands.Attributes = thenStop(&OpenAttributeDialog);
}
