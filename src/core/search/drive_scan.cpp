#include "core/search/drive_scan.h"

#include <new>

#include "core/platform/errors.h"
#include "core/search/byte_search.h"

namespace {

std::string WithBackslash(const std::string& dir) {
    return !dir.empty() && dir.back() == '\\' ? dir : dir + '\\';
}

}  // namespace

TDriveScan::TDriveScan(TDriveSearchCriteria criteria)
    : criteria_(std::move(criteria)), patterns_(criteria_.Patterns) {}

TScanEnd TDriveScan::Run(TDriveScanSink& sink) {
    dirs_.clear();
    skipped_ = 0;
    otherMounts_ = 0;
    try {
        return ScanDirectory(criteria_.BaseDirectory, 0, true, sink);
    } catch (const std::bad_alloc&) {
        // The directory table outgrew the memory: what was found stays.
        return TScanEnd::Full;
    }
}

bool TDriveScan::Passes(const plat::FindData& file, const plat::Dir& dir, const std::string& dirPath,
                        bool textHeld) const {
    if (criteria_.UseSize && (file.size < criteria_.MinSize || file.size > criteria_.MaxSize))
        return false;
    if (criteria_.UseDate) {
        const plat::DateTime written = plat::FileTimeToDateTime(file.writeTime);
        if (written < criteria_.DateFrom || written > criteria_.DateTo) return false;
    }
    if (criteria_.ScanText.empty() || textHeld) return true;
    // Devices and pipes are never opened for data; a file that cannot be
    // read (gone meanwhile, unreadable) does not contain the text.
    if (file.isSpecial || file.isDanglingLink) return false;
    // A link is read through its path; a file by its name in the open
    // directory, without the whole path being looked up again.
    if (!file.isLink) return LookAtText(dir, file.name, dirPath) == TTextLook::Holds;
    try {
        return FileSearch(WithBackslash(dirPath) + file.name, criteria_.ScanText, criteria_.CaseSensitive, 0) >= 0;
    } catch (const EInOutError&) {
        return false;
    }
}

TDriveScan::TTextLook TDriveScan::LookAtText(const plat::Dir& dir, const std::string& name,
                                             const std::string& dirPath) const {
    // Never through a link, never a pipe or device: those are not opened.
    plat::File f;
    if (plat::OpenFileAt(dir, name, plat::OpenMode::Read, f) != plat::FileError::None) return TTextLook::Unknown;
    try {
        return FileSearch(f, WithBackslash(dirPath) + name, criteria_.ScanText, criteria_.CaseSensitive, 0) >= 0
                   ? TTextLook::Holds
                   : TTextLook::Lacks;
    } catch (const EInOutError&) {
        return TTextLook::Lacks;  // a read that fails: the file does not contain it
    }
}

TScanEnd TDriveScan::ScanDirectory(const std::string& dir, int32_t index, bool isBase,
                                   TDriveScanSink& sink) {
    sink.DirectoryEntered(dir);
    std::vector<std::string> subdirectories;
    bool full = false, stopped = false;
    int counter = 0;
    bool readable = false;
    // Without size or date bounds the text decides first; textHeld says
    // the name in hand was found to contain it.
    const bool textFirst = !criteria_.ScanText.empty() && !criteria_.UseSize && !criteria_.UseDate;
    bool textHeld = false;
    {
        // The base may be reached through a link; below it, no directory
        // is. The directory is closed before its subdirectories are opened,
        // so a deep tree holds no descriptor a level.
        plat::Dir handle;
        readable = plat::OpenDir(dir, isBase, handle) == plat::FileError::None &&
                   plat::ReadTreeDirectory(
                       handle,
                       [&](const std::string& name) {
                           // The stop flag is read every few names, matching or not: a
                           // directory of many thousands still answers at once. Once
                           // stopped, the rest of the directory is passed over unread.
                           if (!stopped && ((++counter & 15) == 0 || textFirst) && sink.StopRequested())
                               stopped = true;
                           if (stopped || !patterns_.Matches(name)) return false;
                           textHeld = false;
                           if (!textFirst) return true;
                           // Most files lack the text: looked at first, they cost no
                           // further calls. What cannot be opened by name (a link, a
                           // pipe) is judged with its facts.
                           const TTextLook look = LookAtText(handle, name, dir);
                           textHeld = look == TTextLook::Holds;
                           return look != TTextLook::Lacks;
                       },
                       [&](const plat::FindData& file) {
                           // Searching a file's text can take long: asked before each one.
                           if (!textFirst && !criteria_.ScanText.empty() && sink.StopRequested()) stopped = true;
                           if (stopped) return false;
                           if (!Passes(file, handle, dir, textHeld)) return true;
                           full = !sink.FileFound(file, index);
                           return !full;
                       },
                       subdirectories, otherMounts_);
    }
    if (full) return TScanEnd::Full;
    if (stopped || sink.StopRequested()) return TScanEnd::Stopped;
    if (!readable) ++skipped_;
    const std::string parent = WithBackslash(dir);
    for (const std::string& name : subdirectories) {
        if (name[0] == '.') continue;
        // The name as the file system spells it: an upper-cased one would
        // name another directory, or none.
        dirs_.push_back({name, index});
        const TScanEnd end =
            ScanDirectory(parent + name, static_cast<int32_t>(dirs_.size()), false, sink);
        if (end != TScanEnd::Complete) return end;
    }
    return TScanEnd::Complete;
}

std::string TDriveScan::RelativeDirectory(int32_t dirIndex) const {
    std::vector<const std::string*> names;
    // The chain climbs strictly: a parent is always recorded before its
    // children, so a corrupt index cannot loop.
    while (dirIndex > 0 && static_cast<size_t>(dirIndex) <= dirs_.size()) {
        const TScanDirectory& d = dirs_[static_cast<size_t>(dirIndex) - 1];
        names.push_back(&d.Name);
        if (d.Parent >= dirIndex) break;
        dirIndex = d.Parent;
    }
    std::string out;
    for (auto it = names.rbegin(); it != names.rend(); ++it) out += **it + "\\";
    return out;
}
