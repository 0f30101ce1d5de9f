#include "ui/dirwin/directory_windows_qt.h"

#include "ui/dirwin/sep_dir_window.h"
#include "ui/tagging/set_wildcards_dialog.h"
#include "ui/frame/main_window.h"

void InstallDirectoryWindows(Tmainform& form) {
    form.NewDirectoryWindowFactory = [](Tmainform* main) -> TMDIChild* { return new TSepDir(main); };
    // The pattern box edits the filter of the active split window.
    form.RegisterCommand(TMainCommand::SetWildcards, [&form] {
        if (auto* window = qobject_cast<TSepDir*>(form.ActiveDirectoryWindow())) ShowSetWildcards(*window);
    });
}
