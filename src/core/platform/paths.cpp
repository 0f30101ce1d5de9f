// Windows-form paths over the drive table: expansion, the host mapping in
// both directions, case-insensitive resolution and the current directories.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

constexpr unsigned kMapBase = 0xF000;

std::map<char, std::string> driveDirs;  // per-drive current directory
char currentDrive = 0;

bool IsDriveLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
char Up(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string DriveRoot(char letter) { return std::string(1, Up(letter)) + ":\\"; }

void EnsureCurrent() {
    if (currentDrive && FindDrive(currentDrive)) return;
    currentDrive = 0;
    char buf[4096];
    if (getcwd(buf, sizeof buf)) {
        if (auto win = FromHost(buf)) {
            currentDrive = (*win)[0];
            driveDirs[currentDrive] = *win;
        }
    }
    if (!currentDrive && !Drives().empty()) currentDrive = FindDrive('C') ? 'C' : Drives().front().letter;
}

void AppendUtf8(std::string& out, unsigned cp) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// Length of a well-formed UTF-8 sequence at s[i], or 0. Overlong forms,
// surrogates and code points above U+10FFFF are not well-formed: they would
// not survive a round trip through the UI's strings.
size_t Utf8Length(const std::string& s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return 1;
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the second byte's range
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    const auto c1 = static_cast<unsigned char>(s[i + 1]);
    if (c1 < lo || c1 > hi) return 0;
    for (size_t k = 2; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

// The byte that a U+F000..U+F0FF at s[i] (EF 80..83 80..BF) stands for, or
// -1 when there is none.
int MappedByteAt(const std::string& s, size_t i) {
    if (i + 2 >= s.size() || static_cast<unsigned char>(s[i]) != 0xEF) return -1;
    const auto c1 = static_cast<unsigned char>(s[i + 1]);
    const auto c2 = static_cast<unsigned char>(s[i + 2]);
    if (c1 < 0x80 || c1 > 0x83 || (c2 & 0xC0) != 0x80) return -1;
    return ((c1 & 0x3F) << 6) | (c2 & 0x3F);
}

// ASCII bytes a Windows-form name cannot carry.
bool IsReservedByte(unsigned char c) {
    return c < 0x20 || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
           c == '>' || c == '|';
}

bool HostExists(const std::string& p) {
    struct stat st {};
    return lstat(p.c_str(), &st) == 0;
}

// One component below an existing host directory: the exact spelling when it
// exists, else the one entry that matches without regard to case, else (for
// a trailing-dot name) the name without its dots.
std::string ResolveComponent(const std::string& dir, const std::string& hostName, bool& found,
                             bool exactMissing = false) {
    std::string exact = dir == "/" ? "/" + hostName : dir + "/" + hostName;
    found = true;
    if (!exactMissing && HostExists(exact)) return exact;
    std::vector<std::string> matches = detail::NamesLike(dir, hostName);
    if (matches.size() == 1) return dir == "/" ? "/" + matches[0] : dir + "/" + matches[0];
    size_t end = hostName.size();
    while (end > 0 && hostName[end - 1] == '.') --end;
    if (end > 0 && end < hostName.size() && matches.empty())
        return ResolveComponent(dir, hostName.substr(0, end), found);
    found = false;
    return exact;
}

}  // namespace

std::vector<std::string> SplitPathNames(const std::string& path) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : path) {
        if (c == '\\') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// The mapping is a bijection between host names and the Windows-form names
// it produces. Written as U+F000 + byte: the reserved ASCII bytes, every
// byte that is not part of well-formed UTF-8, and each of the three bytes of
// a U+F000..U+F0FF that the host name holds itself (so a host name's own
// U+F02F is EF 80 AF in the host, U+F0EF U+F080 U+F0AF in Windows form, and
// never decodes to "/").
std::string HostNameToWin(const std::string& host) {
    std::string out;
    out.reserve(host.size());
    for (size_t i = 0; i < host.size();) {
        const auto c = static_cast<unsigned char>(host[i]);
        if (c < 0x80) {
            if (IsReservedByte(c)) AppendUtf8(out, kMapBase + c);
            else out += static_cast<char>(c);
            ++i;
            continue;
        }
        const size_t n = Utf8Length(host, i);
        if (n != 0 && MappedByteAt(host, i) < 0) {
            out.append(host, i, n);
            i += n;
            continue;
        }
        for (const size_t end = i + (n == 0 ? 1 : n); i < end; ++i)
            AppendUtf8(out, kMapBase + static_cast<unsigned char>(host[i]));
    }
    return out;
}

// Only a name that HostNameToWin gives back exactly names a host file; any
// other ("/" or NUL in whatever spelling, ".", "..", a U+F0xx where the
// mapping writes something else) names none and comes back empty, so a
// lookup of it fails instead of reaching another file.
std::string WinNameToHost(const std::string& win) {
    std::string host;
    host.reserve(win.size());
    for (size_t i = 0; i < win.size();) {
        const int b = MappedByteAt(win, i);
        if (b >= 0) {
            host += static_cast<char>(b);
            i += 3;
        } else {
            host += win[i++];
        }
    }
    if (host == "." || host == ".." || host.find_first_of(std::string("/\0", 2)) != std::string::npos ||
        HostNameToWin(host) != win)
        return {};
    return host;
}

std::string ExpandFileName(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '/') c = '\\';
    if (p.rfind("\\\\", 0) == 0) return p;  // a network name without a drive stays as given
    EnsureCurrent();
    char drive;
    std::string rest;
    if (p.size() >= 2 && p[1] == ':' && IsDriveLetter(p[0])) {
        drive = Up(p[0]);
        rest = p.substr(2);
        if (rest.empty() || rest[0] != '\\') {
            std::string base = GetDriveCurrentDir(drive);
            if (base.empty()) base = DriveRoot(drive);
            rest = base.substr(2) + (base.back() == '\\' ? "" : "\\") + rest;
        }
    } else if (!p.empty() && p[0] == '\\') {
        drive = currentDrive ? currentDrive : 'C';
        rest = p;
    } else {
        std::string base = GetCurrentDir();
        if (base.empty()) return "";
        drive = base[0];
        rest = base.substr(2) + (base.back() == '\\' ? "" : "\\") + p;
    }
    bool trailing = rest.size() > 1 && rest.back() == '\\';
    std::vector<std::string> out;
    for (const auto& part : SplitPathNames(rest)) {
        if (part == ".") continue;
        if (part == "..") {
            if (!out.empty()) out.pop_back();
            continue;
        }
        out.push_back(part);
    }
    std::string result(1, drive);
    result += ":\\";
    for (size_t i = 0; i < out.size(); ++i) result += (i ? "\\" : "") + out[i];
    if (trailing && !out.empty()) result += '\\';
    return result;
}

namespace detail {

std::optional<std::string> ResolveHost(const std::string& abs, bool resolveLast) {
    if (abs.size() < 2 || abs[1] != ':') return std::nullopt;
    const Drive* d = FindDrive(abs[0]);
    if (!d) return std::nullopt;
    // Each name becomes one host name or the path names no host file: a name
    // never decodes to a separator, "." or "..", so it stays in its directory.
    std::vector<std::string> parts = SplitPathNames(abs.substr(2));
    for (auto& part : parts) {
        part = WinNameToHost(part);
        if (part.empty()) return std::nullopt;
    }
    std::string host = d->hostRoot;
    // Fast path: the exact spelling exists.
    std::string direct = host;
    for (const auto& part : parts) direct += (direct == "/" ? "" : "/") + part;
    if (HostExists(direct)) return direct;
    // Next most common: a new name in a directory spelled exactly.
    size_t start = 0;
    if (parts.size() > 1) {
        std::string parent = direct.substr(0, direct.rfind('/'));
        struct stat st {};
        if (stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            host = parent;
            start = parts.size() - 1;
        }
    }
    bool exists = true;
    for (size_t i = start; i < parts.size(); ++i) {
        const std::string& name = parts[i];
        bool last = i + 1 == parts.size();
        if (!exists || (last && !resolveLast)) {
            host += (host == "/" ? "" : "/") + name;
            continue;
        }
        // The exact spelling of the whole path was looked up already.
        host = ResolveComponent(host, name, exists, last);
    }
    return host;
}

}  // namespace detail

std::optional<std::string> ToHost(const std::string& winPath) {
    if (IsPortName(winPath)) return PortDevice(winPath);
    std::string abs = ExpandFileName(winPath);
    return detail::ResolveHost(abs, true);
}

std::optional<std::string> FromHost(const std::string& hostPath) {
    const Drive* best = nullptr;
    for (const auto& d : Drives()) {
        const std::string& r = d.hostRoot;
        bool prefix = r == "/" ? hostPath.rfind('/', 0) == 0
                               : hostPath == r || hostPath.rfind(r + "/", 0) == 0;
        if (prefix && (!best || r.size() > best->hostRoot.size())) best = &d;
    }
    if (!best) return std::nullopt;
    std::string rest = best->hostRoot == "/" ? hostPath.substr(1) : hostPath.substr(best->hostRoot.size());
    std::string out(1, best->letter);
    out += ":\\";
    std::string comp;
    bool first = true;
    auto flush = [&] {
        if (comp.empty()) return;
        out += (first ? "" : "\\") + HostNameToWin(comp);
        first = false;
        comp.clear();
    };
    for (char c : rest) {
        if (c == '/') flush();
        else comp += c;
    }
    flush();
    return out;
}

std::string ActualSpelling(const std::string& winPath) {
    std::string abs = ExpandFileName(winPath);
    auto host = detail::ResolveHost(abs, true);
    if (!host || !HostExists(*host)) return abs;
    auto back = FromHost(*host);
    if (!back) return abs;
    if (abs.size() > 3 && abs.back() == '\\' && back->back() != '\\') *back += '\\';
    return *back;
}

std::string GetCurrentDir() {
    EnsureCurrent();
    if (!currentDrive) return "";
    return GetDriveCurrentDir(currentDrive);
}

std::string GetDriveCurrentDir(char letter) {
    if (!FindDrive(letter)) return "";
    auto it = driveDirs.find(Up(letter));
    return it == driveDirs.end() ? DriveRoot(letter) : it->second;
}

bool SetCurrentDir(const std::string& winPath) {
    // Blanks are part of a directory's name: "old " is not "old". Typed
    // input is trimmed where it is read.
    std::string p = winPath;
    if (p.size() == 2 && p[1] == ':') p = GetDriveCurrentDir(p[0]);
    if (p.empty()) return false;
    std::string abs = ExpandFileName(p);
    auto host = detail::ResolveHost(abs, true);
    struct stat st {};
    if (!host || stat(host->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    auto win = FromHost(*host);
    if (!win) return false;
    if (chdir(host->c_str()) != 0) return false;
    currentDrive = (*win)[0];
    driveDirs[currentDrive] = *win;
    return true;
}

}  // namespace plat
