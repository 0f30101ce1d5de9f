// "Tag based on Text Search": tags, in a directory window, every file
// matching a pattern list whose contents hold a text. The search runs on the
// user-interface thread, handing control back at most once a second so that
// Cancel can ask to stop it after the file being searched.
#pragma once

#include <QPointer>
#include <string>

#include "ui/fileops/cancelable_dialog.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class TMDIChild;

class TTextSearchDialog : public TCancelableDialog {
    Q_OBJECT
public:
    // window may be nullptr or go away: the search then tags nothing.
    explicit TTextSearchDialog(TMDIChild* window, QWidget* parent = nullptr);

    QComboBox* CB_Text;           // "&Text to find:"
    QComboBox* CB_Wildcards;      // "&Search file matching:"
    QCheckBox* CB_CaseSensitive;  // "&Case Sensitive"
    QCheckBox* CB_Cleartags;      // "&Clear all tags before searching"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // Validates, stores the histories and boxes, and runs the search; a file
    // that cannot be read ends it with its error (tags set so far stay),
    // raised to the caller after the clean-up.
    void OKBtnClick();
    bool Running() const override { return running_; }

protected:
    std::string CancelQuestion() const override { return "Cancel the search process?"; }
    void RequestCancel() override { stopRequested_ = true; }

private:
    void Refuse(const std::string& message, QWidget* field);
    void Search(const std::string& text, const std::string& patterns);
    void SetControlsEnabled(bool enabled);

    QPointer<TMDIChild> window_;
    bool running_ = false;
    bool stopRequested_ = false;
};

// Opens the dialog modally on window; errors of the search are shown by the
// program's general error display.
void ShowTextSearch(TMDIChild& window);
