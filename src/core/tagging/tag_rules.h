// The rules of tagging by criteria: how the bounds typed into the date and
// size fields are read, which entries a pattern list, a day range, a byte
// range or a set of attribute bits selects, and the passes that tag them.
// A pass walks any list with the directory windows' entry accessors
// (TFileListModel, TMDIChild) from index 0 to GetEntryCount() - 1 and only
// ever adds tags: an entry already tagged is left alone, so it is never
// counted twice, and an entry that is not selected keeps its tag.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/platform.h"
#include "core/tagging/wild_card.h"

// ---------------------------------------------------------------- typed bounds

// A date field's text in the mask's order mm/dd/yy (trailing blanks
// dropped; a two-digit year lies in the current century). False when it
// names no real date: "13/45/99", a blank mask "  /  /  ", a missing part.
bool ParseTagDate(const std::string& text, plat::DateTime& out);

enum class TSizeParse { Ok, Empty, NotInteger };
// A size field's text as a byte count. Trailing blanks are dropped; Empty
// when nothing is left. NotInteger for anything but digits after leading
// blanks ("12 34", "-5") or a value beyond the 64-bit range.
TSizeParse ParseTagSize(const std::string& text, int64_t& out);
// The standard conversion message: "'12 34' is not a valid integer value".
std::string NotIntegerMessage(const std::string& text);

// ---------------------------------------------------------------- criteria

// The calendar day (year, month, day) of a date-time as one number that
// orders as the days do; the time of day plays no part. False when value
// is no valid date.
bool CalendarDay(plat::DateTime value, int32_t& day);

// Whole calendar days from the earlier of two dates to the later, both
// included: bounds typed in reverse order select the same days.
class TDayRange {
public:
    TDayRange(plat::DateTime a, plat::DateTime b);
    // False also for a value that is no valid date.
    bool Contains(plat::DateTime value) const;

private:
    int32_t first_ = 0, last_ = -1;
};

// Bytes from the smaller of two bounds to the larger, both included.
class TSizeRange {
public:
    TSizeRange(int64_t a, int64_t b) : low_(a < b ? a : b), high_(a < b ? b : a) {}
    bool Contains(int64_t size) const { return size >= low_ && size <= high_; }

private:
    int64_t low_, high_;
};

// The attribute bits the four boxes of the attribute dialog stand for.
uint32_t TagAttrMask(bool archive, bool readOnly, bool system, bool hidden);
// Whether attr carries at least one bit of mask; bits outside mask play no
// part.
inline bool HasAnyAttribute(uint32_t attr, uint32_t mask) { return (attr & mask) != 0; }

// An entry name without the directory part a search result window puts in
// front of it ("SUB\DEEP\A.TXT" gives "A.TXT").
std::string NameWithoutDirectory(const std::string& entryName);

// ---------------------------------------------------------------- passes

// Tags every entry for which selects(index) is true.
template <class List, class Selects>
void TagWhere(List& list, Selects selects) {
    // The list's views hear of the new tags once, at the end.
    const auto changes = list.GatherChanges();
    const int count = list.GetEntryCount();
    for (int i = 0; i < count; ++i)
        if (selects(i)) list.TagEntry(i);
}

// Entries whose file name (directory part dropped) the pattern list selects.
template <class List>
void TagMatchingNames(List& list, const TWildCard& patterns) {
    TagWhere(list, [&](int i) { return patterns.Matches(NameWithoutDirectory(list.GetEntryName(i))); });
}

// Entries last modified on a day of the range.
template <class List>
void TagInDayRange(List& list, const TDayRange& days) {
    TagWhere(list, [&](int i) { return days.Contains(list.GetEntryDate(i)); });
}

// Entries whose size lies in the range.
template <class List>
void TagInSizeRange(List& list, const TSizeRange& sizes) {
    TagWhere(list, [&](int i) { return sizes.Contains(list.GetEntrySize(i)); });
}

// Entries that carry at least one of the attribute bits of mask.
template <class List>
void TagWithAnyAttribute(List& list, uint32_t mask) {
    TagWhere(list, [&](int i) { return HasAnyAttribute(list.GetEntryAttr(i), mask); });
}
