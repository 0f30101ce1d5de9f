#include "core/apps/app_list.h"

#include <utility>

#include "core/apps/stored_list.h"
#include "core/settings/app_ini.h"
#include "core/settings/quilby_options.h"
#include "core/tagging/history.h"

namespace {
const char* const kSection = "TApp";
const char* const kCategorySection = "Application";
const char* const kCategoryKey = "CatList:";

TAppEntry Cut(TAppEntry e) {
    e.Category = CutToWidth(e.Category, kAppCategoryWidth);
    e.Name = CutToWidth(e.Name, kAppNameWidth);
    e.Command = CutToWidth(e.Command, kAppCommandWidth);
    return e;
}
}  // namespace

void TTApp::Load() {
    entries_.clear();
    const TAppIni& ini = AppIni();
    const int count = StoredListCount(kSection, {"Cat:", "Name:", "Prog:", "Dir:", "Comm:", "TestMode:"});
    for (int n = 0; n < count; ++n) {
        const std::string k = std::to_string(n), missing = "?" + k;
        TAppEntry e;
        e.Category = ini.ReadString(kSection, "Cat:" + k, "");
        e.Name = ini.ReadString(kSection, "Name:" + k, missing);
        e.Program = ini.ReadString(kSection, "Prog:" + k, missing);
        e.Directory = ini.ReadString(kSection, "Dir:" + k, missing);
        e.Command = ini.ReadString(kSection, "Comm:" + k, missing);
        e.TestMode = ini.ReadBool(kSection, "TestMode:" + k, false);
        entries_.push_back(Cut(std::move(e)));
    }
    Modified = false;
}

void TTApp::Save() {
    TAppIni& ini = AppIni();
    ini.WriteInteger(kSection, "Count", Count());
    for (int n = 0; n < Count(); ++n) {
        const std::string k = std::to_string(n);
        const TAppEntry& e = entries_[static_cast<size_t>(n)];
        ini.WriteString(kSection, "Cat:" + k, e.Category);
        ini.WriteString(kSection, "Name:" + k, e.Name);
        ini.WriteString(kSection, "Prog:" + k, e.Program);
        ini.WriteString(kSection, "Dir:" + k, e.Directory);
        ini.WriteString(kSection, "Comm:" + k, e.Command);
        ini.WriteBool(kSection, "TestMode:" + k, e.TestMode);
    }
    Modified = false;
}

void TTApp::Add(const TAppEntry& entry) {
    entries_.push_back(Cut(entry));
    Modified = true;
    Save();
}

void TTApp::Change(int index, const TAppEntry& entry) {
    if (!Valid(index)) return;
    entries_[static_cast<size_t>(index)] = Cut(entry);
    Modified = true;
    Save();
}

void TTApp::Delete(int index) {
    if (!Valid(index)) return;
    entries_.erase(entries_.begin() + index);
    Modified = true;
    Save();
}

bool TTApp::MoveUp(int index) {
    if (Count() < 2 || index <= 0 || index >= Count()) return false;
    std::swap(entries_[static_cast<size_t>(index)], entries_[static_cast<size_t>(index - 1)]);
    Modified = true;
    return true;
}

bool TTApp::MoveDown(int index) {
    if (Count() < 2 || index < 0 || index >= Count() - 1) return false;
    std::swap(entries_[static_cast<size_t>(index)], entries_[static_cast<size_t>(index + 1)]);
    Modified = true;
    return true;
}

int TTApp::CountInCategory(const std::string& category) const {
    int n = 0;
    for (const TAppEntry& e : entries_)
        if (category.empty() || e.Category == category) ++n;
    return n;
}

int TTApp::IndexInCategory(int position, const std::string& category) const {
    if (position < 0) return -1;
    for (int i = 0; i < Count(); ++i)
        if (category.empty() || entries_[static_cast<size_t>(i)].Category == category)
            if (position-- == 0) return i;
    return -1;
}

std::string TTApp::NameInCategory(int position, const std::string& category) const {
    const int i = IndexInCategory(position, category);
    return i >= 0 ? entries_[static_cast<size_t>(i)].Name : std::string();
}

std::vector<std::string> TTApp::NamesInCategory(const std::string& category) const {
    std::vector<std::string> names;
    for (const TAppEntry& e : entries_)
        if (category.empty() || e.Category == category) names.push_back(e.Name);
    return names;
}

std::vector<std::string> LoadCategories() { return LoadHistory(kCategorySection, kCategoryKey); }

void AddCategory(const std::string& category) {
    std::vector<std::string> list = LoadCategories();
    AddToHistory(category, list);
    SaveHistory(kCategorySection, kCategoryKey, list);
}
