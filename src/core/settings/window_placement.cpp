#include "core/settings/window_placement.h"

#include <algorithm>
#include <string>

namespace {

const char* const kSection = "Mainform";

bool ReadNumber(const TAppIni& ini, const char* key, int& out) {
    int32_t value = 0;
    if (!StrToIntChecked(ini.ReadString(kSection, key, ""), value)) return false;
    out = value;
    return true;
}

}  // namespace

TWindowPlacement ReadWindowPlacement(const TAppIni& ini) {
    TWindowPlacement p;
    p.Maximized = ini.ReadString(kSection, "WindowState", "N") == "X";
    TPlaceRect& r = p.Normal;
    p.Stored = ReadNumber(ini, "Left", r.Left) && ReadNumber(ini, "Top", r.Top) &&
               ReadNumber(ini, "Width", r.Width) && ReadNumber(ini, "Height", r.Height) && r.Width > 0 &&
               r.Height > 0;
    if (!p.Stored) r = {};
    return p;
}

void WriteWindowPlacement(TAppIni& ini, const TWindowPlacement& p) {
    ini.WriteString(kSection, "WindowState", p.Maximized ? "X" : "N");
    if (!p.Stored) return;
    ini.WriteInteger(kSection, "Left", p.Normal.Left);
    ini.WriteInteger(kSection, "Top", p.Normal.Top);
    ini.WriteInteger(kSection, "Width", p.Normal.Width);
    ini.WriteInteger(kSection, "Height", p.Normal.Height);
}

TPlaceRect CentredOnScreen(int width, int height, const TPlaceRect& screen) {
    TPlaceRect r;
    r.Width = std::clamp(width, 1, std::max(1, screen.Width));
    r.Height = std::clamp(height, 1, std::max(1, screen.Height));
    r.Left = screen.Left + (screen.Width - r.Width) / 2;
    r.Top = screen.Top + (screen.Height - r.Height) / 2;
    return r;
}

TPlaceRect PlaceOnScreen(const TPlaceRect& stored, const TPlaceRect& screen) {
    // In 64 bits: stored values come from a file and may be anything.
    const long long left = stored.Left, top = stored.Top;
    const bool meets = left < static_cast<long long>(screen.Left) + screen.Width &&
                       left + stored.Width > screen.Left &&
                       top < static_cast<long long>(screen.Top) + screen.Height &&
                       top + stored.Height > screen.Top;
    if (!meets) return CentredOnScreen(stored.Width, stored.Height, screen);
    TPlaceRect r = stored;
    r.Width = std::min(r.Width, screen.Width);
    r.Height = std::min(r.Height, screen.Height);
    return r;
}
