// "Quick Directory Update": adds a quick directory or changes one.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TDlist;

class TQuickDirUpdateDialog : public QDialog {
    Q_OBJECT
public:
    // index -1 adds an entry. openDirectories: the directories of the open
    // split windows, offered in the drop-down.
    TQuickDirUpdateDialog(TDlist& list, int index, const std::vector<std::string>& openDirectories,
                          QWidget* parent = nullptr);

    QLineEdit* E_Name;
    QComboBox* CB_Directory;
    QLineEdit* E_Wild;
    QCheckBox* CB_Autoload;
    QPushButton* FindBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Validation in field order (the directory by making it current, then
    // going back); the first failure is said and its field focused.
    void OKBtnClick();
    void FindBtnClick();

private:
    TDlist& list_;
    int index_;
};
