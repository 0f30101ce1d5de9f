// "Delete" (TfDelete): deletes the tagged files of the active directory
// window outright. The dialog is the confirmation; a file that cannot be
// deleted (read-only, in use, gone) is put to the user.
#pragma once

#include "ui/fileops/file_operation_dialog.h"

class TfDelete : public TFileOperationDialog {
    Q_OBJECT
public:
    explicit TfDelete(TMDIChild& source, QWidget* parent = nullptr);
    void OKBtnClick() override;
};
