// DOS attribute bits over a host file: read-only is the owner's write bit,
// hidden is a leading "." or the stored bit, and hidden, system and archive
// live in user.DOSATTRIB as Samba's text form ("0x22") so Samba shares agree.
#include <atomic>
#include <sys/syscall.h>
#include <unistd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {
constexpr const char* kDosAttrib = "user.DOSATTRIB";
constexpr uint32_t kStoredBits = faHidden | faSysFile | faArchive;

// A name the host itself hides: one that begins with ".".
bool HiddenByName(const std::string& name) {
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

std::string NameOf(const std::string& hostPath) { return hostPath.substr(hostPath.rfind('/') + 1); }
}  // namespace

namespace detail {

namespace {
// getxattr or fgetxattr of user.DOSATTRIB: get(buffer, size).
template <typename Get>
int ReadDosBits(const Get& get, bool* unsupported) {
    // Samba's value is the text ("0x" and up to eight hex digits), a NUL and
    // its binary DOS info: some 64 bytes, which the buffer holds with room
    // to spare. A longer value is read at its own size rather than taken
    // for a missing one.
    char buf[256];
    ssize_t n = get(buf, sizeof buf - 1);
    if (n < 0 && errno == ERANGE) {
        const ssize_t size = get(nullptr, 0);
        if (size <= 0) return -1;
        std::vector<char> big(static_cast<size_t>(size) + 1);
        n = get(big.data(), big.size() - 1);
        if (n <= 0) return -1;
        big[static_cast<size_t>(n)] = 0;
        return ParseDosAttrib(big.data());
    }
    if (n < 0 && unsupported) *unsupported = errno == ENOTSUP || errno == EOPNOTSUPP;
    if (n <= 0) return -1;
    buf[n] = 0;
    return ParseDosAttrib(buf);
}
}  // namespace

int StoredDosBits(const std::string& hostPath, bool* unsupported) {
    return ReadDosBits(
        [&](char* b, size_t n) { return getxattr(hostPath.c_str(), kDosAttrib, b, n); }, unsupported);
}

namespace {

// getxattrat (Linux 6.13 and later) reads the value by a name relative to
// an open directory, without the whole path being looked up again; older
// kernels answer ENOSYS once and the path is used from then on.
constexpr long kGetXattrAt = 464;
struct XattrArgs {
    uint64_t value;
    uint32_t size;
    uint32_t flags;
};
std::atomic<bool> xattrAtWorks{true};

}  // namespace

int StoredDosBitsAt(int dirFd, const char* name, const std::string& hostDir, bool* unsupported) {
#if defined(__linux__) && (defined(__x86_64__) || defined(__aarch64__))
    if (xattrAtWorks.load(std::memory_order_relaxed)) {
        bool missing = false;
        const int bits = ReadDosBits(
            [&](char* b, size_t n) -> ssize_t {
                XattrArgs args{reinterpret_cast<uintptr_t>(b), static_cast<uint32_t>(n), 0};
                const long r = syscall(kGetXattrAt, dirFd, name, 0u, kDosAttrib, &args, sizeof args);
                if (r < 0 && (errno == ENOSYS || errno == E2BIG)) missing = true;
                return r;
            },
            unsupported);
        if (!missing) return bits;
        xattrAtWorks.store(false, std::memory_order_relaxed);
        if (unsupported) *unsupported = false;
    }
#endif
    return StoredDosBits(hostDir + "/" + name, unsupported);
}

int StoredDosBitsOf(int fd) {
    return ReadDosBits([&](char* b, size_t n) { return fgetxattr(fd, kDosAttrib, b, n); }, nullptr);
}

int ParseDosAttrib(const char* text) {
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text += 2;
    char* end = nullptr;
    unsigned long v = strtoul(text, &end, 16);
    if (end == text) return -1;
    return static_cast<int>(v & 0xFF);
}

uint32_t HostAttributes(const std::string& hostPath, const std::string& name,
                        const struct stat& st, int fd) {
    uint32_t attr = 0;
    if (S_ISDIR(st.st_mode)) attr |= faDirectory;
    if (!(st.st_mode & S_IWUSR)) attr |= faReadOnly;
    int stored = fd >= 0 ? StoredDosBitsOf(fd) : StoredDosBits(hostPath);
    if (stored < 0) {
        if (!S_ISDIR(st.st_mode)) attr |= faArchive;
    } else {
        attr |= static_cast<uint32_t>(stored) & kStoredBits;
    }
    if (HiddenByName(name)) attr |= faHidden;
    return attr;
}

}  // namespace detail

uint32_t GetFileAttributes(const std::string& winPath) {
    auto host = ToHost(winPath);
    struct stat st {};
    if (!host || stat(host->c_str(), &st) != 0) return kInvalidAttributes;
    return detail::HostAttributes(*host, NameOf(*host), st);
}

FileError SetFileAttributes(const std::string& winPath, uint32_t attr) {
    auto host = ToHost(winPath);
    struct stat st {};
    if (!host || stat(host->c_str(), &st) != 0) return FileError::FileNotFound;
    mode_t mode = st.st_mode & 07777;
    mode_t wanted = (attr & faReadOnly) ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    uint32_t stored = attr & kStoredBits;
    bool isDefault = S_ISDIR(st.st_mode) ? stored == 0 : stored == faArchive;
    if (isDefault) {
        if (removexattr(host->c_str(), kDosAttrib) != 0 && errno != ENODATA && errno != ENOTSUP &&
            errno != EOPNOTSUPP)
            return detail::ErrnoToError(errno);
    } else {
        char buf[16];
        int n = snprintf(buf, sizeof buf, "0x%x", stored);
        if (setxattr(host->c_str(), kDosAttrib, buf, static_cast<size_t>(n), 0) != 0)
            return errno == ENOTSUP || errno == EOPNOTSUPP ? FileError::AccessDenied
                                                            : detail::ErrnoToError(errno);
    }
    if (wanted != mode && chmod(host->c_str(), wanted) != 0) return detail::ErrnoToError(errno);
    // A leading "." hides the file whatever is stored: clearing Hidden
    // cannot take effect here, so the file fails after the other bits.
    if (!(attr & faHidden) && HiddenByName(NameOf(*host)))
        return FileError::AccessDenied;
    return FileError::None;
}

}  // namespace plat
