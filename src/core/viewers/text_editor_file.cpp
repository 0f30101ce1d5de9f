#include "core/viewers/text_editor_file.h"

#include <cstdint>

#include "core/viewers/record_reader.h"

namespace {

// Windows-1252's characters for bytes 0x80..0x9F, as LineAsRead shows them.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows-1252 byte of a character, -1 when the code page lacks it.
int ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

TEditedText DecodeForEditing(const std::string& bytes) {
    TEditedText out;
    const size_t lf = bytes.find('\n');
    out.CrLf = lf != std::string::npos && lf > 0 && bytes[lf - 1] == '\r';
    std::string text = LineAsRead(bytes);
    out.Windows1252 = text != bytes;
    if (out.CrLf) {
        std::string plain;
        plain.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
            plain += text[i];
        }
        text.swap(plain);
    }
    out.Text = std::move(text);
    return out;
}

std::string EncodeForSaving(const std::string& text, bool crLf, bool windows1252) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (i + len > text.size()) len = text.size() - i;
        if (lead == '\n' && crLf) {
            out += "\r\n";
        } else if (windows1252 && lead >= 0x80) {
            char32_t c = len == 2 ? (lead & 0x1F) : len == 3 ? (lead & 0x0F) : (lead & 0x07);
            for (size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            const int b = ByteOf(c);
            if (b >= 0) out += static_cast<char>(b);
            else out.append(text, i, len);
        } else {
            out.append(text, i, len);
        }
        i += len;
    }
    return out;
}
