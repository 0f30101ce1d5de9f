// "Run a program": starts a command typed by hand (or picked from the
// history "FDO"/"PROGRAMS") through the shell.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

constexpr int kRunCommandMax = 120;

class TRunProgramDialog : public QDialog {
    Q_OBJECT
public:
    explicit TRunProgramDialog(QWidget* parent = nullptr);

    QComboBox* CB_DO;
    QPushButton* FindBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // An empty or too long command is said and the dialog stays; otherwise
    // the command is kept, started, and the dialog closes.
    void OKBtnClick();
    void FindBtnClick();
};
