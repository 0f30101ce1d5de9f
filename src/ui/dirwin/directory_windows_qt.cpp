#include "ui/dirwin/directory_windows_qt.h"

#include "ui/dirwin/sep_dir_window.h"
#include "ui/tagging/set_wildcards_dialog.h"
#include "ui/dirwin/frame_services.h"

void InstallDirectoryWindows(TFrameServices& frame) {
    frame.SetDirectoryWindowFactory(
        [](TFrameServices& owner, int quickDir) -> TMDIChild* { return new TSepDir(&owner, quickDir); });
    // The pattern box edits the filter of the active split window.
    frame.RegisterCommand(TCommand::SetWildcards, OnWindow([](TMDIChild& window) {
        if (auto* split = qobject_cast<TSepDir*>(&window)) ShowSetWildcards(*split);
    }));
}
