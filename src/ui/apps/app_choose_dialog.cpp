#include "ui/apps/app_choose_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/frame/dialog_buttons.h"
#include "ui/frame/shown_text_qt.h"

TAppChooseDialog::TAppChooseDialog(const std::vector<std::string>& names, std::function<void(int)> run,
                                   QWidget* parent)
    : QDialog(parent), run_(std::move(run)) {
    setObjectName("AppList");
    setWindowTitle("Application List");
    LB_Apps = new QListWidget(this);
    LB_Apps->setObjectName("LB_Apps");
    for (const std::string& name : names) LB_Apps->addItem(ShownQText(name));
    RunBtn = DialogButton(this, "Run", "RunBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");
    connect(RunBtn, &QPushButton::clicked, this, &TAppChooseDialog::RunBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(LB_Apps, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { DoubleClick(LB_Apps->row(item)); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(RunBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LB_Apps);
    layout->addLayout(buttons);
    resize(280, 260);
}

void TAppChooseDialog::RunBtnClick() {
    const int row = LB_Apps->currentRow();
    if (row < 0 || !LB_Apps->currentItem()->isSelected()) {
        QApplication::beep();
        return;
    }
    run_(row);
    accept();
}

void TAppChooseDialog::DoubleClick(int row) {
    if (row >= 0) run_(row);
}
