// The byte-string search the whole program shares: in a memory block and in
// a file, with ASCII-only case folding; the small file reads the viewers
// use; and the conversion between bytes and their hexadecimal form. Offsets
// and sizes are 64-bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/platform.h"

// Search strings are at most this long; longer input is cut.
constexpr size_t kMaxSearchBytes = 255;
std::string_view CutSearchString(std::string_view text);

// The offset of the first occurrence of pattern (1 to 255 bytes) in the
// block, or -1. Without case sensitivity "a".."z" match "A".."Z"; every
// other byte compares exactly.
int64_t BlockSearch(std::string_view pattern, bool caseSensitive, const char* block, size_t length);

// The file offset of the first occurrence at or after start, or -1. Raises
// EInOutError "Bad open of: NAME" or "Error reading: NAME".
int64_t FileSearch(const std::string& fileName, std::string_view pattern, bool caseSensitive, int64_t start);
// The same in a file already open for reading; fileName names it in the
// message.
int64_t FileSearch(plat::File& file, const std::string& fileName, std::string_view pattern, bool caseSensitive,
                   int64_t start);

// Reads up to count bytes at offset into buffer (zero-filled first) and
// answers how many were read; the same two failures.
size_t BlockRead(const std::string& fileName, int64_t offset, char* buffer, size_t count);

// Size and last modification of a file found by a directory lookup that
// includes read-only, hidden, system and archive files; EInOutError
// "File not found: NAME" when there is none.
int64_t SearchFileSize(const std::string& fileName);
plat::DateTime SearchFileDate(const std::string& fileName);

// "41 42", "4142" and " 41  42 " give "AB"; anything else raises
// EConvertError "Invalid hex string".
std::string HexToBytes(std::string_view hex);
// Two upper-case digits a byte, pairs separated by one blank, cut to 255
// characters.
std::string BytesToHex(std::string_view bytes);
