// File calls with Windows semantics, enforced here and not left to
// permissions: a read-only file is not deleted, truncated or opened for
// writing (root included); rename never replaces a target.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace plat {

namespace {

struct Fault {
    FaultOp op;
    int remaining;
    FileError error;
};
std::vector<Fault> faults;

bool IsReadOnly(const struct stat& st) { return !(st.st_mode & S_IWUSR); }

std::optional<std::string> HostFor(const std::string& winPath, bool resolveLast = true) {
    if (IsPortName(winPath)) return PortDevice(winPath);
    return detail::ResolveHost(ExpandFileName(winPath), resolveLast);
}

// Missing file or missing directory on the way to it.
FileError MissingError(const std::string& host) {
    size_t slash = host.rfind('/');
    std::string parent = slash == 0 ? "/" : host.substr(0, slash);
    struct stat st {};
    return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? FileError::FileNotFound
                                                                 : FileError::PathNotFound;
}

}  // namespace

namespace detail {

std::string LinkTarget(const std::string& hostPath) {
    struct stat st {};
    if (::lstat(hostPath.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return hostPath;
    std::string target = hostPath;
    if (char* real = ::realpath(hostPath.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    return target;
}

FileError WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ErrnoToError(errno);
        if (n == 0) return FileError::DiskFull;
        done += static_cast<size_t>(n);
    }
    return FileError::None;
}

FileError ErrnoToError(int err) {
    switch (err) {
        case 0: return FileError::None;
        case ENOENT: return FileError::FileNotFound;
        case ENOTDIR: return FileError::PathNotFound;
        case EACCES: case EPERM: case EROFS: case EISDIR: return FileError::AccessDenied;
        case ENOSPC: case EDQUOT: case EFBIG: return FileError::DiskFull;
        case EEXIST: return FileError::FileExists;
        case ENOTEMPTY: return FileError::DirNotEmpty;
        case ENAMETOOLONG: case EINVAL: case EILSEQ: return FileError::InvalidName;
        case EBUSY: case ETXTBSY: return FileError::SharingViolation;
        case EBADF: return FileError::InvalidHandle;
        case ENXIO: case ENODEV: return FileError::NotReady;
        default: return FileError::IoError;
    }
}

bool FaultFires(FaultOp op, FileError& error) {
    bool fired = false;
    for (auto it = faults.begin(); it != faults.end();) {
        if (it->op == op && --it->remaining == 0) {
            if (!fired) error = it->error;
            fired = true;
            it = faults.erase(it);
        } else {
            ++it;
        }
    }
    return fired;
}

}  // namespace detail

void InjectFault(FaultOp op, int nth, FileError error) {
    if (nth > 0) faults.push_back({op, nth, error});
}

void ClearFaults() { faults.clear(); }

File::File(File&& o) noexcept : fd_(o.fd_), host_(std::move(o.host_)) { o.fd_ = -1; }

File& File::operator=(File&& o) noexcept {
    if (this != &o) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = o.fd_;
        host_ = std::move(o.host_);
        o.fd_ = -1;
    }
    return *this;
}

File::~File() {
    if (fd_ >= 0) ::close(fd_);
}

FileError OpenFile(const std::string& winPath, OpenMode mode, File& out) {
    FileError injected;
    if (detail::FaultFires(FaultOp::Open, injected)) return injected;
    const bool port = IsPortName(winPath);
    auto host = HostFor(winPath);
    if (!host || host->empty()) return FileError::PathNotFound;
    // The entry itself, then what a link leads to.
    struct stat st {};
    const bool entry = lstat(host->c_str(), &st) == 0;
    const bool link = entry && S_ISLNK(st.st_mode);
    const bool exists = entry && (!link || stat(host->c_str(), &st) == 0);
    if (mode == OpenMode::CreateNew && entry) return FileError::FileExists;
    if (exists && S_ISDIR(st.st_mode)) return FileError::AccessDenied;
    // A FIFO, socket or device may block the open or a read for ever.
    if (exists && !S_ISREG(st.st_mode) && !port) return FileError::AccessDenied;
    if (mode != OpenMode::Read && exists && S_ISREG(st.st_mode) && IsReadOnly(st))
        return FileError::AccessDenied;

    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read: flags |= O_RDONLY; break;
        case OpenMode::Write: flags |= O_WRONLY; break;
        case OpenMode::ReadWrite: flags |= O_RDWR; break;
        case OpenMode::CreateTruncate:
            // A new file only where no entry is; a dangling link is never
            // created through (its target may lie anywhere).
            if (link && !exists) return FileError::AccessDenied;
            flags |= O_WRONLY | (entry ? O_TRUNC : O_CREAT | O_EXCL);
            if (!link) flags |= O_NOFOLLOW;
            break;
        case OpenMode::CreateNew:
            flags |= O_WRONLY | O_CREAT | O_EXCL;
            break;
    }
    if (port) {
        flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC;  // a printer takes every file in turn
    } else {
        if (!exists && (mode == OpenMode::Read || mode == OpenMode::Write || mode == OpenMode::ReadWrite))
            return MissingError(*host);
        // What is opened is checked again below; until then nothing blocks.
        flags |= O_NONBLOCK;
    }
    int fd = ::open(host->c_str(), flags, 0666);
    if (fd < 0) {
        if (errno == ENOENT) return MissingError(*host);
        // The name changed to a link, or something appeared, since it was looked at.
        if (errno == ELOOP || (errno == EEXIST && mode == OpenMode::CreateTruncate))
            return FileError::AccessDenied;
        return detail::ErrnoToError(errno);
    }
    if (!port) {
        struct stat opened {};
        if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return FileError::AccessDenied;
        }
        // Reads and writes of the file wait as usual (F_SETFL takes the
        // status flags only).
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    // A re-created file starts with normal attributes.
    if (mode == OpenMode::CreateTruncate && exists && !port) fremovexattr(fd, "user.DOSATTRIB");
    if (!exists && !port) detail::NoteCreated(*host);
    if (out.fd_ >= 0) ::close(out.fd_);
    out.fd_ = fd;
    out.host_ = *host;
    return FileError::None;
}

FileError ReadFile(File& f, void* buf, size_t n, size_t& got) {
    got = 0;
    FileError injected;
    if (detail::FaultFires(FaultOp::Read, injected)) return injected;
    if (!f.IsOpen()) return FileError::InvalidHandle;
    for (;;) {
        ssize_t r = ::read(f.fd(), buf, n);
        if (r >= 0) {
            got = static_cast<size_t>(r);
            return FileError::None;
        }
        if (errno != EINTR) return detail::ErrnoToError(errno);
    }
}

FileError ReadFileAt(File& f, int64_t offset, void* buf, size_t n, size_t& got) {
    got = 0;
    FileError injected;
    if (detail::FaultFires(FaultOp::Read, injected)) return injected;
    if (!f.IsOpen()) return FileError::InvalidHandle;
    if (offset < 0) return detail::ErrnoToError(EINVAL);
    for (;;) {
        ssize_t r = ::pread(f.fd(), buf, n, static_cast<off_t>(offset));
        if (r >= 0) {
            got = static_cast<size_t>(r);
            return FileError::None;
        }
        if (errno != EINTR) return detail::ErrnoToError(errno);
    }
}

FileError WriteFile(File& f, const void* buf, size_t n, size_t& written) {
    written = 0;
    FileError injected;
    if (detail::FaultFires(FaultOp::Write, injected)) return injected;
    if (!f.IsOpen()) return FileError::InvalidHandle;
    const char* p = static_cast<const char*>(buf);
    while (written < n) {
        ssize_t w = ::write(f.fd(), p + written, n - written);
        if (w < 0) {
            if (errno == EINTR) continue;
            return detail::ErrnoToError(errno);
        }
        if (w == 0) return FileError::DiskFull;
        written += static_cast<size_t>(w);
    }
    return FileError::None;
}

FileError SeekFile(File& f, int64_t offset) {
    if (!f.IsOpen()) return FileError::InvalidHandle;
    return ::lseek(f.fd(), offset, SEEK_SET) < 0 ? detail::ErrnoToError(errno) : FileError::None;
}

FileError FileSizeOf(File& f, int64_t& size) {
    struct stat st {};
    if (!f.IsOpen() || fstat(f.fd(), &st) != 0) return FileError::InvalidHandle;
    size = st.st_size;
    return FileError::None;
}

FileError FileStampOf(File& f, int64_t& size, FileTime& writeTime) {
    struct stat st {};
    if (!f.IsOpen() || fstat(f.fd(), &st) != 0) return FileError::InvalidHandle;
    size = st.st_size;
    writeTime = FileTime{st.st_mtim.tv_sec, static_cast<int32_t>(st.st_mtim.tv_nsec)};
    return FileError::None;
}

FileError CopyFileRange(File& in, File& out, size_t n, size_t& copied) {
    copied = 0;
    FileError injected;
    if (detail::FaultFires(FaultOp::Read, injected)) return injected;
    if (detail::FaultFires(FaultOp::Write, injected)) return injected;
    if (!in.IsOpen() || !out.IsOpen()) return FileError::InvalidHandle;
    for (;;) {
        ssize_t r = ::copy_file_range(in.fd(), nullptr, out.fd(), nullptr, n, 0);
        if (r >= 0) {
            copied = static_cast<size_t>(r);
            return FileError::None;
        }
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP &&
            errno != EBADF)
            return detail::ErrnoToError(errno);
        break;
    }
    // The kernel cannot copy between these two: go through a buffer.
    std::vector<char> buf(std::min<size_t>(n, 1 << 20));
    ssize_t r;
    do {
        r = ::read(in.fd(), buf.data(), buf.size());
    } while (r < 0 && errno == EINTR);
    if (r < 0) return detail::ErrnoToError(errno);
    size_t done = 0;
    while (done < static_cast<size_t>(r)) {
        ssize_t w = ::write(out.fd(), buf.data() + done, static_cast<size_t>(r) - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            copied = done;
            return w < 0 ? detail::ErrnoToError(errno) : FileError::DiskFull;
        }
        done += static_cast<size_t>(w);
    }
    copied = done;
    return FileError::None;
}

FileError FlushFile(File& f) {
    if (!f.IsOpen()) return FileError::InvalidHandle;
    return ::fsync(f.fd()) == 0 ? FileError::None : detail::ErrnoToError(errno);
}

FileError CloseFile(File& f) {
    FileError injected;
    bool fired = detail::FaultFires(FaultOp::Close, injected);
    if (!f.IsOpen()) return FileError::InvalidHandle;
    int r = ::close(f.fd_);
    int err = errno;
    f.fd_ = -1;
    if (fired) return injected;
    return r == 0 ? FileError::None : detail::ErrnoToError(err);
}

// The host path and kind of a file or directory about to be removed.
static FileError RemovalTarget(const std::string& winPath, std::string& host, struct stat& st) {
    FileError injected;
    if (detail::FaultFires(FaultOp::Delete, injected)) return injected;
    auto found = HostFor(winPath);
    if (!found) return FileError::PathNotFound;
    host = *found;
    if (lstat(host.c_str(), &st) != 0) return MissingError(host);
    return FileError::None;
}

FileError DeleteFile(const std::string& winPath) {
    std::string host;
    struct stat st {};
    if (FileError e = RemovalTarget(winPath, host, st); e != FileError::None) return e;
    if (S_ISDIR(st.st_mode)) return FileError::AccessDenied;
    if (!S_ISLNK(st.st_mode) && IsReadOnly(st)) return FileError::AccessDenied;
    return ::unlink(host.c_str()) == 0 ? FileError::None : detail::ErrnoToError(errno);
}

FileError RenameFile(const std::string& from, const std::string& to) {
    FileError injected;
    if (detail::FaultFires(FaultOp::Rename, injected)) return injected;
    auto src = HostFor(from);
    auto dst = HostFor(to, false);
    if (!src || !dst) return FileError::PathNotFound;
    struct stat sst {}, dstSt {};
    if (lstat(src->c_str(), &sst) != 0) return MissingError(*src);
    // Another spelling of an existing name is that name, unless it is the
    // source itself (a change of case only).
    if (auto resolved = HostFor(to, true); resolved && *resolved != *dst &&
                                           lstat(resolved->c_str(), &dstSt) == 0 &&
                                           (dstSt.st_ino != sst.st_ino || dstSt.st_dev != sst.st_dev))
        return FileError::AlreadyExists;
    if (*src == *dst) return FileError::None;
    if (syscall(SYS_renameat2, AT_FDCWD, src->c_str(), AT_FDCWD, dst->c_str(), RENAME_NOREPLACE) == 0) {
        detail::NoteCreated(*dst);
        return FileError::None;
    }
    if (errno == EEXIST) return FileError::AlreadyExists;
    if (errno != EINVAL && errno != ENOSYS) return detail::ErrnoToError(errno);
    // The file system cannot refuse replacement itself: check, then rename.
    if (lstat(dst->c_str(), &dstSt) == 0) return FileError::AlreadyExists;
    return ::rename(src->c_str(), dst->c_str()) == 0 ? FileError::None : detail::ErrnoToError(errno);
}

FileError CreateDirectory(const std::string& winPath) {
    auto host = HostFor(winPath, false);
    if (!host) return FileError::PathNotFound;
    if (auto resolved = HostFor(winPath, true)) {
        struct stat st {};
        if (lstat(resolved->c_str(), &st) == 0) return FileError::AlreadyExists;
    }
    if (::mkdir(host->c_str(), 0777) == 0) {
        detail::NoteCreated(*host);
        return FileError::None;
    }
    if (errno == EEXIST) return FileError::AlreadyExists;
    return errno == ENOENT ? FileError::PathNotFound : detail::ErrnoToError(errno);
}

FileError RemoveDirectory(const std::string& winPath) {
    std::string host;
    struct stat st {};
    if (FileError e = RemovalTarget(winPath, host, st); e != FileError::None) return e;
    if (!S_ISDIR(st.st_mode)) return FileError::InvalidName;
    return ::rmdir(host.c_str()) == 0 ? FileError::None : detail::ErrnoToError(errno);
}

FileError GetFileTime(const std::string& winPath, FileTime& writeTime) {
    auto host = HostFor(winPath);
    struct stat st {};
    if (!host || stat(host->c_str(), &st) != 0) return FileError::FileNotFound;
    writeTime = FileTime{st.st_mtim.tv_sec, static_cast<int32_t>(st.st_mtim.tv_nsec)};
    return FileError::None;
}

FileError SetFileTime(const std::string& winPath, const FileTime& writeTime) {
    FileError injected;
    if (detail::FaultFires(FaultOp::SetTime, injected)) return injected;
    auto host = HostFor(winPath);
    if (!host) return FileError::PathNotFound;
    struct timespec ts[2];
    ts[0].tv_sec = 0;
    ts[0].tv_nsec = UTIME_OMIT;
    ts[1].tv_sec = static_cast<time_t>(writeTime.sec);
    ts[1].tv_nsec = writeTime.nsec;
    return utimensat(AT_FDCWD, host->c_str(), ts, 0) == 0 ? FileError::None
                                                          : detail::ErrnoToError(errno);
}

bool FileExists(const std::string& winPath) {
    auto host = HostFor(winPath);
    struct stat st {};
    return host && stat(host->c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& winPath) {
    auto host = HostFor(winPath);
    struct stat st {};
    return host && stat(host->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameFile(const std::string& a, const std::string& b) {
    auto ha = HostFor(a), hb = HostFor(b);
    struct stat sa {}, sb {};
    if (!ha || !hb || stat(ha->c_str(), &sa) != 0 || stat(hb->c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace plat
