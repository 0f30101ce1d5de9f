// "Copy" (TFCopy): copies the tagged files of a directory window into a
// destination directory, keeping the relative sub-directories of a result
// window's names, or sends them raw to the printer port LPT1 or LPT2, each
// file followed by a form feed.
#pragma once

#include "ui/fileops/transfer_dialog.h"

class QRadioButton;

class TFCopy : public TTransferDialog {
    Q_OBJECT
public:
    // preset: the drop target's directory when opened by a drop.
    explicit TFCopy(const TFileSource& source, const std::optional<std::string>& preset = std::nullopt,
                    QWidget* parent = nullptr);
    explicit TFCopy(TMDIChild& source, const std::optional<std::string>& preset = std::nullopt,
                    QWidget* parent = nullptr)
        : TFCopy(SourceOf(source), preset, parent) {}

    QRadioButton* RB_File;  // "&File"
    QRadioButton* RB_LPT1;  // "LPT&1"
    QRadioButton* RB_LPT2;  // "LPT&2"

    void OKBtnClick() override;

private:
    void CopyFiles(const std::string& to, bool printer);
};
