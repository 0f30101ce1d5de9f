#include "core/fileops/dir_paths.h"

#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"

std::string LastPathComponent(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string DirectoryPartOf(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string BaseDirectoryName(const std::string& root) {
    std::string name = LastPathComponent(root);
    return name.substr(0, name.find('.'));
}

std::string TreeRelativePath(const std::string& root, const std::string& full) {
    // A drive root already ends in its backslash; other roots get one, so
    // the first character of the relative part is never swallowed.
    const std::string prefix = AddBackslash(root);
    if (full.size() <= prefix.size()) return std::string();
    return AddBackslash(full.substr(prefix.size()));
}

bool IsAtOrBelow(const std::string& path, const std::string& root) {
    std::string p = plat::ExpandFileName(path);
    if (p.empty() || !plat::DirectoryExists(root)) return false;
    for (;;) {
        if (plat::SameFile(p, root)) return true;
        while (p.size() > 3 && p.back() == '\\') p.pop_back();
        size_t cut = p.rfind('\\');
        if (p.size() <= 3 || cut == std::string::npos) return false;
        p = p.substr(0, cut < 3 ? 3 : cut);
    }
}
