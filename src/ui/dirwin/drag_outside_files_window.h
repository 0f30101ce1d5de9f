// The source of a copy or move of files dropped from another application:
// a directory window that is never shown, whose entries are the dropped
// files, all tagged. The copy and move dialogs take it like any window.
// Files of one directory are listed by name; files of several directories
// by their full paths.
#pragma once

#include <string>
#include <vector>

#include "ui/dirwin/mdi_child_window.h"

class TOutsideFiles : public TMDIChild {
    Q_OBJECT
public:
    // files: full Windows-form paths; frame: where the dialogs open.
    explicit TOutsideFiles(std::vector<std::string> files, TFrameServices* frame = nullptr);

    // The directory holding every file.
    std::string GetDirectory() override { return directory_; }
    int GetTaggedCount() override { return static_cast<int>(files_.size()); }
    void WriteTaggedList(const std::string& fileName) override;
    void GetTaggedNames(std::vector<std::string>& names) override;
    bool IsTagged(int index) override { return index >= 0 && index < GetListCount(); }
    int FirstTagged() override { return files_.empty() ? -1 : 0; }
    int NextTagged(int index) override { return index + 1 < GetListCount() ? index + 1 : -1; }
    int GetEntryCount() override { return GetListCount(); }
    int GetListCount() override { return static_cast<int>(files_.size()); }
    std::string GetEntryName(int index) override;
    std::string GetEntryPath(int index) override;

    // Nothing is shown, read or dragged.
    bool ShowsPath(const std::string&) override { return false; }
    void ReadDirectory() override {}
    void Refresh() override {}
    std::string GetSelectedDirectory() override { return directory_; }
    char GetDrive() override { return directory_.empty() ? '\0' : directory_[0]; }
    void SetupHeader() override {}
    void UpdateStatus() override {}
    void RepaintList() override {}
    int GetCurrentIndex() override { return -1; }
    bool ApplyListFont() override { return false; }
    void CancelDrag() override {}

private:
    std::vector<std::string> files_;
    std::string directory_;
    bool oneDirectory_ = false;
};
