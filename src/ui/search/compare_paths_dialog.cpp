#include "ui/search/compare_paths_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "core/search/content_compare.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/help_window.h"
#include "ui/frame/shown_text_qt.h"

namespace {

const char* const kSection = "F_BYPATH";
constexpr int kHelpContext = 9004;

QCheckBox* Box(QWidget* parent, const char* name, const char* text, const char* hint) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    if (*hint) box->setToolTip(hint);
    box->setChecked(AppIni().ReadBool(kSection, name, true));
    return box;
}

QComboBox* KindList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setToolTip("Select the type of compare");
    list->addItems({"Different", "Equal", "1 Greater 2", "1 Less than 2"});
    const int stored = AppIni().ReadInteger(kSection, name, 0);
    list->setCurrentIndex(stored >= 0 && stored < list->count() ? stored : 0);
    return list;
}

std::optional<TCompareKind> KindOf(const QCheckBox* box, const QComboBox* list) {
    if (!box->isChecked()) return std::nullopt;
    return static_cast<TCompareKind>(list->currentIndex());
}

}  // namespace

TComparePathsDialog::TComparePathsDialog(TMDIChild* window, QWidget* parent)
    : TCancelableDialog(parent), window_(window) {
    setObjectName("F_BYPATH");
    setWindowTitle("Compare to another path");

    L_Dir1 = new QLabel(window ? ShownQText(window->GetDirectory()) : QString(), this);
    L_Dir1->setObjectName("L_Dir1");
    CB_Dir2 = new QComboBox(this);
    CB_Dir2->setObjectName("CB_Dir2");
    CB_Dir2->setToolTip("Select a directory to compare against");
    CB_Dir2->setMinimumWidth(300);
    if (window && window->Frame()) {
        for (TMDIChild* other : window->Frame()->DirectoryWindowsInOrder()) {
            const QString caption = other->windowTitle();
            if (other != window && CB_Dir2->findText(caption, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                CB_Dir2->addItem(caption);
        }
    }
    CB_Dir2->setCurrentIndex(-1);

    CB_Size = Box(this, "CB_Size", "&Size", "Tag differences in size?");
    LB_Size = KindList(this, "LB_Size");
    CB_Date = Box(this, "CB_Date", "&Date", "Tag differences in date?");
    LB_Date = KindList(this, "LB_Date");
    CB_Content = Box(this, "CB_Content", "&Content different", "Look into the files to determine if different");
    CB_TagAdditions = Box(this, "CB_TagAdditions", "Tag &Additions (not in directory 2)",
                          "Tag if new files are found (Tagged in directory 2");
    CB_TReset = Box(this, "CB_TReset", "&Reset tags before starting", "");
    LB_Size->setEnabled(CB_Size->isChecked());
    LB_Date->setEnabled(CB_Date->isChecked());
    connect(CB_Size, &QCheckBox::toggled, LB_Size, &QWidget::setEnabled);
    connect(CB_Date, &QCheckBox::toggled, LB_Date, &QWidget::setEnabled);
    CB_Default = new QCheckBox("Default", this);
    CB_Default->setObjectName("CB_Default");
    CB_Default->setToolTip("Make these the defaults?");
    CB_Default->setChecked(true);

    const TDialogButtons buttons = MakeDialogButtons(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;
    OKBtn->setToolTip("Start the comapre");
    CancelBtn->setToolTip("Do not compare");
    AnyBtn = new QPushButton("Any ", this);
    AnyBtn->setObjectName("AnyBtn");
    AnyBtn->setToolTip("Select any differences");
    for (QPushButton* b : {CancelBtn, AnyBtn, HelpBtn}) b->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { RunReportingErrors([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connect(AnyBtn, &QPushButton::clicked, this, [this] { AnyBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { THelpWindow::ShowTopic(kHelpContext, this); });

    auto* compare = new QGroupBox("Compare", this);
    auto* dirs = new QGridLayout(compare);
    dirs->addWidget(new QLabel("1", compare), 0, 0);
    dirs->addWidget(L_Dir1, 0, 1);
    dirs->addWidget(new QLabel("TO", compare), 1, 1);
    dirs->addWidget(new QLabel("2", compare), 2, 0);
    dirs->addWidget(CB_Dir2, 2, 1);

    auto* criteria = new QGroupBox("Tag if same filenames and:", this);
    auto* grid = new QGridLayout(criteria);
    grid->addWidget(CB_Size, 0, 0);
    grid->addWidget(LB_Size, 0, 1);
    grid->addWidget(CB_Date, 1, 0);
    grid->addWidget(LB_Date, 1, 1);
    grid->addWidget(CB_Content, 2, 0, 1, 2);

    auto* buttonColumn = new QVBoxLayout;
    for (QPushButton* b : {OKBtn, CancelBtn, AnyBtn}) buttonColumn->addWidget(b);
    buttonColumn->addWidget(CB_Default);
    buttonColumn->addStretch();
    buttonColumn->addWidget(HelpBtn);

    auto* left = new QVBoxLayout;
    left->addWidget(compare);
    left->addWidget(criteria);
    left->addWidget(CB_TagAdditions);
    left->addWidget(CB_TReset);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttonColumn);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CB_Dir2->setFocus();
}

void TComparePathsDialog::AnyBtnClick() {
    for (QCheckBox* box : {CB_Size, CB_Date, CB_Content, CB_TagAdditions}) box->setChecked(true);
    LB_Size->setCurrentIndex(static_cast<int>(TCompareKind::Different));
    LB_Date->setCurrentIndex(static_cast<int>(TCompareKind::Different));
}

void TComparePathsDialog::reject() {
    // Cancelling never stores anything.
    if (!running_) CB_Default->setChecked(false);
    TCancelableDialog::reject();
}

void TComparePathsDialog::done(int result) {
    if (result == QDialog::Accepted && CB_Default->isChecked()) SaveDefaults();
    TCancelableDialog::done(result);
}

void TComparePathsDialog::SaveDefaults() {
    for (QCheckBox* box : {CB_Size, CB_Date, CB_Content, CB_TagAdditions, CB_TReset})
        AppIni().WriteBool(kSection, box->objectName().toStdString(), box->isChecked());
    AppIni().WriteInteger(kSection, "LB_Size", LB_Size->currentIndex());
    AppIni().WriteInteger(kSection, "LB_Date", LB_Date->currentIndex());
}

void TComparePathsDialog::Refuse(const std::string& message, QWidget* field) {
    field->setFocus();
    ShowMessage(message);
}

TMDIChild* TComparePathsDialog::ChosenWindow() const {
    const QString chosen = CB_Dir2->currentText();
    if (chosen.isEmpty() || !window_ || !window_->Frame()) return nullptr;
    for (TMDIChild* other : window_->Frame()->DirectoryWindowsInOrder())
        if (other != window_ && !other->Closing && other->windowTitle() == chosen) return other;
    return nullptr;
}

void TComparePathsDialog::OKBtnClick() {
    if (running_) return;
    if (!CB_Size->isChecked() && !CB_Date->isChecked() && !CB_Content->isChecked() && !CB_TagAdditions->isChecked())
        return Refuse("Please enter a criteria to compare!", CB_Size);
    // A window closed while the dialog was open is no directory 2.
    TMDIChild* dir2 = ChosenWindow();
    if (!dir2) return Refuse("Please select a directory to compare!", CB_Dir2);
    Compare(*dir2);
}

void TComparePathsDialog::SetControlsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{CB_Dir2, CB_Size, CB_Date, CB_Content, CB_TagAdditions,
                                                      CB_TReset, CB_Default, OKBtn, AnyBtn, HelpBtn})
        w->setEnabled(enabled);
    LB_Size->setEnabled(enabled && CB_Size->isChecked());
    LB_Date->setEnabled(enabled && CB_Date->isChecked());
}

void TComparePathsDialog::Compare(TMDIChild& dir2Window) {
    SetControlsEnabled(false);
    running_ = true;
    stopRequested_ = false;
    QPointer<TMDIChild> dir2(&dir2Window);
    TProgress& progress = Progress();
    bool progressShown = false;
    // Whatever ends the compare, directory 1 shows the tags set so far and
    // the dialog closes.
    auto finish = [&] {
        if (progressShown) progress.StopProgress();
        running_ = false;
        SetControlsEnabled(true);
        if (window_) {
            window_->UpdateStatus();
            window_->RepaintList();
        }
        accept();
    };
    // Runs one pass over directory 1's untagged entries, tagging those for
    // which tagIt holds; ends early when a stop is asked or a window went.
    auto pass = [&](const std::function<bool(TMDIChild&, int, TMDIChild&)>& tagIt) {
        progress.StartProgress(100);
        progressShown = true;
        for (int j = 0; window_ && dir2 && j < window_->GetEntryCount() && !stopRequested_; ++j) {
            if (!window_->IsTagged(j) && tagIt(*window_, j, *dir2)) window_->TagEntry(j);
            if (!stopRequested_ && window_ && progress.StepProgress(j + 1, window_->GetEntryCount()))
                progress.ProcessEvents();
        }
        progress.StopProgress();
        progressShown = false;
    };
    try {
        if (window_ && CB_TReset->isChecked()) {
            const auto changes = window_->GatherChanges();
            for (int i = 0; i < window_->GetEntryCount(); ++i) window_->UntagEntry(i);
        }
        std::vector<std::string> names2;
        for (int i = 0; i < dir2->GetEntryCount(); ++i) names2.push_back(dir2->GetEntryName(i));
        const TNameLookup lookup2(names2);

        const std::optional<TCompareKind> sizeKind = KindOf(CB_Size, LB_Size);
        const std::optional<TCompareKind> dateKind = KindOf(CB_Date, LB_Date);
        const bool content = CB_Content->isChecked();
        if (sizeKind || dateKind || content)
            pass([&](TMDIChild& one, int j, TMDIChild& two) {
                const int k = lookup2.Find(one.GetEntryName(j));
                if (k < 0) return false;
                if (sizeKind && CompareHolds(*sizeKind, one.GetEntrySize(j), two.GetEntrySize(k))) return true;
                if (dateKind && CompareHolds(*dateKind, one.GetEntryDate(j), two.GetEntryDate(k))) return true;
                return content && ContentsDiffer(one.GetEntryPath(j), two.GetEntryPath(k));
            });
        if (CB_TagAdditions->isChecked() && !stopRequested_)
            pass([&](TMDIChild& one, int j, TMDIChild&) { return lookup2.Find(one.GetEntryName(j)) < 0; });
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void ShowComparePaths(TMDIChild& window) {
    QPointer<TComparePathsDialog> dialog = new TComparePathsDialog(&window, window.window());
    dialog->exec();
    delete dialog.data();
}
