// Where the main window opens. Section "Mainform" keeps "WindowState" ("X"
// when the window was maximized at the last exit, "N" otherwise) and, beside
// it, the window's normal position and size ("Left", "Top", "Width",
// "Height"), so a maximized window comes back to its normal place too.
#pragma once

#include "core/settings/app_ini.h"

struct TPlaceRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TPlaceRect&) const = default;
};

struct TWindowPlacement {
    bool Maximized = false;
    bool Stored = false;  // a normal position and size were read
    TPlaceRect Normal;
};

// A stored size that is not positive, a missing or malformed key: no stored
// position and size (a first start).
TWindowPlacement ReadWindowPlacement(const TAppIni& ini);
void WriteWindowPlacement(TAppIni& ini, const TWindowPlacement& placement);

// The stored rectangle as it is while it still meets the screen's free
// area; sized down to that area where it is larger; centred on it where it
// lies wholly off it (the screen changed since).
TPlaceRect PlaceOnScreen(const TPlaceRect& stored, const TPlaceRect& screen);
// A window of width × height (at most the screen's free area) centred on it.
TPlaceRect CentredOnScreen(int width, int height, const TPlaceRect& screen);
