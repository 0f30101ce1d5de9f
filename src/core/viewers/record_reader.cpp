#include "core/viewers/record_reader.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/platform/errors.h"
#include "core/platform/platform.h"

namespace {

constexpr int kLargestBuffer = 32700;
constexpr char kLF = 10, kCR = 13, kEOFMark = 26;

bool IsLineEnd(char c) { return c == kLF || c == kCR || c == kEOFMark; }

// The first line end byte in [p, end), or end. Sixteen bytes at a time:
// walking a whole file for its index runs at memory speed.
const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8(kLF), cr = _mm_set1_epi8(kCR), eof = _mm_set1_epi8(kEOFMark);
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, eof));
        if (const int mask = _mm_movemask_epi8(hit)) return p + __builtin_ctz(static_cast<unsigned>(mask));
        p += 16;
    }
#endif
    while (p < end && !IsLineEnd(*p)) ++p;
    return p;
}

[[noreturn]] void BadOpen() { throw EInOutError("Bad Open of file!"); }

}  // namespace

// ---------------------------------------------------------------- TQTFile

TQTFile::TQTFile(const std::string& fileName, int recordSize, int bufferSize) : fileName_(fileName) {
    if (bufferSize == 0 || bufferSize > kLargestBuffer) bufferSize = kLargestBuffer;
    else if (bufferSize < 1000) bufferSize = 4096;
    if (recordSize > 0 && bufferSize < 2 * recordSize + 100)
        throw EQTFileError("Bad Parms - Record Size/Buffer size");
    if (recordSize <= 0) throw EQTFileError("Bad Parms - Record Size");
    recordSize_ = recordSize;
    bufferSize_ = bufferSize;
    try {
        buffer_.resize(static_cast<size_t>(bufferSize_));
    } catch (const std::bad_alloc&) {
        errorState_ = 1;
        return;
    }
    Refill(0);
}

void TQTFile::UseReadSize(size_t bytes) {
    if (bytes <= buffer_.size()) return;
    buffer_.resize(bytes);
}

void TQTFile::Refill(size_t from) {
    // Keep what is still to be read, then read behind it.
    const size_t keep = from < used_ ? used_ - from : 0;
    if (keep && from) std::memmove(buffer_.data(), buffer_.data() + from, keep);
    base_ += static_cast<int64_t>(std::min(from, used_));
    if (position_ >= from) position_ -= from;
    else position_ = 0;
    lineStart_ = lineEnd_ = position_;
    used_ = keep;
    ++fillCount_;

    plat::File f;
    if (plat::OpenFile(fileName_, plat::OpenMode::Read, f) != plat::FileError::None) {
        errorState_ = 2;
        BadOpen();
    }
    const int64_t at = base_ + static_cast<int64_t>(used_);
    if (plat::SeekFile(f, at) != plat::FileError::None) throw EInOutError("Error reading file!");
    exhausted_ = false;
    while (used_ < buffer_.size()) {
        size_t got = 0;
        if (plat::ReadFile(f, buffer_.data() + used_, buffer_.size() - used_, got) != plat::FileError::None)
            throw EInOutError("Error reading file!");
        if (got == 0) {
            exhausted_ = true;
            break;
        }
        used_ += got;
    }
    plat::CloseFile(f);
}

int TQTFile::ReadNextLine() {
    if (errorState_ == 1) return 4;
    hasLine_ = false;
    lineLength_ = -1;
    if (endOfData_) return 4;
    const size_t record = static_cast<size_t>(recordSize_);
    // A whole record and a CR LF after it must be in the buffer.
    if (!exhausted_ && used_ - position_ < record + 2) Refill(position_);
    if (position_ >= used_) {
        endOfData_ = true;
        lineStart_ = lineEnd_ = position_;
        return 4;
    }
    const char* start = buffer_.data() + position_;
    const size_t avail = used_ - position_;
    const char* stop = FindLineEnd(start, start + std::min(avail, record + 1));
    const size_t text = static_cast<size_t>(stop - start);
    size_t next;
    if (text < std::min(avail, record + 1)) {
        // Ended by a terminator.
        if (raiseLong_ && text + 1 > record) throw EQTLongRecord("Record too long on input file.");
        next = position_ + text + 1;
        if (*stop == kCR && next < used_ && buffer_[next] == kLF) ++next;
        lineLength_ = static_cast<int>(text + 1);
        lineEnd_ = position_ + text;
    } else if (avail <= record) {
        // The last line, without a terminator.
        next = used_;
        lineLength_ = static_cast<int>(avail);
        lineEnd_ = used_;
    } else {
        // Longer than a record: one record-size piece.
        if (raiseLong_) throw EQTLongRecord("Record too long on input file.");
        next = position_ + record;
        lineLength_ = static_cast<int>(record);
        lineEnd_ = next;
    }
    lineStart_ = position_;
    position_ = next;
    hasLine_ = true;
    return 0;
}

void TQTFile::Seek(int64_t offset) {
    endOfData_ = false;
    hasLine_ = false;
    lineLength_ = -1;
    if (offset < 0) offset = 0;
    if (offset >= base_ && offset < base_ + static_cast<int64_t>(used_)) {
        position_ = lineStart_ = lineEnd_ = static_cast<size_t>(offset - base_);
        return;
    }
    base_ = offset;
    used_ = position_ = 0;
    Refill(0);
}

std::string_view TQTFile::RawLine() const {
    if (!hasLine_) return {};
    return {buffer_.data() + lineStart_, lineEnd_ - lineStart_};
}

std::string_view TQTFile::CurrentLine() {
    if (!hasLine_) throw EConvertError("No current line!");
    char* p = buffer_.data() + lineStart_;
    const size_t n = lineEnd_ - lineStart_;
    for (char* z = static_cast<char*>(std::memchr(p, 0, n)); z;
         z = static_cast<char*>(std::memchr(z, 0, static_cast<size_t>(p + n - z)))) {
        *z = ' ';
        binary_ = true;
    }
    return {p, n};
}

int TQTFile::LineLength() { return hasLine_ ? lineLength_ : -1; }

std::string TQTFile::CopyLine() { return hasLine_ ? std::string(TQTFile::CurrentLine()) : std::string(); }

std::string TQTFile::CopyLineMax(int n) {
    if (!hasLine_ || n <= 0) return {};
    std::string_view line = TQTFile::CurrentLine();
    return std::string(line.substr(0, static_cast<size_t>(n)));
}

// ---------------------------------------------------------------- TQTTFile

TQTTFile::TQTTFile(const std::string& fileName, int tabWidth, int recordSize, int bufferSize)
    : TQTFile(fileName, recordSize, bufferSize), tabWidth_(tabWidth < 1 || tabWidth > 255 ? 4 : tabWidth) {}

std::string TQTTFile::CopyLineMax(int n) {
    std::string out;
    if (HasLine()) {
        const std::string shown = LineAsRead(TQTFile::CurrentLine());
        int count = 0;
        for (size_t i = 0; i < shown.size();) {
            if (shown[i] == '\t') {
                const int blanks = AddSpaces(count);
                if (count + blanks >= n) break;
                out.append(static_cast<size_t>(blanks), ' ');
                count += blanks;
                ++i;
                continue;
            }
            if (count + 1 >= n) break;
            // One character: a lead byte and its continuation bytes.
            size_t len = 1;
            while (i + len < shown.size() && (static_cast<unsigned char>(shown[i + len]) & 0xC0) == 0x80) ++len;
            out.append(shown, i, len);
            ++count;
            i += len;
        }
        if (count < minWidth_) out.append(static_cast<size_t>(minWidth_ - count), ' ');
    } else if (minWidth_ > 0) {
        out.assign(static_cast<size_t>(minWidth_), ' ');
    }
    return out;
}

std::string_view TQTTFile::CurrentLine() {
    expanded_ = CopyLineMax(kExpandLimit);
    return expanded_;
}

int TQTTFile::LineLength() {
    if (!HasLine()) return -1;
    return static_cast<int>(CharacterCount(CopyLineMax(kExpandLimit)));
}

std::string TQTTFile::CopyLine() { return CopyLineMax(kExpandLimit); }

// ---------------------------------------------------------------- text as read

namespace {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined stay as the
// C1 control of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Whether s is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) more = 1;
        else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else return false;
        if (end - p <= more) return false;
        if (p[1] < lo || p[1] > hi) return false;
        for (int k = 2; k <= more; ++k)
            if ((p[k] & 0xC0) != 0x80) return false;
        p += more + 1;
    }
    return true;
}

}  // namespace

std::string LineAsRead(std::string_view bytes) {
    if (IsUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xA0) AppendUtf8(out, kCp1252High[b - 0x80]);
        else AppendUtf8(out, b);
    }
    return out;
}

size_t CharacterCount(std::string_view utf8) {
    size_t n = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}
