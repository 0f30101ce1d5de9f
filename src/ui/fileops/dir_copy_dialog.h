// TFDIRCPY: copies a directory, optionally with all its subdirectories,
// into a destination, optionally below a new base directory.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/fileops/dir_op_dialog.h"
#include "core/fileops/dir_tree_copy.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

class TFDIRCPY : public TDirOpDialog {
    Q_OBJECT
  public:
    // root: the directory to copy, listed with its whole tree at once.
    // presetDestination: the destination a drop chose.
    explicit TFDIRCPY(const std::string& root,
                      const std::optional<std::string>& presetDestination = std::nullopt,
                      TFrameServices* frame = nullptr);

    QComboBox* CB_Destination;
    QLineEdit* E_From;        // "Copy from:"
    QCheckBox* CB_MkSub;      // "Create &Base sub directory"
    QLineEdit* E_Base;        // the base directory's name
    QCheckBox* CB_IncSubs;    // "&Include Sub-Directories"
    QCheckBox* CB_Overwrite;  // "&Warn on overwrite"
    QListWidget* LB_Tree;
    QPushButton* FindBtn;     // "&Find"
    QLabel* L_Processing;     // "Processing:", shown while running
    QLineEdit* E_Processing;  // the file being copied

    const std::string& Root() const { return root_; }
    const std::vector<std::string>& Lines() const { return tree_.lines; }

    // Checks the destination and the base name, then runs and closes.
    void OKBtnClick() override;
    // Takes a destination from the Find Directory dialog.
    void FindBtnClick();

  protected:
    bool Running() const override { return run_.OperationRunning; }
    std::string CancelQuestion() const override { return "Cancel the copy process?"; }
    void RequestCancel() override { run_.CancelRequested = true; }

  private:
    void FillDestinations();
    void Run();

    std::string root_;
    TTreeListing tree_;
    TTreeCopy run_;
};
