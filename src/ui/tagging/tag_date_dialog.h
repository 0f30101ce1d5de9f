// "Tag by Date Range": tags the entries last modified on a calendar day
// between two typed dates, both days included, in whichever order typed.
#pragma once

#include "ui/tagging/tag_base_dialog.h"

class QLineEdit;

class TTagDateDialog : public TTagDialog {
    Q_OBJECT
public:
    explicit TTagDateDialog(TMDIChild* window, QWidget* parent = nullptr);

    QLineEdit* E_From;  // masked "00/00/00", blank "  /  /  "
    QLineEdit* E_To;

    void OKBtnClick() override;
};
