// TFRDIR: removes a whole directory tree, optionally deleting its files
// first and optionally keeping the emptied directory structure.
#pragma once

#include <string>
#include <vector>

#include "ui/fileops/dir_op_dialog.h"
#include "core/fileops/dir_tree_remove.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

class TFRDIR : public TDirOpDialog {
    Q_OBJECT
  public:
    // root: the directory to remove, listed with its whole tree at once.
    explicit TFRDIR(const std::string& root, TFrameServices* frame = nullptr);

    QLineEdit* E_Root;
    QListWidget* LB_Tree;
    QCheckBox* CB_KeepStruct;   // "&Keep Sub Directory Structure"
    QLineEdit* E_Files;         // file count of the tree
    QLineEdit* E_Dirs;          // directory count, the root included
    QCheckBox* CB_DeleteFile;   // "&Delete existing files "
    QCheckBox* CB_DelReadonly;  // "&Override file attributes"

    const std::string& Root() const { return root_; }
    const std::vector<std::string>& Lines() const { return tree_.lines; }

    // Asks before anything is deleted, then runs and closes.
    void OKBtnClick() override;

  protected:
    bool Running() const override { return run_.OperationRunning; }
    std::string CancelQuestion() const override { return "Cancel the Delete process?"; }
    void RequestCancel() override { run_.Aborted = true; }

  private:
    void Run();

    std::string root_;
    TTreeListing tree_;
    TTreeRemoval run_;
};
