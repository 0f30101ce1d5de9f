#include "ui/dirwin/mdi_file_base_window.h"

#include <QAction>
#include <QCloseEvent>

#include "ui/dirwin/frame_services.h"

TMDIFileBase::TMDIFileBase(TFrameServices* frame, QWidget* parent) : QMdiSubWindow(parent), frame_(frame) {
    setAttribute(Qt::WA_DeleteOnClose);
}

TMDIFileBase::~TMDIFileBase() = default;

void TMDIFileBase::FillAppMenu(const QList<QAction*>& items, QAction* more) {
    LayOutAppMenu(frame_ ? frame_->ApplicationsInCategory() : std::vector<std::string>(), items, more);
}

void TMDIFileBase::LayOutAppMenu(const std::vector<std::string>& names,
                                 const QList<QAction*>& items, QAction* more) {
    int n = static_cast<int>(names.size());
    if (more) more->setVisible(false);
    if (n > 9) {
        if (more) more->setVisible(true);
        n = 9;
    }
    for (int k = 1; k <= items.size(); ++k) {
        QAction* item = items[k - 1];
        if (k <= n) {
            item->setText(QStringLiteral("&%1: %2").arg(k).arg(QString::fromStdString(names[k - 1])));
            item->setData(k - 1);
            item->setEnabled(true);
            item->setVisible(true);
        } else {
            item->setText(QString());
            item->setEnabled(false);
            item->setVisible(false);
        }
    }
}

bool TMDIFileBase::QuerySave() { return true; }

QList<TMergeMenu> TMDIFileBase::MergeMenus() { return {}; }

void TMDIFileBase::closeEvent(QCloseEvent* event) {
    if (!QuerySave()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
