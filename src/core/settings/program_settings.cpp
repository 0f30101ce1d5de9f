#include "core/settings/program_settings.h"

#include <charconv>

#include "core/settings/app_ini.h"

void SaveProgramSettings(const TProgramSettings& s, bool withTabs) {
    TAppIni& ini = AppIni();
    ini.WriteBool("Application", "VPicS", s.VPicS);
    ini.WriteBool("Application", "VAscS", s.VAscS);
    ini.WriteBool("Application", "VHexS", s.VHexS);
    ini.WriteBool("Application", "ShowHint", s.ShowHint);
    ini.WriteInteger("Application", "HintColor", s.HintColor);
    ini.WriteBool("Mainform", "DBLClickRun", s.DBLClickRun);
    ini.WriteBool("Mainform", "RDJump", s.RDJump);
    ini.WriteBool("Mainform", "RD_Menu", s.RD_Menu);
    ini.WriteBool("Mainform", "RDBack", s.RDBack);
    ini.WriteInteger("Mainform", "ExeColor", s.ExeColor);
    ini.WriteBool("Mainform", "ExeBold", s.ExeBold);
    ini.WriteBool("Mainform", "ExeItalic", s.ExeItalic);
    ini.WriteBool("Mainform", "ExeStrikeout", s.ExeStrikeout);
    ini.WriteBool("Mainform", "ExeUnderline", s.ExeUnderline);
    ini.WriteString("Application", "FontName", s.FontName);
    ini.WriteInteger("Application", "FontSize", s.FontSize);
    if (withTabs) ini.WriteInteger("Application", "Tabs", s.Tabs);
}

std::optional<int> ListFontSizeFromText(const std::string& text) {
    int size = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (size < kMinListFontSize || size > kMaxListFontSize) return std::nullopt;
    return size;
}

int TabWidthOrDefault(int32_t stored) {
    return stored >= kMinTabWidth && stored <= kMaxTabWidth ? stored : kDefaultTabWidth;
}
