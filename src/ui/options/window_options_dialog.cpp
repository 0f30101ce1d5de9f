#include "ui/options/window_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "core/seams/prompter.h"
#include "core/settings/options_validation.h"
#include "core/settings/program_settings.h"
#include "core/tagging/wild_card.h"
#include "core/text/date_text.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/main_window.h"
#include "ui/options/option_dialogs_qt.h"
#include "ui/options/program_settings_qt.h"

namespace {

constexpr int kHelpContext = 9011;
// Sizes are 64-bit: 19 digits hold every size; one more lets an
// out-of-range value be typed and refused rather than cut.
constexpr int kSizeFieldWidth = 20;
constexpr int kMaxRefreshSeconds = 999;

QRadioButton* Radio(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    SetHint(button, hint);
    return button;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    SetHint(box, hint);
    return box;
}

QComboBox* Choices(QWidget* parent, const char* name, const std::vector<std::string>& items,
                   const char* hint) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    SetHint(list, hint);
    return list;
}

QLineEdit* DateField(QWidget* parent, const char* name, const char* hint) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setInputMask("99/99/99; ");
    field->setFixedWidth(field->fontMetrics().horizontalAdvance("00/00/0000"));
    SetHint(field, hint);
    return field;
}

QLineEdit* SizeField(QWidget* parent, const char* name, const char* hint) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(kSizeFieldWidth);
    // Digits as in a masked number field, whose unfilled places are blanks.
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]*"), field));
    SetHint(field, hint);
    return field;
}

QGroupBox* Group(QWidget* parent, const char* caption, std::initializer_list<QWidget*> controls) {
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* c : controls) layout->addWidget(c);
    return group;
}

// Moves the current item of from to the end of to; nothing without one.
void MoveCurrent(QListWidget* from, QListWidget* to) {
    QListWidgetItem* item = from->currentItem();
    if (!item || !item->isSelected()) return;
    to->addItem(from->takeItem(from->row(item)));
    from->setCurrentRow(-1);
    to->setCurrentRow(-1);
}

std::vector<std::string> Texts(const QListWidget* list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

}  // namespace

TWindowOptionsDialog::TWindowOptionsDialog(Tmainform& form, TMDIChild* window, QWidget* parent)
    : TOptionsDialogBase("Directory Options", kHelpContext, parent),
      form_(form),
      window_(window),
      forDefaults_(window == nullptr) {
    setObjectName("WindowOptions");
    BuildFormatPage();
    BuildSortPage();
    BuildSelectionPage();
    BuildDriveSearchPage();
    Fill();
    connect(AddSortBtn, &QPushButton::clicked, this, [this] { AddSortField(); });
    connect(RemoveSortBtn, &QPushButton::clicked, this, [this] { RemoveSortField(); });
    connect(LB_Available, &QListWidget::itemDoubleClicked, this, [this] { AddSortField(); });
    connect(LB_SortBy, &QListWidget::itemDoubleClicked, this, [this] { RemoveSortField(); });
    E_Patterns->installEventFilter(this);
}

TQuilbyOptions& TWindowOptionsDialog::Target() const {
    return window_ ? window_->Options : DefaultOptions();
}

void TWindowOptionsDialog::BuildFormatPage() {
    QWidget* page = AddPage("Format Options");
    CB_Time = Choices(page, "CB_Time", TimeFormatChoices(), "Select a time format");
    CB_Date = Choices(page, "CB_Date", DateFormatChoices(), "Select a date format");
    auto* dateTime = new QGroupBox("Date and Time", page);
    auto* dtLayout = new QGridLayout(dateTime);
    dtLayout->addWidget(new QLabel("Time:", dateTime), 0, 0);
    dtLayout->addWidget(CB_Time, 0, 1);
    dtLayout->addWidget(new QLabel("Date:", dateTime), 1, 0);
    dtLayout->addWidget(CB_Date, 1, 1);

    auto* nameFormat = new QGroupBox("Name Format", page);
    RB_Upper = Radio(nameFormat, "RB_Upper", "&Upper", "Display name in upper case");
    RB_Lower = Radio(nameFormat, "RB_Lower", "&Lower", "Display name in lower case ");
    RB_AsIs = Radio(nameFormat, "RB_AsIs", "&as is", "Select name in Proper case");
    RB_Split = Radio(nameFormat, "RB_Split", "&Split", "Split the filename from the extension");
    RB_Join = Radio(nameFormat, "RB_Join", "&Join", "Join the filename and the extension");
    QGroupBox* caseGroup = Group(nameFormat, "Case", {RB_Upper, RB_Lower, RB_AsIs});
    QGroupBox* extGroup = Group(nameFormat, "Extension", {RB_Split, RB_Join});
    auto* nameLayout = new QHBoxLayout(nameFormat);
    nameLayout->addWidget(caseGroup);
    nameLayout->addWidget(extGroup);

    CB_ShowAttr = Check(page, "CB_ShowAttr", "&Show", "Show attributes?");
    QGroupBox* attrGroup = Group(page, "Attributes", {CB_ShowAttr});
    RB_SizeNone = Radio(page, "RB_SizeNone", "None", "Do not display the size");
    RB_Bytes = Radio(page, "RB_Bytes", "Bytes", "Display the size in bytes");
    RB_KBytes = Radio(page, "RB_KBytes", "KBytes", "Display the size in Kilobytes");
    RB_MBytes = Radio(page, "RB_MBytes", "MBytes", "Display the size in Megabytes");
    QGroupBox* sizeGroup = Group(page, "Size", {RB_SizeNone, RB_Bytes, RB_KBytes, RB_MBytes});

    auto* left = new QVBoxLayout;
    left->addWidget(dateTime);
    left->addWidget(nameFormat);
    auto* right = new QVBoxLayout;
    right->addWidget(attrGroup);
    right->addWidget(sizeGroup);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
}

void TWindowOptionsDialog::BuildSortPage() {
    QWidget* page = AddPage("Sort Order");
    LB_SortBy = new QListWidget(page);
    LB_SortBy->setObjectName("LB_SortBy");
    SetHint(LB_SortBy, "Selected sort fields");
    LB_Available = new QListWidget(page);
    LB_Available->setObjectName("LB_Available");
    SetHint(LB_Available, "List of availabl;e sort fields");
    AddSortBtn = new QPushButton(">", page);
    AddSortBtn->setObjectName("AddSortBtn");
    AddSortBtn->setAutoDefault(false);
    SetHint(AddSortBtn, "Sort on selected field");
    RemoveSortBtn = new QPushButton("<", page);
    RemoveSortBtn->setObjectName("RemoveSortBtn");
    RemoveSortBtn->setAutoDefault(false);
    SetHint(RemoveSortBtn, "Remove sort field");
    for (QWidget* b : {AddSortBtn, RemoveSortBtn}) b->setFixedWidth(32);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(AddSortBtn);
    buttons->addWidget(RemoveSortBtn);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel("Sort By:", page), 0, 0);
    layout->addWidget(new QLabel("Available:", page), 0, 2);
    layout->addWidget(LB_SortBy, 1, 0);
    layout->addLayout(buttons, 1, 1);
    layout->addWidget(LB_Available, 1, 2);
}

void TWindowOptionsDialog::BuildSelectionPage() {
    QWidget* page = AddPage("Selection Options");
    E_Patterns = new QLineEdit(page);
    E_Patterns->setObjectName("E_Patterns");
    E_Patterns->setMaxLength(static_cast<int>(kWildcardsWidth));

    auto* range = new QGroupBox("Range:", page);
    E_DateFrom = DateField(range, "E_DateFrom", "Select From this date");
    E_DateTo = DateField(range, "E_DateTo", "to this date");
    CB_UseDate = Check(range, "CB_UseDate", "Date", "Use the date range selection?");
    E_SizeFrom = SizeField(range, "E_SizeFrom", "Select from this size");
    E_SizeTo = SizeField(range, "E_SizeTo", "to this size");
    CB_UseSize = Check(range, "CB_UseSize", "Size", "Use the size range selection?");
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(new QLabel("From:", range), 0, 0);
    rangeLayout->addWidget(E_DateFrom, 0, 1);
    rangeLayout->addWidget(new QLabel("to:", range), 0, 2);
    rangeLayout->addWidget(E_DateTo, 0, 3);
    rangeLayout->addWidget(CB_UseDate, 0, 4);
    rangeLayout->addWidget(new QLabel("From:", range), 1, 0);
    rangeLayout->addWidget(E_SizeFrom, 1, 1);
    rangeLayout->addWidget(new QLabel("to:", range), 1, 2);
    rangeLayout->addWidget(E_SizeTo, 1, 3);
    rangeLayout->addWidget(CB_UseSize, 1, 4);

    CB_System = Check(page, "CB_System", "&System", "Show system files?");
    CB_Hidden = Check(page, "CB_Hidden", "&Hidden", "Show Hidden Files?");
    CB_ReadOnly = Check(page, "CB_ReadOnly", "&Read-Only", "Show Read-Only Files?");
    CB_Archive = Check(page, "CB_Archive", "&Archive", "Show files that need archiving?");
    auto* attrs = new QGroupBox("Attributes", page);
    auto* attrLayout = new QGridLayout(attrs);
    attrLayout->addWidget(CB_System, 0, 0);
    attrLayout->addWidget(CB_Hidden, 0, 1);
    attrLayout->addWidget(CB_ReadOnly, 1, 0);
    attrLayout->addWidget(CB_Archive, 1, 1);

    auto* patterns = new QHBoxLayout;
    patterns->addWidget(new QLabel("Patterns:", page));
    patterns->addWidget(E_Patterns, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(patterns);
    layout->addWidget(range);
    layout->addWidget(attrs);
    layout->addStretch(1);
}

void TWindowOptionsDialog::BuildDriveSearchPage() {
    QWidget* page = AddPage("Drive Search");
    SE_Refresh = new QSpinBox(page);
    SE_Refresh->setObjectName("SE_Refresh");
    SE_Refresh->setRange(0, kMaxRefreshSeconds);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel("not more than", page));
    line->addWidget(SE_Refresh);
    line->addWidget(new QLabel("seconds.", page));
    line->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Refresh Search Window if the search required:", page));
    layout->addLayout(line);
    layout->addStretch(1);
}

void TWindowOptionsDialog::Fill() {
    const TQuilbyOptions& o = Target();
    E_Patterns->setText(QString::fromStdString(o.Wildcards));
    CB_System->setChecked(o.A_System);
    CB_Hidden->setChecked(o.A_Hidden);
    CB_ReadOnly->setChecked(o.A_readonly);
    CB_Archive->setChecked(o.A_Archive);
    CB_UseSize->setChecked(o.UseSize);
    E_SizeFrom->setText(QString::number(o.SZ_MIN));
    E_SizeTo->setText(QString::number(o.SZ_MAX));
    CB_UseDate->setChecked(o.UseDate);
    E_DateFrom->setText(QString::fromStdString(DateToStr(o.DT_MIN)));
    E_DateTo->setText(QString::fromStdString(DateToStr(o.DT_MAX)));
    shownFrom_ = {E_DateFrom->text().toStdString(), o.DT_MIN};
    shownTo_ = {E_DateTo->text().toStdString(), o.DT_MAX};
    CB_Date->setCurrentIndex(CB_Date->findText(QString::fromStdString(o.Date)));
    CB_Time->setCurrentIndex(CB_Time->findText(QString::fromStdString(o.Time)));
    QRadioButton* caseButtons[] = {RB_Upper, RB_Lower, RB_AsIs};
    caseButtons[CaseChoice(o.Case)]->setChecked(true);
    (o.SplitExe ? RB_Split : RB_Join)->setChecked(true);
    CB_ShowAttr->setChecked(o.ShowAttr);
    QRadioButton* sizeButtons[] = {RB_SizeNone, RB_Bytes, RB_KBytes, RB_MBytes};
    sizeButtons[SizeUnitChoice(o.Size)]->setChecked(true);
    SE_Refresh->setValue(o.DSRefresh);
    LB_SortBy->clear();
    LB_Available->clear();
    for (const std::string& f : SelectedSortFields(o.SortKeys)) LB_SortBy->addItem(QString::fromStdString(f));
    for (const std::string& f : AvailableSortFields(o.SortKeys))
        LB_Available->addItem(QString::fromStdString(f));
    CB_Default->setChecked(true);
    TabSet->setCurrentIndex(0);
}

void TWindowOptionsDialog::AddSortField() { MoveCurrent(LB_Available, LB_SortBy); }

void TWindowOptionsDialog::RemoveSortField() { MoveCurrent(LB_SortBy, LB_Available); }

bool TWindowOptionsDialog::PatternsExit() {
    if (!TWildCard(E_Patterns->text().toStdString()).Invalid()) return true;
    checkingPatterns_ = true;
    ShowMessage("Please enter valid pattern(s)");
    FocusField(E_Patterns);
    checkingPatterns_ = false;
    return false;
}

bool TWindowOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == E_Patterns && event->type() == QEvent::FocusOut && !checkingPatterns_) {
        // Leaving the field for another control of the dialog checks it;
        // another window taking the focus (the message box itself) does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            QTimer::singleShot(0, this, [this] {
                if (isVisible() && !checkingPatterns_) PatternsExit();
            });
    }
    return TOptionsDialogBase::eventFilter(watched, event);
}

bool TWindowOptionsDialog::Gather(TQuilbyOptions& o) {
    if (!PatternsExit()) return false;
    o.Wildcards = CutToWidth(E_Patterns->text().toStdString(), kWildcardsWidth);
    o.A_System = CB_System->isChecked();
    o.A_Hidden = CB_Hidden->isChecked();
    o.A_readonly = CB_ReadOnly->isChecked();
    o.A_Archive = CB_Archive->isChecked();
    o.UseSize = CB_UseSize->isChecked();
    o.UseDate = CB_UseDate->isChecked();

    TRangeFields fields;
    fields.SizeFrom = E_SizeFrom->text().toStdString();
    fields.SizeTo = E_SizeTo->text().toStdString();
    fields.UseSize = o.UseSize;
    fields.DateFrom = E_DateFrom->text().toStdString();
    fields.DateTo = E_DateTo->text().toStdString();
    fields.UseDate = o.UseDate;
    fields.ShownFrom = shownFrom_;
    fields.ShownTo = shownTo_;
    TRanges ranges;
    const TRangeFault fault = CheckRanges(fields, ranges);
    if (fault.field != TRangeFault::None) {
        QWidget* const at[] = {nullptr, E_SizeFrom, E_SizeTo, E_DateFrom, E_DateTo};
        if (fault.error)
            ShowError(fault.message);
        else
            ShowMessage(fault.message);
        FocusField(at[fault.field]);
        return false;
    }
    o.SZ_MIN = ranges.SzMin;
    o.SZ_MAX = ranges.SzMax;
    o.DT_MIN = ranges.DtMin;
    o.DT_MAX = ranges.DtMax;

    // A list without a choice keeps the stored format.
    if (CB_Date->currentIndex() >= 0) o.Date = CB_Date->currentText().toStdString();
    if (CB_Time->currentIndex() >= 0) o.Time = CB_Time->currentText().toStdString();
    if (RB_Upper->isChecked()) o.Case = CaseLetter(0);
    if (RB_Lower->isChecked()) o.Case = CaseLetter(1);
    if (RB_AsIs->isChecked()) o.Case = CaseLetter(2);
    const QRadioButton* sizeButtons[] = {RB_SizeNone, RB_Bytes, RB_KBytes, RB_MBytes};
    for (int unit = 0; unit < 4; ++unit)
        if (sizeButtons[unit]->isChecked()) o.Size = unit;
    o.SplitExe = RB_Split->isChecked();
    o.ShowAttr = CB_ShowAttr->isChecked();
    o.SortKeys = SortKeysOf(Texts(LB_SortBy));
    o.DSRefresh = SE_Refresh->value();
    return true;
}

void TWindowOptionsDialog::OKBtnClick() {
    if (!forDefaults_ && !window_) return reject();  // the window went away
    // The record changes only when every field is valid.
    TQuilbyOptions edited;
    edited.CopyFrom(Target());
    if (!Gather(edited)) return;
    TQuilbyOptions& target = Target();
    target.CopyFrom(edited);
    if (CB_Default->isChecked()) {
        target.SaveDefaults();
        SaveProgramSettings(CurrentProgramSettings(form_), false);
        DefaultOptions().CopyFrom(target);
    }
    RefreshAfterWindowOptions(form_);
    accept();
}
