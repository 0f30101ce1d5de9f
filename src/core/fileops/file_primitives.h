// The file operation primitives: each acts on one file or one directory and
// knows nothing of dialogs or tagged sets. Failures are raised as
// EInOutError with the text the user sees, or answered as a plain result.
// The only question asked here is CopyOneFile's overwrite question; the only
// message shown here is DeleteDirectoryFiles' "Error Deleting: ".
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/platform/errors.h"

enum class CopyResult { Copied = 1, Skipped = 2, Aborted = 3 };

// Raised by CopyDirectoryFiles when the user cancels at the overwrite
// question; its catcher ends the tree copy silently.
class ECopyDir : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bytes moved per read/write while copying. Larger than the classic 32,767
// bytes so a big file costs few system calls.
constexpr size_t kCopyBlockSize = 1024 * 1024;
// The shred pattern's block: bytes 0..255.
constexpr size_t kShredBlockSize = 256;

// Path with exactly one backslash appended unless it already ends in one.
// Blanks stay: at the end of a path they belong to its last name (a typed
// field is trimmed where it is read, not here).
std::string AddBackslash(const std::string& path);

// The targets one run of a copy or move has written, so that a later file of
// the same run whose target name leads to one of them (two names that differ
// only in case, "FOO." and "FOO") is never written over unasked.
class TCopyRun {
public:
    bool Wrote(const std::string& target) const { return written_.count(target) != 0; }
    void Note(const std::string& target) { written_.insert(target); }

private:
    std::unordered_set<std::string> written_;  // as the file system spells them
};

// Copies source to target (or to a printer port "LPT1"/"LPT2"), then
// carries the source's date and attributes over. An existing target is
// found as every file call finds it (case and a trailing dot aside) and,
// with warn set or when run has written it already, only overwritten after
// the user said Yes to a question that names it as it exists. A link is
// copied as a link and never written through (a printer port gets the bytes
// of the file it leads to; a link that leads nowhere raises
// BrokenLinkMessage); a device, FIFO or socket is never opened. A source
// that changes while it is copied raises "File changed while copied: " +
// source. formFeed appends one byte 12 (page eject for printer ports).
CopyResult CopyOneFile(const std::string& source, const std::string& target, bool warn,
                       bool formFeed, TCopyRun* run = nullptr);

// The error of a copy that needs the bytes behind a link that leads
// nowhere: "Broken link: " + path.
std::string BrokenLinkMessage(const std::string& path);

// Tests change a source while it is copied: the hook runs after every block.
void SetCopyBlockHook(std::function<void()> hook);

// True when the file was deleted. Read-only files are not deleted.
bool DeleteOneFile(const std::string& path);

// What ShredOneFile did.
enum class ShredResult { Shredded, LinkRemoved };

// Overwrites the file with (size / 256) + 1 blocks of the bytes 0..255 and
// then deletes it (the deletion's outcome is ignored). Processes pending
// events after each block but the last. Raises the system's text. A link is
// never written through: the link alone is removed (LinkRemoved). A device,
// pipe or socket is never opened: raises "Not a regular file: " + path.
ShredResult ShredOneFile(const std::string& path);
// The message that tells a shred of a link removed the link only.
std::string ShredLinkMessage(const std::string& path);

// Creates every directory along path up to its last component; existing
// or unmakeable directories are passed over silently. Pass the directory
// part only: "D:\A\B\" makes D:\A and D:\A\B.
void MakeDirectoryPath(const std::string& path);

// A directory-tree listing: the lines as they are shown (line 0 the root's
// full path, then 2 x depth spaces + a directory's name) with each line's
// depth beside them, because a name may itself begin with blanks and the
// text alone cannot tell them from the indentation.
struct TTreeListing {
    TTreeListing() = default;
    explicit TTreeListing(const std::string& root) : lines{root}, depths{0} {}
    std::vector<std::string> lines;
    std::vector<int> depths;
};

// Lists the directory tree below lines[0] (the current directory when the
// listing is empty): each subdirectory as 2 x depth spaces + its name, in
// pre-order and enumeration order. Counts every directory (root included)
// and every other entry. A link is never entered: below the root it counts
// as one entry; a root that is a link is listed as its line alone.
void ListDirectoryTree(TTreeListing& tree, int64_t& fileCount, int64_t& dirCount);

// Full path of line k of a tree listing: the root, then each ancestor's
// name and line k's name, blanks included.
std::string TreeLinePath(const TTreeListing& tree, size_t k);

// Deletes every file (not directory) of dir; with clearAttributes, each file's
// attributes are cleared first so read-only files go too. A link is deleted
// as itself and its target's attributes are never touched. At the first file
// that cannot be deleted, or when dir cannot be read, shows "Error Deleting: "
// + PATH and answers false.
bool DeleteDirectoryFiles(const std::string& dir, bool clearAttributes);

// Copies every file of sourceDir into targetDir with CopyOneFile, calling
// onFile with each bare name first. A link is made again as a link with the
// same target text and never followed; a device, pipe or socket is never
// opened: its path goes to notCopied. Raises ECopyDir "Process aborted!"
// when the user cancels at the overwrite question; raises "Cannot read the
// directory: " + sourceDir when it cannot be read (unreadable, gone, or a
// link); other I/O errors pass through.
void CopyDirectoryFiles(const std::string& sourceDir, const std::string& targetDir, bool warn,
                        const std::function<void(const std::string& name)>& onFile,
                        std::vector<std::string>* notCopied = nullptr);
