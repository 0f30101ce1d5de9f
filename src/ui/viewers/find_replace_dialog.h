// "Find and Replace": the editor's replace dialog, with the find and
// replacement histories and the same two choices as "Find Text".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QPushButton;

class TFindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindReplaceDialog(QWidget* parent = nullptr);

    QComboBox* CB_Text;     // "&Find:", history "Find"/"CB_Text"
    QComboBox* CB_Replace;  // "&Replace:", history "Find"/"CB_Replace"
    QCheckBox* CB_Top;
    QCheckBox* CB_Case;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    void OKBtnClick();

private:
    std::vector<std::string> findHistory_, replaceHistory_;
};
