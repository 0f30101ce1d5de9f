// Windows-form paths over the drive table: expansion, the host mapping in
// both directions, case-insensitive resolution and the current directories.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "platform/host_internal.h"
#include "platform/platform.h"

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

// Length of a valid UTF-8 sequence at s[i], or 0.
size_t Utf8Length(const std::string& s, size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    if (n == 2 && c < 0xC2) return 0;  // overlong
    return n;
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

std::string HostNameToWin(const std::string& host) {
    std::string out;
    out.reserve(host.size());
    for (size_t i = 0; i < host.size();) {
        unsigned char c = static_cast<unsigned char>(host[i]);
        if (c < 0x20 || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|') {
            AppendUtf8(out, kMapBase + c);
            ++i;
            continue;
        }
        size_t n = Utf8Length(host, i);
        if (n == 0) {  // a byte that is no UTF-8: keep it recoverable
            AppendUtf8(out, kMapBase + c);
            ++i;
            continue;
        }
        out.append(host, i, n);
        i += n;
    }
    return out;
}

std::string WinNameToHost(const std::string& win) {
    std::string out;
    out.reserve(win.size());
    for (size_t i = 0; i < win.size();) {
        unsigned char c = static_cast<unsigned char>(win[i]);
        if (c == 0xEF && i + 2 < win.size()) {
            unsigned cp = ((c & 0x0F) << 12) | ((static_cast<unsigned char>(win[i + 1]) & 0x3F) << 6) |
                          (static_cast<unsigned char>(win[i + 2]) & 0x3F);
            if (cp >= kMapBase && cp <= kMapBase + 0xFF) {
                out += static_cast<char>(cp - kMapBase);
                i += 3;
                continue;
            }
        }
        out += win[i++];
    }
    return out;
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
    std::vector<std::string> parts = SplitPathNames(abs.substr(2));
    std::string host = d->hostRoot;
    // Fast path: the exact spelling exists.
    std::string direct = host;
    for (const auto& part : parts) direct += (direct == "/" ? "" : "/") + WinNameToHost(part);
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
        std::string name = WinNameToHost(parts[i]);
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
    std::string p = TrimRight(winPath);
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
