// The texts of the drive information grid: one row per drive of the drive
// list with its size, free space and percentage free in one unit. Measuring
// goes through MeasureDriveRow, so a drive that does not answer shows
// "Not ready" without holding up the caller.
#pragma once

#include <string>
#include <vector>

// The unit stored under "Finfo"/"Format": 'B', 'K' or 'M' (either case);
// anything else is bytes.
char DriveInfoUnit(const std::string& stored);

struct TDriveInfoRow {
    std::string name;       // the drive list's text, upper case
    std::string size;       // "Disk Size"
    std::string freeSpace;  // "Free Space"
    std::string percent;    // "% Free"
};

class TDriveInfoTable {
public:
    explicit TDriveInfoTable(std::vector<std::string> driveList);

    const std::vector<TDriveInfoRow>& Rows() const { return rows_; }
    char Unit() const { return unit_; }

    // The unit of the figures measured from now on.
    void SetUnit(char unit) { unit_ = DriveInfoUnit(std::string(1, unit)); }
    // Writes every row's name and measures its drive; a removable drive
    // only when showFloppy. Cells a drive cannot fill keep what they showed.
    void Fill(bool showFloppy);
    // Measures again the first row whose text begins with the letter
    // (without regard to case), removable or not; its index, -1 for none.
    int RefreshDrive(char letter);

private:
    void Measure(TDriveInfoRow& row);

    std::vector<std::string> driveList_;
    std::vector<TDriveInfoRow> rows_;
    char unit_ = 'B';
};
