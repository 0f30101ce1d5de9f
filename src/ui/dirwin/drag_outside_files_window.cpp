#include "ui/dirwin/drag_outside_files_window.h"

#include "core/filelist/dir_navigation.h"
#include "core/filelist/drag_drop_rules.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"

TOutsideFiles::TOutsideFiles(std::vector<std::string> files, TFrameServices* frame)
    : TMDIChild(frame), files_(std::move(files)), directory_(CommonDirectory(files_)) {
    oneDirectory_ = !directory_.empty();
    for (const std::string& f : files_)
        if (!plat::SameText(ParentDirectory(f), directory_)) oneDirectory_ = false;
}

std::string TOutsideFiles::GetEntryName(int index) {
    const std::string path = GetEntryPath(index);
    return path.substr(path.rfind('\\') + 1);
}

std::string TOutsideFiles::GetEntryPath(int index) {
    return IsTagged(index) ? files_[static_cast<size_t>(index)] : std::string();
}

void TOutsideFiles::GetTaggedNames(std::vector<std::string>& names) {
    // A full path carries its own directory; the dialogs take it as it is.
    for (int i = 0; i < GetListCount(); ++i) names.push_back(oneDirectory_ ? GetEntryName(i) : files_[i]);
}

void TOutsideFiles::WriteTaggedList(const std::string& fileName) {
    std::string text;
    for (const std::string& f : files_) text += f + '\n';
    plat::File file;
    plat::FileError e = plat::OpenFile(fileName, plat::OpenMode::CreateTruncate, file);
    if (e != plat::FileError::None) throw EInOutError("Bad open of: " + fileName, static_cast<int>(e));
    size_t written = 0;
    e = plat::WriteFile(file, text.data(), text.size(), written);
    const plat::FileError closed = plat::CloseFile(file);
    if (e == plat::FileError::None && written != text.size()) e = plat::FileError::DiskFull;
    if (e == plat::FileError::None) e = closed;
    if (e != plat::FileError::None) throw EInOutError(plat::ErrorText(e), static_cast<int>(e));
}
