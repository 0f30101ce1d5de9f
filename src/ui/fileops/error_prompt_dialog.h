// TFError: the error prompt of the file loops. Shows the failure and asks to
// retry the file, skip it (Cancel) or abort the remaining files. It cannot
// be closed from its frame; only its three buttons (or Escape for Cancel)
// end it.
#pragma once

#include <QDialog>
#include <string>

#include "core/seams/prompter.h"

class QPlainTextEdit;
class QPushButton;

class TFError : public QDialog {
    Q_OBJECT
public:
    explicit TFError(const std::string& message, QWidget* parent = nullptr);

    QPlainTextEdit* M_Message;
    QPushButton* RetryBtn;
    QPushButton* CancelBtn;
    QPushButton* AbortBtn;

    ErrorAction Answer() const { return answer_; }

    // Shows a new prompt modally for message and returns the answer.
    static ErrorAction AskErrorAction(const std::string& message);

public slots:
    // Escape answers Cancel (skip this file).
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AnswerWith(ErrorAction action);
    ErrorAction answer_ = ErrorAction::SkipFile;
    bool answered_ = false;
};
