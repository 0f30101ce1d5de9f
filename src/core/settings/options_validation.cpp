#include "core/settings/options_validation.h"

#include "core/tagging/tag_rules.h"
#include "core/text/date_text.h"

const std::vector<std::string>& TimeFormatChoices() {
    static const std::vector<std::string> formats{"hh:mm:ss", "hh:mm:ss AM/PM", "(none)"};
    return formats;
}

const std::vector<std::string>& DateFormatChoices() {
    static const std::vector<std::string> formats{
        "dd-mm-yy",   "mm-yy-dd",   "mm-dd-yy",   "yy-mm-dd", "dd-mm-yyyy",
        "mm-dd-yyyy", "yyyy-mm-dd", "yyyy-dd-mm", "(none)"};
    return formats;
}

namespace {
const char kSortLetters[] = "NEDS";
}

const std::vector<std::string>& SortFieldNames() {
    static const std::vector<std::string> names{"Filename", "Extension", "Date", "Size"};
    return names;
}

std::string SortFieldName(char letter) {
    for (size_t i = 0; i < SortFieldNames().size(); ++i)
        if (kSortLetters[i] == letter) return SortFieldNames()[i];
    return {};
}

char SortFieldLetter(const std::string& name) {
    for (size_t i = 0; i < SortFieldNames().size(); ++i)
        if (SortFieldNames()[i] == name) return kSortLetters[i];
    return '\0';
}

std::vector<std::string> SelectedSortFields(const std::string& keys) {
    std::vector<std::string> fields;
    for (char c : keys)
        if (std::string name = SortFieldName(c); !name.empty()) fields.push_back(name);
    return fields;
}

std::vector<std::string> AvailableSortFields(const std::string& keys) {
    std::vector<std::string> fields;
    for (size_t i = 0; i < SortFieldNames().size(); ++i)
        if (keys.find(kSortLetters[i]) == std::string::npos) fields.push_back(SortFieldNames()[i]);
    return fields;
}

std::string SortKeysOf(const std::vector<std::string>& fields) {
    std::string keys;
    for (const std::string& f : fields)
        if (char c = SortFieldLetter(f); c && keys.size() < 4) keys += c;
    return keys;
}

int CaseChoice(const std::string& storedCase) {
    if (storedCase == "U") return 0;
    if (storedCase == "L") return 1;
    return 2;
}

std::string CaseLetter(int choice) { return choice == 0 ? "U" : choice == 1 ? "L" : "P"; }

int SizeUnitChoice(int32_t storedSize) { return storedSize >= 0 && storedSize <= 3 ? storedSize : 1; }

namespace {

bool ReadSizeBound(const std::string& text, int64_t& out) {
    return ParseTagSize(text, out) == TSizeParse::Ok;
}

bool ReadDateField(const std::string& text, const TShownDate& shown, plat::DateTime& out) {
    if (!shown.Text.empty() && text == shown.Text) {
        out = shown.Value;
        return true;
    }
    return StrToDate(text, out);
}

}  // namespace

TRangeFault CheckRanges(const TRangeFields& f, TRanges& out) {
    auto fault = [](TRangeFault::Field field, const char* message, bool error) {
        return TRangeFault{field, message, error};
    };
    if (!ReadSizeBound(f.SizeFrom, out.SzMin))
        return fault(TRangeFault::SizeFrom, "Invalid number entered!", true);
    if (!ReadSizeBound(f.SizeTo, out.SzMax))
        return fault(TRangeFault::SizeTo, "Invalid number entered!", true);
    if (f.UseSize && out.SzMin >= out.SzMax)
        return fault(TRangeFault::SizeFrom, "Invalid size range entered!", false);
    if (!ReadDateField(f.DateFrom, f.ShownFrom, out.DtMin))
        return fault(TRangeFault::DateFrom, "Invalid date entered!", true);
    if (!ReadDateField(f.DateTo, f.ShownTo, out.DtMax))
        return fault(TRangeFault::DateTo, "Invalid date entered!", true);
    if (f.UseDate && out.DtMin >= out.DtMax)
        return fault(TRangeFault::DateFrom, "Invalid date range entered!", false);
    return {};
}
