// "Tag by Wildcards": tags the entries whose file name a pattern list
// selects. The lists used are kept as history under "FWILD", "WILD".
#pragma once

#include "ui/tagging/tag_base_dialog.h"
#include "ui/tagging/wildcard_field_qt.h"

class TTagWildcardsDialog : public TTagDialog {
    Q_OBJECT
public:
    explicit TTagWildcardsDialog(TMDIChild* window, QWidget* parent = nullptr);

    QLineEdit* E_Wild;        // the pattern list, "*.*" when the dialog opens
    QListWidget* LB_History;  // the stored history, newest first
    QPushButton* ResetBtn;    // sets the field back to "*.*"

    void OKBtnClick() override;
    void ResetBtnClick();
    // A click on a history item copies it into the pattern field.
    void HistoryClick(int row);

private:
    TWildcardField field_;
};
