// The texts the drive bar and the drive information window show of the
// drives: the drive list, the space line of the hint and the cells of one
// drive's row. Measuring goes through plat::DiskSpace, which never waits
// long on a drive that does not answer: such a drive is not ready.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One text per drive in letter order, upper case: "C: [LABEL]" for fixed,
// CD-ROM and RAM drives (empty brackets without a label), "N: //SERVER/SHARE"
// for remote drives (the label in brackets when the network name is
// unknown), "A:" for removable drives. Drives of unknown type are left out.
std::vector<std::string> BuildDriveList();

// "C: Avail: 250,000,000  Used: 732,421K  Free: 25 % " for a drive of
// size bytes with freeBytes free.
std::string DriveSpaceLine(char letter, int64_t size, int64_t freeBytes);

// What the hint line shows for a drive under the mouse: "Floppy Disk" for a
// removable drive (untouched) unless showFloppy, "Not Ready", or the space
// line.
std::string DriveHint(char letter, bool showFloppy);

// The measured cells of a drive information row in unit 'B', 'K' or 'M'.
// A cell left empty (nullopt) keeps what it showed.
struct TDriveRowCells {
    std::optional<std::string> size, freeSpace, percent;
};
TDriveRowCells MeasureDriveRow(char letter, char unit);
