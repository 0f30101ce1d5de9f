// The file list of one directory window: its entries, read from a directory
// through the window's filters and kept in the order of its sort keys, the
// tag flags, and the four counters. The window classes own one and forward
// their entry and tag operations to it. Indexes are 0-based; -1 means none.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/filelist/file_entry.h"

class TQuilbyOptions;

class TFileListModel {
public:
    // Gathers the changes made while it lives: the listener hears of them
    // once, when the outermost one ends. Every change of the list opens
    // one; a loop over many entries opens one around itself.
    class TChanges {
    public:
        explicit TChanges(TFileListModel& list) : list_(list) { ++list_.changeDepth_; }
        ~TChanges();
        TChanges(const TChanges&) = delete;
        TChanges& operator=(const TChanges&) = delete;

    private:
        TFileListModel& list_;
    };

    // Told after the entries or their tags changed (a read, a sort, tags),
    // so that the views and counters follow. It is called from inside the
    // change and must not throw.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    [[nodiscard]] TChanges GatherChanges() { return TChanges(*this); }

    // Rebuilds the list from the files of directory (Windows form) that pass
    // the options' pattern list, attribute switches, size and date ranges,
    // sorted by their SortKeys. Tags do not survive. A directory that cannot
    // be read (missing, unreadable, vanished during the read) leaves an empty
    // list and zero counters and returns false.
    bool ReadDirectory(const std::string& directory, const TQuilbyOptions& options);
    // Appends one found file at the end, counted, untagged (the search result
    // window lists files in the order it finds them).
    void AppendEntry(const plat::FindData& found, int32_t dirIndex);
    // Puts the list in the order of sortKeys; tags and counters stay.
    void SortEntries(const std::string& sortKeys);

    void ClearEntries();  // an empty list, all counters 0
    void FreeEntries();   // the same, and the memory is given back

    // The directory of the last read; entry paths are built on it.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory) { directory_ = directory; }

    int GetListCount() const { return static_cast<int>(entries_.size()); }
    int GetEntryCount() const { return entryCount_; }
    int64_t GetEntryBytes() const { return entryBytes_; }
    int GetTaggedCount() const { return taggedCount_; }
    int64_t GetTaggedBytes() const { return taggedBytes_; }
    const std::vector<TFileEntry>& FileList() const { return entries_; }
    const TFileEntry& Entry(int i) const { return entries_.at(static_cast<size_t>(i)); }

    // Tag operations; an index out of range changes nothing.
    bool IsTagged(int i) const;
    void TagEntry(int i);
    void UntagEntry(int i);
    void ToggleTag(int i);
    void TagAll();
    void TagNone();
    void ToggleAll();
    void ReverseAll() { ToggleAll(); }
    // Tags entry i when nothing is tagged yet; false (and no change) when
    // something is tagged already or i names no entry.
    bool TagIfNone(int i);

    int FirstTagged() const;
    int NextTagged(int i) const;  // lowest tagged index above i
    int PrevTagged(int i) const;  // highest tagged index below i
    int LastTagged() const;

    plat::DateTime GetEntryDate(int i) const;
    int64_t GetEntrySize(int i) const;
    uint32_t GetEntryAttr(int i) const;
    // Name "." Ext: a file without extension shows a trailing dot.
    std::string GetEntryName(int i) const;
    // Directory, one backslash, and the file's real name (no dot added).
    std::string GetEntryPath(int i) const;
    // Lowest index whose entry name equals name without regard to case.
    int FindEntry(const std::string& name) const;
    // Appends the entry names of the tagged entries, in list order.
    void GetTaggedNames(std::vector<std::string>& names) const;
    // Creates or replaces the text file fileName (Windows form) with the full
    // path of every tagged entry, one a line, in list order. pathOf gives the
    // path of an index (default GetEntryPath). Raises EInOutError with the
    // system's text when the file cannot be written.
    void WriteTaggedList(const std::string& fileName,
                         const std::function<std::string(int)>& pathOf = nullptr) const;

private:
    bool Valid(int i) const { return i >= 0 && i < GetListCount(); }
    void CountEntry(const TFileEntry& e);
    void Changed() { changed_ = true; }

    std::function<void()> listener_;
    int changeDepth_ = 0;
    bool changed_ = false;

    std::vector<TFileEntry> entries_;
    std::string directory_;
    int entryCount_ = 0;
    int64_t entryBytes_ = 0;
    int taggedCount_ = 0;
    int64_t taggedBytes_ = 0;
};
