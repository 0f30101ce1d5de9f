#include "core/tagging/history.h"

#include <algorithm>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"

void AddToHistory(const std::string& text, std::vector<std::string>& list) {
    const bool present = std::any_of(list.begin(), list.end(), [&](const std::string& entry) {
        return plat::SameText(entry, text);
    });
    if (!present) list.insert(list.begin(), text);
    if (list.size() > kHistoryMax) list.resize(kHistoryMax);
}

std::vector<std::string> LoadHistory(const std::string& section, const std::string& key) {
    std::vector<std::string> list;
    AppIni().LoadStrings(section, key, list);
    // A hand-edited file may hold more than a history ever writes.
    if (list.size() > kHistoryMax) list.resize(kHistoryMax);
    return list;
}

void SaveHistory(const std::string& section, const std::string& key,
                 const std::vector<std::string>& list) {
    AppIni().SaveStrings(section, key, list);
}
