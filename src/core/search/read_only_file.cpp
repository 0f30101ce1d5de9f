#include "core/search/read_only_file.h"

#include "core/platform/errors.h"

namespace {

[[noreturn]] void Raise(const std::string& message, plat::FileError code) {
    throw EInOutError(message, static_cast<int>(code));
}

}  // namespace

TReadOnlyFile::TReadOnlyFile(std::string name) : name_(std::move(name)) {
    const plat::FileError e = plat::OpenFile(name_, plat::OpenMode::Read, file_);
    if (e != plat::FileError::None) Raise("Bad open of: " + name_, e);
}

TReadOnlyFile::~TReadOnlyFile() { plat::CloseFile(file_); }

namespace {

size_t ReadOn(plat::File& file, const std::string& name, char* buffer, size_t count) {
    size_t total = 0;
    while (total < count) {
        size_t got = 0;
        const plat::FileError e = plat::ReadFile(file, buffer + total, count - total, got);
        if (e != plat::FileError::None) Raise("Error reading: " + name, e);
        if (got == 0) break;
        total += got;
    }
    return total;
}

}  // namespace

size_t ReadFileAt(plat::File& file, const std::string& name, int64_t offset, char* buffer, size_t count) {
    // Positioned reads: a search over many small files costs no seeks.
    size_t total = 0;
    while (total < count) {
        size_t got = 0;
        const plat::FileError e =
            plat::ReadFileAt(file, offset + static_cast<int64_t>(total), buffer + total, count - total, got);
        if (e != plat::FileError::None) Raise("Error reading: " + name, e);
        if (got == 0) break;
        total += got;
    }
    return total;
}

size_t TReadOnlyFile::ReadAt(int64_t offset, char* buffer, size_t count) {
    return ReadFileAt(file_, name_, offset, buffer, count);
}

size_t TReadOnlyFile::ReadNext(char* buffer, size_t count) { return ReadOn(file_, name_, buffer, count); }
