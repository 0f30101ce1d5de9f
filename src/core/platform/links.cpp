// Links and special files seen as themselves: nothing here follows a link.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

std::optional<std::string> EntryHost(const std::string& winPath) {
    std::string abs = ExpandFileName(winPath);
    if (abs.empty()) return std::nullopt;
    return detail::ResolveHost(abs, true);
}

}  // namespace

EntryKind GetEntryKind(const std::string& winPath) {
    auto host = EntryHost(winPath);
    struct stat st {};
    if (!host || lstat(host->c_str(), &st) != 0) return EntryKind::Missing;
    if (S_ISLNK(st.st_mode)) return EntryKind::Link;
    if (S_ISDIR(st.st_mode)) return EntryKind::Directory;
    if (S_ISREG(st.st_mode)) return EntryKind::File;
    return EntryKind::Special;
}

FileError ReadLink(const std::string& winPath, std::string& target) {
    target.clear();
    auto host = EntryHost(winPath);
    if (!host) return FileError::PathNotFound;
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = ::readlink(host->c_str(), buf.data(), buf.size());
        if (n < 0) return detail::ErrnoToError(errno);
        if (static_cast<size_t>(n) < buf.size()) {
            target.assign(buf.data(), static_cast<size_t>(n));
            return FileError::None;
        }
        buf.resize(buf.size() * 2);
    }
}

FileError CreateLink(const std::string& winPath, const std::string& target) {
    std::string abs = ExpandFileName(winPath);
    if (abs.empty()) return FileError::PathNotFound;
    auto host = detail::ResolveHost(abs, false);
    if (!host) return FileError::PathNotFound;
    // Another spelling of an existing name is that name.
    if (auto resolved = detail::ResolveHost(abs, true)) {
        struct stat st {};
        if (lstat(resolved->c_str(), &st) == 0) return FileError::AlreadyExists;
    }
    if (::symlink(target.c_str(), host->c_str()) == 0) {
        detail::NoteCreated(*host);
        return FileError::None;
    }
    if (errno == EEXIST) return FileError::AlreadyExists;
    return errno == ENOENT ? FileError::PathNotFound : detail::ErrnoToError(errno);
}

}  // namespace plat
