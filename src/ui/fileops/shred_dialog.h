// "Shred Files" (TfShred): overwrites each tagged file with the fixed byte
// pattern and then deletes it, so its old content is not left behind.
#pragma once

#include "ui/fileops/file_operation_dialog.h"

class TfShred : public TFileOperationDialog {
    Q_OBJECT
public:
    explicit TfShred(TMDIChild& source, QWidget* parent = nullptr);
    void OKBtnClick() override;
};
