#include "ui/options/global_options_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/frame/main_window.h"
#include "ui/frame/win_color_qt.h"
#include "ui/options/option_dialogs_qt.h"
#include "ui/options/program_settings_qt.h"

namespace {

constexpr int kHelpContext = 1014;

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, const char* hint = nullptr) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    if (hint) SetHint(box, hint);
    return box;
}

// A panel showing a text in a frame, its background or font set by the
// dialog.
QLabel* Panel(QWidget* parent, const char* name, const char* caption) {
    auto* panel = new QLabel(caption, parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setMinimumSize(120, 30);
    return panel;
}

void SetPanelColor(QLabel* panel, QPalette::ColorRole role, const QColor& color) {
    QPalette p = panel->palette();
    p.setColor(role, color);
    panel->setPalette(p);
}

}  // namespace

TGlobalOptionsDialog::TGlobalOptionsDialog(Tmainform& form, QWidget* parent)
    : TOptionsDialogBase("Quilby Global Options", kHelpContext, parent),
      form_(form),
      settings_(CurrentProgramSettings(form)) {
    setObjectName("GlobalOptions");
    BuildMiscPage();
    BuildFontsPage();
    Fill();
    // The reactions start once the controls show the current values.
    connect(CB_Jump, &QCheckBox::toggled, this, [this] { JumpClicked(); });
    connect(CB_Menu, &QCheckBox::toggled, this, [this] { MenuClicked(); });
    connect(CB_Font, &QComboBox::currentIndexChanged, this, [this] { UpdateSamples(); });
    connect(CB_Size, &QComboBox::currentIndexChanged, this, [this] { UpdateSamples(); });
    for (QCheckBox* style : {CB_Bold, CB_Italic, CB_Underline, CB_Strikeout})
        connect(style, &QCheckBox::toggled, this, [this] { UpdateSamples(); });
    connect(HintColorBtn, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(hintColor_, this);
        if (c.isValid()) HintColorChosen(c);
    });
    connect(ExeColorBtn, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(exeColor_, this);
        if (c.isValid()) ExeColorChosen(c);
    });
}

void TGlobalOptionsDialog::showEvent(QShowEvent* event) {
    TOptionsDialogBase::showEvent(event);
    // Centred on the screen rather than over the main window.
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TGlobalOptionsDialog::BuildMiscPage() {
    QWidget* page = AddPage("Miscellaneous");
    CB_ShowHints = Check(page, "CB_ShowHints", "&Show Hints", "Do you want hints?");
    HintColorBtn = new QPushButton("&Color", page);
    HintColorBtn->setObjectName("HintColorBtn");
    HintColorBtn->setAutoDefault(false);
    P_HelpColor = Panel(page, "P_HelpColor", "Help Color");

    auto* dblClick = new QGroupBox("Double Click on file:", page);
    RB_Run = new QRadioButton("&Run", dblClick);
    RB_Run->setObjectName("RB_Run");
    RB_Tag = new QRadioButton("&Tag", dblClick);
    RB_Tag->setObjectName("RB_Tag");
    auto* dblLayout = new QVBoxLayout(dblClick);
    dblLayout->addWidget(RB_Run);
    dblLayout->addWidget(RB_Tag);

    auto* rightClick = new QGroupBox("Right Click on Directory", page);
    CB_Jump = Check(rightClick, "CB_Jump", "&Jump to directory",
                    "If you right click an entry, it will become the current entry.");
    CB_Back = Check(rightClick, "CB_Back", "&Down one level on miss",
                    "If you right click on an empty slot, go donw one level in the driectory "
                    "structure");
    CB_Menu = Check(rightClick, "CB_Menu", "Show &Menu",
                    "Display a menu when the right button is clicked in the directory listing");
    auto* rightLayout = new QVBoxLayout(rightClick);
    rightLayout->addWidget(CB_Jump);
    rightLayout->addWidget(CB_Back);
    rightLayout->addWidget(CB_Menu);

    auto* tabs = new QGroupBox("Tab Spacing", page);
    SE_Tabs = new QSpinBox(tabs);
    SE_Tabs->setObjectName("SE_Tabs");
    SE_Tabs->setRange(kMinTabWidth, kMaxTabWidth);
    auto* tabsLayout = new QHBoxLayout(tabs);
    tabsLayout->addWidget(SE_Tabs);
    tabsLayout->addStretch(1);

    auto* hints = new QHBoxLayout;
    hints->addWidget(HintColorBtn);
    hints->addWidget(P_HelpColor);
    auto* left = new QVBoxLayout;
    left->addWidget(CB_ShowHints);
    left->addLayout(hints);
    left->addWidget(dblClick);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(rightClick);
    right->addWidget(tabs);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
}

void TGlobalOptionsDialog::BuildFontsPage() {
    QWidget* page = AddPage("Fonts");
    auto* exe = new QGroupBox("Show Executables as:", page);
    CB_Bold = Check(exe, "CB_Bold", "Bold");
    CB_Italic = Check(exe, "CB_Italic", "Italic");
    CB_Underline = Check(exe, "CB_Underline", "Underline");
    CB_Strikeout = Check(exe, "CB_Strikeout", "Strikeout");
    ExeColorBtn = new QPushButton("&Color", exe);
    ExeColorBtn->setObjectName("ExeColorBtn");
    ExeColorBtn->setAutoDefault(false);
    auto* exeLayout = new QVBoxLayout(exe);
    for (QWidget* w : {static_cast<QWidget*>(CB_Bold), static_cast<QWidget*>(CB_Italic),
                       static_cast<QWidget*>(CB_Underline), static_cast<QWidget*>(CB_Strikeout),
                       static_cast<QWidget*>(ExeColorBtn)})
        exeLayout->addWidget(w);

    auto* fontGroup = new QGroupBox("Font", page);
    CB_Font = new QComboBox(fontGroup);
    CB_Font->setObjectName("CB_Font");
    QStringList faces = QFontDatabase::families();
    faces.sort(Qt::CaseInsensitive);
    CB_Font->addItems(faces);
    CB_Size = new QComboBox(fontGroup);
    CB_Size->setObjectName("CB_Size");
    for (int size = kMinListFontSize; size <= kMaxListFontSize; ++size)
        CB_Size->addItem(QString::number(size));
    auto* fontLayout = new QHBoxLayout(fontGroup);
    fontLayout->addWidget(CB_Font, 1);
    fontLayout->addWidget(CB_Size);

    P_Sample = Panel(page, "P_Sample", "AaBbCcDd");
    P_Program = Panel(page, "P_Program", "Program Files");
    auto* right = new QVBoxLayout;
    right->addWidget(fontGroup);
    right->addWidget(P_Sample);
    right->addWidget(P_Program);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(exe);
    layout->addLayout(right, 1);
}

void TGlobalOptionsDialog::Fill() {
    const TDisplaySettings& d = form_.Display();
    SE_Tabs->setValue(TabWidthOrDefault(settings_.Tabs));
    CB_ShowHints->setChecked(settings_.ShowHint);
    hintColor_ = settings_.HintColor == -1 ? QToolTip::palette().color(QPalette::ToolTipBase)
                                           : WinColorToQColor(settings_.HintColor);
    SetPanelColor(P_HelpColor, QPalette::Window, hintColor_);
    (settings_.DBLClickRun ? RB_Run : RB_Tag)->setChecked(true);
    exeColor_ = d.ExeColor;
    CB_Bold->setChecked(settings_.ExeBold);
    CB_Italic->setChecked(settings_.ExeItalic);
    CB_Underline->setChecked(settings_.ExeUnderline);
    CB_Strikeout->setChecked(settings_.ExeStrikeout);
    CB_Menu->setChecked(settings_.RD_Menu);
    CB_Jump->setChecked(settings_.RDJump);
    CB_Back->setChecked(settings_.RDBack);
    CB_Back->setEnabled(CB_Jump->isChecked());
    CB_Font->setCurrentIndex(CB_Font->findText(QString::fromStdString(settings_.FontName)));
    CB_Size->setCurrentIndex(CB_Size->findText(QString::number(settings_.FontSize)));
    UpdateSamples();
    CB_Default->setChecked(true);
    TabSet->setCurrentIndex(0);
}

void TGlobalOptionsDialog::JumpClicked() {
    if (reacting_) return;
    reacting_ = true;
    CB_Back->setEnabled(CB_Jump->isChecked());
    CB_Menu->setChecked(false);
    reacting_ = false;
}

void TGlobalOptionsDialog::MenuClicked() {
    if (reacting_) return;
    reacting_ = true;
    CB_Back->setChecked(false);
    CB_Jump->setChecked(false);
    // The jump box is off now, and with it the box that depends on it.
    CB_Back->setEnabled(false);
    reacting_ = false;
}

void TGlobalOptionsDialog::UpdateSamples() {
    // Face and size as chosen; what is not chosen stays as the list font.
    QFont font = form_.Display().ListFont;
    if (!CB_Font->currentText().isEmpty()) font.setFamily(CB_Font->currentText());
    if (auto size = ListFontSizeFromText(CB_Size->currentText().toStdString()))
        font.setPointSize(*size);
    P_Sample->setFont(font);
    font.setBold(CB_Bold->isChecked());
    font.setItalic(CB_Italic->isChecked());
    font.setStrikeOut(CB_Strikeout->isChecked());
    font.setUnderline(CB_Underline->isChecked());
    P_Program->setFont(font);
    SetPanelColor(P_Program, QPalette::WindowText, exeColor_);
}

void TGlobalOptionsDialog::HintColorChosen(const QColor& color) {
    hintColor_ = color;
    hintColorPicked_ = true;
    SetPanelColor(P_HelpColor, QPalette::Window, color);
}

void TGlobalOptionsDialog::ExeColorChosen(const QColor& color) {
    exeColor_ = color;
    exeColorPicked_ = true;
    UpdateSamples();
}

void TGlobalOptionsDialog::OKBtnClick() {
    // Everything is gathered first and applied in one step, so OK never
    // leaves the program half changed.
    TProgramSettings s = settings_;
    s.ShowHint = CB_ShowHints->isChecked();
    // An unpicked colour keeps its setting (-1 keeps the platform's).
    if (hintColorPicked_) s.HintColor = QColorToWinColor(hintColor_);
    s.DBLClickRun = RB_Run->isChecked();
    s.RDJump = CB_Jump->isChecked();
    s.RD_Menu = CB_Menu->isChecked();
    s.RDBack = CB_Back->isChecked();
    if (!s.RDJump) CB_Back->setEnabled(false);
    // A face or size not chosen keeps the list font's.
    if (!CB_Font->currentText().isEmpty()) s.FontName = CB_Font->currentText().toStdString();
    if (auto size = ListFontSizeFromText(CB_Size->currentText().toStdString())) s.FontSize = *size;
    s.ExeBold = CB_Bold->isChecked();
    s.ExeItalic = CB_Italic->isChecked();
    s.ExeUnderline = CB_Underline->isChecked();
    s.ExeStrikeout = CB_Strikeout->isChecked();
    if (exeColorPicked_) s.ExeColor = QColorToWinColor(exeColor_);
    s.Tabs = SE_Tabs->value();

    ApplyProgramSettings(form_, s);
    if (CB_Default->isChecked()) SaveProgramSettings(s, true);
    RefreshAfterGlobalOptions(form_);
    accept();
}
