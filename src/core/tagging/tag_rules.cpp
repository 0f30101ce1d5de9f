#include "core/tagging/tag_rules.h"

#include <cctype>
#include <charconv>

#include "core/text/date_text.h"

bool ParseTagDate(const std::string& text, plat::DateTime& out) {
    return StrToDate(plat::TrimRight(text), out);
}

TSizeParse ParseTagSize(const std::string& text, int64_t& out) {
    const std::string trimmed = plat::TrimRight(text);
    if (trimmed.empty()) return TSizeParse::Empty;
    size_t start = trimmed.find_first_not_of(' ');
    // Only digits after leading blanks: no sign, no blank between digits.
    if (!std::isdigit(static_cast<unsigned char>(trimmed[start]))) return TSizeParse::NotInteger;
    const char* first = trimmed.data() + start;
    const char* last = trimmed.data() + trimmed.size();
    int64_t value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return TSizeParse::NotInteger;
    out = value;
    return TSizeParse::Ok;
}

std::string NotIntegerMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

bool CalendarDay(plat::DateTime value, int32_t& day) {
    plat::DateParts p{};
    if (!plat::DecodeDateTime(value, p)) return false;
    day = p.year * 10000 + p.month * 100 + p.day;
    return true;
}

TDayRange::TDayRange(plat::DateTime a, plat::DateTime b) {
    int32_t dayA = 0, dayB = 0;
    if (!CalendarDay(a, dayA) || !CalendarDay(b, dayB)) return;  // stays empty
    first_ = dayA < dayB ? dayA : dayB;
    last_ = dayA < dayB ? dayB : dayA;
}

bool TDayRange::Contains(plat::DateTime value) const {
    int32_t day = 0;
    return CalendarDay(value, day) && day >= first_ && day <= last_;
}

uint32_t TagAttrMask(bool archive, bool readOnly, bool system, bool hidden) {
    return (archive ? plat::faArchive : 0u) | (readOnly ? plat::faReadOnly : 0u) |
           (system ? plat::faSysFile : 0u) | (hidden ? plat::faHidden : 0u);
}

std::string NameWithoutDirectory(const std::string& entryName) {
    size_t cut = entryName.find_last_of("\\:");
    return cut == std::string::npos ? entryName : entryName.substr(cut + 1);
}
