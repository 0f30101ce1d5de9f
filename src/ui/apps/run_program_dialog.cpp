#include "ui/apps/run_program_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/apps/app_run.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "ui/apps/program_chooser_qt.h"
#include "ui/frame/dialog_buttons.h"

namespace {
const char* const kSection = "FDO";
}

TRunProgramDialog::TRunProgramDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FDO");
    setWindowTitle("Run a program");
    CB_DO = new QComboBox(this);
    CB_DO->setObjectName("CB_DO");
    CB_DO->setEditable(true);
    CB_DO->setInsertPolicy(QComboBox::NoInsert);
    CB_DO->setCompleter(nullptr);
    CB_DO->setMinimumWidth(340);
    for (const std::string& line : LoadHistory(kSection, "PROGRAMS")) CB_DO->addItem(QString::fromStdString(line));
    CB_DO->setEditText(QString::fromStdString(AppIni().ReadString(kSection, "CB_DO", "")));
    FindBtn = DialogButton(this, "&Find", "FindBtn");
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    auto* label = new QLabel("&Command:", this);
    label->setBuddy(CB_DO);
    auto* line = new QHBoxLayout;
    line->addWidget(CB_DO, 1);
    line->addWidget(FindBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(line);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TRunProgramDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(FindBtn, &QPushButton::clicked, this, &TRunProgramDialog::FindBtnClick);
    CB_DO->setFocus();
}

void TRunProgramDialog::OKBtnClick() {
    const std::string text = CB_DO->currentText().toStdString();
    const int length = static_cast<int>(CB_DO->currentText().size());
    if (text.empty() || length > kRunCommandMax) {
        ShowMessage(text.empty() ? "Please enter a program to execute" : "Entry is too long.");
        CB_DO->setFocus();
        return;
    }
    std::vector<std::string> history = LoadHistory(kSection, "PROGRAMS");
    AddToHistory(text, history);
    SaveHistory(kSection, "PROGRAMS", history);
    AppIni().WriteString(kSection, "CB_DO", text);
    const TTypedCommand command = ParseTypedCommand(text);
    StartProgram(command.Program, command.Args, command.Directory);
    accept();
}

void TRunProgramDialog::FindBtnClick() {
    std::string path;
    if (ChooseProgram(this, path)) CB_DO->setEditText(QString::fromStdString(path));
    CB_DO->setFocus();
}
