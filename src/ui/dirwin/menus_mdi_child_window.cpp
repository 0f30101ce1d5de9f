// Menu items both kinds of directory window have: the Applications items
// and the viewers on the current row.
#include <QAction>
#include <QMenu>

#include "core/settings/startup.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/menu_items_qt.h"

void TMDIChild::OnTrigger(QAction* action, std::function<void()> fn) {
    connect(action, &QAction::triggered, this, [fn = std::move(fn)] { RunReportingErrors(fn); });
}

void TMDIChild::BuildAppItems(QMenu* menu, QList<QAction*>& items, QAction*& more, bool numbered) {
    static const char* const kCaptions[9] = {"&A1", "&A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
    for (int k = 0; k < 9; ++k) {
        QAction* a = menu->addAction(numbered ? kCaptions[k] : "");
        a->setObjectName(QStringLiteral("%1A%2").arg(numbered ? "" : "List").arg(k + 1));
        OnTrigger(a, [this, a] {
            if (Frame() && a->data().isValid())
                Frame()->RunCommand(TCommand::StartApplication, {this, {}, a->data().toInt()});
        });
        items.append(a);
    }
    more = MenuItem(menu, numbered ? "AppMoreItem" : "ListAppMoreItem", "&More ...");
    more->setVisible(false);
    OnTrigger(more, [this] {
        if (Frame()) Frame()->RunCommand(TCommand::StartApplication, {this, {}, kChooseApplication});
    });
}

void TMDIChild::ShowViewer(TCommand viewer) {
    const int row = GetCurrentIndex();
    if (Frame() && row >= 0) Frame()->RunCommand(viewer, {this, GetEntryPath(row)});
}
