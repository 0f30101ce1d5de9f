// "Find Text": the search dialog of the text viewer and the editor. Its
// answer goes into the frame's shared search state, so every viewer and
// editor continues the same search.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;
struct TFindState;

class TFindTextDialog : public QDialog {
    Q_OBJECT
public:
    // state receives the answer on OK; Cancel clears its OK mark.
    TFindTextDialog(TFindState& state, QWidget* parent = nullptr);

    QComboBox* CB_Text;   // history "Find"/"CB_Text", empty on opening
    QCheckBox* CB_Top;    // "Find"/"Top"
    QCheckBox* CB_Case;   // "Find"/"Case"
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void OKBtnClick();
    void CancelBtnClick();

private:
    TFindState& state_;
    std::vector<std::string> history_;
};

// Runs the dialog over the frame's search state; true when it ended with OK.
bool FindText(TFindState& state, QWidget* parent);
