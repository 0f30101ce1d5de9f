#include "core/settings/app_ini.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"

namespace {

constexpr size_t kValueBuffer = 1024;     // a value comes back as at most 1023 characters
constexpr size_t kSectionBuffer = 8192;   // key names of one section, joined with NULs

TAppIni* installed = nullptr;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsWindowsForm(const std::string& name) {
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

// The store's file as an absolute name, fixed at opening: the current
// directory changes with every window.
std::string Absolute(const std::string& name) {
    if (IsWindowsForm(name)) {
        std::string full = plat::ExpandFileName(name);
        return full.empty() ? name : full;
    }
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? name : full.string();
}

// A relative "LocalIni" names a file beside the ini file that holds it. On
// a host path, "\" separates names as "/" does, so a name written the
// Windows way works on both.
std::string Beside(const std::string& iniFile, std::string name) {
    if (IsWindowsForm(name)) return name;
    if (IsWindowsForm(iniFile)) {
        bool rooted = name[0] == '\\' || name[0] == '/';
        return Absolute(rooted ? iniFile.substr(0, 2) + name
                               : iniFile.substr(0, iniFile.rfind('\\') + 1) + name);
    }
    for (char& c : name)
        if (c == '\\') c = '/';
    if (name[0] == '/') return name;
    return iniFile.substr(0, iniFile.rfind('/') + 1) + name;
}

}  // namespace

bool StrToIntChecked(const std::string& text, int32_t& out) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (text.size() - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return false;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        int d = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0) return false;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull) return false;
    }
    if (hex) {
        // Eight hex digits fill the 32 bits: $FFFFFFFF is -1.
        int64_t v = static_cast<int32_t>(static_cast<uint32_t>(value));
        out = static_cast<int32_t>(negative ? -v : v);
        return true;
    }
    if (negative ? value > 2147483648ull : value > 2147483647ull) return false;
    out = static_cast<int32_t>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
    return true;
}

TAppIni::TAppIni(const std::string& fileName) : fileName_(Absolute(fileName)) {
    // The program's ini file may send the whole configuration elsewhere;
    // the redirect is followed once. An empty value redirects nowhere.
    std::string local = plat::Trim(ReadString("System", "LocalIni", ""));
    if (!local.empty()) fileName_ = Beside(fileName_, local);
    // A file too large to be settings is neither read nor replaced: the
    // program starts on the defaults and says that it cannot save.
    if (plat::ProfileRefused(fileName_)) ShowError("Unable to write to " + fileName_);
}

std::string TAppIni::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    return plat::ProfileReadString(fileName_, section, key, def, kValueBuffer);
}

void TAppIni::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!plat::ProfileWriteString(fileName_, section, key, value))
        throw EInOutError("Unable to write to " + fileName_);
}

int32_t TAppIni::ReadInteger(const std::string& section, const std::string& key,
                             int32_t def) const {
    int32_t value;
    return StrToIntChecked(ReadString(section, key, ""), value) ? value : def;
}

void TAppIni::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

bool TAppIni::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TAppIni::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TAppIni::ReadSection(const std::string& section, std::vector<std::string>& list) const {
    list = plat::ProfileReadKeys(fileName_, section, kSectionBuffer);
}

void TAppIni::ReadSectionValues(const std::string& section, std::vector<std::string>& list) const {
    std::vector<std::string> keys;
    ReadSection(section, keys);
    list.clear();
    for (const std::string& key : keys) list.push_back(key + "=" + ReadString(section, key, ""));
}

void TAppIni::EraseSection(const std::string& section) {
    if (!plat::ProfileDelete(fileName_, section))
        throw EInOutError("Unable to write to " + fileName_);
}

void TAppIni::DeleteKey(const std::string& section, const std::string& key) {
    if (key.empty()) return;  // an empty key would name the whole section
    if (!plat::ProfileDelete(fileName_, section, key))
        throw EInOutError("Unable to write to " + fileName_);
}

void TAppIni::WriteFont(const std::string& section, const std::string& prefix,
                        const TFontSpec& font) {
    WriteString(section, prefix + ":FontName", font.Name);
    WriteInteger(section, prefix + "FontSize", font.Size);
    WriteInteger(section, prefix + "FontColor", font.Color);
    WriteBool(section, prefix + "FontSBold", font.Bold);
    WriteBool(section, prefix + "FontSItalic", font.Italic);
    WriteBool(section, prefix + "FontSunder", font.Underline);
    WriteBool(section, prefix + "FontSStrike", font.StrikeOut);
}

TFontSpec& TAppIni::ReadFont(const std::string& section, const std::string& prefix,
                             TFontSpec& font) const {
    font.Name = ReadString(section, prefix + ":FontName", font.Name);
    font.Size = ReadInteger(section, prefix + "FontSize", font.Size);
    font.Color = ReadInteger(section, prefix + "FontColor", font.Color);
    font.Bold = ReadBool(section, prefix + "FontSBold", font.Bold);
    font.Italic = ReadBool(section, prefix + "FontSItalic", font.Italic);
    font.Underline = ReadBool(section, prefix + "FontSunder", font.Underline);
    font.StrikeOut = ReadBool(section, prefix + "FontSStrike", font.StrikeOut);
    return font;
}

void TAppIni::SaveStrings(const std::string& section, const std::string& prefix,
                          const std::vector<std::string>& list) {
    WriteInteger(section, prefix + "!", static_cast<int32_t>(list.size()));
    for (size_t i = 0; i < list.size(); ++i)
        WriteString(section, prefix + ":S" + std::to_string(i + 1), list[i]);
}

void TAppIni::LoadStrings(const std::string& section, const std::string& prefix,
                          std::vector<std::string>& list) const {
    int32_t count = ReadInteger(section, prefix + "!", 0);
    list.clear();
    // A damaged count cannot ask for more items than the section has keys.
    if (count > 0) {
        size_t keys = plat::ProfileReadKeys(fileName_, section, SIZE_MAX).size();
        if (static_cast<size_t>(count) > keys) count = static_cast<int32_t>(keys);
    }
    for (int32_t i = 1; i <= count; ++i)
        list.push_back(ReadString(section, prefix + ":S" + std::to_string(i), ""));
}

void TAppIni::SetReturnMessage(const std::string& text) {
    WriteString("System", "ReturnMessage", text);
}

void TAppIni::SetReturnCode(int32_t n) { WriteInteger("System", "ReturnCode", n); }

int32_t TAppIni::GetReturnCode() const { return ReadInteger("System", "ReturnCode", 199); }

void TAppIni::SetWarnLevel(int32_t n) { WriteInteger("System", "WarnLevel", n); }

int32_t TAppIni::GetWarnLevel() const { return ReadInteger("System", "WarnLevel", 0); }

TAppIni& AppIni() {
    if (!installed) {
        std::fprintf(stderr, "Quilby: the settings store is used before it was opened\n");
        std::abort();
    }
    return *installed;
}

void SetAppIni(TAppIni* ini) { installed = ini; }
