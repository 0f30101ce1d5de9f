#include "ui/search/drive_search_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTreeWidget>
#include <QPointer>
#include <QVBoxLayout>

#include "core/drives/drive_texts.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "core/tagging/history.h"
#include "core/tagging/tag_rules.h"
#include "core/tagging/wild_card.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/fileops/find_directory_dialog.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/help_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/shown_text_qt.h"

namespace {

const char* const kSection = "FS_FDL";
constexpr int kOneDirectoryHelp = 1022, kMultiDriveHelp = 1016;
constexpr int kSizeDigits = 20;

QLineEdit* Field(QWidget* parent, const char* name, const char* hint) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setToolTip(hint);
    e->setStatusTip(hint);
    return e;
}

QLineEdit* DateField(QWidget* parent, const char* name, const char* hint) {
    QLineEdit* e = Field(parent, name, hint);
    // Month, day, two-digit year; blank until typed.
    e->setInputMask("99/99/99; ");
    e->setText("");
    return e;
}

QLineEdit* SizeField(QWidget* parent, const char* name, const char* hint) {
    QLineEdit* e = Field(parent, name, hint);
    e->setMaxLength(kSizeDigits);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]*"), e));
    return e;
}

// A history list under its field: a click copies the item into the field.
QListWidget* HistoryList(QWidget* parent, const char* name, QLineEdit* field,
                         const std::vector<std::string>& items) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    for (const std::string& s : items) list->addItem(ShownQText(s));
    QObject::connect(list, &QListWidget::itemClicked, field,
                     [field](QListWidgetItem* item) { field->setText(item->text()); });
    return list;
}

bool Blank(const QString& text) {
    for (QChar c : text)
        if (c != ' ' && c != '/') return false;
    return true;
}

}  // namespace

TDriveSearchDialog::TDriveSearchDialog(TMode mode, TWindowOpener opener, QWidget* parent)
    : QDialog(parent), mode_(mode), opener_(std::move(opener)) {
    const bool multi = mode_ == TMode::MultiDrive;
    setObjectName(multi ? "MultiDriveSearch" : "DriveSearch");
    setWindowTitle(multi ? "Multi Drive Search - Setup" : "Drive Search - Setup");
    wildHistory_ = LoadHistory(kSection, "E_WILD_L");
    textHistory_ = LoadHistory(kSection, "E_TScan:H:");

    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    if (multi)
        BuildDrivesPage();
    else
        BuildDrivePage();
    BuildPatternPage();
    BuildDateSizePage();
    BuildTextPage(multi);

    const TDialogButtons b = MakeDialogButtons(this);
    OKBtn = b.OK;
    CancelBtn = b.Cancel;
    HelpBtn = b.Help;
    connect(OKBtn, &QPushButton::clicked, this,
            [this] { RunReportingErrors([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HelpBtn->setAutoDefault(false);
    connect(HelpBtn, &QPushButton::clicked, this, [this, multi] {
        THelpWindow::ShowTopic(multi ? kMultiDriveHelp : kOneDirectoryHelp, this);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);
}

void TDriveSearchDialog::BuildDrivePage() {
    DrivePage = new QWidget;
    DrivePage->setObjectName("DrivePage");
    // The "Find Directory" picker without its own buttons.
    DirectoryPicker = new TUDFind("", DrivePage);
    DirectoryPicker->setWindowFlags(Qt::Widget);
    DirectoryPicker->OKBtn->hide();
    DirectoryPicker->CancelBtn->hide();
    // The labels stand level with the selector and the tree beside them.
    DirectoryPicker->layout()->setContentsMargins(0, 0, 0, 0);
    const int spacing = DirectoryPicker->layout()->spacing();
    auto* drive = new QLabel("&Drive:", DrivePage);
    drive->setBuddy(DirectoryPicker->DCB1);
    drive->setFixedHeight(DirectoryPicker->DCB1->sizeHint().height());
    auto* dir = new QLabel("Starting\nDi&rectory:", DrivePage);
    dir->setBuddy(DirectoryPicker->DLB1);
    auto* layout = new QHBoxLayout(DrivePage);
    auto* labels = new QVBoxLayout;
    labels->setSpacing(spacing);
    labels->addWidget(drive);
    labels->addWidget(dir, 0, Qt::AlignTop);
    labels->addStretch(1);
    layout->addLayout(labels);
    layout->addWidget(DirectoryPicker, 1, Qt::AlignTop);
    PageControl->addTab(DrivePage, "&Drive/Path");
}

void TDriveSearchDialog::BuildDrivesPage() {
    DrivePage = new QWidget;
    DrivePage->setObjectName("DrivesPage");
    LB_Available = new QListWidget(DrivePage);
    LB_Available->setObjectName("LB_Available");
    LB_Search = new QListWidget(DrivePage);
    LB_Search->setObjectName("LB_Search");
    for (const std::string& d : BuildDriveList()) LB_Available->addItem(ShownQText(d));
    MoveBtn = DialogButton(DrivePage, "&>", "MoveBtn");
    BackBtn = DialogButton(DrivePage, "&<", "BackBtn");
    MoveAllBtn = DialogButton(DrivePage, ">>", "MoveAllBtn");
    BackAllBtn = DialogButton(DrivePage, "<<", "BackAllBtn");
    for (QPushButton* b : {MoveBtn, BackBtn, MoveAllBtn, BackAllBtn}) b->setAutoDefault(false);
    connect(MoveBtn, &QPushButton::clicked, this,
            [this] { MoveSelected(LB_Available, LB_Search); });
    connect(BackBtn, &QPushButton::clicked, this,
            [this] { MoveSelected(LB_Search, LB_Available); });
    connect(MoveAllBtn, &QPushButton::clicked, this, [this] { MoveAll(LB_Available, LB_Search); });
    connect(BackAllBtn, &QPushButton::clicked, this, [this] { MoveAll(LB_Search, LB_Available); });
    for (auto [from, to] :
         {std::pair{LB_Available, LB_Search}, std::pair{LB_Search, LB_Available}}) {
        connect(from, &QListWidget::itemDoubleClicked, this,
                [this, from, to] { MoveSelected(from, to); });
        connect(from, &QListWidget::itemSelectionChanged, this, [this] { UpdateMoveButtons(); });
    }
    auto* available = new QLabel("&Available", DrivePage);
    available->setBuddy(LB_Available);
    auto* search = new QLabel("&Search drives", DrivePage);
    search->setBuddy(LB_Search);
    auto* grid = new QGridLayout(DrivePage);
    grid->addWidget(available, 0, 0);
    grid->addWidget(search, 0, 2);
    grid->addWidget(LB_Available, 1, 0);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton* b : {MoveBtn, BackBtn, MoveAllBtn, BackAllBtn}) moves->addWidget(b);
    moves->addStretch(1);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(LB_Search, 1, 2);
    PageControl->addTab(DrivePage, "&Drives");
    UpdateMoveButtons();
}

void TDriveSearchDialog::BuildPatternPage() {
    PatternPage = new QWidget;
    PatternPage->setObjectName("PatternPage");
    E_Wild = Field(PatternPage, "E_Wild", "");
    E_Wild->setMaxLength(static_cast<int>(kPatternListWidth));
    E_Wild->setText(ShownQText(AppIni().ReadString(kSection, "E_Wild", "*.*")));
    ResetBtn = DialogButton(PatternPage, "*.*", "ResetBtn");
    ResetBtn->setAutoDefault(false);
    connect(ResetBtn, &QPushButton::clicked, this, [this] { E_Wild->setText("*.*"); });
    LB_Wild = HistoryList(PatternPage, "LB_Wild", E_Wild, wildHistory_);
    auto* layout = new QVBoxLayout(PatternPage);
    auto* row = new QHBoxLayout;
    row->addWidget(ResetBtn);
    row->addWidget(E_Wild, 1);
    layout->addLayout(row);
    layout->addWidget(LB_Wild, 1);
    PageControl->addTab(PatternPage, "&Pattern");
}

void TDriveSearchDialog::BuildDateSizePage() {
    DateSizePage = new QWidget;
    DateSizePage->setObjectName("DateSizePage");
    E_DateFrom = DateField(DateSizePage, "E_DateFrom", "Select From this date");
    E_DateTo = DateField(DateSizePage, "E_DateTo", "to this date");
    E_SizeFrom = SizeField(DateSizePage, "E_SizeFrom", "Select from this size");
    E_SizeTo = SizeField(DateSizePage, "E_SizeTo", "to this size");
    auto* grid = new QGridLayout(DateSizePage);
    grid->addWidget(new QLabel("Date:", DateSizePage), 0, 0);
    grid->addWidget(new QLabel("From:", DateSizePage), 0, 1);
    grid->addWidget(E_DateFrom, 0, 2);
    grid->addWidget(new QLabel("to:", DateSizePage), 0, 3);
    grid->addWidget(E_DateTo, 0, 4);
    grid->addWidget(new QLabel("Size:", DateSizePage), 1, 0);
    grid->addWidget(new QLabel("From:", DateSizePage), 1, 1);
    grid->addWidget(E_SizeFrom, 1, 2);
    grid->addWidget(new QLabel("to:", DateSizePage), 1, 3);
    grid->addWidget(E_SizeTo, 1, 4);
    grid->setRowStretch(2, 1);
    PageControl->addTab(DateSizePage, "D&ate/Size");
}

void TDriveSearchDialog::BuildTextPage(bool multi) {
    TextPage = new QWidget;
    TextPage->setObjectName("TextPage");
    E_TScan = Field(TextPage, "E_TScan", "");
    E_TScan->setMaxLength(static_cast<int>(kPatternListWidth));
    LB_TScan = HistoryList(TextPage, "LB_TScan", E_TScan, textHistory_);
    CB_CaseSensitive = new QCheckBox(multi ? "Case Sensitive" : "&Case Sensitive", TextPage);
    CB_CaseSensitive->setObjectName("CB_CaseSensitive");
    auto* label = new QLabel("&Text scan:", TextPage);
    label->setBuddy(E_TScan);
    auto* layout = new QVBoxLayout(TextPage);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(E_TScan, 1);
    layout->addLayout(row);
    layout->addWidget(LB_TScan, 1);
    layout->addWidget(CB_CaseSensitive);
    PageControl->addTab(TextPage, "&Text scan");
}

// ---------------------------------------------------------------- drives

void TDriveSearchDialog::UpdateMoveButtons() {
    MoveBtn->setEnabled(LB_Available->currentItem() && LB_Available->currentItem()->isSelected());
    BackBtn->setEnabled(LB_Search->currentItem() && LB_Search->currentItem()->isSelected());
    MoveAllBtn->setEnabled(LB_Available->count() > 0);
    BackAllBtn->setEnabled(LB_Search->count() > 0);
}

void TDriveSearchDialog::MoveSelected(QListWidget* from, QListWidget* to) {
    QListWidgetItem* item = from->currentItem();
    if (item && item->isSelected()) to->addItem(from->takeItem(from->row(item)));
    from->clearSelection();
    to->clearSelection();
    UpdateMoveButtons();
}

void TDriveSearchDialog::MoveAll(QListWidget* from, QListWidget* to) {
    while (from->count() > 0) to->addItem(from->takeItem(0));
    from->clearSelection();
    to->clearSelection();
    UpdateMoveButtons();
}

// ---------------------------------------------------------------- OK

bool TDriveSearchDialog::Refuse(const std::string& message, QWidget* page, QWidget* field,
                                bool conversion) {
    PageControl->setCurrentWidget(page);
    field->setFocus();
    if (conversion)
        ShowException(message);
    else
        ShowMessage(message);
    return false;
}

bool TDriveSearchDialog::ReadCriteria(TDriveSearchCriteria& c) {
    if (mode_ == TMode::MultiDrive && LB_Search->count() == 0)
        return Refuse("Please select one or more drives", DrivePage, LB_Available);
    const std::string patterns = E_Wild->text().toStdString();
    if (plat::Trim(patterns).empty())
        return Refuse("Please enter wildcard pattern(s)", PatternPage, E_Wild);
    if (TWildCard(patterns).Invalid())
        return Refuse("Please enter valid pattern(s)", PatternPage, E_Wild);
    c.Patterns = patterns;

    // Dates: both blank is no date filter; both ends are at 00:00.
    c.UseDate = !(Blank(E_DateFrom->displayText()) && Blank(E_DateTo->displayText()));
    if (c.UseDate) {
        for (auto [field, value] :
             {std::pair{E_DateFrom, &c.DateFrom}, std::pair{E_DateTo, &c.DateTo}})
            if (!ParseTagDate(field->displayText().toStdString(), *value))
                return Refuse("Invalid date entered!", DateSizePage, field, true);
        if (!(c.DateFrom < c.DateTo))
            return Refuse("Invalid date range entered!", DateSizePage, E_DateFrom, true);
    }

    // Sizes: both blank are 0; a range 0 to 0 is no size filter.
    c.MinSize = c.MaxSize = 0;
    if (!(plat::Trim(E_SizeFrom->text().toStdString()).empty() &&
          plat::Trim(E_SizeTo->text().toStdString()).empty())) {
        for (auto [field, value] :
             {std::pair{E_SizeFrom, &c.MinSize}, std::pair{E_SizeTo, &c.MaxSize}})
            if (ParseTagSize(field->text().toStdString(), *value) != TSizeParse::Ok)
                return Refuse("Invalid number entered!", DateSizePage, field, true);
        if (c.MaxSize < c.MinSize)
            return Refuse("Invalid Size Range!", DateSizePage, E_SizeFrom, true);
    }
    c.UseSize = c.MinSize != 0 || c.MaxSize != 0;

    c.ScanText = E_TScan->text().toStdString();
    c.CaseSensitive = CB_CaseSensitive->isChecked();
    return true;
}

void TDriveSearchDialog::OKBtnClick() {
    TDriveSearchCriteria criteria;
    if (!ReadCriteria(criteria)) return;

    AddToHistory(criteria.ScanText, textHistory_);
    SaveHistory(kSection, "E_TScan:H:", textHistory_);
    AddToHistory(criteria.Patterns, wildHistory_);
    SaveHistory(kSection, "E_WILD_L", wildHistory_);
    AppIni().WriteString(kSection, "E_Wild", criteria.Patterns);

    for (QWidget* w : findChildren<QWidget*>()) w->setEnabled(false);
    if (mode_ == TMode::OneDirectory) {
        criteria.BaseDirectory = DirectoryPicker->Directory();
        if (criteria.BaseDirectory.empty()) criteria.BaseDirectory = plat::GetCurrentDir();
        if (opener_) opener_(criteria);
    } else {
        std::vector<char> drives;
        for (int i = 0; i < LB_Search->count(); ++i) {
            const QString text = LB_Search->item(i)->text();
            if (!text.isEmpty()) drives.push_back(text.at(0).toUpper().toLatin1());
        }
        for (char letter : drives) {
            criteria.BaseDirectory = std::string(1, letter) + ":\\";
            TCmbDir* w = opener_ ? opener_(criteria) : nullptr;
            if (w && w->GetEntryCount() == 0) w->close();
            QApplication::processEvents();
        }
    }
    accept();
}

// ---------------------------------------------------------------- frame

TCmbDir* OpenResultWindow(Tmainform& form, const TDriveSearchCriteria& criteria) {
    auto* w = new TCmbDir(&form, criteria);
    QPointer<TCmbDir> alive(w);
    form.AddChild(w);
    w->Search();
    return alive && !w->Closing ? w : nullptr;
}

void InstallDriveSearch(Tmainform& form) {
    auto run = [&form](TDriveSearchDialog::TMode mode) {
        TDriveSearchDialog dlg(
            mode, [&form](const TDriveSearchCriteria& c) { return OpenResultWindow(form, c); },
            &form);
        dlg.exec();
    };
    form.RegisterCommand(TCommand::DriveSearch, std::function<void()>([run] {
                             run(TDriveSearchDialog::TMode::OneDirectory);
                         }));
    form.RegisterCommand(TCommand::MultiDriveSearch, std::function<void()>([run] {
                             run(TDriveSearchDialog::TMode::MultiDrive);
                         }));
}
