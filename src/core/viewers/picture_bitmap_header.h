// The facts a Windows bitmap (.BMP) declares in its headers, read before
// the picture is decoded: its size in pixels, and whether the file holds
// all the pixel rows an uncompressed bitmap needs (a decoder would show a
// cut file half drawn without a word).
#pragma once

#include <cstdint>
#include <string_view>

struct TBitmapFacts {
    int64_t Width = 0;
    int64_t Height = 0;       // without its sign (negative: top-down rows)
    bool RowsComplete = true;  // false when an uncompressed bitmap is cut short
};

// False when bytes do not start like a bitmap with an info header.
bool ReadBitmapFacts(std::string_view bytes, TBitmapFacts& facts);
