// Directory enumeration with the classic attribute mask and wildcard mask.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

// Bytes of the character that starts with byte c; 1 for a stray byte.
size_t CharLength(unsigned char c) { return c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4; }

// The next character of a NUL-terminated text.
const char* NextChar(const char* s) {
    for (size_t k = CharLength(static_cast<unsigned char>(*s)); k > 0 && *s; --k) ++s;
    return s;
}

// Glob of a folded mask over a folded name, "?" taking one character;
// iterative, backtracking on the last "*".
bool Match(const char* m, const char* n) {
    const char* starM = nullptr;
    const char* starN = nullptr;
    while (*n) {
        if (*m == '*') {
            starM = m++;
            starN = n;
        } else if (*m == '?') {
            ++m;
            n = NextChar(n);
        } else if (*m && *m == *n) {
            ++m;
            ++n;
        } else if (starM) {
            m = starM + 1;
            n = starN = NextChar(starN);
        } else {
            return false;
        }
    }
    while (*m == '*') ++m;
    return *m == 0;
}

bool MatchesEverything(const std::string& mask) { return mask.empty() || mask == "*" || mask == "*.*"; }

// Mask and name both folded by UpperCase, the folding pattern lists use, so
// an enumeration mask and a pattern list find the same names.
bool FoldedMaskMatches(const std::string& mask, const std::string& name) {
    if (Match(mask.c_str(), name.c_str())) return true;
    // "NAME.*" also finds "NAME" without extension, and "*." finds names
    // without one, as the classic enumeration does.
    if (name.find('.') == std::string::npos) {
        if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0)
            return Match(mask.substr(0, mask.size() - 2).c_str(), name.c_str());
        if (mask.back() == '.') return Match(mask.substr(0, mask.size() - 1).c_str(), name.c_str());
    }
    return false;
}

bool NeedsMapping(const char* s) {
    for (; *s; ++s) {
        unsigned char c = static_cast<unsigned char>(*s);
        if (c < 0x20 || c >= 0x80 || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
            c == '<' || c == '>' || c == '|')
            return true;
    }
    return false;
}

FileTime TimeOf(const struct timespec& ts) { return FileTime{ts.tv_sec, static_cast<int32_t>(ts.tv_nsec)}; }

// The facts of st: those of a link's target, or of the link itself when it
// leads nowhere (its size is then 0, not the length of its text).
void FillFacts(FindData& fd, const struct stat& st) {
    fd.isDanglingLink = S_ISLNK(st.st_mode);
    fd.size = S_ISDIR(st.st_mode) || fd.isDanglingLink ? 0 : static_cast<int64_t>(st.st_size);
    fd.writeTime = TimeOf(st.st_mtim);
    fd.accessTime = TimeOf(st.st_atim);
    fd.changeTime = TimeOf(st.st_ctim);
    fd.isSpecial = !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode);
}

// A link that leads nowhere has no target to take bits from: archive, and
// hidden by a leading dot, as a file without stored bits.
uint32_t DanglingLinkAttributes(const std::string& hostName) {
    return faArchive | (hostName[0] == '.' ? uint32_t{faHidden} : 0u);
}

// The facts of entry e of the host directory open as dfd (host path
// hostDir, "" for the root): attributes with the stored bits (xattrs is
// turned off once the file system says it has none), and those of a link's
// target. False when the entry vanished.
bool EntryFacts(int dfd, const dirent* e, const std::string& hostDir, bool dot, bool& xattrs, FindData& fd,
                bool& isDir) {
    const char* raw = e->d_name;
    struct stat st {};
    bool maybeLink = e->d_type == DT_LNK || e->d_type == DT_UNKNOWN;
    // A link whose target is missing, or that loops, is listed as itself
    // (the lookup gives up after a bounded number of links).
    if (fstatat(dfd, raw, &st, 0) != 0 && fstatat(dfd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
    const bool dangling = S_ISLNK(st.st_mode);
    fd.isLink = dangling;
    if (maybeLink && !dangling) {
        struct stat lst {};
        fd.isLink = fstatat(dfd, raw, &lst, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(lst.st_mode);
    }
    isDir = S_ISDIR(st.st_mode);
    uint32_t attr = isDir ? uint32_t{faDirectory} : 0u;
    if (!(st.st_mode & S_IWUSR) && !dangling) attr |= faReadOnly;
    int stored = -1;
    if (xattrs && !dot && !dangling) {
        bool unsupported = false;
        stored = detail::StoredDosBitsAt(dfd, raw, hostDir, &unsupported);
        if (unsupported) xattrs = false;
    }
    if (stored < 0) {
        if (!isDir) attr |= faArchive;
    } else {
        attr |= static_cast<uint32_t>(stored) & (faHidden | faSysFile | faArchive);
    }
    if (raw[0] == '.' && !dot) attr |= faHidden;
    fd.attr = attr;
    FillFacts(fd, st);
    return true;
}

// A host directory opened for reading its entries; nullptr when it cannot be.
DIR* OpenHostDirectory(const std::string& host) {
    int dfd = open(host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return nullptr;
    DIR* d = fdopendir(dfd);
    if (!d) close(dfd);
    return d;
}

}  // namespace

bool MaskMatches(const std::string& mask, const std::string& name) {
    return MatchesEverything(mask) || FoldedMaskMatches(UpperCase(mask), UpperCase(name));
}

bool FindFiles(const std::string& dirMask, uint32_t attrMask,
               const std::function<bool(const FindData&)>& fn) {
    std::string abs = ExpandFileName(dirMask);
    size_t slash = abs.rfind('\\');
    if (slash == std::string::npos) return false;
    std::string dir = abs.substr(0, slash + 1);
    const std::string mask = abs.substr(slash + 1);
    const bool everything = MatchesEverything(mask);
    const std::string foldedMask = UpperCase(mask);
    auto host = detail::ResolveHost(dir, true);
    if (!host) return false;
    DIR* d = OpenHostDirectory(*host);
    if (!d) return false;
    const int dfd = dirfd(d);
    bool wantDirs = attrMask & faDirectory;
    bool isRoot = dir.size() == 3;
    bool xattrs = true;  // turned off once the file system says it has none
    std::string hostDir = *host == "/" ? "" : *host;
    FindData fd;
    bool failed = false;
    for (;;) {
        errno = 0;
        dirent* e = readdir(d);
        if (!e) {
            failed = errno != 0;  // a directory that fails half-way reads as unreadable
            break;
        }
        const char* raw = e->d_name;
        bool dot = raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0));
        if (dot && (!wantDirs || isRoot)) continue;
        if (!wantDirs && e->d_type == DT_DIR) continue;
        fd.name = NeedsMapping(raw) ? HostNameToWin(raw) : std::string(raw);
        if (!everything && !FoldedMaskMatches(foldedMask, UpperCase(fd.name))) continue;
        bool isDir = false;
        if (!EntryFacts(dfd, e, hostDir, dot, xattrs, fd, isDir)) continue;  // vanished meanwhile
        if (isDir && !wantDirs) continue;
        const uint32_t attr = fd.attr;
        if ((attr & faHidden) && !(attrMask & faHidden)) continue;
        if ((attr & faSysFile) && !(attrMask & faSysFile)) continue;
        if (!fn(fd)) break;
    }
    closedir(d);
    return !failed;
}

bool FindDirectories(const std::string& dir, uint32_t attrMask,
                     const std::function<bool(const FindData&)>& fn) {
    std::string abs = ExpandFileName(dir);
    if (abs.empty()) return false;
    if (abs.back() != '\\') abs += '\\';
    auto host = detail::ResolveHost(abs, true);
    if (!host) return false;
    DIR* d = OpenHostDirectory(*host);
    if (!d) return false;
    const int dfd = dirfd(d);
    std::string hostDir = *host == "/" ? "" : *host;
    bool failed = false;
    FindData fd;
    for (;;) {
        errno = 0;
        dirent* e = readdir(d);
        if (!e) {
            failed = errno != 0;
            break;
        }
        const char* raw = e->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
        if (e->d_type != DT_DIR && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
        struct stat st {};
        if (fstatat(dfd, raw, &st, 0) != 0 || !S_ISDIR(st.st_mode)) continue;
        std::string path = hostDir + "/" + raw;
        fd.name = NeedsMapping(raw) ? HostNameToWin(raw) : std::string(raw);
        fd.attr = detail::HostAttributes(path, raw, st);
        if ((fd.attr & faHidden) && !(attrMask & faHidden)) continue;
        if ((fd.attr & faSysFile) && !(attrMask & faSysFile)) continue;
        struct stat lst {};
        fd.isLink = e->d_type != DT_DIR && fstatat(dfd, raw, &lst, AT_SYMLINK_NOFOLLOW) == 0 &&
                    S_ISLNK(lst.st_mode);
        FillFacts(fd, st);
        if (!fn(fd)) break;
    }
    closedir(d);
    return !failed;
}

bool ReadTreeDirectory(const Dir& dir, const std::function<bool(const std::string& name)>& wanted,
                       const std::function<bool(const FindData&)>& onFile,
                       std::vector<std::string>& subdirectories, int& otherFileSystems) {
    subdirectories.clear();
    if (!dir.IsOpen()) return false;
    FileError injected;
    if (detail::FaultFires(FaultOp::Read, injected)) return false;
    // A descriptor of its own: the listing closes it.
    const int dfd0 = openat(dir.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd0 < 0) return false;
    struct stat own {};
    DIR* d = fstat(dfd0, &own) == 0 ? fdopendir(dfd0) : nullptr;
    if (!d) {
        close(dfd0);
        return false;
    }
    const int dfd = dirfd(d);
    bool xattrs = true;  // turned off once the file system says it has none
    const std::string hostDir = dir.hostPath() == "/" ? "" : dir.hostPath();
    FindData fd;
    bool failed = false, stopped = false;
    while (!stopped) {
        errno = 0;
        dirent* e = readdir(d);
        if (!e) {
            failed = errno != 0;  // a directory that fails half-way reads as unreadable
            break;
        }
        const char* raw = e->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
        std::string name = NeedsMapping(raw) ? HostNameToWin(raw) : std::string(raw);
        if (e->d_type == DT_DIR || e->d_type == DT_UNKNOWN) {
            // A directory in itself, never one reached through a link.
            struct stat st {};
            if (fstatat(dfd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // vanished meanwhile
            if (S_ISDIR(st.st_mode)) {
                if (st.st_dev != own.st_dev)
                    ++otherFileSystems;
                else
                    subdirectories.push_back(std::move(name));
                continue;
            }
        }
        if (!wanted(name)) continue;
        fd.name = std::move(name);
        bool isDir = false;
        if (!EntryFacts(dfd, e, hostDir, false, xattrs, fd, isDir)) continue;
        if (isDir) continue;  // a link to a directory: neither a file nor entered
        stopped = !onFile(fd);
    }
    closedir(d);
    return !failed;
}

bool GetFindData(const std::string& path, FindData& out) {
    std::string abs = ExpandFileName(path);
    auto host = detail::ResolveHost(abs, true);
    struct stat st {};
    if (!host || lstat(host->c_str(), &st) != 0) return false;
    out.isLink = S_ISLNK(st.st_mode);
    // A link that leads nowhere keeps its own facts (FillFacts marks it).
    struct stat target {};
    if (out.isLink && stat(host->c_str(), &target) == 0) st = target;
    size_t slash = host->rfind('/');
    std::string name = host->substr(slash + 1);
    out.name = HostNameToWin(name);
    out.attr = S_ISLNK(st.st_mode) ? DanglingLinkAttributes(name)
                                   : detail::HostAttributes(*host, name, st);
    FillFacts(out, st);
    return true;
}

}  // namespace plat
