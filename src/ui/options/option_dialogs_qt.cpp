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

// The directory windows, guarded: a re-read may process events and close
// one on the way.
QList<QPointer<TMDIChild>> GuardedWindows(TFrameServices& frame) {
    QList<QPointer<TMDIChild>> out;
    for (TMDIChild* w : frame.DirectoryWindowsInOrder()) out.append(w);
    return out;
}

}  // namespace

void ShowGlobalOptions(Tmainform& form) { RunModal<TGlobalOptionsDialog>(form, form); }

void ShowWindowOptions(Tmainform& form) {
    TMDIChild* window = form.ActiveDirectoryWindow();
    RunModal<TWindowOptionsDialog>(form, form, window);
}

void RefreshAfterGlobalOptions(TFrameServices& frame) {
    const QList<QPointer<TMDIChild>> windows = GuardedWindows(frame);
    QPointer<TMDIChild> active = frame.ActiveDirectoryWindow();
    if (active && !active->ApplyListFont() && active) {
        active->SetupHeader();
        active->RepaintList();
    }
    for (const QPointer<TMDIChild>& window : windows)
        if (window && window != active && !window->ApplyListFont() && window) window->RepaintList();
}

void RefreshAfterWindowOptions(TFrameServices& frame) {
    const QList<QPointer<TMDIChild>> windows = GuardedWindows(frame);
    QPointer<TMDIChild> active = frame.ActiveDirectoryWindow();
    if (active && !active->IsResultWindow()) {
        if (!active->ApplyListFont() && active) {
            active->SetupHeader();
            active->ReadDirectory();
        }
    } else if (active) {
        // A result window shows its new columns without searching again.
        active->SetupHeader();
    }
    for (const QPointer<TMDIChild>& window : windows) {
        if (!window || (window == active && !window->IsResultWindow())) continue;
        if (window->IsResultWindow())
            window->RepaintList();
        else if (!window->ApplyListFont() && window)
            window->RepaintList();
    }
}

void InstallOptionDialogs(Tmainform& form) {
    form.RegisterCommand(TCommand::GlobalOptions, [&form] { ShowGlobalOptions(form); });
    form.RegisterCommand(TCommand::WindowOptions, [&form] { ShowWindowOptions(form); });
}
