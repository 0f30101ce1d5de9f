// Reads a text file line by line (records) through one buffer that slides
// over the file, so files of any size can be walked and any line found
// again from its file offset without holding the file in memory. The file
// is never held open between calls: each fill opens it, seeks, reads and
// closes it again, so a file that shrinks or vanishes only ends the data
// early or fails the next fill.
//
// Each LF, each lone CR and each end-of-file mark (26) ends one line; CR LF
// together is one line end, so blank lines are kept. A NUL byte is handed
// out as a blank and sets the binary flag. A line longer than the record
// size is handed out in record-size pieces, each as its own line, unless
// the caller asks for EQTLongRecord instead.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Bad construction parameters.
class EQTFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A line that does not fit in a record (only when the reader was asked to
// raise it).
class EQTLongRecord : public EQTFileError {
public:
    using EQTFileError::EQTFileError;
};

class TQTFile {
public:
    // recordSize: the longest line in bytes, terminator included; bufferSize
    // is clamped (0 and above 32,700 give 32,700, below 1,000 gives 4,096)
    // and must hold two records and 100 bytes. Opens the file and fills the
    // buffer from offset 0; EInOutError "Bad Open of file!" when it cannot.
    TQTFile(const std::string& fileName, int recordSize, int bufferSize);
    virtual ~TQTFile() = default;
    TQTFile(const TQTFile&) = delete;
    TQTFile& operator=(const TQTFile&) = delete;

    // Makes the next line current: 0 when a line was read, 4 at end of data.
    int ReadNextLine();
    // File offset of the current line's start.
    int64_t CurrentOffset() const { return base_ + static_cast<int64_t>(lineStart_); }
    // The next read returns the line that starts at offset.
    void Seek(int64_t offset);

    // For walking a whole file: reads of this many bytes (never less than
    // the clamped buffer size). Offsets and lines stay the same.
    void UseReadSize(size_t bytes);
    // Raise EQTLongRecord "Record too long on input file." on a line that
    // does not fit in a record, instead of handing it out in pieces.
    void RaiseOnLongRecord(bool raise) { raiseLong_ = raise; }

    // The current line's bytes in place (NULs shown as blanks); raises
    // EConvertError "No current line!" when there is none.
    virtual std::string_view CurrentLine();
    // Characters of the current line plus 1 when it ended with a
    // terminator; -1 with no current line.
    virtual int LineLength();
    // The current line ("" with none).
    virtual std::string CopyLine();
    // At most n characters of the current line.
    virtual std::string CopyLineMax(int n);

    bool AtEnd() const { return endOfData_; }
    bool Binary() const { return binary_; }
    // 0 none, 1 the buffer could not be allocated, 2 the file could not be opened.
    int ErrorState() const { return errorState_; }
    int FillCount() const { return fillCount_; }
    int RecordSize() const { return recordSize_; }
    int BufferSize() const { return bufferSize_; }
    const std::string& FileName() const { return fileName_; }
    // The current line's bytes without the NUL replacement; cheap.
    std::string_view RawLine() const;
    bool HasLine() const { return hasLine_; }

private:
    // Keeps [from, used) of the buffer, moves it to the front and reads
    // behind it from the file.
    void Refill(size_t from);

    std::string fileName_;
    int recordSize_ = 0;
    int bufferSize_ = 0;
    std::vector<char> buffer_;
    int64_t base_ = 0;         // file offset of buffer_[0]
    size_t used_ = 0;          // valid bytes in the buffer
    size_t position_ = 0;      // where the next line starts
    size_t lineStart_ = 0;
    size_t lineEnd_ = 0;       // end of the current line's text
    int lineLength_ = -1;
    bool hasLine_ = false;
    bool endOfData_ = false;
    bool exhausted_ = false;   // the last fill reached the end of the file
    bool binary_ = false;
    bool raiseLong_ = false;
    int errorState_ = 0;
    int fillCount_ = 0;
};

// Hands out each line with its tabs expanded to blanks, as the user reads
// it: a line of valid UTF-8 as UTF-8, any other line byte by byte in the
// Windows-1252 code page; columns count characters.
class TQTTFile : public TQTFile {
public:
    // tabWidth 1 to 255; any other value gives 4.
    TQTTFile(const std::string& fileName, int tabWidth, int recordSize, int bufferSize);

    // Blanks that replace a tab after count characters of output.
    int AddSpaces(int count) const { return tabWidth_ - ((count + 1) % tabWidth_); }
    int TabWidth() const { return tabWidth_; }
    int MinimumWidth() const { return minWidth_; }
    void SetMinimumWidth(int width) { minWidth_ = width < 0 ? 0 : width; }

    // The expanded line, at most 16,383 characters.
    std::string_view CurrentLine() override;
    // Characters after expansion, at least the minimum width.
    int LineLength() override;
    std::string CopyLine() override;
    // Expands until the output would reach n characters, then pads to the
    // minimum width.
    std::string CopyLineMax(int n) override;

private:
    static constexpr int kExpandLimit = 16384;
    int tabWidth_;
    int minWidth_ = 0;
    std::string expanded_;
};

// A line's bytes as the user reads them, in UTF-8: valid UTF-8 stays as it
// is; otherwise each byte is its Windows-1252 character.
std::string LineAsRead(std::string_view bytes);
// Characters (code points) of valid UTF-8 text.
size_t CharacterCount(std::string_view utf8);
