// Quick directories: named directories with their own pattern list, opened
// in a new split window with one choice, some of them at start-up. Kept in
// settings section "DList" in list order.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Widths of the texts typed and stored. Dir is a path and keeps its whole
// length (a cut path names another directory).
constexpr size_t kQuickNameWidth = 40, kQuickWildWidth = 40;

struct TQuickDir {
    std::string Name, Dir, Wild;
    bool Load = false;
    bool operator==(const TQuickDir&) const = default;
};

class TDlist {
public:
    void Load();
    // Writes "Count" and every entry; clears Modified.
    void Save();
    bool Modified = false;

    // Each cuts the texts to their widths and saves the list.
    void Add(const std::string& name, const std::string& dir, bool load, const std::string& wild);
    void Change(int index, const std::string& name, const std::string& dir, bool load, const std::string& wild);
    void Delete(int index);

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const TQuickDir& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    std::string Name(int index) const { return Entry(index).Name; }
    std::string Dir(int index) const { return Entry(index).Dir; }
    std::string Wild(int index) const { return Entry(index).Wild; }
    bool GetLoad(int index) const { return Entry(index).Load; }

    // Opens every entry marked Load, in list order, with open; answers how
    // many were opened.
    int OpenAutoload(const std::function<void(int)>& open) const;

private:
    std::vector<TQuickDir> entries_;
};

// Stored width of a column of the Quick Directory List; 0 or less: none.
int QuickGridWidth(int column);
void StoreQuickGridWidth(int column, int width);
