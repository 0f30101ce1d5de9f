// "Tag based on attributes": tags the entries that carry at least one of
// the checked attributes. The boxes are kept under "F_BYATTR" by OK only.
#pragma once

#include "ui/tagging/tag_base_dialog.h"

class QCheckBox;

class TTagAttrDialog : public TTagDialog {
    Q_OBJECT
public:
    explicit TTagAttrDialog(TMDIChild* window, QWidget* parent = nullptr);

    QCheckBox* CB_Archive;
    QCheckBox* CB_Readonly;
    QCheckBox* CB_System;
    QCheckBox* CB_Hidden;

    void OKBtnClick() override;
};
