// What the four directory dialogs share: the OK, Cancel and Help buttons,
// refusals that keep the dialog open, the help topic, and the protocol of
// a running loop: while it runs only Cancel is live, Cancel (or Escape)
// asks the dialog's cancel question, and the frame cannot close the dialog
// before the loop has ended.
#pragma once

#include <QDialog>
#include <string>

class QBoxLayout;
class QPushButton;
class QWidget;

class TDirOpDialog : public QDialog {
    Q_OBJECT
  public:
    // The result of a dialog that ends because of an unexpected failure.
    static constexpr int kAbortResult = 3;

    TDirOpDialog(const QString& caption, int helpTopic, QWidget* parent = nullptr);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    virtual void OKBtnClick() = 0;
    // Before the run: closes the dialog. While it runs: asks the cancel
    // question; Yes asks the run to stop.
    void CancelBtnClick();
    void HelpBtnClick();

  public slots:
    void reject() override;

  protected:
    // The running dialogs answer these; the others never run a loop.
    virtual bool Running() const { return false; }
    virtual std::string CancelQuestion() const { return std::string(); }
    virtual void RequestCancel() {}

    // A row with the buttons, right-aligned, plus any extra buttons first.
    QBoxLayout* ButtonRow(const QList<QPushButton*>& extra = {});
    // The refusal: the message through the prompter, focus back on field.
    void Refuse(const std::string& message, QWidget* field);
    // Disables every control of the dialog but Cancel.
    void LockForRun();

    void closeEvent(QCloseEvent* event) override;

  private:
    int helpTopic_;
};
