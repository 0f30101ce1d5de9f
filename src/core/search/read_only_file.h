// A file opened for reading by the searches and compares: closed on every
// way out, with their two failures, EInOutError "Bad open of: NAME" and
// "Error reading: NAME".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform/platform.h"

// Fills buffer from offset of an open file as far as the file goes; answers
// the bytes read. name is the file's name for the message.
size_t ReadFileAt(plat::File& file, const std::string& name, int64_t offset, char* buffer, size_t count);

class TReadOnlyFile {
public:
    explicit TReadOnlyFile(std::string name);
    ~TReadOnlyFile();
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

    // Fills buffer from offset as far as the file goes; answers the bytes
    // read, fewer than count only at the end of the file.
    size_t ReadAt(int64_t offset, char* buffer, size_t count);
    // The same from where the previous read ended.
    size_t ReadNext(char* buffer, size_t count);
    plat::File& File() { return file_; }

private:
    std::string name_;
    plat::File file_;
};
