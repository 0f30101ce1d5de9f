// What the copy, move, delete, shred and attribute dialogs share: the
// tagged files of a directory window taken when the dialog is made, the
// "from" edit, the count and the list that show them, the per-file loop
// with its cancel protocol, and the steps that end a run.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/fileops/cancelable_dialog.h"
#include "core/fileops/file_loop.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TMDIChild;

class TFrameServices;

// The tagged files of a window, in list order, with its directory.
TFileSet FileSetOf(TMDIChild& window);

// What a dialog works on: the files, the frame it opens in and the window
// they come from (none for files dropped from another application).
struct TFileSource {
    TFileSet Files;
    TFrameServices* Frame = nullptr;
    const TMDIChild* Window = nullptr;
};
TFileSource SourceOf(TMDIChild& window);

class TFileOperationDialog : public TCancelableDialog {
    Q_OBJECT
public:
    QLineEdit* E_From;      // the source directory, disabled
    QLabel* L_Count;        // the number of tagged files
    QListWidget* LB1;       // one row per tagged name
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // OperationRunning and CancelRequested live here.
    TFileLoop Loop;

    const TFileSet& FileSet() const { return files_; }
    // True from OK until the run has ended and the dialog closes.
    bool Running() const override { return running_; }

    // Validates and runs the operation; stays open when validation fails.
    virtual void OKBtnClick() = 0;
    void HelpBtnClick();

protected:
    TFileOperationDialog(const std::string& caption, int helpTopic, const std::string& cancelQuestion,
                         QWidget* parent);

    // Fills the "from" edit, the count and the list from the files.
    void TakeFiles(TMDIChild& source);
    void TakeFiles(const TFileSet& files);
    // A row of the "from" label and edit, and one of the count label and
    // count.
    QLayout* SourceRow(const QString& label);
    QLayout* CountRow(const QString& label);
    // OK, Cancel, the extra buttons, Help.
    QLayout* ButtonRow(const QList<QPushButton*>& extra = {});
    // Fixed frame, centred on the screen.
    void FinishLayout(QLayout* layout);

    // Locks the controls for the run: every control but Cancel.
    virtual void LockControls();
    // Runs the operation (its loop), shows any exception that escapes it,
    // then performs finish (stop the gauge, refresh) and closes the dialog.
    void Run(const std::function<void()>& operation, const std::function<void()>& finish);
    // The run of delete, shred and attributes: step on each file's path in
    // list order; a failure is put to the user with promptText's text (none:
    // the loop's own handling). At the end beforeRefresh, if any, then the
    // windows showing the "from" directory read it again.
    using PathStep = TFileLoop::PathStep;
    using PathPrompt = TFileLoop::PathPrompt;
    void RunOnEachPath(const PathStep& step, const PathPrompt& promptText,
                       const std::function<void()>& beforeRefresh = nullptr);
    // The directory of the "from" edit with one trailing backslash.
    std::string FromDirectory() const;

    // The control that has the focus when the dialog is shown.
    void SetInitialFocus(QWidget* w) { initialFocus_ = w; }

    // Cancel's Yes stops the loop before the next file.
    std::string CancelQuestion() const override { return cancelQuestion_; }
    void RequestCancel() override { Loop.CancelRequested = true; }

    void showEvent(QShowEvent* event) override;

private:
    QWidget* initialFocus_ = nullptr;
    TFileSet files_;
    int helpTopic_;
    std::string cancelQuestion_;
    bool running_ = false;
};
