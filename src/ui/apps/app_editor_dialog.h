// "Application Editor": adds an application to the list or changes one,
// with the command-line reference beside the fields.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TTApp;

class TAppEditorDialog : public QDialog {
    Q_OBJECT
public:
    // index -1 adds an entry; else the entry at index is changed.
    TAppEditorDialog(TTApp& apps, int index, QWidget* parent = nullptr);

    QComboBox* CB_Category;
    QLineEdit* E_Name;
    QLineEdit* E_Program;
    QPushButton* FindBtn;
    QLineEdit* E_Directory;
    QLineEdit* E_Command;
    QCheckBox* CB_Test;
    QPlainTextEdit* M_Reference;  // "Command Line Reference"
    QPushButton* SaveBtn;         // "&Save Instr"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Validation in field order; the first failure is said and its field
    // focused. Otherwise keeps the category, stores the entry, closes.
    void OKBtnClick();
    void FindBtnClick();
    void SaveBtnClick();
    // Writes the reference text to a file; false (with the message said)
    // when it cannot be written.
    bool SaveReference(const std::string& path);

private:
    TTApp& apps_;
    int index_;
};

// The reference text of the template codes.
const char* CommandLineReference();
