// The pattern field of the wildcard dialogs: an edit for a pattern list with
// a "*.*" button beside it that resets it, and below them the lists used
// before, newest first, kept as history under the dialog's section and
// "WILD"; a click on one copies it into the edit.
#pragma once

#include <string>
#include <vector>

class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

class TWildcardField {
public:
    // Makes the controls as children of dialog and reads the history.
    TWildcardField(QWidget* dialog, const char* section);
    TWildcardField(const TWildcardField&) = delete;
    TWildcardField& operator=(const TWildcardField&) = delete;

    QLineEdit* Edit;
    QPushButton* ResetBtn;
    QListWidget* History;
    QLayout* Row;  // the edit and its button, for the dialog to lay out

    // "*.*" into the edit.
    void Reset();
    // The history entry of row into the edit; nothing for another row.
    void ShowEntry(int row);
    // Puts text first in the history (as AddToHistory does).
    void Remember(const std::string& text);
    // Writes the history to the settings file.
    void Save() const;

private:
    std::string section_;
    std::vector<std::string> history_;
};
