// The application list: each entry a category, a description, a program,
// a working directory, a command-line template and a test flag, kept in
// settings section "TApp" in list order; and the category names under
// "Application"/"CatList:".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Widths of the texts typed and stored. Program and Directory are paths:
// they keep their whole length (a cut path names another file).
constexpr size_t kAppCategoryWidth = 30, kAppNameWidth = 30, kAppCommandWidth = 80;

struct TAppEntry {
    std::string Category, Name, Program, Directory, Command;
    bool TestMode = false;
    bool operator==(const TAppEntry&) const = default;
};

class TTApp {
public:
    // Reads section "TApp".
    void Load();
    // Writes "Count" and every entry; clears Modified.
    void Save();
    bool Modified = false;

    // Each cuts the texts to their widths and saves the list.
    void Add(const TAppEntry& entry);
    void Change(int index, const TAppEntry& entry);
    void Delete(int index);
    // Exchange an entry with its neighbour; false when there is none. Not
    // saved by themselves: the next Add, Change or Delete writes the order.
    bool MoveUp(int index);
    bool MoveDown(int index);

    int Count() const { return static_cast<int>(entries_.size()); }
    const TAppEntry& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    // The entries of one category; the empty category holds every entry.
    int CountInCategory(const std::string& category) const;
    // Position among the category's entries to list index; -1 when none.
    int IndexInCategory(int position, const std::string& category) const;
    std::string NameInCategory(int position, const std::string& category) const;
    std::vector<std::string> NamesInCategory(const std::string& category) const;

private:
    std::vector<TAppEntry> entries_;
};

// The category names, newest first.
std::vector<std::string> LoadCategories();
// Puts a category into the list (once, without regard to case) and saves it.
void AddCategory(const std::string& category);
