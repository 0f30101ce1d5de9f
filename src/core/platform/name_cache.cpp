// The names of recently searched directories, keyed by their upper-cased
// Windows form, so a name looked up without regard to case costs one stat of
// the directory instead of a read of the whole directory. A directory's
// entry is trusted only while its modification time is unchanged; names the
// program creates itself are added, so copying many new files into one
// directory stays linear.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat::detail {

namespace {

struct DirNames {
    struct timespec mtime {};
    std::unordered_map<std::string, std::vector<std::string>> byUpper;
};

constexpr size_t kMaxDirectories = 64;
std::unordered_map<std::string, DirNames> cache;

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

DirNames* Load(const std::string& dir, bool forceReload) {
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        cache.erase(dir);
        return nullptr;
    }
    auto it = cache.find(dir);
    if (it != cache.end() && !forceReload && SameTime(it->second.mtime, st.st_mtim)) return &it->second;
    if (it == cache.end() && cache.size() >= kMaxDirectories) cache.clear();
    DirNames& names = cache[dir];
    names.mtime = st.st_mtim;
    names.byUpper.clear();
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n == "." || n == "..") continue;
            names.byUpper[UpperCase(HostNameToWin(n))].push_back(n);
        }
        closedir(d);
    }
    return &names;
}

}  // namespace

std::vector<std::string> NamesLike(const std::string& dir, const std::string& hostName) {
    const std::string key = UpperCase(HostNameToWin(hostName));
    for (bool reload : {false, true}) {
        DirNames* names = Load(dir, reload);
        if (!names) return {};
        auto it = names->byUpper.find(key);
        if (it == names->byUpper.end()) return {};
        // A name the cache knows but the directory lost within one clock
        // tick: read the directory again.
        struct stat st {};
        bool allThere = true;
        for (const auto& n : it->second)
            if (lstat((dir == "/" ? "/" + n : dir + "/" + n).c_str(), &st) != 0) allThere = false;
        if (allThere || reload) return it->second;
    }
    return {};
}

void NoteCreated(const std::string& hostPath) {
    size_t slash = hostPath.rfind('/');
    if (slash == std::string::npos) return;
    std::string dir = slash == 0 ? "/" : hostPath.substr(0, slash);
    auto it = cache.find(dir);
    if (it == cache.end()) return;
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0) {
        cache.erase(it);
        return;
    }
    std::string name = hostPath.substr(slash + 1);
    auto& list = it->second.byUpper[UpperCase(HostNameToWin(name))];
    if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
    it->second.mtime = st.st_mtim;
}

}  // namespace plat::detail
