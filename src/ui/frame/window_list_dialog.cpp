#include "ui/frame/window_list_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

TWindowListDialog::TWindowListDialog(const QStringList& captions, int preselect, QWidget* parent)
    : QDialog(parent) {
    setObjectName("WindowListDialog");
    setWindowTitle("Window List");
    WindowList = new QListWidget(this);
    WindowList->setObjectName("WindowList");
    WindowList->addItems(captions);
    if (preselect >= 0 && preselect < WindowList->count()) WindowList->setCurrentRow(preselect);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(WindowList);
    setFixedSize(320, 240);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    connect(WindowList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Choose(WindowList->row(item)); });
}

void TWindowListDialog::Choose(int index) {
    result_ = index;
    accept();
}

void TWindowListDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && WindowList->currentRow() >= 0) {
        Choose(WindowList->currentRow());
        return;
    }
    QDialog::keyPressEvent(event);
}
