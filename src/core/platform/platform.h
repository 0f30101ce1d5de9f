// The host layer. Everything the program asks of the operating system goes
// through here, in Windows terms: Windows-form paths (C:\DIR\FILE.TXT) over a
// drive table, DOS attribute bits, private-profile (ini) files, printer
// ports, the shell and the clock. Only this layer ever sees a host path.
// No Qt type crosses this interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plat {

// ---------------------------------------------------------------- errors
// Error codes follow the classic system codes so messages and retries can
// be keyed on them.
enum class FileError : int {
    None = 0,
    FileNotFound = 2,
    PathNotFound = 3,
    AccessDenied = 5,
    InvalidHandle = 6,
    NotReady = 21,
    SharingViolation = 32,
    DiskFull = 112,
    FileExists = 80,
    AlreadyExists = 183,
    DirNotEmpty = 145,
    InvalidName = 123,
    IoError = 1117,
};
// The system's own text for an error, e.g. "Access denied".
std::string ErrorText(FileError e);

// ---------------------------------------------------------------- attributes
enum : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F,
};
constexpr uint32_t kInvalidAttributes = 0xFFFFFFFFu;

// ---------------------------------------------------------------- times
// A host file time: seconds since 1970-01-01 UTC plus nanoseconds.
struct FileTime {
    int64_t sec = 0;
    int32_t nsec = 0;
    bool operator==(const FileTime&) const = default;
    auto operator<=>(const FileTime&) const = default;
};
// The program's date-time: days since 30 December 1899, fraction = time of
// day, in local time.
using DateTime = double;
DateTime FileTimeToDateTime(const FileTime& t);
FileTime DateTimeToFileTime(DateTime d);
DateTime Now();
// Local calendar parts of a date-time value (year 1..9999). False when the
// value is out of range.
struct DateParts {
    int year, month, day, hour, minute, second, msec, dayOfWeek /*1=Sunday*/;
};
bool DecodeDateTime(DateTime d, DateParts& out);
// Builds a date-time from calendar parts; false when they name no valid
// date or time.
bool EncodeDate(int year, int month, int day, DateTime& out);
bool EncodeTime(int hour, int minute, int second, int msec, DateTime& out);

// ---------------------------------------------------------------- drives
enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CDRom = 5, RamDisk = 6 };

struct Drive {
    char letter = 0;        // 'A'..'Z'
    std::string hostRoot;   // host directory the letter maps to
    DriveType type = DriveType::Fixed;
    std::string fsType;     // host file system type, when known
    std::string source;     // mount source (network name of remote drives)
};

// Loads the drive table from section "Drives" of the given ini file (host
// path), else from the mount table, and reads section "Ports". Called once
// at start-up and by tests; safe to call again.
void InitDrives(const std::string& iniHostPath);
// Replaces the drive table directly (tests).
void SetDriveTable(const std::vector<Drive>& drives);
const std::vector<Drive>& Drives();
const Drive* FindDrive(char letter);   // nullptr for an unknown letter
// Bit 0 = A: ... bit 25 = Z:, like the classic logical-drives mask.
uint32_t LogicalDrives();
DriveType GetDriveType(char letter);   // NoRootDir for an unknown letter
std::string VolumeLabel(char letter);  // "" when none
std::string NetworkName(char letter);  // mount source of a remote drive, else ""
// Size and free bytes of a drive; false when not readable (drive not ready).
// Never blocks for long: a drive whose file system has not answered within
// kDiskSpaceWaitMs (a network mount that hangs) is not ready until it answers,
// and at most one such question per drive is outstanding.
bool DiskSpace(char letter, int64_t& size, int64_t& freeBytes);
constexpr int kDiskSpaceWaitMs = 200;
// Tests stand in for the file system's answer (a drive that hangs, one that
// fails); an empty probe restores the real one.
using DiskSpaceProbe = std::function<bool(const std::string& hostRoot, int64_t& size, int64_t& freeBytes)>;
void SetDiskSpaceProbe(DiskSpaceProbe probe);

// ---------------------------------------------------------------- paths
// Makes a Windows-form path absolute: resolves "X:" alone, relative paths
// against the current directories, "." and "..", and turns "/" into "\".
// Keeps the spelling the caller gave. Returns "" for an unknown drive.
std::string ExpandFileName(const std::string& path);
// Host path of a Windows-form path (made absolute first). A path that does
// not exist with its exact spelling is resolved component by component
// without regard to case when exactly one match exists. "LPT1"/"LPT2" map
// to their port device. nullopt for an unknown drive or a path without one.
std::optional<std::string> ToHost(const std::string& winPath);
// Windows-form path of a host path (longest drive root prefix wins).
std::optional<std::string> FromHost(const std::string& hostPath);
// The names between the backslashes of a path, empty ones left out.
std::vector<std::string> SplitPathNames(const std::string& path);
// Windows-form name of a host file name and back: characters Windows names
// cannot carry are mapped to U+F000 + code.
std::string HostNameToWin(const std::string& hostName);
std::string WinNameToHost(const std::string& winName);
// The same path, but with the spelling the file system has for every
// component that exists (case-insensitive lookup). Used where a stored path
// may be spelled differently from the file system.
std::string ActualSpelling(const std::string& winPath);

// Current directories: one per drive plus the process's current drive.
std::string GetCurrentDir();                      // e.g. "C:\WORK"
std::string GetDriveCurrentDir(char letter);      // "" for an unknown drive
// Changes the current directory (and drive). False when the directory does
// not exist or the drive is unknown; nothing changes then.
bool SetCurrentDir(const std::string& winPath);

// ---------------------------------------------------------------- enumeration
struct FindData {
    std::string name;        // Windows-form name (mapped)
    uint32_t attr = 0;
    int64_t size = 0;
    FileTime writeTime, accessTime, changeTime;
    // A symbolic link (its size, times and attributes are those of its
    // target). Tree walks never descend into a linked directory: it may lie
    // outside the tree.
    bool isLink = false;
    // A link whose target is missing or that loops: listed as a file of size
    // 0 with the link's own times, archive (hidden by a leading dot).
    bool isDanglingLink = false;
    // A FIFO, socket or device (itself or behind a link): never opened for
    // data, since an open or a read may block for ever or never end.
    bool isSpecial = false;
};
// Windows wildcard match of one name against a mask ("*.*", "*.TXT",
// "A?C.*"), without regard to case.
bool MaskMatches(const std::string& mask, const std::string& name);
// Enumerates dirMask = directory + "\" + mask with a classic attribute mask:
// hidden files only with faHidden, system files only with faSysFile,
// directories only with faDirectory; read-only and archive always.
// "." and ".." are reported for non-root directories when faDirectory is
// asked, as Windows does. Calls fn for each entry; fn returns false to stop.
// Returns false when the directory cannot be read (missing, unreadable).
bool FindFiles(const std::string& dirMask, uint32_t attrMask,
               const std::function<bool(const FindData&)>& fn);
// The subdirectories of a directory (never "." or ".."), for directory
// trees: files are passed over without being looked at. Hidden and system
// directories only with their bits in attrMask. False when unreadable.
bool FindDirectories(const std::string& dir, uint32_t attrMask,
                     const std::function<bool(const FindData&)>& fn);
// Facts of one file or directory; false when it does not exist.
bool GetFindData(const std::string& path, FindData& out);

// ---------------------------------------------------------------- file calls
// Files with Windows semantics, enforced here rather than left to
// permissions (root is stopped too): a read-only file is not deleted,
// truncated or opened for writing; rename never replaces a target. Only
// regular files (and the printer ports) are opened: a directory, FIFO,
// socket or device is refused, so no open or read can block for ever.
// CreateTruncate never creates a file through a link; CreateNew makes a new
// regular file and fails with FileExists when any entry of the name exists
// (a link included, dangling or not).
enum class OpenMode { Read, Write, ReadWrite, CreateTruncate, CreateNew };

class Dir;

class File {
public:
    File() = default;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& o) noexcept;
    File& operator=(File&& o) noexcept;
    ~File();  // closes quietly
    bool IsOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& hostPath() const { return host_; }

private:
    friend FileError OpenFile(const std::string&, OpenMode, File&);
    friend FileError OpenFileAt(const Dir&, const std::string&, OpenMode, File&);
    friend FileError CloseFile(File&);
    int fd_ = -1;
    std::string host_;
};

FileError OpenFile(const std::string& winPath, OpenMode mode, File& out);
FileError ReadFile(File& f, void* buf, size_t n, size_t& got);
FileError WriteFile(File& f, const void* buf, size_t n, size_t& written);
FileError SeekFile(File& f, int64_t offset);
// Reads at offset without moving the file position (one call, no seek).
FileError ReadFileAt(File& f, int64_t offset, void* buf, size_t n, size_t& got);
FileError FileSizeOf(File& f, int64_t& size);
// Size and last-write time of the open file itself (whatever its name now
// leads to).
FileError FileStampOf(File& f, int64_t& size, FileTime& writeTime);
// Copies up to n bytes from in to out at their current offsets in the
// kernel where it can (copy_file_range), else through a buffer. Counts as
// one read and one write for fault injection.
FileError CopyFileRange(File& in, File& out, size_t n, size_t& copied);
// Puts what was written on the disk (fsync).
FileError FlushFile(File& f);
FileError CloseFile(File& f);

FileError DeleteFile(const std::string& winPath);
FileError RenameFile(const std::string& from, const std::string& to);
FileError CreateDirectory(const std::string& winPath);
FileError RemoveDirectory(const std::string& winPath);
uint32_t GetFileAttributes(const std::string& winPath);  // kInvalidAttributes on failure
FileError SetFileAttributes(const std::string& winPath, uint32_t attr);
FileError GetFileTime(const std::string& winPath, FileTime& writeTime);
FileError SetFileTime(const std::string& winPath, const FileTime& writeTime);
bool FileExists(const std::string& winPath);       // a file, not a directory
bool DirectoryExists(const std::string& winPath);
// True when both paths name the same host file (same device and inode).
bool SameFile(const std::string& a, const std::string& b);

// What an entry is in itself: a link is reported as a link, never followed.
enum class EntryKind { Missing, File, Directory, Link, Special };
EntryKind GetEntryKind(const std::string& winPath);
// The target text of a symbolic link, exactly as stored.
FileError ReadLink(const std::string& winPath, std::string& target);
// Makes a symbolic link holding the target text; an existing entry of that
// name (of any kind) is never replaced.
FileError CreateLink(const std::string& winPath, const std::string& target);

// A directory opened once, so the entries in it are reached by their names
// without the whole path being looked up again for each: a tree copy makes
// about as few lookups per file as cp. The names given to the calls below
// are Windows-form names of entries directly in the directory, spelled as
// the file system spells them (as a listing gives them); the calls follow
// the rules of their path-taking twins.
class Dir {
public:
    Dir() = default;
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;
    ~Dir();  // closes quietly
    bool IsOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& hostPath() const { return host_; }
    // The directory's Windows-form path as the file system spells it.
    const std::string& winPath() const { return win_; }

private:
    friend FileError OpenDir(const std::string&, bool, Dir&);
    int fd_ = -1;
    std::string host_, win_;
};
// Opens a directory; with followLink false a link in its place is refused
// (AccessDenied) rather than read through.
FileError OpenDir(const std::string& winPath, bool followLink, Dir& out);
struct DirEntry {
    std::string name;  // Windows-form name
    EntryKind kind;    // what the entry is in itself
};
// The entries of an opened directory (never "." or ".."), in enumeration
// order; the kinds come from the listing itself where the file system gives
// them. False when it cannot be read (the whole way through).
bool ReadDir(const Dir& dir, std::vector<DirEntry>& out);
EntryKind GetEntryKindAt(const Dir& dir, const std::string& name);
// Read and CreateNew only, with OpenFile's rules: only a regular file is
// opened for reading, never through a link; CreateNew fails with FileExists
// when any entry of the name exists.
FileError OpenFileAt(const Dir& dir, const std::string& name, OpenMode mode, File& out);
FileError SetFileTimeAt(const Dir& dir, const std::string& name, const FileTime& writeTime);
// One directory of a tree walk (opened with OpenDir), read in a single
// pass: every file in it that wanted lets through (hidden and system ones
// too; links to files as FindFiles gives them) to onFile, which returns
// false to stop; and the names of the subdirectories that are directories
// in themselves, not links, on the directory's own file system.
// Subdirectories that are the roots of other mounts are only counted in
// otherFileSystems. wanted sees the name alone: a file it turns away is
// never looked at. False when the directory cannot be read (an armed Read
// fault counts as one).
bool ReadTreeDirectory(const Dir& dir, const std::function<bool(const std::string& name)>& wanted,
                       const std::function<bool(const FindData&)>& onFile,
                       std::vector<std::string>& subdirectories, int& otherFileSystems);
// DOS attribute bits of an open file (kInvalidAttributes on failure).
uint32_t FileAttributesOf(File& f);

// ---------------------------------------------------------------- faults
// Tests make the Nth call (1-based, counted from now) of one kind fail with
// a chosen error. Several faults may be armed at once.
enum class FaultOp { Read, Write, Open, Close, Delete, Rename, SetTime };
void InjectFault(FaultOp op, int nth, FileError error);
void ClearFaults();

// ---------------------------------------------------------------- profile
// Windows private-profile semantics over a text file. The file name is a
// host path, or a Windows-form path (mapped through the drive table).
// Reads return at most bufSize - 1 characters.
std::string ProfileReadString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def,
                              size_t bufSize = 1024);
// False when the file cannot be written. The file is replaced atomically.
bool ProfileWriteString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value);
// Key names of a section in file order; the names joined with NULs are cut
// to bufSize bytes as the classic call does.
std::vector<std::string> ProfileReadKeys(const std::string& file, const std::string& section,
                                         size_t bufSize = 8192);
// Removes a key (value nullopt) or a whole section (key empty).
bool ProfileDelete(const std::string& file, const std::string& section,
                   const std::string& key = "");
// True when the file is too large to be a settings file (beyond 16 MiB):
// its reads give the defaults and its writes fail, leaving it as it is.
bool ProfileRefused(const std::string& file);

// Where the ini file lives: $QUILBY_INI, else beside the executable (its
// extension replaced by ".INI") when that folder is writable, else
// $XDG_CONFIG_HOME/quilby/QUILBY.INI. Host path.
std::string DefaultIniPath(const std::string& exeHostPath);
std::string ExecutablePath();  // host path of the running program

// ---------------------------------------------------------------- ports
// Host device path of "LPT1"/"LPT2" (section "Ports"), "" for other names.
std::string PortDevice(const std::string& name);
bool IsPortName(const std::string& name);

// ---------------------------------------------------------------- shell
// Opens a program or document. Result > 32 is success; 2 missing file,
// 3 missing directory, 31 no handler, anything else "Error loading file".
int ShellExecute(const std::string& verb, const std::string& file, const std::string& params,
                 const std::string& dir);
// Tests replace the shell so nothing is started; the hook returns the code.
using ShellHook = std::function<int(const std::string& verb, const std::string& file,
                                    const std::string& params, const std::string& dir)>;
void SetShellHook(ShellHook hook);
// Starts a program, or opens a document with its associated application,
// handing each argument over as it is: nothing is split again and no shell
// reads it. program is a Windows-form path (a relative one lies in dir) or
// a bare name looked up in dir and then on the PATH; args are host texts.
// Results as ShellExecute's.
int ShellStart(const std::string& program, const std::vector<std::string>& args,
               const std::string& dir);
// Tests replace the start so nothing runs; the hook returns the code.
using ShellStartHook = std::function<int(const std::string& program,
                                         const std::vector<std::string>& args,
                                         const std::string& dir)>;
void SetShellStartHook(ShellStartHook hook);

// ---------------------------------------------------------------- help
// Text of a help topic from "Quilby.hlp" beside the executable (or the file
// set by SetHelpFile); nullopt when the topic or the file is missing.
void SetHelpFile(const std::string& hostPath);
std::string HelpFile();
std::optional<std::string> HelpTopic(int topic, std::string* title = nullptr);
// Number and title of every topic of the help file, in file order; empty
// when the file is missing.
struct HelpTopicTitle {
    int topic;
    std::string title;
};
std::vector<HelpTopicTitle> HelpTopicTitles();

// ---------------------------------------------------------------- clock
uint64_t GetTickCount();  // milliseconds from the steady clock
// Seconds field (0..59) of the local wall clock; tests inject a clock.
int ClockSecond();
void SetClockSecondSource(std::function<int()> source);  // empty = real clock
// The classic critical-error mode switch; nothing to do on this host.
inline void SetErrorMode(bool) {}

// ---------------------------------------------------------------- helpers
std::string UpperCase(const std::string& s);  // ASCII and UTF-8 letters
std::string LowerCase(const std::string& s);
bool SameText(const std::string& a, const std::string& b);  // case-insensitive
std::string TrimRight(const std::string& s);  // blanks (code 32) only
std::string Trim(const std::string& s);

}  // namespace plat
