// The program-wide settings the option dialogs edit and store: hints, the
// double-click and right-click behaviour, the list font, how executables
// are drawn and the text viewer's tab width, with their value ranges.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct TProgramSettings {
    // Section "Application"
    bool VPicS = true, VAscS = true, VHexS = true;  // written back as read
    bool ShowHint = true;
    int32_t HintColor = -1;  // -1: the platform's hint colour
    std::string FontName = "Arial";
    int32_t FontSize = 10;
    int32_t Tabs = 8;
    // Section "Mainform"
    bool DBLClickRun = true;
    bool RDJump = false, RD_Menu = true, RDBack = true;
    int32_t ExeColor = -1;  // -1: executables stay black
    bool ExeBold = true, ExeItalic = false, ExeStrikeout = false, ExeUnderline = false;
};

// Writes every setting; "Tabs" only when withTabs (the window options
// dialog leaves it alone).
void SaveProgramSettings(const TProgramSettings& s, bool withTabs);

// The list font sizes the global options offer.
constexpr int kMinListFontSize = 8, kMaxListFontSize = 16;
// The size list's text as a size, none when it is not one of 8 to 16.
std::optional<int> ListFontSizeFromText(const std::string& text);

// The text viewer's tab width: 0 to 32; a stored width outside that range
// counts as the default.
constexpr int kMinTabWidth = 0, kMaxTabWidth = 32, kDefaultTabWidth = 8;
int TabWidthOrDefault(int32_t stored);
