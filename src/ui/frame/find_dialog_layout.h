// What the find dialogs (Find Text, Find and Replace, Find Hex Characters)
// share: the "From &Top" and case boxes read from their keys, and one
// layout of fields, boxes and buttons.
#pragma once

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QPushButton;
class QWidget;

struct TFindBoxes {
    QCheckBox* Top;   // "From &Top", object name CB_Top
    QCheckBox* Case;  // caseText, object name CB_Case
};

// An empty text field offering history in its drop-down; typing is never
// completed.
QComboBox* FindHistoryBox(QWidget* dialog, const char* name, const std::vector<std::string>& history);

// The two boxes, checked as stored under section/topKey and section/caseKey.
TFindBoxes MakeFindBoxes(QWidget* dialog, const std::string& section, const char* topKey, bool topDefault,
                         const char* caseText, const char* caseKey, bool caseDefault);

// The fields above, the two boxes in a row, the buttons at the right.
void LayOutFindDialog(QWidget* dialog, QFormLayout* fields, const TFindBoxes& boxes, QPushButton* ok,
                      QPushButton* cancel);
