#include "ui/search/text_search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/platform.h"
#include "core/search/byte_search.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "core/tagging/history.h"
#include "core/tagging/tag_rules.h"
#include "core/tagging/wild_card.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/help_window.h"

namespace {

const char* const kSection = "F_Search";
constexpr int kHelpContext = 9013;

QComboBox* HistoryBox(QWidget* parent, const char* name, const char* key, const char* hint) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The history is offered in the drop-down; typing is never completed.
    box->setCompleter(nullptr);
    box->setMinimumWidth(260);
    box->setToolTip(hint);
    for (const std::string& entry : LoadHistory(kSection, key)) box->addItem(QString::fromStdString(entry));
    return box;
}

void Remember(QComboBox* box, const char* key, const std::string& text) {
    std::vector<std::string> list = LoadHistory(kSection, key);
    AddToHistory(text, list);
    SaveHistory(kSection, key, list);
    box->clear();
    for (const std::string& entry : list) box->addItem(QString::fromStdString(entry));
    box->setEditText(QString::fromStdString(text));
}

}  // namespace

TTextSearchDialog::TTextSearchDialog(TMDIChild* window, QWidget* parent)
    : TCancelableDialog(parent), window_(window) {
    setObjectName("F_Search");
    setWindowTitle("Tag based on Text Search");
    CB_Text = HistoryBox(this, "CB_Text", "CB_Text", "Enter the test to search for");
    CB_Text->setEditText(QString());
    CB_Wildcards = HistoryBox(this, "CB_Wildcards", "CB_Wildcards", "Enter the wildcard patterns (ex:*.*)");
    CB_Wildcards->setEditText("*.*");
    CB_CaseSensitive = new QCheckBox("&Case Sensitive", this);
    CB_CaseSensitive->setObjectName("CB_CaseSensitive");
    CB_CaseSensitive->setToolTip("Do you want it to be case sensitive?");
    CB_CaseSensitive->setChecked(AppIni().ReadBool(kSection, "CB_CaseSensitive", true));
    CB_Cleartags = new QCheckBox("&Clear all tags before searching", this);
    CB_Cleartags->setObjectName("CB_Cleartags");
    CB_Cleartags->setToolTip("Clear existing tags before starting the search?");
    CB_Cleartags->setChecked(AppIni().ReadBool(kSection, "CB_Cleartags", true));

    const TDialogButtons buttons = MakeDialogButtons(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;
    OKBtn->setToolTip("Begin the search");
    CancelBtn->setToolTip("Cancel the Search");
    CancelBtn->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { RunReportingErrors([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { THelpWindow::ShowTopic(kHelpContext, this); });

    auto* fields = new QFormLayout;
    fields->addRow("&Text to find:", CB_Text);
    fields->addRow("&Search file matching:", CB_Wildcards);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) buttonRow->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CB_CaseSensitive);
    layout->addWidget(CB_Cleartags);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CB_Text->setFocus();
}

void TTextSearchDialog::Refuse(const std::string& message, QWidget* field) {
    field->setFocus();
    ShowMessage(message);
}

void TTextSearchDialog::OKBtnClick() {
    if (running_) return;
    const std::string text = CB_Text->currentText().toStdString();
    const std::string patterns = plat::TrimRight(CB_Wildcards->currentText().toStdString());
    if (text.empty()) return Refuse("Please enter a search string!", CB_Text);
    if (patterns.empty()) return Refuse("Please enter a wildcard pattern!", CB_Wildcards);
    if (TWildCard(patterns).Invalid()) return Refuse("Please enter valid pattern(s)", CB_Wildcards);

    Remember(CB_Wildcards, "CB_Wildcards", patterns);
    Remember(CB_Text, "CB_Text", text);
    AppIni().WriteBool(kSection, "CB_CaseSensitive", CB_CaseSensitive->isChecked());
    AppIni().WriteBool(kSection, "CB_Cleartags", CB_Cleartags->isChecked());
    Search(text, patterns);
}

void TTextSearchDialog::SetControlsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{CB_Text, CB_Wildcards, CB_CaseSensitive, CB_Cleartags,
                                                      OKBtn, HelpBtn})
        w->setEnabled(enabled);
}

void TTextSearchDialog::Search(const std::string& text, const std::string& patterns) {
    SetControlsEnabled(false);
    running_ = true;
    stopRequested_ = false;
    TProgress& progress = Progress();
    progress.StartProgress(100);
    // Whatever ends the search, the window shows the tags set so far and
    // the dialog closes.
    auto finish = [&] {
        if (window_) {
            window_->UpdateStatus();
            window_->RepaintList();
        }
        running_ = false;
        progress.StopProgress();
        accept();
    };
    try {
        const TWildCard wild(patterns);
        const bool caseSensitive = CB_CaseSensitive->isChecked();
        if (window_ && CB_Cleartags->isChecked()) {
            const auto changes = window_->GatherChanges();
            for (int i = 0; i < window_->GetListCount(); ++i) window_->UntagEntry(i);
        }
        for (int i = 0; window_ && i < window_->GetListCount() && !stopRequested_; ++i) {
            const std::string path = window_->GetEntryPath(i);
            // The pattern list is for names, as when tagging by wildcards: a
            // pattern such as "a*.txt" could never match a whole path.
            if (!window_->IsTagged(i) && wild.Matches(NameWithoutDirectory(path)) &&
                FileSearch(path, text, caseSensitive, 0) >= 0)
                window_->TagEntry(i);
            if (!stopRequested_ && window_ && progress.StepProgress(i + 1, window_->GetListCount()))
                progress.ProcessEvents();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void ShowTextSearch(TMDIChild& window) {
    QPointer<TTextSearchDialog> dialog = new TTextSearchDialog(&window, window.window());
    dialog->exec();
    delete dialog.data();
}
