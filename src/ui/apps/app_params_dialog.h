// "Application Parameters": the text a "#" of a command template asks for,
// preset to the last answer, with the earlier answers to pick from.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

class TAppParamsDialog : public QDialog {
    Q_OBJECT
public:
    TAppParamsDialog(const std::string& value, const std::vector<std::string>& history, QWidget* parent = nullptr);

    QLineEdit* E_Prompt;     // "Please enter command line parameter", read-only
    QLineEdit* E_Param;
    QListWidget* LB_History;

    // A click on a history line copies it into the entry line.
    void HistoryClick(int row);
};

// The parameter prompt the launcher installs (SetParameterDialog).
bool ApplicationParameterDialog(std::string& value, const std::vector<std::string>& history);
