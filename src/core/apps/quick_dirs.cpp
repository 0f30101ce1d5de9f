#include "core/apps/quick_dirs.h"

#include "core/apps/stored_list.h"
#include "core/settings/app_ini.h"
#include "core/settings/quilby_options.h"

namespace {
const char* const kSection = "DList";

TQuickDir Cut(const std::string& name, const std::string& dir, bool load, const std::string& wild) {
    return {CutToWidth(name, kQuickNameWidth), dir, CutToWidth(wild, kQuickWildWidth), load};
}
}  // namespace

void TDlist::Load() {
    entries_.clear();
    const TAppIni& ini = AppIni();
    const int count = StoredListCount(kSection, {"Name:", "Dir:", "Wild:", "Load:"});
    for (int n = 0; n < count; ++n) {
        const std::string k = std::to_string(n), missing = "?" + k;
        entries_.push_back(Cut(ini.ReadString(kSection, "Name:" + k, missing), ini.ReadString(kSection, "Dir:" + k, missing),
                               ini.ReadBool(kSection, "Load:" + k, false), ini.ReadString(kSection, "Wild:" + k, missing)));
    }
    Modified = false;
}

void TDlist::Save() {
    TAppIni& ini = AppIni();
    ini.WriteInteger(kSection, "Count", Count());
    for (int n = 0; n < Count(); ++n) {
        const std::string k = std::to_string(n);
        const TQuickDir& e = entries_[static_cast<size_t>(n)];
        ini.WriteString(kSection, "Name:" + k, e.Name);
        ini.WriteString(kSection, "Dir:" + k, e.Dir);
        ini.WriteString(kSection, "Wild:" + k, e.Wild);
        ini.WriteBool(kSection, "Load:" + k, e.Load);
    }
    Modified = false;
}

void TDlist::Add(const std::string& name, const std::string& dir, bool load, const std::string& wild) {
    entries_.push_back(Cut(name, dir, load, wild));
    Modified = true;
    Save();
}

void TDlist::Change(int index, const std::string& name, const std::string& dir, bool load, const std::string& wild) {
    if (!Valid(index)) return;
    entries_[static_cast<size_t>(index)] = Cut(name, dir, load, wild);
    Modified = true;
    Save();
}

void TDlist::Delete(int index) {
    if (!Valid(index)) return;
    entries_.erase(entries_.begin() + index);
    Modified = true;
    Save();
}

int TDlist::OpenAutoload(const std::function<void(int)>& open) const {
    int opened = 0;
    for (int n = 0; n < Count(); ++n)
        if (entries_[static_cast<size_t>(n)].Load) {
            open(n);
            ++opened;
        }
    return opened;
}

int QuickGridWidth(int column) { return AppIni().ReadInteger(kSection, "Grid:" + std::to_string(column), -1); }

void StoreQuickGridWidth(int column, int width) {
    AppIni().WriteInteger(kSection, "Grid:" + std::to_string(column), width);
}
