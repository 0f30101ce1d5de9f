#include "core/apps/stored_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"

int StoredListCount(const std::string& section, const std::vector<std::string>& prefixes) {
    const int32_t count = AppIni().ReadInteger(section, "Count", 0);
    if (count <= 0) return 0;
    std::vector<std::string> keys;
    AppIni().ReadSection(section, keys);
    int highest = -1;
    for (const std::string& key : keys)
        for (const std::string& prefix : prefixes) {
            if (key.size() <= prefix.size() || !plat::SameText(key.substr(0, prefix.size()), prefix)) continue;
            const std::string number = key.substr(prefix.size());
            if (number.find_first_not_of("0123456789") != std::string::npos || number.size() > 9) continue;
            highest = std::max(highest, std::atoi(number.c_str()));
        }
    return std::min(count, std::max(highest + 1, static_cast<int>(keys.size())));
}
