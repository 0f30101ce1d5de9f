// Calls on the entries of one opened directory: the directory's path is
// looked up once, each entry by its own name relative to it (openat and
// friends), with the rules of the path-taking calls.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

EntryKind KindOf(mode_t mode) {
    if (S_ISLNK(mode)) return EntryKind::Link;
    if (S_ISDIR(mode)) return EntryKind::Directory;
    if (S_ISREG(mode)) return EntryKind::File;
    return EntryKind::Special;
}

std::string HostChild(const Dir& dir, const std::string& hostName) {
    return dir.hostPath() == "/" ? "/" + hostName : dir.hostPath() + "/" + hostName;
}

}  // namespace

Dir::~Dir() {
    if (fd_ >= 0) ::close(fd_);
}

FileError OpenDir(const std::string& winPath, bool followLink, Dir& out) {
    std::string abs = ExpandFileName(winPath);
    // A trailing backslash would make the host look through a link.
    while (abs.size() > 3 && abs.back() == '\\') abs.pop_back();
    auto host = abs.empty() ? std::nullopt : detail::ResolveHost(abs, true);
    if (!host) return FileError::PathNotFound;
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    const int fd = ::open(host->c_str(), flags);
    if (fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR) return FileError::AccessDenied;
        return errno == ENOENT ? FileError::PathNotFound : detail::ErrnoToError(errno);
    }
    if (out.fd_ >= 0) ::close(out.fd_);
    out.fd_ = fd;
    out.host_ = *host;
    auto win = FromHost(*host);
    out.win_ = win ? *win : abs;
    return FileError::None;
}

bool ReadDir(const Dir& dir, std::vector<DirEntry>& out) {
    out.clear();
    if (!dir.IsOpen()) return false;
    // A descriptor of its own: the listing closes it and starts at the top.
    const int fd = ::openat(dir.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return false;
    }
    bool failed = false;
    for (;;) {
        errno = 0;
        dirent* e = ::readdir(d);
        if (!e) {
            failed = errno != 0;  // a directory that fails half-way reads as unreadable
            break;
        }
        const char* raw = e->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
        EntryKind kind;
        switch (e->d_type) {
            case DT_REG: kind = EntryKind::File; break;
            case DT_DIR: kind = EntryKind::Directory; break;
            case DT_LNK: kind = EntryKind::Link; break;
            case DT_UNKNOWN: {
                struct stat st {};
                if (fstatat(fd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // vanished
                kind = KindOf(st.st_mode);
                break;
            }
            default: kind = EntryKind::Special; break;
        }
        out.push_back({HostNameToWin(raw), kind});
    }
    ::closedir(d);
    return !failed;
}

EntryKind GetEntryKindAt(const Dir& dir, const std::string& name) {
    const std::string host = WinNameToHost(name);
    struct stat st {};
    if (!dir.IsOpen() || host.empty() || fstatat(dir.fd(), host.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::Missing;
    return KindOf(st.st_mode);
}

FileError OpenFileAt(const Dir& dir, const std::string& name, OpenMode mode, File& out) {
    FileError injected;
    if (detail::FaultFires(FaultOp::Open, injected)) return injected;
    if (mode != OpenMode::Read && mode != OpenMode::CreateNew) return FileError::AccessDenied;
    const std::string host = WinNameToHost(name);
    if (!dir.IsOpen()) return FileError::InvalidHandle;
    if (host.empty()) return FileError::InvalidName;
    // Reading never goes through a link and never waits on a FIFO or device
    // (checked below); O_EXCL makes a new file only where no entry is, a
    // dangling link included.
    const int flags = mode == OpenMode::Read
                          ? O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC
                          : O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    const int fd = ::openat(dir.fd(), host.c_str(), flags, 0666);
    if (fd < 0) {
        if (errno == ELOOP) return FileError::AccessDenied;
        return detail::ErrnoToError(errno);
    }
    if (mode == OpenMode::Read) {
        struct stat st {};
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return FileError::AccessDenied;
        }
        // O_NONBLOCK stays: reads of a regular file ignore it, and a search
        // over many small files saves a call a file.
    }
    std::string hostPath = HostChild(dir, host);
    if (mode == OpenMode::CreateNew) detail::NoteCreated(hostPath);
    if (out.fd_ >= 0) ::close(out.fd_);
    out.fd_ = fd;
    out.host_ = std::move(hostPath);
    return FileError::None;
}

FileError SetFileTimeAt(const Dir& dir, const std::string& name, const FileTime& writeTime) {
    FileError injected;
    if (detail::FaultFires(FaultOp::SetTime, injected)) return injected;
    const std::string host = WinNameToHost(name);
    if (!dir.IsOpen() || host.empty()) return FileError::PathNotFound;
    struct timespec ts[2];
    ts[0].tv_sec = 0;
    ts[0].tv_nsec = UTIME_OMIT;
    ts[1].tv_sec = static_cast<time_t>(writeTime.sec);
    ts[1].tv_nsec = writeTime.nsec;
    // As SetFileTime does, through a link to what it names.
    return utimensat(dir.fd(), host.c_str(), ts, 0) == 0 ? FileError::None
                                                         : detail::ErrnoToError(errno);
}

uint32_t FileAttributesOf(File& f) {
    struct stat st {};
    if (!f.IsOpen() || fstat(f.fd(), &st) != 0) return kInvalidAttributes;
    const std::string& host = f.hostPath();
    return detail::HostAttributes(host, host.substr(host.rfind('/') + 1), st, f.fd());
}

}  // namespace plat
