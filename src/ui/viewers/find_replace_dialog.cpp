#include "ui/viewers/find_replace_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/platform/errors.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "ui/frame/dialog_buttons.h"

namespace {
const char* const kSection = "Find";

QComboBox* HistoryBox(QWidget* parent, const char* name, const std::vector<std::string>& history) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumWidth(300);
    for (const std::string& entry : history) box->addItem(QString::fromStdString(entry));
    box->setEditText(QString());
    return box;
}
}  // namespace

TFindReplaceDialog::TFindReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindReplace");
    setWindowTitle("Find and Replace");
    findHistory_ = LoadHistory(kSection, "CB_Text");
    replaceHistory_ = LoadHistory(kSection, "CB_Replace");
    CB_Text = HistoryBox(this, "CB_Text", findHistory_);
    CB_Replace = HistoryBox(this, "CB_Replace", replaceHistory_);
    CB_Top = new QCheckBox("From &Top", this);
    CB_Top->setObjectName("CB_Top");
    CB_Top->setChecked(AppIni().ReadBool(kSection, "Top", true));
    CB_Case = new QCheckBox("&Case Sensitive", this);
    CB_Case->setObjectName("CB_Case");
    CB_Case->setChecked(AppIni().ReadBool(kSection, "Case", false));
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    auto* fields = new QFormLayout;
    fields->addRow("&Find:", CB_Text);
    fields->addRow("&Replace:", CB_Replace);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CB_Top);
    boxes->addWidget(CB_Case);
    boxes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, &TFindReplaceDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    CB_Text->setFocus();
}

void TFindReplaceDialog::OKBtnClick() {
    const std::string find = CB_Text->currentText().toStdString();
    const std::string replacement = CB_Replace->currentText().toStdString();
    if (find.empty() || replacement.empty()) {
        ShowMessage(find.empty() ? "Please enter text to find!" : "Please enter replacement text!");
        CB_Text->setFocus();
        return;
    }
    AddToHistory(find, findHistory_);
    AddToHistory(replacement, replaceHistory_);
    try {
        SaveHistory(kSection, "CB_Text", findHistory_);
        SaveHistory(kSection, "CB_Replace", replaceHistory_);
        AppIni().WriteBool(kSection, "Top", CB_Top->isChecked());
        AppIni().WriteBool(kSection, "Case", CB_Case->isChecked());
    } catch (const EInOutError& error) {
        ShowError(error.what());
    }
    accept();
}
