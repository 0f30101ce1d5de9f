#include "ui/options/options_dialog_base.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/frame/dialog_buttons.h"
#include "ui/frame/help_window.h"

void SetHint(QWidget* control, const char* hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

TOptionsDialogBase::TOptionsDialogBase(const char* title, int helpContext, QWidget* parent)
    : QDialog(parent), helpContext_(helpContext) {
    setWindowTitle(title);
    // A fixed border: no minimize or maximize box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    TabSet = new QTabWidget(this);
    TabSet->setObjectName("TabSet");
    SetHint(TabSet->tabBar(), "Use the tabs to select a new option dialog.");

    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    SetHint(OKBtn, "OK, these options are what I want");
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");
    CancelBtn->setAutoDefault(false);
    SetHint(CancelBtn, "No, dont apply these new options.");
    CB_Default = new QCheckBox("Default", this);
    CB_Default->setObjectName("CB_Default");
    CB_Default->setChecked(true);
    SetHint(CB_Default, "Make these options the default for all forms");
    HelpBtn = DialogButton(this, "&Help", "HelpBtn");
    HelpBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(CB_Default);
    buttons->addWidget(HelpBtn);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TabSet, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TOptionsDialogBase::HelpBtnClick() { THelpWindow::ShowTopic(helpContext_, this); }

QWidget* TOptionsDialogBase::AddPage(const char* caption) {
    auto* page = new QWidget;
    TabSet->addTab(page, caption);
    TabSet->setCurrentIndex(0);
    return page;
}

void TOptionsDialogBase::FocusField(QWidget* field) {
    for (int i = 0; i < TabSet->count(); ++i)
        if (TabSet->widget(i)->isAncestorOf(field)) TabSet->setCurrentIndex(i);
    field->setFocus();
}
