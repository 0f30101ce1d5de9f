#include "ui/options/option_dialogs_qt.h"

#include <QPointer>

#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/main_window.h"
#include "ui/options/global_options_dialog.h"
#include "ui/options/window_options_dialog.h"

namespace {

// The dialog hangs on the frame and is deleted here unless the frame went
// first and took it along.
template <class Dialog, class... Args>
void RunModal(Tmainform& form, Args&&... args) {
    QPointer<Dialog> dialog = new Dialog(std::forward<Args>(args)..., &form);
    dialog->exec();
    delete dialog.data();
}

}  // namespace

void ShowGlobalOptions(Tmainform& form) { RunModal<TGlobalOptionsDialog>(form, form); }

void ShowWindowOptions(Tmainform& form) {
    TMDIChild* window = form.ActiveDirectoryWindow();
    RunModal<TWindowOptionsDialog>(form, form, window);
}

void RefreshAfterGlobalOptions(TFrameServices& frame) {
    TMDIChild* active = frame.ActiveDirectoryWindow();
    if (active && !active->ApplyListFont()) {
        active->SetupHeader();
        active->RepaintList();
    }
    for (TMDIChild* window : frame.DirectoryWindowsInOrder())
        if (window != active && !window->ApplyListFont()) window->RepaintList();
}

void RefreshAfterWindowOptions(TFrameServices& frame) {
    TMDIChild* active = frame.ActiveDirectoryWindow();
    if (active && !active->IsResultWindow()) {
        if (!active->ApplyListFont()) {
            active->SetupHeader();
            active->ReadDirectory();
        }
    } else if (active) {
        // A result window shows its new columns without searching again.
        active->SetupHeader();
    }
    for (TMDIChild* window : frame.DirectoryWindowsInOrder()) {
        if (window == active && !window->IsResultWindow()) continue;
        if (window->IsResultWindow())
            window->RepaintList();
        else if (!window->ApplyListFont())
            window->RepaintList();
    }
}

void InstallOptionDialogs(Tmainform& form) {
    form.RegisterCommand(TMainCommand::GlobalOptions, [&form] { ShowGlobalOptions(form); });
    form.RegisterCommand(TMainCommand::WindowOptions, [&form] { ShowWindowOptions(form); });
}
