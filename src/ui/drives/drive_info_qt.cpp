#include "ui/drives/drive_info_qt.h"

#include <QPointer>
#include <memory>

#include "ui/drives/drive_info_window.h"
#include "ui/frame/drive_bar.h"
#include "ui/frame/main_window.h"

void InstallDriveInformation(Tmainform& form) {
    // One window at most; it frees itself when closed.
    auto window = std::make_shared<QPointer<Tfinfo>>();
    form.DriveInfoIsOpen = [window] { return !window->isNull() && (*window)->isVisible(); };
    form.DriveInfoRecompute = [window](char letter) {
        if (!window->isNull()) (*window)->RefreshDrive(letter);
    };
    form.RegisterCommand(TCommand::DriveInformation, [&form, window] {
        if (!window->isNull()) {
            (*window)->close();
            return;
        }
        auto* info = new Tfinfo(form.DriveList, form.DriveBar, &form);
        info->ProgramClosing = [&form] { return form.Closing; };
        *window = info;
        info->Fill();
        info->show();
        info->FitAndPlace();
    });
}
