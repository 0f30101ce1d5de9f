#include "core/fileops/file_primitives.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <unordered_set>

#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"

namespace {

constexpr char kCrLf[] = "\r\n";
// What FindFiles should report of a directory: everything but volume labels.
constexpr uint32_t kAllButVolume =
    plat::faReadOnly | plat::faHidden | plat::faSysFile | plat::faDirectory | plat::faArchive;
constexpr uint32_t kUserAttributes =
    plat::faReadOnly | plat::faHidden | plat::faSysFile | plat::faArchive;

[[noreturn]] void Raise(const std::string& message, plat::FileError code) {
    throw EInOutError(message, static_cast<int>(code));
}

// The system's own text for a failure, as the shred reports it.
[[noreturn]] void RaiseSystem(plat::FileError code) { Raise(plat::ErrorText(code), code); }

// Opening the target for writing would truncate the only copy when both
// paths name the same file: the same path (case aside), or two names of one
// host file (another drive letter on the same folder, a hard or symbolic
// link). Two distinct files whose names differ only in case may both exist
// on a case-sensitive file system and are copied normally.
bool IsSameFile(const std::string& source, const std::string& target) {
    if (plat::SameFile(source, target)) return true;
    std::string a = plat::ExpandFileName(source), b = plat::ExpandFileName(target);
    if (a.empty() || !plat::SameText(a, b)) return false;
    return a == b || !(plat::FileExists(source) && plat::FileExists(target));
}

// Asks before an existing target is overwritten, naming it as the file
// system spells it: the name built from the source may lead to a file
// spelled otherwise ("A.TXT" to "a.txt", "FOO." to "FOO"). Printer ports and
// paths without a drive colon are never asked about.
CopyResult AskOverwrite(const std::string& target) {
    if (target.find(':') == std::string::npos) return CopyResult::Copied;
    MsgResult r = prompter().Message(
        "File: " + plat::ActualSpelling(target) + kCrLf + "Already exists. Overwrite?",
        MsgIcon::Question, mbYesNoCancel);
    if (r == MsgResult::No) return CopyResult::Skipped;
    if (r == MsgResult::Yes) return CopyResult::Copied;
    return CopyResult::Aborted;
}

bool DotName(const std::string& path) {
    size_t start = path.find_last_of("\\:");
    start = start == std::string::npos ? 0 : start + 1;
    return start < path.size() && path[start] == '.';
}

void WriteAll(plat::File& out, const char* data, size_t n) {
    size_t written = 0;
    if (plat::WriteFile(out, data, n, written) != plat::FileError::None || written != n)
        Raise("Disk full?", plat::FileError::DiskFull);
}

std::function<void()> copyBlockHook;

// Opens the target for the data: a new file where no entry is, an existing
// file in place; a link is replaced by a new file and never written through
// (it may lead anywhere, or nowhere yet). FileExists when a name thought
// free leads to an entry after all.
plat::FileError OpenTarget(const std::string& target, plat::EntryKind there, plat::File& out) {
    using plat::OpenMode;
    if (plat::IsPortName(target)) return plat::OpenFile(target, OpenMode::CreateTruncate, out);
    switch (there) {
        case plat::EntryKind::Missing: return plat::OpenFile(target, OpenMode::CreateNew, out);
        case plat::EntryKind::Link:
            if (auto e = plat::DeleteFile(target); e != plat::FileError::None) return e;
            return plat::OpenFile(target, OpenMode::CreateNew, out);
        default: return plat::OpenFile(target, OpenMode::CreateTruncate, out);
    }
}

// The bytes of the open source into the open target, then the target
// closed; size and writeTime are the source's when it was opened.
void MoveBytes(plat::File& in, plat::File& out, const std::string& source, int64_t size,
               const plat::FileTime& writeTime, bool formFeed) {
    // The kernel copies block by block without passing the bytes through
    // this process. The one way a buffered write fails is a full disk
    // (or quota, or size limit): that is "Disk full?"; any other failure of
    // the copy is the reading side's. The end is confirmed by a plain read.
    int64_t copied = 0;
    while (copied < size) {
        size_t got = 0;
        const auto want = static_cast<size_t>(std::min<int64_t>(kCopyBlockSize, size - copied));
        auto e = plat::CopyFileRange(in, out, want, got);
        if (e == plat::FileError::DiskFull) Raise("Disk full?", e);
        if (e != plat::FileError::None) Raise("Error reading: " + source, e);
        if (got == 0) break;  // shorter than it was
        copied += static_cast<int64_t>(got);
        if (copyBlockHook) copyBlockHook();
    }
    char extra;
    size_t more = 0;
    if (auto e = plat::ReadFile(in, &extra, 1, more); e != plat::FileError::None)
        Raise("Error reading: " + source, e);
    int64_t sizeAfter = 0;
    plat::FileTime timeAfter;
    if (plat::FileStampOf(in, sizeAfter, timeAfter) != plat::FileError::None || copied != size ||
        more != 0 || sizeAfter != size || timeAfter != writeTime)
        Raise("File changed while copied: " + source, plat::FileError::IoError);
    if (formFeed) {
        const char ff = 12;
        WriteAll(out, &ff, 1);
    }
    // A failed close of the target may have lost written data: the copy is
    // not complete, so a move must not go on to delete the source.
    if (plat::CloseFile(out) != plat::FileError::None) Raise("Disk full?", plat::FileError::DiskFull);
}

// Moves the bytes the source held when it was opened; both files are closed
// by their handles whatever is raised, and a partly written target stays as
// it is. A source that changes meanwhile (its size, its write time, or the
// bytes it gave) gives no complete copy: a move must keep it. Answers false,
// with nothing opened, when a target thought free exists after all.
bool CopyData(const std::string& source, const std::string& target, plat::EntryKind there,
              bool formFeed, plat::FileTime& writeTime) {
    plat::File in, out;
    if (auto e = plat::OpenFile(source, plat::OpenMode::Read, in); e != plat::FileError::None)
        Raise("Bad open of: " + source, e);
    int64_t size = 0;
    if (auto e = plat::FileStampOf(in, size, writeTime); e != plat::FileError::None)
        Raise("Error reading: " + source, e);
    if (auto e = OpenTarget(target, there, out); e != plat::FileError::None) {
        if (e == plat::FileError::FileExists && there == plat::EntryKind::Missing) return false;
        Raise("Bad open of: " + target, e);
    }
    MoveBytes(in, out, source, size, writeTime, formFeed);
    return true;
}

// A link is copied as itself: a new link with the same target text; what it
// names is never read. Answers false when a name thought free exists.
bool CopyLinkEntry(const std::string& source, const std::string& target, plat::EntryKind there) {
    std::string text;
    if (auto e = plat::ReadLink(source, text); e != plat::FileError::None)
        Raise("Bad open of: " + source, e);
    if (there != plat::EntryKind::Missing)
        if (auto e = plat::DeleteFile(target); e != plat::FileError::None)
            Raise("Bad open of: " + target, e);
    auto e = plat::CreateLink(target, text);
    if (e == plat::FileError::AlreadyExists && there == plat::EntryKind::Missing) return false;
    if (e != plat::FileError::None) Raise("Bad open of: " + target, e);
    return true;
}

// The source's attributes onto its copy. The re-created target already has
// the normal attributes (and hidden when its name starts with a dot); only
// other bits need writing.
void CarryAttributes(uint32_t attr, const std::string& target) {
    const uint32_t wanted = attr & kUserAttributes;
    if (attr != plat::kInvalidAttributes &&
        wanted != (plat::faArchive | (DotName(target) ? uint32_t{plat::faHidden} : 0u)))
        plat::SetFileAttributes(target, wanted);
}

bool IsDanglingLink(const std::string& path) {
    plat::FindData facts;
    return plat::GetFindData(path, facts) && facts.isDanglingLink;
}

// CopyOneFile; targetAbsent says the caller already knows that no entry of
// the target's name (in any case) exists, which spares a lookup per file. A
// name that leads to an entry all the same ("FOO." to "FOO") is found when
// the target is made, and then asked about like any other.
CopyResult CopyFile(const std::string& source, const std::string& target, bool warn,
                    bool formFeed, bool targetAbsent, TCopyRun* run = nullptr) {
    const bool port = plat::IsPortName(target);
    const plat::EntryKind kind = plat::GetEntryKind(source);
    // An open or a read of a device, FIFO or socket may never end.
    if (kind == plat::EntryKind::Special)
        Raise("Not a regular file: " + source, plat::FileError::AccessDenied);
    // A printer takes bytes, never a link; a link that leads nowhere has none.
    if (port && kind == plat::EntryKind::Link && IsDanglingLink(source))
        Raise(BrokenLinkMessage(source), plat::FileError::FileNotFound);
    // An existing target is any entry of the name, a link (dangling or not)
    // included, found as the file calls find it.
    const plat::EntryKind there =
        port || targetAbsent ? plat::EntryKind::Missing : plat::GetEntryKind(target);
    // A directory, or a device, FIFO or socket, of the target's name is
    // neither written nor replaced: asking first would change nothing.
    if (there == plat::EntryKind::Directory || there == plat::EntryKind::Special)
        Raise("Bad open of: " + target, plat::FileError::AccessDenied);
    if (there != plat::EntryKind::Missing) {
        if (IsSameFile(source, target))
            Raise("Cannot copy a file onto itself: " + source, plat::FileError::AccessDenied);
        // A file this run has written holds another source's copy (for a
        // move, the only one left): it is never replaced unasked, whatever
        // the warning says. The question gives the choice the user would
        // have had with the warning on.
        if (warn || (run && run->Wrote(plat::ActualSpelling(target)))) {
            CopyResult answer = AskOverwrite(target);
            if (answer != CopyResult::Copied) return answer;
        }
    }

    plat::FileTime writeTime;
    const bool made = kind == plat::EntryKind::Link && !port
                          ? CopyLinkEntry(source, target, there)
                          : CopyData(source, target, there, formFeed, writeTime);
    if (!made) {
        if (!targetAbsent) Raise("Bad open of: " + target, plat::FileError::FileExists);
        return CopyFile(source, target, warn, formFeed, false, run);
    }
    if (run && !port) run->Note(plat::ActualSpelling(target));
    // A printer port is a device, not a file: it takes no date or attributes;
    // a link has none of its own.
    if (port || kind == plat::EntryKind::Link) return CopyResult::Copied;
    if (plat::SetFileTime(target, writeTime) != plat::FileError::None)
        Raise("Couldn't set the file date", plat::FileError::AccessDenied);
    CarryAttributes(plat::GetFileAttributes(source), target);
    return CopyResult::Copied;
}

// The common case of a folder copy, reached through the two opened
// directories: a plain file whose name no entry of the target directory has
// (in any case). Answers false, with nothing made, when the source is no
// plain file now or its name is taken after all: the caller then copies it
// the general way, which finds, asks about or refuses what is there.
bool CopyNewFileAt(const plat::Dir& fromDir, const plat::Dir& toDir, const std::string& name,
                   const std::string& source, const std::string& target, TCopyRun& run) {
    if (plat::GetEntryKindAt(fromDir, name) != plat::EntryKind::File) return false;
    plat::File in, out;
    if (auto e = plat::OpenFileAt(fromDir, name, plat::OpenMode::Read, in); e != plat::FileError::None)
        Raise("Bad open of: " + source, e);
    int64_t size = 0;
    plat::FileTime writeTime;
    if (auto e = plat::FileStampOf(in, size, writeTime); e != plat::FileError::None)
        Raise("Error reading: " + source, e);
    if (auto e = plat::OpenFileAt(toDir, name, plat::OpenMode::CreateNew, out);
        e != plat::FileError::None) {
        if (e == plat::FileError::FileExists) return false;
        Raise("Bad open of: " + target, e);
    }
    MoveBytes(in, out, source, size, writeTime, false);
    run.Note(AddBackslash(toDir.winPath()) + name);
    if (plat::SetFileTimeAt(toDir, name, writeTime) != plat::FileError::None)
        Raise("Couldn't set the file date", plat::FileError::AccessDenied);
    CarryAttributes(plat::FileAttributesOf(in), target);
    return true;
}

// Whether the entry itself is a symbolic link. A trailing backslash would
// make the host look through the link, so it is left off.
bool IsLink(std::string path) {
    while (path.size() > 3 && path.back() == '\\') path.pop_back();
    return plat::GetEntryKind(path) == plat::EntryKind::Link;
}

// The entries of dir that are not directories (everything but volume labels);
// a link to a directory is taken as the link itself. False when dir cannot
// be read.
bool ReadFileEntries(const std::string& dir, std::vector<plat::FindData>& files) {
    return plat::FindFiles(AddBackslash(dir) + "*.*", kAllButVolume, [&](const plat::FindData& fd) {
        if (!(fd.attr & plat::faDirectory) || fd.isLink) files.push_back(fd);
        return true;
    });
}

bool ReportDeleteFailure(const std::string& path) {
    prompter().Message("Error Deleting: " + plat::UpperCase(path), MsgIcon::Error, mbOK);
    return false;
}

struct TreeDir {
    std::string path;
    plat::FindData facts;
};

// A directory met again below itself (an ancestor mounted inside the tree)
// would make the listing endless. Times rule out nearly every candidate without
// a system call; SameFile decides.
bool LoopsBack(const std::vector<TreeDir>& chain, const std::string& path,
               const plat::FindData& facts) {
    for (const auto& up : chain)
        if (up.facts.writeTime == facts.writeTime && up.facts.changeTime == facts.changeTime &&
            plat::SameFile(up.path, path))
            return true;
    return false;
}

void ScanTree(TTreeListing& tree, std::vector<TreeDir>& chain, int depth, int64_t& fileCount,
              int64_t& dirCount) {
    ++dirCount;
    ++depth;
    const std::string dir = AddBackslash(chain.back().path);
    // The listing's own kinds tell directories from the rest: the files are
    // counted without a look at each. A link is one of the rest: the
    // directory it names may lie outside the tree being walked.
    plat::Dir handle;
    std::vector<plat::DirEntry> entries;
    if (plat::OpenDir(dir, false, handle) == plat::FileError::None) plat::ReadDir(handle, entries);
    std::vector<std::string> subdirs;
    for (const auto& entry : entries) {
        if (entry.kind == plat::EntryKind::Directory)
            subdirs.push_back(entry.name);
        else
            ++fileCount;
    }
    for (const auto& name : subdirs) {
        std::string path = dir + name;
        plat::FindData facts;
        plat::GetFindData(path, facts);
        if (LoopsBack(chain, path, facts)) continue;
        tree.lines.push_back(std::string(2 * depth, ' ') + name);
        tree.depths.push_back(depth);
        chain.push_back({std::move(path), facts});
        ScanTree(tree, chain, depth, fileCount, dirCount);
        chain.pop_back();
    }
}

}  // namespace

std::string AddBackslash(const std::string& path) {
    std::string s = path;
    if (s.empty() || s.back() != '\\') s += '\\';
    return s;
}

CopyResult CopyOneFile(const std::string& source, const std::string& target, bool warn,
                       bool formFeed, TCopyRun* run) {
    return CopyFile(source, target, warn, formFeed, false, run);
}

void SetCopyBlockHook(std::function<void()> hook) { copyBlockHook = std::move(hook); }

bool DeleteOneFile(const std::string& path) {
    return plat::DeleteFile(path) == plat::FileError::None;
}

std::string BrokenLinkMessage(const std::string& path) { return "Broken link: " + path; }

std::string ShredLinkMessage(const std::string& path) {
    return path + " is a link: only the link was removed.";
}

ShredResult ShredOneFile(const std::string& path) {
    // Writing through a link would overwrite the file it names, wherever
    // that lies; a device or pipe could take the pattern for ever.
    switch (plat::GetEntryKind(path)) {
        case plat::EntryKind::Link:
            if (auto e = plat::DeleteFile(path); e != plat::FileError::None) RaiseSystem(e);
            return ShredResult::LinkRemoved;
        case plat::EntryKind::Special:
            Raise("Not a regular file: " + path, plat::FileError::AccessDenied);
        default:
            break;
    }
    plat::File f;
    if (auto e = plat::OpenFile(path, plat::OpenMode::ReadWrite, f); e != plat::FileError::None)
        RaiseSystem(e);
    int64_t size = 0;
    if (auto e = plat::FileSizeOf(f, size); e != plat::FileError::None) RaiseSystem(e);

    unsigned char block[kShredBlockSize];
    std::iota(block, block + kShredBlockSize, 0);
    const int64_t n = size / static_cast<int64_t>(kShredBlockSize);
    // n blocks cover the whole blocks, one more covers the rest: the file
    // ends as n + 1 whole blocks.
    for (int64_t i = 0; i <= n; ++i) {
        size_t written = 0;
        if (auto e = plat::WriteFile(f, block, kShredBlockSize, written); e != plat::FileError::None)
            RaiseSystem(e);
        if (written != kShredBlockSize) RaiseSystem(plat::FileError::DiskFull);
        if (i < n) Progress().ProcessEvents();
    }
    // The pattern must reach the disk before the name goes: a file deleted
    // with its pages still dirty would leave the old data where it was.
    if (auto e = plat::FlushFile(f); e != plat::FileError::None) RaiseSystem(e);
    if (auto e = plat::CloseFile(f); e != plat::FileError::None) RaiseSystem(e);
    plat::DeleteFile(path);
    return ShredResult::Shredded;
}

void MakeDirectoryPath(const std::string& path) {
    // i counts characters taken (1-based position of the separator found);
    // the drive and its root are never created.
    size_t i = 0;
    if (path.size() >= 2 && path[1] == ':') i = (path.size() >= 3 && path[2] == '\\') ? 3 : 2;
    while (i < path.size()) {
        ++i;
        while (i <= path.size() && path[i - 1] != '\\') ++i;
        plat::CreateDirectory(path.substr(0, i - 1));
    }
}

void ListDirectoryTree(TTreeListing& tree, int64_t& fileCount, int64_t& dirCount) {
    fileCount = 0;
    dirCount = 0;
    if (tree.lines.empty()) tree.lines.push_back(plat::GetCurrentDir());
    tree.lines.resize(1);
    tree.depths.assign(1, 0);
    // A root that is a link stays one line: what it names is not part of it.
    if (IsLink(tree.lines[0])) {
        dirCount = 1;
        return;
    }
    std::vector<TreeDir> chain{{tree.lines[0], {}}};
    plat::GetFindData(tree.lines[0], chain.back().facts);
    ScanTree(tree, chain, 0, fileCount, dirCount);
}

std::string TreeLinePath(const TTreeListing& tree, size_t k) {
    if (k >= tree.lines.size()) return std::string();
    if (tree.depths.size() != tree.lines.size())
        throw std::invalid_argument("tree listing without the depth of each line");
    // Only the indentation is taken off a line: blanks of the name itself,
    // leading or trailing, are part of the path.
    auto name = [&](size_t j) { return j == 0 ? tree.lines[0] : tree.lines[j].substr(2 * tree.depths[j]); };
    std::string path = name(k);
    int level = tree.depths[k];
    for (size_t j = k; j-- > 0 && level > 0;) {
        if (tree.depths[j] < level) {
            level = tree.depths[j];
            // AddBackslash: a drive root ("C:\") already ends in one.
            path = AddBackslash(name(j)) + path;
        }
    }
    return path;
}

bool DeleteDirectoryFiles(const std::string& dir, bool clearAttributes) {
    // A directory that cannot be read (or a link standing for one) would
    // keep its files while the run reports it emptied.
    std::vector<plat::FindData> entries;
    if (IsLink(dir) || !ReadFileEntries(dir, entries)) return ReportDeleteFailure(dir);
    const std::string prefix = AddBackslash(dir);
    for (const auto& entry : entries) {
        const std::string full = prefix + entry.name;
        // A link goes as itself; clearing attributes through it would change
        // the file it names, wherever that lies.
        if (clearAttributes && !entry.isLink) plat::SetFileAttributes(full, 0);
        if (plat::DeleteFile(full) != plat::FileError::None) return ReportDeleteFailure(full);
    }
    return true;
}

void CopyDirectoryFiles(const std::string& sourceDir, const std::string& targetDir, bool warn,
                        const std::function<void(const std::string& name)>& onFile,
                        std::vector<std::string>* notCopied) {
    // The entries are read first, so files created while copying (a target
    // inside the source) are never picked up. A directory that cannot be
    // read, or is gone, or is a link now, is said to be so, never passed
    // over as empty or read through. Both directories are looked up once;
    // their files are reached by name.
    plat::Dir fromDir, toDir;
    std::vector<plat::DirEntry> entries;
    if (plat::OpenDir(sourceDir, false, fromDir) != plat::FileError::None ||
        !plat::ReadDir(fromDir, entries))
        Raise("Cannot read the directory: " + sourceDir,
              plat::DirectoryExists(sourceDir) ? plat::FileError::AccessDenied
                                               : plat::FileError::PathNotFound);
    const std::string from = AddBackslash(sourceDir), to = AddBackslash(targetDir);
    // What the target directory holds, by name without regard to case; a
    // name not among them needs no lookup of its own.
    std::unordered_set<std::string> present;
    std::vector<plat::DirEntry> there;
    if (plat::OpenDir(targetDir, true, toDir) == plat::FileError::None && plat::ReadDir(toDir, there))
        for (const auto& entry : there) present.insert(plat::UpperCase(entry.name));
    // Two source names that differ only in case lead to one target on a
    // case-blind target: the second is asked about, never written over unasked.
    TCopyRun run;
    for (const auto& entry : entries) {
        const std::string& name = entry.name;
        if (entry.kind == plat::EntryKind::Directory) continue;
        // A device, pipe or socket is never opened for its data: an open or
        // a read may block for ever or never end.
        if (entry.kind == plat::EntryKind::Special) {
            if (!notCopied) Raise("Not a regular file: " + from + name, plat::FileError::AccessDenied);
            notCopied->push_back(from + name);
            continue;
        }
        if (onFile) onFile(name);
        const std::string upper = plat::UpperCase(name);
        const bool absent = present.count(upper) == 0;
        // A name with trailing dots also leads to an entry without them.
        const size_t dots = upper.find_last_not_of('.');
        const bool dotless = dots == std::string::npos || dots + 1 == upper.size() ||
                             present.count(upper.substr(0, dots + 1)) == 0;
        CopyResult r = CopyResult::Copied;
        if (absent && dotless && toDir.IsOpen() && entry.kind == plat::EntryKind::File) {
            if (!CopyNewFileAt(fromDir, toDir, name, from + name, to + name, run))
                r = CopyFile(from + name, to + name, warn, false, false, &run);
        } else {
            r = CopyFile(from + name, to + name, warn, false, absent, &run);
        }
        if (r == CopyResult::Aborted) throw ECopyDir("Process aborted!");
        present.insert(upper);
    }
}
