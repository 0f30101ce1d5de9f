#include "ui/apps/app_params_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/frame/dialog_buttons.h"

TAppParamsDialog::TAppParamsDialog(const std::string& value, const std::vector<std::string>& history, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FPARMS");
    setWindowTitle("Application Parameters");
    E_Prompt = new QLineEdit("Please enter command line parameter", this);
    E_Prompt->setObjectName("E_Prompt");
    E_Prompt->setReadOnly(true);
    E_Prompt->setFocusPolicy(Qt::NoFocus);
    // It reads as the question, not as a second field.
    E_Prompt->setFrame(false);
    E_Prompt->setStyleSheet("background: transparent;");
    E_Param = new QLineEdit(QString::fromStdString(value), this);
    E_Param->setObjectName("E_Param");
    LB_History = new QListWidget(this);
    LB_History->setObjectName("LB_History");
    for (const std::string& line : history) LB_History->addItem(QString::fromStdString(line));
    connect(LB_History, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { HistoryClick(LB_History->row(item)); });

    QPushButton* ok = DialogButton(this, "OK", "OKBtn", true);
    QPushButton* cancel = DialogButton(this, "Cancel", "CancelBtn");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(E_Prompt);
    layout->addWidget(E_Param);
    layout->addWidget(LB_History);
    layout->addLayout(buttons);
    resize(360, 260);
    E_Param->setFocus();
    E_Param->selectAll();
}

void TAppParamsDialog::HistoryClick(int row) {
    if (QListWidgetItem* item = LB_History->item(row)) E_Param->setText(item->text());
}

bool ApplicationParameterDialog(std::string& value, const std::vector<std::string>& history) {
    TAppParamsDialog dialog(value, history, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.E_Param->text().toStdString();
    return true;
}
