// The properties of the host name mapping over arbitrary bytes, shared by
// the fuzz target and the deterministic test: every host name round-trips
// through its Windows form, no Windows name decodes to a name that leaves
// its directory, and a path "C:\dir\" + name stays on drive C:.
#pragma once

#include <string>

#include "core/platform/platform.h"

namespace host_name_properties {

// True when s is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond U+10FFFF), so it survives the UI's strings.
inline bool WellFormedUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
                 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        unsigned cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
        for (size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += n;
    }
    return true;
}

inline bool IsHostName(const std::string& s) {
    return !s.empty() && s != "." && s != ".." && s.find('/') == std::string::npos &&
           s.find('\0') == std::string::npos;
}

// "" when every property holds for bytes, else what broke. driveRoot is the
// host root of drive C:, which holds a directory "dir".
inline std::string Failure(const std::string& bytes, const std::string& driveRoot) {
    // As a host name: its Windows form carries no reserved character, is
    // well-formed, and gives the same host name back.
    if (IsHostName(bytes)) {
        const std::string win = plat::HostNameToWin(bytes);
        if (win.find_first_of(std::string("\\/:*?\"<>|\0", 10)) != std::string::npos)
            return "a Windows form carries a reserved character";
        for (char c : win)
            if (static_cast<unsigned char>(c) < 0x20) return "a Windows form carries a control byte";
        if (!WellFormedUtf8(win)) return "a Windows form is not well-formed UTF-8";
        if (plat::WinNameToHost(win) != bytes) return "a host name does not round-trip";
    }
    // As a Windows name: nothing, or a host name whose Windows form it is.
    const std::string host = plat::WinNameToHost(bytes);
    if (!host.empty()) {
        if (!IsHostName(host)) return "a Windows name decodes to \"/\", NUL, \".\" or \"..\"";
        if (plat::HostNameToWin(host) != bytes) return "two Windows names decode to one host name";
    }
    // As the last part of a path: on the drive, and when it is one name, in
    // its directory.
    const auto path = plat::ToHost("C:\\dir\\" + bytes);
    if (!path) return "";
    if (path->find('\0') != std::string::npos) return "a host path holds NUL";
    if (path->rfind(driveRoot, 0) != 0 ||
        (path->size() > driveRoot.size() && (*path)[driveRoot.size()] != '/'))
        return "a path leaves its drive";
    const bool oneName = bytes.find_first_of("\\/") == std::string::npos && !bytes.empty() &&
                         bytes != "." && bytes != "..";
    if (oneName && path->substr(0, path->rfind('/')) != driveRoot + "/dir")
        return "a name leaves its directory";
    return "";
}

}  // namespace host_name_properties
