// Text helpers shared by the whole program: case, trimming, system texts.
#include <algorithm>
#include <cctype>

#include "core/platform/platform.h"

namespace plat {

std::string ErrorText(FileError e) {
    switch (e) {
        case FileError::None: return "The operation completed successfully";
        case FileError::FileNotFound: return "The system cannot find the file specified";
        case FileError::PathNotFound: return "The system cannot find the path specified";
        case FileError::AccessDenied: return "Access is denied";
        case FileError::InvalidHandle: return "The handle is invalid";
        case FileError::NotReady: return "The device is not ready";
        case FileError::SharingViolation:
            return "The process cannot access the file because it is being used by another process";
        case FileError::DiskFull: return "There is not enough space on the disk";
        case FileError::FileExists: return "The file exists";
        case FileError::AlreadyExists: return "Cannot create a file when that file already exists";
        case FileError::DirNotEmpty: return "The directory is not empty";
        case FileError::InvalidName:
            return "The filename, directory name, or volume label syntax is incorrect";
        case FileError::IoError: return "I/O error";
    }
    return "Unknown error";
}

namespace {

// Case mapping for the letters file names use: ASCII and the two-byte
// UTF-8 letters of Latin-1 and Latin Extended-A whose other case is also two
// bytes (so a mapped text keeps its length); other characters stay.
unsigned UpperLatin(unsigned cp) {
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
    if (cp == 0xFF) return 0x178;
    const bool evenUpper = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if (evenUpper && cp % 2 == 1 && cp != 0x131) return cp - 1;  // U+0131 dotless i -> "I"
    if (oddUpper && cp % 2 == 0) return cp - 1;
    return cp;
}

unsigned LowerLatin(unsigned cp) {
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
    if (cp == 0x178) return 0xFF;
    const bool evenUpper = (cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177);
    const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if (evenUpper && cp % 2 == 0 && cp != 0x130) return cp + 1;  // U+0130 dotted I -> "i"
    if (oddUpper && cp % 2 == 1) return cp + 1;
    return cp;
}

template <bool Upper>
std::string MapCase(const std::string& s) {
    std::string out = s;
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            out[i] = static_cast<char>(Upper ? std::toupper(c) : std::tolower(c));
        } else if (c >= 0xC3 && c <= 0xC5 && i + 1 < out.size() &&
                   (static_cast<unsigned char>(out[i + 1]) & 0xC0) == 0x80) {
            const unsigned cp = ((c & 0x1F) << 6) | (static_cast<unsigned char>(out[i + 1]) & 0x3F);
            const unsigned mapped = Upper ? UpperLatin(cp) : LowerLatin(cp);
            out[i] = static_cast<char>(0xC0 | (mapped >> 6));
            out[i + 1] = static_cast<char>(0x80 | (mapped & 0x3F));
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string UpperCase(const std::string& s) { return MapCase<true>(s); }
std::string LowerCase(const std::string& s) { return MapCase<false>(s); }

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    bool ascii = true;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) {
            ascii = false;
            break;
        }
        if (std::toupper(x) != std::toupper(y)) return false;
    }
    return ascii || UpperCase(a) == UpperCase(b);
}

std::string TrimRight(const std::string& s) {
    size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    return s.substr(0, end);
}

std::string Trim(const std::string& s) {
    size_t start = 0;
    while (start < s.size() && s[start] == ' ') ++start;
    return TrimRight(s.substr(start));
}

}  // namespace plat
