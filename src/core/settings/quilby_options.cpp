#include "core/settings/quilby_options.h"

#include <charconv>

#include "core/settings/app_ini.h"
#include "core/text/date_text.h"

namespace {

bool defaultsReady = false;

const char* const kDefaultDtMin = "01/01/80";
const char* const kDefaultDtMax = "12/31/99";

// A stored size that is no decimal integer reads as the default.
int64_t ReadSize(const char* key, int64_t def) {
    std::string text = plat::Trim(AppIni().ReadString("FOptions", key, std::to_string(def)));
    const char* first = text.data();
    if (!text.empty() && text[0] == '+') ++first;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || first == end) return def;
    return value;
}

// A stored date that does not convert reads as the default date.
plat::DateTime ReadDate(const char* key, const char* def) {
    plat::DateTime value = 0;
    if (StrToDate(AppIni().ReadString("FOptions", key, def), value)) return value;
    StrToDate(def, value);
    return value;
}

}  // namespace

TQuilbyOptions::TQuilbyOptions() {
    if (DefaultsReady()) CopyFrom(DefaultOptions());
}

void TQuilbyOptions::LoadDefaults() {
    TAppIni& ini = AppIni();
    SortKeys = CutToWidth(ini.ReadString("SOptions", "Sort", "END"), kSortKeysWidth);
    DirFull = ini.ReadBool("WOptions", "DirFull", true);
    Wildcards = CutToWidth(ini.ReadString("FOptions", "Wildcards", "*.*"), kWildcardsWidth);
    A_System = ini.ReadBool("FOptions", "A_System", false);
    A_readonly = ini.ReadBool("FOptions", "A_readonly", true);
    A_Hidden = ini.ReadBool("FOptions", "A_Hidden", false);
    A_Archive = ini.ReadBool("FOptions", "A_Archive", true);
    SZ_MIN = ReadSize("SZ_MIN", 0);
    SZ_MAX = ReadSize("SZ_MAX", 0);
    UseSize = ini.ReadBool("FOptions", "UseSize", false);
    DT_MIN = ReadDate("DT_MIN", kDefaultDtMin);
    DT_MAX = ReadDate("DT_MAX", kDefaultDtMax);
    UseDate = ini.ReadBool("FOptions", "UseDate", false);
    DSRefresh = ini.ReadInteger("ROptions", "DSRefresh", 5);
    SplitExe = ini.ReadBool("VOptions", "SplitExe", true);
    Case = CutToWidth(ini.ReadString("VOptions", "Case", "P"), kCaseWidth);
    ShowAttr = ini.ReadBool("VOptions", "ShowAttr", true);
    Date = CutToWidth(ini.ReadString("VOptions", "Date", "mm/dd/yy"), kDateWidth);
    Time = CutToWidth(ini.ReadString("VOptions", "Time", "hh:mm:ss"), kTimeWidth);
    Size = ini.ReadInteger("VOptions", "Size", 1);
    DFields = CutToWidth(ini.ReadString("DOptions", "DFields", "TFDSA"), kDFieldsWidth);
    TFields = ini.ReadInteger("DOptions", "TFields", 5);
}

void TQuilbyOptions::SaveDefaults() const {
    TAppIni& ini = AppIni();
    ini.WriteString("SOptions", "Sort", CutToWidth(SortKeys, kSortKeysWidth));
    ini.WriteBool("WOptions", "DirFull", DirFull);
    ini.WriteString("FOptions", "Wildcards", CutToWidth(Wildcards, kWildcardsWidth));
    ini.WriteBool("FOptions", "A_System", A_System);
    ini.WriteBool("FOptions", "A_readonly", A_readonly);
    ini.WriteBool("FOptions", "A_Hidden", A_Hidden);
    ini.WriteBool("FOptions", "A_Archive", A_Archive);
    ini.WriteString("FOptions", "SZ_MIN", std::to_string(SZ_MIN));
    ini.WriteString("FOptions", "SZ_MAX", std::to_string(SZ_MAX));
    ini.WriteBool("FOptions", "UseSize", UseSize);
    // Only the day is kept; a year outside this century keeps its four digits.
    ini.WriteString("FOptions", "DT_MIN", DateToStoredStr(DT_MIN));
    ini.WriteString("FOptions", "DT_MAX", DateToStoredStr(DT_MAX));
    ini.WriteBool("FOptions", "UseDate", UseDate);
    ini.WriteInteger("ROptions", "DSRefresh", DSRefresh);
    ini.WriteBool("VOptions", "SplitExe", SplitExe);
    ini.WriteString("VOptions", "Case", CutToWidth(Case, kCaseWidth));
    ini.WriteBool("VOptions", "ShowAttr", ShowAttr);
    ini.WriteString("VOptions", "Date", CutToWidth(Date, kDateWidth));
    ini.WriteString("VOptions", "Time", CutToWidth(Time, kTimeWidth));
    ini.WriteInteger("VOptions", "Size", Size);
    ini.WriteString("DOptions", "DFields", CutToWidth(DFields, kDFieldsWidth));
    ini.WriteInteger("DOptions", "TFields", TFields);
}

void TQuilbyOptions::CopyFrom(const TQuilbyOptions& source) {
    if (&source == this) return;
    SortKeys = source.SortKeys;
    DirFull = source.DirFull;
    Wildcards = source.Wildcards;
    A_System = source.A_System;
    A_readonly = source.A_readonly;
    A_Hidden = source.A_Hidden;
    A_Archive = source.A_Archive;
    SZ_MIN = source.SZ_MIN;
    SZ_MAX = source.SZ_MAX;
    UseSize = source.UseSize;
    DT_MIN = source.DT_MIN;
    DT_MAX = source.DT_MAX;
    UseDate = source.UseDate;
    DSRefresh = source.DSRefresh;
    SplitExe = source.SplitExe;
    Case = source.Case;
    ShowAttr = source.ShowAttr;
    Date = source.Date;
    Time = source.Time;
    Size = source.Size;
    DFields = source.DFields;
    TFields = source.TFields;
}

uint32_t TQuilbyOptions::AttributeMask() const {
    uint32_t mask = 0;
    if (A_System) mask |= plat::faSysFile;
    if (A_readonly) mask |= plat::faReadOnly;
    if (A_Hidden) mask |= plat::faHidden;
    if (A_Archive) mask |= plat::faArchive;
    return mask;
}

TQuilbyOptions& DefaultOptions() {
    // The defaults themselves start empty, whatever the flag says.
    static TQuilbyOptions defaults = [] {
        bool ready = defaultsReady;
        defaultsReady = false;
        TQuilbyOptions empty;
        defaultsReady = ready;
        return empty;
    }();
    return defaults;
}

bool DefaultsReady() { return defaultsReady; }

void SetDefaultsReady(bool ready) { defaultsReady = ready; }

std::string CutToWidth(const std::string& s, size_t width) {
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (chars++ == width) return s.substr(0, i);
    }
    return s;
}
