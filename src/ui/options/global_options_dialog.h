// "Quilby Global Options": the program-wide settings of the main window —
// hints, double click, the right click in the trees, the text viewer's tab
// width, the list font and how executables are drawn. OK applies them at
// once and, with "Default" checked, stores them for the next start.
#pragma once

#include <QColor>

#include "core/settings/program_settings.h"
#include "ui/options/options_dialog_base.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class Tmainform;

class TGlobalOptionsDialog : public TOptionsDialogBase {
    Q_OBJECT
public:
    explicit TGlobalOptionsDialog(Tmainform& form, QWidget* parent = nullptr);

    // ---- page "Miscellaneous"
    QCheckBox* CB_ShowHints;
    QPushButton* HintColorBtn;
    QLabel* P_HelpColor;
    QRadioButton* RB_Run;
    QRadioButton* RB_Tag;
    QCheckBox* CB_Jump;
    QCheckBox* CB_Back;
    QCheckBox* CB_Menu;
    QSpinBox* SE_Tabs;
    // ---- page "Fonts"
    QCheckBox* CB_Bold;
    QCheckBox* CB_Italic;
    QCheckBox* CB_Underline;
    QCheckBox* CB_Strikeout;
    QPushButton* ExeColorBtn;
    QComboBox* CB_Font;
    QComboBox* CB_Size;
    QLabel* P_Sample;   // "AaBbCcDd": face and size
    QLabel* P_Program;  // "Program Files": also the executable styles and colour

    // The colour dialogs' answers.
    void HintColorChosen(const QColor& color);
    void ExeColorChosen(const QColor& color);

    void OKBtnClick() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMiscPage();
    void BuildFontsPage();
    void Fill();
    void JumpClicked();
    void MenuClicked();
    void UpdateSamples();

    Tmainform& form_;
    TProgramSettings settings_;
    QColor hintColor_, exeColor_;
    bool hintColorPicked_ = false, exeColorPicked_ = false;
    bool reacting_ = false;  // one interlock is running
};
