// What the copy and move dialogs share: the destination box, whose
// drop-down offers the directories of the other directory windows, the
// overwrite warning ("WOptions"/"OVerwrite", shared by both), the Find
// button and the destination's validation through the current directory.
#pragma once

#include <optional>
#include <string>

#include "ui/fileops/file_operation_dialog.h"

class QCheckBox;
class QComboBox;

class TTransferDialog : public TFileOperationDialog {
    Q_OBJECT
public:
    QComboBox* CB_Destination;
    QCheckBox* CB_Overwrite;  // "&Warn on overwrite"
    QPushButton* FindBtn;

    // Ask before an existing target is overwritten.
    bool WarnOverwrite = true;

    std::string DestinationText() const;
    // Opens the Find Directory dialog; its directory replaces the
    // destination text when it ends with OK.
    void FindBtnClick();

protected:
    // source: the files transferred and the window they come from. preset:
    // the destination of a drop, nullopt when opened by a command.
    TTransferDialog(const TFileSource& source, const std::optional<std::string>& preset,
                    const std::string& caption, int helpTopic, const std::string& cancelQuestion,
                    QWidget* parent);

    // The destination with trailing blanks removed must name a reachable
    // directory; it becomes the current directory and the box then holds
    // its full path. False (after the message) when the dialog stays.
    bool AcceptDestination();
    // Stores WarnOverwrite for both dialogs.
    void SaveWarnOverwrite();
};
