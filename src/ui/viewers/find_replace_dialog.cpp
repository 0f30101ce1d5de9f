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
#include "ui/frame/find_dialog_layout.h"

namespace {
const char* const kSection = "Find";

}  // namespace

TFindReplaceDialog::TFindReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindReplace");
    setWindowTitle("Find and Replace");
    findHistory_ = LoadHistory(kSection, "CB_Text");
    replaceHistory_ = LoadHistory(kSection, "CB_Replace");
    CB_Text = FindHistoryBox(this, "CB_Text", findHistory_);
    CB_Replace = FindHistoryBox(this, "CB_Replace", replaceHistory_);
    const TFindBoxes findBoxes = MakeFindBoxes(this, kSection, "Top", true, "&Case Sensitive", "Case", false);
    CB_Top = findBoxes.Top;
    CB_Case = findBoxes.Case;
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    auto* fields = new QFormLayout;
    fields->addRow("&Find:", CB_Text);
    fields->addRow("&Replace:", CB_Replace);
    LayOutFindDialog(this, fields, findBoxes, OKBtn, CancelBtn);
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
