#include "core/filelist/dir_navigation.h"

#include <algorithm>

#include "core/platform/platform.h"

std::string ParentDirectory(const std::string& dir) {
    std::string d = dir;
    while (d.size() > 3 && d.back() == '\\') d.pop_back();
    const size_t slash = d.rfind('\\');
    if (slash == std::string::npos) return d;
    std::string up = d.substr(0, slash);
    if (up.size() <= 2) up += '\\';  // "C:" alone names the drive's current directory
    return up;
}

std::string WithBackslash(const std::string& dir) {
    std::string d = dir;
    while (!d.empty() && d.back() == '\\') d.pop_back();
    return d + '\\';
}

bool DirectoryShowsPath(const std::string& dir, const std::string& path) {
    return plat::UpperCase(WithBackslash(dir)).rfind(plat::UpperCase(path), 0) == 0;
}

int NextWindowNumber(const std::vector<std::pair<std::string, int>>& others, const std::string& dir) {
    int highest = 0;
    for (const auto& [base, number] : others)
        if (plat::SameText(base, dir)) highest = std::max(highest, number);
    return highest + 1;
}

std::string NumberedCaption(const std::string& dir, int number) {
    return number == 1 ? dir : dir + " <" + std::to_string(number) + ">";
}
