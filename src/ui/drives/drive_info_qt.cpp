#include "ui/drives/drive_info_qt.h"

#include <QPointer>
#include <memory>

#include "ui/drives/drive_info_window.h"
#include "ui/frame/drive_bar.h"
#include "ui/frame/main_window.h"

void InstallDriveInformation(Tmainform& form) {
    // One window at most; it frees itself when closed.
    auto window = std::make_shared<QPointer<Tfinfo>>();
    // Open until closed: a frame that is minimised takes it out of sight only.
    auto isOpen = [window] { return !window->isNull() && !(*window)->isHidden(); };
    form.DriveInfoIsOpen = isOpen;
    form.DriveInfoRecompute = [window, isOpen](char letter) {
        if (isOpen()) (*window)->RefreshDrive(letter);
    };
    // A closed window still waiting for its deletion counts as gone.
    form.RegisterCommand(TCommand::DriveInformation, [&form, window, isOpen] {
        if (isOpen()) {
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
