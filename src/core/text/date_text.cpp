#include "core/text/date_text.h"

#include <cctype>
#include <cstdio>

namespace {

const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",
                                   "May",     "June",     "July",      "August",
                                   "September", "October", "November", "December"};

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(const std::string& s, size_t at, const char* word) {
    for (size_t k = 0; word[k]; ++k)
        if (at + k >= s.size() || Upper(s[at + k]) != Upper(word[k])) return false;
    return true;
}

std::string Number(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

// Whether the pattern asks for the 12-hour clock: an AM/PM or A/P marker
// outside quoted text.
bool TwelveHour(const std::string& pattern) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '"' || c == '\'') {
            size_t close = pattern.find(c, i + 1);
            if (close == std::string::npos) return false;
            i = close;
        } else if (StartsWithNoCase(pattern, i, "am/pm") || StartsWithNoCase(pattern, i, "a/p")) {
            return true;
        }
    }
    return false;
}

// The marker keeps the case the pattern spells it with.
std::string Cased(const char* text, bool lower) {
    std::string s = text;
    if (lower)
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int CurrentCentury() {
    plat::DateParts now{};
    if (!plat::DecodeDateTime(plat::Now(), now)) return 2000;
    return now.year / 100 * 100;
}

}  // namespace

bool FormatDateTime(const std::string& pattern, plat::DateTime value, std::string& out) {
    out.clear();
    plat::DateParts p{};
    if (!plat::DecodeDateTime(value, p)) return false;
    const bool twelve = TwelveHour(pattern);
    const bool pm = p.hour >= 12;
    char lastLetter = 0;  // the last field letter, so "mm" after an hour means minutes
    size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        if (c == '"' || c == '\'') {
            size_t close = pattern.find(c, i + 1);
            if (close == std::string::npos) close = pattern.size();
            out.append(pattern, i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            out += c;
            ++i;
            continue;
        }
        char letter = Upper(c);
        if (letter == 'A') {
            bool lower = std::islower(static_cast<unsigned char>(c));
            if (StartsWithNoCase(pattern, i, "am/pm")) {
                out += Cased(pm ? "PM" : "AM", lower);
                i += 5;
            } else if (StartsWithNoCase(pattern, i, "a/p")) {
                out += Cased(pm ? "P" : "A", lower);
                i += 3;
            } else {
                out += c;
                ++i;
            }
            lastLetter = letter;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && Upper(pattern[i + run]) == letter) ++run;
        if (letter == 'M' && lastLetter == 'H') letter = 'N';
        switch (letter) {
        case 'D':
            if (run == 1) out += std::to_string(p.day);
            else if (run == 2) out += Number(p.day, 2);
            else out += (run == 3 ? kShortDays : kLongDays)[(p.dayOfWeek + 6) % 7];
            break;
        case 'M':
            if (run == 1) out += std::to_string(p.month);
            else if (run == 2) out += Number(p.month, 2);
            else out += (run == 3 ? kShortMonths : kLongMonths)[p.month - 1];
            break;
        case 'Y':
            out += run <= 2 ? Number(p.year % 100, 2) : Number(p.year, 4);
            break;
        case 'H': {
            int hour = twelve ? (p.hour % 12 == 0 ? 12 : p.hour % 12) : p.hour;
            out += run == 1 ? std::to_string(hour) : Number(hour, 2);
            break;
        }
        case 'N':
            out += run == 1 ? std::to_string(p.minute) : Number(p.minute, 2);
            break;
        case 'S':
            out += run == 1 ? std::to_string(p.second) : Number(p.second, 2);
            break;
        case 'Z':
            out += run < 3 ? std::to_string(p.msec) : Number(p.msec, 3);
            break;
        default:
            out.append(pattern, i, run);  // not a field: the letters themselves
            break;
        }
        lastLetter = letter;
        i += run;
    }
    return true;
}

std::string FormatDateTime(const std::string& pattern, plat::DateTime value) {
    std::string out;
    return FormatDateTime(pattern, value, out) ? out : std::string();
}

bool StrToDate(const std::string& text, plat::DateTime& out) {
    int parts[3] = {0, 0, 0};
    size_t digits[3] = {0, 0, 0};
    int count = 0;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ') ++i;
    };
    for (;;) {
        skipBlanks();
        size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 5)
            parts[count] = parts[count] * 10 + (text[i++] - '0');
        digits[count] = i - start;
        if (digits[count] == 0 || digits[count] > 4) return false;
        ++count;
        skipBlanks();
        if (count == 3 || i >= text.size() || text[i] != '/') break;
        ++i;
    }
    if (i != text.size() || count < 2) return false;

    int month = parts[0], day = parts[1], year;
    if (count == 2) {
        plat::DateParts now{};
        if (!plat::DecodeDateTime(plat::Now(), now)) return false;
        year = now.year;
    } else {
        year = parts[2];
        if (digits[2] <= 2) year += CurrentCentury();
    }
    return plat::EncodeDate(year, month, day, out);
}

std::string DateToStr(plat::DateTime value) {
    plat::DateParts p{};
    if (!plat::DecodeDateTime(value, p)) return std::string();
    return Number(p.month, 2) + "/" + Number(p.day, 2) + "/" + Number(p.year % 100, 2);
}

std::string DateToStoredStr(plat::DateTime value) {
    plat::DateParts p{};
    if (!plat::DecodeDateTime(value, p)) return std::string();
    if (p.year / 100 * 100 == CurrentCentury()) return DateToStr(value);
    return Number(p.month, 2) + "/" + Number(p.day, 2) + "/" + Number(p.year, 4);
}
