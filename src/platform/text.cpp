// Text helpers shared by the whole program: case, trimming, system texts.
#include <algorithm>
#include <cctype>

#include "platform/platform.h"

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

// Case mapping for the letters file names use: ASCII and the Latin-1 and
// Latin Extended-A letters of two-byte UTF-8; other characters stay.
template <bool Upper>
std::string MapCase(const std::string& s) {
    std::string out = s;
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            out[i] = static_cast<char>(Upper ? std::toupper(c) : std::tolower(c));
        } else if ((c == 0xC3) && i + 1 < out.size()) {
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            // U+00C0..U+00DE (except U+00D7) <-> U+00E0..U+00FE (except U+00F7)
            if (Upper && d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
            if (!Upper && d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
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
