#include "ui/tagging/tag_base_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/help_window.h"
#include "core/seams/prompter.h"

TTagDialog::TTagDialog(TMDIChild* window, int helpContext, QWidget* parent)
    : QDialog(parent), window_(window), helpContext_(helpContext) {
    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setToolTip("Yes, Tag these entries");
    OKBtn->setStatusTip("Yes, Tag these entries");
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setToolTip("Do not tag these entries");
    CancelBtn->setStatusTip("Do not tag these entries");
    HelpBtn = new QPushButton("&Help", this);
    HelpBtn->setObjectName("HelpBtn");
    HelpBtn->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

void TTagDialog::LayOut(QLayout* content) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TTagDialog::HelpBtnClick() { THelpWindow::ShowTopic(helpContext_, this); }

void TTagDialog::Refuse(const std::string& message, QWidget* field) {
    ShowMessage(message);
    field->setFocus();
}

void TTagDialog::RefuseError(const std::string& message, QWidget* field) {
    ShowError(message);
    field->setFocus();
}

void TTagDialog::Finish() {
    if (window_) {
        window_->UpdateStatus();
        window_->RepaintList();
    }
    accept();
}
