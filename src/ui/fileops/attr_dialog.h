// "Set/Reset Attributes" (TAttrDlg): sets, clears or keeps read-only,
// hidden, system and archive on every tagged file. Each box has three
// states (checked: set, unchecked: clear, undetermined: keep each file's
// own bit); the boxes stay usable while the loop runs and are read anew for
// every file. Every other bit of a file's attribute word is kept.
#pragma once

#include <cstdint>

#include "ui/fileops/file_operation_dialog.h"

class QCheckBox;

// One attribute's choice.
enum class TAttrChoice { Clear, Set, Keep };

// The attribute word that results from current and the four choices.
uint32_t NewAttributeWord(uint32_t current, TAttrChoice readOnly, TAttrChoice hidden,
                          TAttrChoice system, TAttrChoice archive);

class TAttrDlg : public TFileOperationDialog {
    Q_OBJECT
public:
    explicit TAttrDlg(TMDIChild& source, QWidget* parent = nullptr);

    QCheckBox* CB_ReadOnly;
    QCheckBox* CB_Hidden;
    QCheckBox* CB_System;
    QCheckBox* CB_Archive;

    void OKBtnClick() override;

protected:
    // Only OK is locked: the boxes apply to the files still to come.
    void LockControls() override;

private:
    // Changes one file's attributes by the boxes as they are now; a file
    // that is missing or refuses the change is passed over.
    void ChangeAttributes(const std::string& path);
};
