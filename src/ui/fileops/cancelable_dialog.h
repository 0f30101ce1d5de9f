// The cancel protocol of the dialogs that run a loop over files or
// directories: before the run, Cancel (or Escape) closes the dialog; while
// it runs, Cancel asks the dialog's cancel question and Yes asks the run to
// stop; the frame cannot close the dialog before the run has ended.
#pragma once

#include <QDialog>
#include <string>

class TCancelableDialog : public QDialog {
    Q_OBJECT
public:
    void CancelBtnClick();

public slots:
    // Escape is the Cancel button.
    void reject() override;

protected:
    using QDialog::QDialog;

    // A dialog that never runs a loop keeps these.
    virtual bool Running() const { return false; }
    virtual std::string CancelQuestion() const { return std::string(); }
    virtual void RequestCancel() {}

    void closeEvent(QCloseEvent* event) override;
};
