// The settings store: the one ini file, read and written through the
// platform's private-profile calls; the store itself keeps nothing but the
// file's name. Adds typed reads, fonts, string lists and the "System"
// result channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A font as the settings store keeps it; the windows convert it to QFont.
struct TFontSpec {
    std::string Name = "MS Sans Serif";
    int Size = 8;           // points
    int32_t Color = 0;      // 0x00BBGGRR
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    bool operator==(const TFontSpec&) const = default;
};

class TAppIni {
public:
    // Opens the store on fileName (made absolute) and follows
    // "System"/"LocalIni" once; a relative name there lies beside fileName.
    // A file too large to be settings is reported and left alone.
    explicit TAppIni(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Raises EInOutError "Unable to write to <file>" when the file cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void ReadSection(const std::string& section, std::vector<std::string>& list) const;
    void ReadSectionValues(const std::string& section, std::vector<std::string>& list) const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);

    void WriteFont(const std::string& section, const std::string& prefix, const TFontSpec& font);
    TFontSpec& ReadFont(const std::string& section, const std::string& prefix, TFontSpec& font) const;
    void SaveStrings(const std::string& section, const std::string& prefix,
                     const std::vector<std::string>& list);
    void LoadStrings(const std::string& section, const std::string& prefix,
                     std::vector<std::string>& list) const;

    void SetReturnMessage(const std::string& text);
    void SetReturnCode(int32_t n);
    int32_t GetReturnCode() const;
    void SetWarnLevel(int32_t n);
    int32_t GetWarnLevel() const;

private:
    std::string fileName_;
};

// The program's one store, created at start-up (and by tests).
TAppIni& AppIni();
void SetAppIni(TAppIni* ini);  // not owned
// Converts an integer text as ReadInteger does ("0x1F", "$1F", "-12");
// false when it does not convert.
bool StrToIntChecked(const std::string& text, int32_t& out);
