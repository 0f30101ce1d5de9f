#include "core/drives/drive_texts.h"

#include "core/platform/platform.h"
#include "core/text/size_text.h"

namespace {

// 100 - used x 100 / size, truncated towards zero; a drive of no size has
// nothing free.
std::string FreePercent(int64_t size, int64_t freeBytes) {
    if (size <= 0) return "0";
    const double used = static_cast<double>(size - freeBytes);
    return std::to_string(static_cast<int64_t>(100.0 - used * 100.0 / static_cast<double>(size)));
}

}  // namespace

std::vector<std::string> BuildDriveList() {
    std::vector<std::string> list;
    const uint32_t mask = plat::LogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!(mask & (1u << (letter - 'A')))) continue;
        std::string text = std::string(1, letter) + ":";
        switch (plat::GetDriveType(letter)) {
            case plat::DriveType::Removable:
                break;
            case plat::DriveType::Fixed:
            case plat::DriveType::CDRom:
            case plat::DriveType::RamDisk:
                text += " [" + plat::VolumeLabel(letter) + "]";
                break;
            case plat::DriveType::Remote: {
                const std::string share = plat::NetworkName(letter);
                text += share.empty() ? " [" + plat::VolumeLabel(letter) + "]" : " " + share;
                break;
            }
            default:
                continue;
        }
        list.push_back(plat::UpperCase(text));
    }
    return list;
}

std::string DriveSpaceLine(char letter, int64_t size, int64_t freeBytes) {
    return std::string(1, letter) + ": Avail: " + FormatSize(freeBytes, 'B') +
           " Used: " + FormatSize(size - freeBytes, 'K') + "  Free: " +
           FreePercent(size, freeBytes) + " % ";
}

std::string DriveHint(char letter, bool showFloppy) {
    if (plat::GetDriveType(letter) == plat::DriveType::Removable && !showFloppy) return "Floppy Disk";
    // One question of the drive serves as the ready test and the figures.
    int64_t size = 0, freeBytes = 0;
    if (!plat::DiskSpace(letter, size, freeBytes)) return "Not Ready";
    return DriveSpaceLine(letter, size, freeBytes);
}

TDriveRowCells MeasureDriveRow(char letter, char unit) {
    TDriveRowCells cells;
    int64_t size = 0, freeBytes = 0;
    if (!plat::DiskSpace(letter, size, freeBytes)) {
        cells.size = "Not ready";
        return cells;
    }
    cells.size = FormatSize(size, unit);
    cells.freeSpace = FormatSize(freeBytes, unit);
    cells.percent = FreePercent(size, freeBytes) + " % ";
    return cells;
}
