// TFRenam: renames one file or one directory. The new name is taken
// relative to the old path's directory; an existing name is never replaced.
// RenameTaggedEntries walks a directory window's tagged entries through it.
#pragma once

#include <functional>
#include <string>

#include "ui/fileops/dir_op_dialog.h"

class QLineEdit;
class TMDIChild;

enum class TRenameMode { File, Directory };

class TFRenam : public TDirOpDialog {
    Q_OBJECT
  public:
    explicit TFRenam(TFrameServices* frame = nullptr);

    QLineEdit* E_Old;  // "Change:", read-only
    QLineEdit* E_New;  // "&To:"

    // Sets the path to rename and the mode; the new name starts as the old
    // path's last component. Call before each showing.
    void Prepare(const std::string& oldPath, TRenameMode mode);

    const std::string& OldPath() const { return oldPath_; }
    TRenameMode Mode() const { return mode_; }
    // True after a successful rename.
    bool Completed() const { return completed_; }

    void OKBtnClick() override;

  private:
    bool Rename();

    std::string oldPath_;
    TRenameMode mode_ = TRenameMode::File;
    bool completed_ = false;
};

// How the walk shows the dialog for one entry; by default modally.
using TShowRename = std::function<void(TFRenam&)>;

// Renames the tagged entries of window one by one through one rename
// dialog, untagging each renamed entry; stops at the first entry whose
// rename did not complete. Afterwards every window showing the window's
// directory reads it again when anything was renamed.
void RenameTaggedEntries(TMDIChild& window, const TShowRename& show = nullptr);
