// "Compare to another path": tags, in the active directory window, the
// files that differ from the files of the same name in another open
// directory window, by size, date or contents, or by being absent there.
// The compare runs on the user-interface thread, handing control back at
// most once a second so that Cancel can ask to stop it after the current
// entry.
#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "ui/fileops/cancelable_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TMDIChild;

class TComparePathsDialog : public TCancelableDialog {
    Q_OBJECT
public:
    // window is directory 1; it may be nullptr or go away, the compare then
    // tags nothing.
    explicit TComparePathsDialog(TMDIChild* window, QWidget* parent = nullptr);

    QLabel* L_Dir1;                // the active window's directory
    QComboBox* CB_Dir2;            // the other windows' captions
    QCheckBox* CB_Size;            // "&Size"
    QComboBox* LB_Size;            // its comparison
    QCheckBox* CB_Date;            // "&Date"
    QComboBox* LB_Date;            // its comparison
    QCheckBox* CB_Content;         // "&Content different"
    QCheckBox* CB_TagAdditions;    // "Tag &Additions (not in directory 2)"
    QCheckBox* CB_TReset;          // "&Reset tags before starting"
    QCheckBox* CB_Default;         // "Default"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* AnyBtn;           // "Any "
    QPushButton* HelpBtn;

    // Validates and runs the compare; a file that cannot be read ends it
    // with its error (tags set so far stay), raised after the clean-up.
    void OKBtnClick();
    void AnyBtnClick();
    bool Running() const override { return running_; }

    // Closing after a compare with "Default" checked stores the choices;
    // Cancel, Escape and the close box uncheck it unless a compare runs, so
    // cancelling never stores anything.
    void done(int result) override;
    void reject() override;

protected:
    std::string CancelQuestion() const override { return "Cancel the compare process?"; }
    void RequestCancel() override { stopRequested_ = true; }

private:
    void Refuse(const std::string& message, QWidget* field);
    TMDIChild* ChosenWindow() const;
    void Compare(TMDIChild& dir2);
    void SetControlsEnabled(bool enabled);
    void SaveDefaults();

    QPointer<TMDIChild> window_;
    bool running_ = false;
    bool stopRequested_ = false;
};

// Opens the dialog modally on window; errors of the compare are shown by
// the program's general error display.
void ShowComparePaths(TMDIChild& window);
