#include "ui/fileops/file_dialogs_qt.h"

#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/move_dialog.h"
#include "ui/fileops/shred_dialog.h"
#include "ui/dirwin/frame_services.h"
#include "ui/dirwin/mdi_child_window.h"

namespace {

// The dialogs hang on the frame holding the window.
QWidget* FrameOf(TMDIChild& source) { return source.Frame() ? source.Frame()->FrameWidget() : nullptr; }

}  // namespace

void OpenCopyDialog(const TFileSource& source, const std::optional<std::string>& preset) {
    TFCopy dialog(source, preset, source.Frame ? source.Frame->FrameWidget() : nullptr);
    dialog.exec();
}

void OpenMoveDialog(const TFileSource& source, const std::optional<std::string>& preset) {
    TFMove dialog(source, preset, source.Frame ? source.Frame->FrameWidget() : nullptr);
    dialog.exec();
}

void OpenCopyDialog(TMDIChild& source, const std::optional<std::string>& preset) {
    OpenCopyDialog(SourceOf(source), preset);
}

void OpenMoveDialog(TMDIChild& source, const std::optional<std::string>& preset) {
    OpenMoveDialog(SourceOf(source), preset);
}

void OpenDeleteDialog(TMDIChild& source) {
    TfDelete dialog(source, FrameOf(source));
    dialog.exec();
}

void OpenShredDialog(TMDIChild& source) {
    TfShred dialog(source, FrameOf(source));
    dialog.exec();
}

void OpenAttributeDialog(TMDIChild& source) {
    TAttrDlg dialog(source, FrameOf(source));
    dialog.exec();
}

void InstallFileOperationDialogs(TFrameServices& frame) {
    // The windows hide the gauge again once the dialog has closed.
    frame.RegisterCommand(TCommand::Copy, OnWindow([](TMDIChild& w) { OpenCopyDialog(w); }));
    frame.RegisterCommand(TCommand::Move, OnWindow([](TMDIChild& w) { OpenMoveDialog(w); }));
    frame.RegisterCommand(TCommand::Delete, OnWindow(&OpenDeleteDialog));
    frame.RegisterCommand(TCommand::Shred, OnWindow(&OpenShredDialog));
    frame.RegisterCommand(TCommand::Attributes, OnWindow(&OpenAttributeDialog));
}
