// What the four directory dialogs share: the OK, Cancel and Help buttons,
// refusals that keep the dialog open, the help topic, and a running loop
// during which only Cancel is live (the cancel protocol itself is
// TCancelableDialog's).
#pragma once

#include <cstdint>
#include <string>

#include "core/fileops/file_primitives.h"
#include "ui/fileops/cancelable_dialog.h"

class QBoxLayout;
class QListWidget;
class QPushButton;
class QWidget;
class TFrameServices;

class TDirOpDialog : public TCancelableDialog {
    Q_OBJECT
  public:
    // The result of a dialog that ends because of an unexpected failure.
    static constexpr int kAbortResult = 3;

    // frame: the frame the dialog opens over (none outside one).
    TDirOpDialog(const QString& caption, int helpTopic, TFrameServices* frame = nullptr);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    virtual void OKBtnClick() = 0;
    void HelpBtnClick();

  protected:
    // A row with the buttons, right-aligned, plus any extra buttons first.
    QBoxLayout* ButtonRow(const QList<QPushButton*>& extra = {});
    // The refusal: the message through the prompter, focus back on field.
    void Refuse(const std::string& message, QWidget* field);
    // Disables every control of the dialog but Cancel.
    void LockForRun();
    // Lists the tree below root into tree and the list box (under the wait
    // cursor) and counts its files and directories.
    static void ShowTree(const std::string& root, TTreeListing& tree, QListWidget* list,
                         int64_t& files, int64_t& dirs);

    TFrameServices* frame_;

  private:
    int helpTopic_;
};
