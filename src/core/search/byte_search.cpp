#include "core/search/byte_search.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "core/platform/errors.h"
#include "core/search/read_only_file.h"

namespace {

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

// Boyer-Moore-Horspool over upper-cased bytes: the skip table is indexed by
// the raw byte, with both cases of a letter set alike. It finds the first
// occurrence, as the classic search does.
int64_t FoldedSearch(std::string_view pattern, const char* block, size_t length) {
    const size_t m = pattern.size();
    std::string upper(pattern);
    for (char& c : upper) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
    std::array<size_t, 256> skip;
    skip.fill(m);
    for (size_t i = 0; i + 1 < m; ++i) {
        const unsigned char c = static_cast<unsigned char>(upper[i]);
        skip[c] = m - 1 - i;
        if (c >= 'A' && c <= 'Z') skip[c + 32] = m - 1 - i;
    }
    const unsigned char last = static_cast<unsigned char>(upper[m - 1]);
    for (size_t pos = 0; pos + m <= length;) {
        const unsigned char b = static_cast<unsigned char>(block[pos + m - 1]);
        if (Upper(b) == last) {
            size_t k = m - 1;
            while (k > 0 && Upper(static_cast<unsigned char>(block[pos + k - 1])) ==
                                static_cast<unsigned char>(upper[k - 1]))
                --k;
            if (k == 0) return static_cast<int64_t>(pos);
        }
        pos += skip[b];
    }
    return -1;
}

// Reads are larger than the classic 16 KB: fewer calls, the same answers.
constexpr size_t kReadSize = 1 << 20;

plat::FindData Lookup(const std::string& fileName) {
    plat::FindData found;
    if (!plat::GetFindData(fileName, found) || (found.attr & plat::faDirectory))
        throw EInOutError("File not found: " + fileName);
    return found;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw EConvertError("Invalid hex string");
}

}  // namespace

std::string_view CutSearchString(std::string_view text) { return text.substr(0, kMaxSearchBytes); }

int64_t BlockSearch(std::string_view pattern, bool caseSensitive, const char* block, size_t length) {
    pattern = CutSearchString(pattern);
    if (pattern.empty() || length < pattern.size()) return -1;
    if (caseSensitive) {
        // The library's memmem skips ahead without looking at every byte.
        const auto* hit = static_cast<const char*>(memmem(block, length, pattern.data(), pattern.size()));
        return hit ? hit - block : -1;
    }
    return FoldedSearch(pattern, block, length);
}

int64_t FileSearch(const std::string& fileName, std::string_view pattern, bool caseSensitive, int64_t start) {
    if (CutSearchString(pattern).empty()) return -1;
    TReadOnlyFile in(fileName);
    return FileSearch(in.File(), fileName, pattern, caseSensitive, start);
}

int64_t FileSearch(plat::File& file, const std::string& fileName, std::string_view pattern, bool caseSensitive,
                   int64_t start) {
    pattern = CutSearchString(pattern);
    if (pattern.empty()) return -1;
    const size_t read = std::max(kReadSize, pattern.size() * 2);
    // One buffer a thread, kept: a search over many small files would
    // otherwise map and unmap a fresh megabyte for each.
    thread_local std::unique_ptr<char[]> kept;
    thread_local size_t keptSize = 0;
    if (keptSize < read) {
        kept.reset(new char[read]);
        keptSize = read;
    }
    char* const buffer = kept.get();
    int64_t offset = std::max<int64_t>(start, 0);
    for (;;) {
        const size_t got = ReadFileAt(file, fileName, offset, buffer, read);
        if (got == 0) return -1;
        const int64_t at = BlockSearch(pattern, caseSensitive, buffer, got);
        if (at >= 0) return offset + at;
        if (got < read) return -1;  // the end of the file is in this block
        // Consecutive reads overlap so that no occurrence across a boundary
        // is missed.
        offset += static_cast<int64_t>(read - pattern.size() + 1);
    }
}

size_t BlockRead(const std::string& fileName, int64_t offset, char* buffer, size_t count) {
    TReadOnlyFile in(fileName);
    std::memset(buffer, 0, count);
    return in.ReadAt(offset, buffer, count);
}

int64_t SearchFileSize(const std::string& fileName) { return Lookup(fileName).size; }

plat::DateTime SearchFileDate(const std::string& fileName) {
    return plat::FileTimeToDateTime(Lookup(fileName).writeTime);
}

std::string HexToBytes(std::string_view hex) {
    std::string bytes;
    size_t i = 0;
    for (;;) {
        while (i < hex.size() && hex[i] == ' ') ++i;
        if (i == hex.size()) return bytes;
        if (i + 1 == hex.size()) throw EConvertError("Invalid hex string");
        bytes += static_cast<char>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1]));
        i += 2;
    }
}

std::string BytesToHex(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        if (!hex.empty()) hex += ' ';
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
        if (hex.size() >= 255) break;
    }
    return hex.substr(0, 255);
}
