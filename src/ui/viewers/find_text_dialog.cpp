#include "ui/viewers/find_text_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/platform/errors.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "ui/dirwin/frame_services.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/find_dialog_layout.h"

namespace {
const char* const kSection = "Find";
const char* const kHistoryKey = "CB_Text";
}  // namespace

TFindTextDialog::TFindTextDialog(TFindState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("FindText");
    setWindowTitle("Find Text");

    history_ = LoadHistory(kSection, kHistoryKey);
    CB_Text = FindHistoryBox(this, "CB_Text", history_);
    const TFindBoxes findBoxes = MakeFindBoxes(this, kSection, "Top", true, "&Case Sensitive", "Case", false);
    CB_Top = findBoxes.Top;
    CB_Case = findBoxes.Case;
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    auto* fields = new QFormLayout;
    fields->addRow("&Text", CB_Text);
    LayOutFindDialog(this, fields, findBoxes, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &TFindTextDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFindTextDialog::CancelBtnClick);
    CB_Text->setFocus();
}

void TFindTextDialog::OKBtnClick() {
    const std::string text = CB_Text->currentText().toStdString();
    if (text.empty()) {
        ShowMessage("Please enter text to find!");
        CB_Text->setFocus();
        return;
    }
    AddToHistory(text, history_);
    // The search runs even when the choices cannot be stored; the user is
    // told why they were not.
    try {
        SaveHistory(kSection, kHistoryKey, history_);
        AppIni().WriteBool(kSection, "Top", CB_Top->isChecked());
        AppIni().WriteBool(kSection, "Case", CB_Case->isChecked());
    } catch (const EInOutError& error) {
        ShowError(error.what());
    }
    state_.Text = text;
    state_.FromTop = CB_Top->isChecked();
    state_.CaseSensitive = CB_Case->isChecked();
    state_.Ok = true;
    accept();
}

void TFindTextDialog::CancelBtnClick() {
    state_.Ok = false;
    reject();
}

bool FindText(TFindState& state, QWidget* parent) {
    TFindTextDialog dialog(state, parent);
    if (dialog.exec() != QDialog::Accepted) {
        state.Ok = false;
        return false;
    }
    return true;
}
