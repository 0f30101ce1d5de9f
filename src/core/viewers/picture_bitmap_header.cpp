#include "core/viewers/picture_bitmap_header.h"

namespace {

uint32_t DWord(std::string_view b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

constexpr size_t kFileHeader = 14;
constexpr uint32_t kRgb = 0, kBitFields = 3;

}  // namespace

bool ReadBitmapFacts(std::string_view b, TBitmapFacts& facts) {
    if (b.size() < kFileHeader + 16 || b[0] != 'B' || b[1] != 'M') return false;
    const uint32_t infoSize = DWord(b, 14);
    if (infoSize < 40 || b.size() < kFileHeader + 40) return false;  // the old 12-byte core header is left to the decoder
    const int32_t width = static_cast<int32_t>(DWord(b, 18));
    const int32_t height = static_cast<int32_t>(DWord(b, 22));
    const uint32_t bits = DWord(b, 28) & 0xFFFF;
    const uint32_t compression = DWord(b, 30);
    facts.Width = width < 0 ? -int64_t(width) : width;
    facts.Height = height < 0 ? -int64_t(height) : height;
    facts.RowsComplete = true;
    if (compression == kRgb || compression == kBitFields) {
        const int64_t stride = (facts.Width * bits + 31) / 32 * 4;
        const int64_t needed = int64_t(DWord(b, 10)) + stride * facts.Height;
        facts.RowsComplete = needed <= static_cast<int64_t>(b.size());
    }
    return true;
}
