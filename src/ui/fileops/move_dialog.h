// "Move" (TFMove): moves the tagged files of a directory window into a
// destination directory as a complete copy followed by the deletion of the
// source. Every file lands directly in the destination; a source is deleted
// only after its copy is complete.
#pragma once

#include "ui/fileops/transfer_dialog.h"

class TFMove : public TTransferDialog {
    Q_OBJECT
public:
    // preset: the drop target's directory when opened by a drop.
    explicit TFMove(const TFileSource& source, const std::optional<std::string>& preset = std::nullopt,
                    QWidget* parent = nullptr);
    explicit TFMove(TMDIChild& source, const std::optional<std::string>& preset = std::nullopt,
                    QWidget* parent = nullptr)
        : TFMove(SourceOf(source), preset, parent) {}

    void OKBtnClick() override;

private:
    void MoveFiles(const std::string& to);
};
