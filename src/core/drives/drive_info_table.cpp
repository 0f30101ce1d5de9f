#include "core/drives/drive_info_table.h"

#include <cctype>
#include <utility>

#include "core/drives/drive_texts.h"
#include "core/platform/platform.h"

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

char DriveInfoUnit(const std::string& stored) {
    if (stored.size() == 1) {
        const char unit = Upper(stored[0]);
        if (unit == 'B' || unit == 'K' || unit == 'M') return unit;
    }
    return 'B';
}

TDriveInfoTable::TDriveInfoTable(std::vector<std::string> driveList)
    : driveList_(std::move(driveList)), rows_(driveList_.size()) {}

void TDriveInfoTable::Measure(TDriveInfoRow& row) {
    // A text without a letter names no drive.
    if (row.name.empty()) return;
    TDriveRowCells cells = MeasureDriveRow(row.name[0], unit_);
    if (cells.size) row.size = *cells.size;
    if (cells.freeSpace) row.freeSpace = *cells.freeSpace;
    if (cells.percent) row.percent = *cells.percent;
}

void TDriveInfoTable::Fill(bool showFloppy) {
    for (size_t i = 0; i < rows_.size(); ++i) {
        TDriveInfoRow& row = rows_[i];
        row.name = plat::UpperCase(driveList_[i]);
        if (row.name.empty()) continue;
        // Removable drives are left alone unless asked for: a floppy drive
        // without a disk would hold up the whole grid.
        if (plat::GetDriveType(row.name[0]) == plat::DriveType::Removable && !showFloppy) continue;
        Measure(row);
    }
}

int TDriveInfoTable::RefreshDrive(char letter) {
    const char upper = Upper(letter);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const std::string name = plat::UpperCase(driveList_[i]);
        if (name.empty() || name[0] != upper) continue;
        rows_[i].name = name;
        Measure(rows_[i]);
        return static_cast<int>(i);
    }
    return -1;
}
