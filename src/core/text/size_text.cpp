#include "core/text/size_text.h"

#include "core/platform/errors.h"
#include "core/platform/platform.h"

std::string GroupDigits(int64_t value) {
    // The magnitude as unsigned, so the most negative value converts too.
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? "-" + out : out;
}

std::string FormatSize(int64_t value, char unit) {
    switch (unit) {
    case 'K':
    case 'k':
        return GroupDigits(value / 1024) + "K";
    case 'M':
    case 'm':
        return GroupDigits(value / 1048576) + "M";
    default:
        return GroupDigits(value) + " ";
    }
}

bool DriveReady(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') throw EConvertError("Not a valid drive ID");
    // A drive that is not ready must not bring up the host's retry prompt.
    plat::SetErrorMode(true);
    int64_t size = 0, freeBytes = 0;
    bool ready = plat::DiskSpace(letter, size, freeBytes);
    plat::SetErrorMode(false);
    return ready;
}
