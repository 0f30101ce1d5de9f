// "Set Wildcards": changes the file filter (Wildcards) of one directory
// window and reads its directory again. The lists used are kept as history
// under "SWILD", "WILD".
#pragma once

#include <QDialog>
#include <QPointer>

#include "ui/tagging/wildcard_field_qt.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class TMDIChild;

class TSetWildcardsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSetWildcardsDialog(TMDIChild* window, QWidget* parent = nullptr);

    QLineEdit* E_Wild;        // the window's pattern list when the dialog opens
    QListWidget* LB_History;  // the stored history, newest first
    QPushButton* ResetBtn;    // sets the field to "*.*"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // Checks the field; a refused text is said through the prompter and the
    // dialog stays open with the field focused. Otherwise stores the history
    // and the window's Wildcards, re-reads the window and closes with OK.
    void OKBtnClick();
    void ResetBtnClick();
    // A click on a history item copies it into the pattern field.
    void HistoryClick(int row);

private:
    QPointer<TMDIChild> window_;
    TWildcardField field_;
};

// Runs the dialog modally for window.
void ShowSetWildcards(TMDIChild& window);
