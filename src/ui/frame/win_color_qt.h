// Colours as the settings file stores them: 0x00BBGGRR, the classic layout.
#pragma once

#include <QColor>
#include <cstdint>

inline QColor WinColorToQColor(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int32_t QColorToWinColor(const QColor& c) {
    return static_cast<int32_t>((c.blue() << 16) | (c.green() << 8) | c.red());
}
