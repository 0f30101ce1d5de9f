// Saving a whole file so that a failure never destroys it: the new content
// goes into a temp file beside the old one, which takes the old file's
// owner, mode and stored DOS attributes, is flushed to disk and only then
// renamed over the old file.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/platform/host_internal.h"
#include "core/platform/file_replace.h"

namespace plat {

namespace {

constexpr const char* kDosAttrib = "user.DOSATTRIB";


// Owner, mode and the stored DOS attributes of the old file onto the new one.
bool KeepAttributes(int fd, const std::string& oldHost, const struct stat& st) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if ((made.st_uid != st.st_uid || made.st_gid != st.st_gid) && ::fchown(fd, st.st_uid, st.st_gid) != 0)
        return false;
    // The mode after the owner: a change of owner clears set-id bits.
    if (::fchmod(fd, st.st_mode & 07777) != 0) return false;
    char value[256];
    const ssize_t n = ::getxattr(oldHost.c_str(), kDosAttrib, value, sizeof value);
    if (n > 0 && ::fsetxattr(fd, kDosAttrib, value, static_cast<size_t>(n), 0) != 0) return false;
    return true;
}

}  // namespace

FileError ReplaceFileContents(const std::string& winPath, const std::string& data) {
    FileError injected;
    if (detail::FaultFires(FaultOp::Open, injected)) return injected;
    auto resolved = detail::ResolveHost(ExpandFileName(winPath), false);
    if (!resolved || resolved->empty()) return FileError::PathNotFound;
    const std::string host = detail::LinkTarget(*resolved);
    struct stat st {};
    const bool exists = ::stat(host.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) return FileError::AccessDenied;
    if (exists && !(st.st_mode & S_IWUSR)) return FileError::AccessDenied;  // read-only

    const size_t slash = host.rfind('/');
    const std::string dir = host.substr(0, slash + 1);
    std::string tmp = dir + "." + host.substr(slash + 1) + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return detail::ErrnoToError(errno);

    FileError result = FileError::None;
    if (exists ? !KeepAttributes(fd, host, st) : ::fchmod(fd, 0644) != 0) result = FileError::AccessDenied;
    if (result == FileError::None && detail::FaultFires(FaultOp::Write, injected)) result = injected;
    if (result == FileError::None) result = detail::WriteAll(fd, data);
    if (result == FileError::None && ::fsync(fd) != 0) result = detail::ErrnoToError(errno);
    if (::close(fd) != 0 && result == FileError::None) result = detail::ErrnoToError(errno);
    if (result == FileError::None && detail::FaultFires(FaultOp::Rename, injected)) result = injected;
    if (result == FileError::None && ::rename(tmp.c_str(), host.c_str()) != 0) result = detail::ErrnoToError(errno);
    if (result != FileError::None) ::unlink(tmp.c_str());
    else if (!exists) detail::NoteCreated(host);
    return result;
}

}  // namespace plat
