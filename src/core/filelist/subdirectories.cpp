#include "core/filelist/subdirectories.h"

#include <algorithm>

#include "core/platform/platform.h"

std::vector<std::string> SubdirectoryNames(const std::string& dir, uint32_t attrMask) {
    std::vector<std::pair<std::string, std::string>> keyed;  // upper-cased, as spelled
    plat::FindDirectories(dir, attrMask, [&](const plat::FindData& f) {
        keyed.emplace_back(plat::UpperCase(f.name), f.name);
        return true;
    });
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& k : keyed) names.push_back(std::move(k.second));
    return names;
}

bool HasSubdirectory(const std::string& dir, uint32_t attrMask) {
    bool found = false;
    plat::FindDirectories(dir, attrMask, [&](const plat::FindData&) {
        found = true;
        return false;
    });
    return found;
}
