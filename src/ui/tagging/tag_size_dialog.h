// "Tag by Size": tags the entries whose size in bytes lies between two
// typed bounds, both included, in whichever order typed.
#pragma once

#include "ui/tagging/tag_base_dialog.h"

class QLineEdit;

class TTagSizeDialog : public TTagDialog {
    Q_OBJECT
public:
    explicit TTagSizeDialog(TMDIChild* window, QWidget* parent = nullptr);

    QLineEdit* E_From;  // digits (and blanks), up to 20 characters
    QLineEdit* E_To;

    void OKBtnClick() override;

private:
    // Reads one bound; false (after the refusal) when it does not convert.
    bool ReadBound(QLineEdit* field, const char* emptyMessage, int64_t& out);
};
