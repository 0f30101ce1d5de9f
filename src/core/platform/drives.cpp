// The drive table: letters mapped to host directories, from the ini file's
// "Drives" section or the mount table, and the facts of each drive.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

struct Mount {
    std::string root, point, fsType, source;
};

std::vector<Drive> table;
std::map<std::string, std::string> ports = {{"LPT1", "/dev/lp0"}, {"LPT2", "/dev/lp1"}};

// mountinfo escapes blanks and a few other bytes as \ooo.
std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() &&
            std::isdigit(static_cast<unsigned char>(s[i + 1]))) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<Mount> ReadMounts() {
    std::vector<Mount> mounts;
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream ss(line);
        std::vector<std::string> f;
        std::string w;
        while (ss >> w) f.push_back(w);
        auto dash = std::find(f.begin(), f.end(), "-");
        if (f.size() < 5 || dash == f.end() || dash + 1 == f.end()) continue;
        Mount m{Unescape(f[3]), Unescape(f[4]), *(dash + 1), dash + 2 < f.end() ? Unescape(*(dash + 2)) : ""};
        // A later mount on the same point hides the earlier one.
        mounts.erase(std::remove_if(mounts.begin(), mounts.end(),
                                    [&](const Mount& o) { return o.point == m.point; }),
                     mounts.end());
        mounts.push_back(m);
    }
    return mounts;
}

bool IsSystemMount(const Mount& m) {
    static const char* kSystemTypes[] = {
        "proc", "sysfs", "cgroup", "cgroup2", "devpts", "devtmpfs", "mqueue", "debugfs",
        "securityfs", "pstore", "autofs", "fusectl", "tracefs", "bpf", "configfs",
        "binfmt_misc", "hugetlbfs", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs"};
    if (m.point == "/") return false;
    for (const char* t : kSystemTypes)
        if (m.fsType == t) return true;
    if (m.root != "/") return true;  // bind mount of a sub-tree or a single file
    for (const char* p : {"/proc", "/sys", "/dev", "/run"}) {
        std::string pre = p;
        if (m.point == pre || m.point.rfind(pre + "/", 0) == 0) {
            if (pre == "/run" && (m.point == "/run/media" || m.point.rfind("/run/media/", 0) == 0))
                return false;
            return true;
        }
    }
    std::error_code ec;
    return !std::filesystem::is_directory(m.point, ec);
}

bool IsRemovableDevice(const std::string& source) {
    if (source.rfind("/dev/", 0) != 0) return false;
    std::error_code ec;
    auto real = std::filesystem::canonical(source, ec);
    if (ec) return false;
    std::string name = real.filename().string();
    for (std::string dir : {"/sys/class/block/" + name, "/sys/class/block/" + name + "/.."}) {
        std::ifstream in(dir + "/removable");
        int v = 0;
        if (in >> v) return v == 1;
    }
    return false;
}

DriveType TypeOf(const Mount& m, const std::string& hostRoot) {
    static const char* kRemote[] = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs",
                                     "sshfs", "9p", "afs", "ceph", "glusterfs", "davfs",
                                     "fuse.davfs2", "ncpfs"};
    if (m.fsType == "iso9660" || m.fsType == "udf") return DriveType::CDRom;
    for (const char* t : kRemote)
        if (m.fsType == t) return DriveType::Remote;
    if (hostRoot.rfind("/media/", 0) == 0 || hostRoot.rfind("/run/media/", 0) == 0 ||
        IsRemovableDevice(m.source))
        return DriveType::Removable;
    if (m.fsType == "tmpfs" || m.fsType == "ramfs") return DriveType::RamDisk;
    return DriveType::Fixed;
}

// The mount that holds a host directory: the longest mount point prefix.
const Mount* MountOf(const std::vector<Mount>& mounts, const std::string& host) {
    const Mount* best = nullptr;
    for (const auto& m : mounts) {
        bool prefix = m.point == "/" || host == m.point || host.rfind(m.point + "/", 0) == 0;
        if (prefix && (!best || m.point.size() > best->point.size())) best = &m;
    }
    return best;
}

bool ParseType(const std::string& word, DriveType& type) {
    std::string w = LowerCase(Trim(word));
    if (w == "removable") type = DriveType::Removable;
    else if (w == "fixed") type = DriveType::Fixed;
    else if (w == "remote") type = DriveType::Remote;
    else if (w == "cdrom") type = DriveType::CDRom;
    else if (w == "ramdisk") type = DriveType::RamDisk;
    else return false;
    return true;
}

std::string CleanHostRoot(std::string p) {
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

}  // namespace

void InitDrives(const std::string& iniHostPath) {
    std::vector<Mount> mounts = ReadMounts();
    std::vector<Drive> drives;
    for (const std::string& key : ProfileReadKeys(iniHostPath, "Drives")) {
        std::string k = Trim(key);
        if (k.size() != 1 || !std::isalpha(static_cast<unsigned char>(k[0]))) continue;
        std::string value = ProfileReadString(iniHostPath, "Drives", key, "");
        Drive d;
        d.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(k[0])));
        size_t comma = value.rfind(',');
        DriveType explicitType{};
        bool hasType = comma != std::string::npos && ParseType(value.substr(comma + 1), explicitType);
        d.hostRoot = CleanHostRoot(Trim(hasType ? value.substr(0, comma) : value));
        if (d.hostRoot.empty()) continue;
        const Mount* m = MountOf(mounts, d.hostRoot);
        if (m) {
            d.fsType = m->fsType;
            d.source = m->source;
        }
        d.type = hasType ? explicitType : (m ? TypeOf(*m, d.hostRoot) : DriveType::Fixed);
        if (std::none_of(drives.begin(), drives.end(), [&](const Drive& o) { return o.letter == d.letter; }))
            drives.push_back(d);
    }
    if (drives.empty()) {
        std::vector<Mount> real;
        for (const auto& m : mounts)
            if (!IsSystemMount(m)) real.push_back(m);
        std::sort(real.begin(), real.end(), [](const Mount& a, const Mount& b) {
            if (a.point == "/") return b.point != "/";
            if (b.point == "/") return false;
            return a.point < b.point;
        });
        char letter = 'C';
        for (const auto& m : real) {
            if (letter > 'Z') break;
            drives.push_back(Drive{letter++, m.point, TypeOf(m, m.point), m.fsType, m.source});
        }
    }
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    table = drives;
    ports["LPT1"] = ProfileReadString(iniHostPath, "Ports", "LPT1", "/dev/lp0");
    ports["LPT2"] = ProfileReadString(iniHostPath, "Ports", "LPT2", "/dev/lp1");
}

void SetDriveTable(const std::vector<Drive>& drives) {
    table = drives;
    for (auto& d : table) {
        d.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(d.letter)));
        d.hostRoot = CleanHostRoot(d.hostRoot);
    }
    std::sort(table.begin(), table.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

const std::vector<Drive>& Drives() { return table; }

const Drive* FindDrive(char letter) {
    char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const auto& d : table)
        if (d.letter == up) return &d;
    return nullptr;
}

uint32_t LogicalDrives() {
    uint32_t mask = 0;
    for (const auto& d : table)
        if (d.letter >= 'A' && d.letter <= 'Z') mask |= 1u << (d.letter - 'A');
    return mask;
}

DriveType GetDriveType(char letter) {
    const Drive* d = FindDrive(letter);
    return d ? d->type : DriveType::NoRootDir;
}

std::string VolumeLabel(char letter) {
    const Drive* d = FindDrive(letter);
    if (!d || d->source.rfind("/dev/", 0) != 0) return "";
    std::error_code ec;
    auto device = std::filesystem::canonical(d->source, ec);
    if (ec) return "";
    for (const auto& e : std::filesystem::directory_iterator("/dev/disk/by-label", ec)) {
        std::error_code ec2;
        if (std::filesystem::canonical(e.path(), ec2) == device && !ec2)
            return Unescape(e.path().filename().string());
    }
    return "";
}

std::string NetworkName(char letter) {
    const Drive* d = FindDrive(letter);
    return d && d->type == DriveType::Remote ? d->source : "";
}

bool IsPortName(const std::string& name) {
    std::string n = UpperCase(TrimRight(name));
    if (!n.empty() && n.back() == ':') n.pop_back();
    return n == "LPT1" || n == "LPT2";
}

std::string PortDevice(const std::string& name) {
    if (!IsPortName(name)) return "";
    std::string n = UpperCase(TrimRight(name)).substr(0, 4);
    return ports[n];
}

namespace detail {
std::string PortHostPath(const std::string& name) { return PortDevice(name); }
}  // namespace detail

}  // namespace plat
