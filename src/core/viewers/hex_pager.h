// The hex viewer's paging, Qt-free: one 16 KB window of the file, reread
// when a drawn row lies outside it, and the texts of every cell of the
// grid (header row 0, data rows from 1). Rows and offsets are 64-bit, so a
// file of any size is shown without loading it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int kHexWindowBytes = 16384;

class THexPager {
public:
    // Opens fileName: reads its size (EInOutError "File not found: NAME"
    // when there is none) and its first window. An empty file has no data
    // row and is shown all the same.
    void Load(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }
    int64_t FileSize() const { return fileSize_; }

    // 4, 8, 16 or 32; anything else above 0 is used as it is, 0 or below
    // gives 16.
    void SetBytesPerRow(int32_t n);
    int32_t BytesPerRow() const { return perRow_; }
    void SetLowerCase(bool lower) { lower_ = lower; }
    bool LowerCase() const { return lower_; }

    // Data rows (header not counted) and grid columns (offset, bytes, text).
    int64_t DataRows() const;
    int ColumnCount() const { return perRow_ + 2; }
    // Hexadecimal digits of the offset column: 8, or more for a file whose
    // last offset needs them.
    int OffsetDigits() const;

    // The text of a cell; row 0 is the header. Drawing a data row moves the
    // window onto it first.
    std::string CellText(int64_t row, int column);

    // The byte at offset when it lies in the window; -1 beyond what was read.
    int ByteAt(int64_t offset);
    // Moves the window, in steps of 16 KB, until it holds offset, and
    // rereads it. A read that fails leaves the window empty and keeps the
    // message for TakeReadError, so a vanished file shows empty cells.
    void EnsureWindow(int64_t offset);
    std::string TakeReadError();

    int64_t WindowOffset() const { return windowOffset_; }
    int32_t WindowBytes() const { return windowBytes_; }
    // Reads of the data window since Load.
    int64_t WindowReads() const { return reads_; }

private:
    void ReadWindow(int64_t offset);
    std::string Hex(uint64_t value, int digits) const;

    std::string fileName_;
    int64_t fileSize_ = 0;
    int32_t perRow_ = 16;
    bool lower_ = false;
    std::array<char, kHexWindowBytes> data_{};
    int64_t windowOffset_ = 0;
    int32_t windowBytes_ = 0;
    int64_t reads_ = 0;
    std::string readError_;
};

// The text of the character column for one byte: 32 to 126 as themselves,
// everything else as ".".
char HexShownChar(unsigned char byte);
