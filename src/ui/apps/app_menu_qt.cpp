#include "ui/apps/app_menu_qt.h"

#include <QAction>
#include <QMenu>

#include "core/settings/startup.h"
#include "ui/dirwin/frame_services.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/mdi_file_base_window.h"

bool TFileWindowApps::QuerySave() { return window_.QuerySave(); }
std::string TFileWindowApps::GetDirectory() { return window_.GetDirectory(); }
int TFileWindowApps::GetTaggedCount() { return window_.GetTaggedCount(); }
std::string TFileWindowApps::GetCurrentName() { return window_.GetCurrentName(); }

std::vector<std::string> TFileWindowApps::TaggedPaths() {
    std::vector<std::string> paths;
    if (auto* dir = qobject_cast<TMDIChild*>(&window_)) {
        for (int i = dir->FirstTagged(); i != -1; i = dir->NextTagged(i)) paths.push_back(dir->GetEntryPath(i));
        return paths;
    }
    // The editor's directory ends in a backslash; its one entry is its file.
    const std::string name = window_.GetCurrentName();
    if (!name.empty()) paths.push_back(window_.GetDirectory() + name);
    return paths;
}

TAppMenuItems AddApplicationItems(QMenu* menu, TMDIFileBase& window) {
    TAppMenuItems out;
    auto start = [&window](int position) {
        TFrameServices* frame = window.Frame();
        if (!frame) return;
        RunReportingErrors([&] {
            frame->RunCommand(TCommand::StartApplication, {qobject_cast<TMDIChild*>(&window), {}, position});
        });
    };
    for (int k = 1; k <= 9; ++k) {
        QAction* item = menu->addAction(QStringLiteral("A%1").arg(k));
        item->setObjectName(QStringLiteral("A%1").arg(k));
        QObject::connect(item, &QAction::triggered, menu, [item, start] {
            if (item->data().isValid()) start(item->data().toInt());
        });
        out.Items.append(item);
    }
    out.More = menu->addAction("&More ...");
    out.More->setObjectName("AppMoreItem");
    out.More->setVisible(false);
    QObject::connect(out.More, &QAction::triggered, menu, [start] { start(kChooseApplication); });
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&window, out] {
        RunReportingErrors([&] { window.FillAppMenu(out.Items, out.More); });
        // Nothing to start until the applications are installed.
        const bool can = window.Frame() && window.Frame()->HasCommand(TCommand::StartApplication);
        for (QAction* item : out.Items) item->setEnabled(can && item->isVisible());
        out.More->setEnabled(can);
    });
    window.FillAppMenu(out.Items, out.More);
    return out;
}
