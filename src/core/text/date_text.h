// Date-time texts: the pattern language of the date and time columns, and
// the short date format mm/dd/yy that the ini file and the date fields use.
#pragma once

#include <string>

#include "core/platform/platform.h"

// Formats value with pattern: d dd (day), ddd dddd (day name), m mm (month),
// mmm mmmm (month name), yy yyyy (year), h hh (hour), n nn (minute), s ss
// (second), z zzz (millisecond), AM/PM am/pm a/p (12-hour clock, with the
// marker as spelled). "m" or "mm" right after an hour field means minutes.
// Letters are matched without regard to case; text in quotes and every
// other character is copied as it is. False when value is no valid date.
bool FormatDateTime(const std::string& pattern, plat::DateTime value, std::string& out);
// The same; an empty text when value is no valid date.
std::string FormatDateTime(const std::string& pattern, plat::DateTime value);

// Parses mm/dd/yy or mm/dd/yyyy (blanks around the parts allowed; mm/dd
// alone means this year). A year of one or two digits lies in the current
// century. False for anything that names no real date.
bool StrToDate(const std::string& text, plat::DateTime& out);
// mm/dd/yy of the date part.
std::string DateToStr(plat::DateTime value);
// mm/dd/yy when the year lies in the current century, else mm/dd/yyyy, so
// that StrToDate gives the same day back (a stored 1990 must not come back
// as 2090).
std::string DateToStoredStr(plat::DateTime value);
