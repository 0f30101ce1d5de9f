// "Directory Options": one window options record — the active directory
// window's own, or the program-wide defaults when no directory window is
// active. Four pages: formats, sort order, selection, drive search. OK
// checks every field first and changes the record only when all are
// valid; with "Default" checked the record also becomes the defaults and
// is stored with the program-wide settings.
#pragma once

#include <QPointer>

#include "core/settings/options_validation.h"
#include "core/settings/quilby_options.h"
#include "ui/options/options_dialog_base.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class TMDIChild;
class Tmainform;

class TWindowOptionsDialog : public TOptionsDialogBase {
    Q_OBJECT
public:
    // window: the active directory window, nullptr for the defaults.
    TWindowOptionsDialog(Tmainform& form, TMDIChild* window, QWidget* parent = nullptr);

    // ---- page "Format Options"
    QComboBox* CB_Time;
    QComboBox* CB_Date;
    QRadioButton* RB_Upper;
    QRadioButton* RB_Lower;
    QRadioButton* RB_AsIs;
    QRadioButton* RB_Split;
    QRadioButton* RB_Join;
    QCheckBox* CB_ShowAttr;
    QRadioButton* RB_SizeNone;
    QRadioButton* RB_Bytes;
    QRadioButton* RB_KBytes;
    QRadioButton* RB_MBytes;
    // ---- page "Sort Order"
    QListWidget* LB_SortBy;
    QListWidget* LB_Available;
    QPushButton* AddSortBtn;     // ">"
    QPushButton* RemoveSortBtn;  // "<"
    // ---- page "Selection Options"
    QLineEdit* E_Patterns;
    QLineEdit* E_DateFrom;  // mm/dd/yy
    QLineEdit* E_DateTo;
    QCheckBox* CB_UseDate;
    QLineEdit* E_SizeFrom;  // up to 20 digits
    QLineEdit* E_SizeTo;
    QCheckBox* CB_UseSize;
    QCheckBox* CB_System;
    QCheckBox* CB_Hidden;
    QCheckBox* CB_ReadOnly;
    QCheckBox* CB_Archive;
    // ---- page "Drive Search"
    QSpinBox* SE_Refresh;

    // The record the dialog edits.
    TQuilbyOptions& Target() const;

    // ">": the selected available field to the end of "Sort By:".
    void AddSortField();
    // "<": the selected sort field to the end of "Available:".
    void RemoveSortField();
    // The check when the patterns field loses the focus; false (after the
    // message, with the focus back on the field) when the list is invalid.
    bool PatternsExit();

    void OKBtnClick() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFormatPage();
    void BuildSortPage();
    void BuildSelectionPage();
    void BuildDriveSearchPage();
    void Fill();
    // Reads every control into options; false (after the message, with the
    // focus on the field at fault) when a field is invalid.
    bool Gather(TQuilbyOptions& options);

    Tmainform& form_;
    QPointer<TMDIChild> window_;
    bool forDefaults_;
    bool checkingPatterns_ = false;
    TShownDate shownFrom_, shownTo_;  // the date fields as filled
};
