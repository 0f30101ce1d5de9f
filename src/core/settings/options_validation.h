// What the window options dialog offers and checks: the date and time
// formats, the sort fields and their letters, the case and size choices,
// and the size and date ranges read from the dialog's fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/platform.h"

// The formats the dialog offers; "(none)" hides the column.
const std::vector<std::string>& TimeFormatChoices();
const std::vector<std::string>& DateFormatChoices();

// The sort fields in their fixed order: "Filename" N, "Extension" E,
// "Date" D, "Size" S.
const std::vector<std::string>& SortFieldNames();
// The field name of a sort letter, empty for any other character.
std::string SortFieldName(char letter);
// The letter of a field name, '\0' for any other text.
char SortFieldLetter(const std::string& name);
// The fields of keys in order (other characters skipped), and the fields
// not in keys in the fixed order.
std::vector<std::string> SelectedSortFields(const std::string& keys);
std::vector<std::string> AvailableSortFields(const std::string& keys);
// The letters of the fields in order, at most four.
std::string SortKeysOf(const std::vector<std::string>& fields);

// The case choice: 0 upper "U", 1 lower "L", 2 as stored "P". A stored
// case that is none of them shows as stored.
int CaseChoice(const std::string& storedCase);
std::string CaseLetter(int choice);
// The size column: 0 none, 1 bytes, 2 K, 3 M; anything else shows bytes.
int SizeUnitChoice(int32_t storedSize);

// What a date field showed on opening. The field holds a two-digit year,
// so an untouched field keeps the record's date (a stored 1990 would
// otherwise come back as 2090).
struct TShownDate {
    std::string Text;
    plat::DateTime Value = 0;
};

// The dialog's range fields, as typed.
struct TRangeFields {
    std::string SizeFrom, SizeTo;  // digits, blanks where unfilled
    bool UseSize = false;
    std::string DateFrom, DateTo;  // mm/dd/yy
    bool UseDate = false;
    TShownDate ShownFrom, ShownTo;
};

// Which field is at fault, with the message to show; Error tells a
// conversion failure (shown as an error) from a refused range.
struct TRangeFault {
    enum Field { None, SizeFrom, SizeTo, DateFrom, DateTo } field = None;
    std::string message;
    bool error = false;
};

// Checks the fields in the dialog's order (size bounds, size range, date
// bounds, date range) and on success gives the bounds. Equal bounds count
// as a reversed range.
struct TRanges {
    int64_t SzMin = 0, SzMax = 0;
    plat::DateTime DtMin = 0, DtMax = 0;
};
TRangeFault CheckRanges(const TRangeFields& fields, TRanges& out);
