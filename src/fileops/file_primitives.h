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
#include <vector>

#include "platform/errors.h"

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

// Path with trailing blanks removed and exactly one backslash appended
// unless it already ends in one.
std::string AddBackslash(const std::string& path);

// Copies source to target (or to a printer port "LPT1"/"LPT2"), then
// carries the source's date and attributes over. With warn set, an existing
// target (a path with a drive colon) is only overwritten after the user said
// Yes. formFeed appends one byte 12 (page eject for printer ports).
CopyResult CopyOneFile(const std::string& source, const std::string& target, bool warn,
                       bool formFeed);

// True when the file was deleted. Read-only files are not deleted.
bool DeleteOneFile(const std::string& path);

// Overwrites the file with (size / 256) + 1 blocks of the bytes 0..255 and
// then deletes it (the deletion's outcome is ignored). Processes pending
// events after each block but the last. Raises the system's text.
void ShredOneFile(const std::string& path);

// Creates every directory along path up to its last component; existing
// or unmakeable directories are passed over silently. Pass the directory
// part only: "D:\A\B\" makes D:\A and D:\A\B.
void MakeDirectoryPath(const std::string& path);

// Lists the directory tree below lines[0] (the current directory when lines
// is empty): each subdirectory as 2 x depth spaces + its name, in pre-order
// and enumeration order. Counts every directory (root included) and every
// other entry.
void ListDirectoryTree(std::vector<std::string>& lines, int64_t& fileCount, int64_t& dirCount);

// Full path of line k of a tree listing.
std::string TreeLinePath(const std::vector<std::string>& lines, size_t k);

// Deletes every file (not directory) of dir; with clearAttributes, each file's
// attributes are cleared first so read-only files go too. At the first file
// that cannot be deleted shows "Error Deleting: " + PATH and answers false.
bool DeleteDirectoryFiles(const std::string& dir, bool clearAttributes);

// Copies every file of sourceDir into targetDir with CopyOneFile, calling
// onFile with each bare name first. Raises ECopyDir "Process aborted!" when
// the user cancels at the overwrite question; I/O errors pass through.
void CopyDirectoryFiles(const std::string& sourceDir, const std::string& targetDir, bool warn,
                        const std::function<void(const std::string& name)>& onFile);
