#include "core/viewers/hex_pager.h"

#include <algorithm>

#include "core/platform/errors.h"
#include "core/search/byte_search.h"

namespace {

constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";

}  // namespace

char HexShownChar(unsigned char byte) { return byte >= 32 && byte <= 126 ? static_cast<char>(byte) : '.'; }

void THexPager::Load(const std::string& fileName) {
    const int64_t size = SearchFileSize(fileName);
    fileName_ = fileName;
    fileSize_ = size;
    reads_ = 0;
    readError_.clear();
    ReadWindow(0);
    if (!readError_.empty()) throw EInOutError(TakeReadError());
}

void THexPager::SetBytesPerRow(int32_t n) { perRow_ = n > 0 ? n : 16; }

int64_t THexPager::DataRows() const { return fileSize_ / perRow_ + (fileSize_ % perRow_ != 0 ? 1 : 0); }

int THexPager::OffsetDigits() const {
    int digits = 8;
    const uint64_t last = fileSize_ > 0 ? static_cast<uint64_t>(fileSize_ - 1) : 0;
    while (digits < 16 && (last >> (4 * digits)) != 0) ++digits;
    return digits;
}

std::string THexPager::Hex(uint64_t value, int digits) const {
    const char* set = lower_ ? kLowerDigits : kUpperDigits;
    std::string out(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[static_cast<size_t>(i)] = set[value & 15];
    return out;
}

std::string THexPager::CellText(int64_t row, int column) {
    if (row == 0) {
        if (column == 0) return "Offset";
        if (column == perRow_ + 1) return "--- ASCII ---";
        const int n = column - 1;
        return n < 16 ? Hex(static_cast<uint64_t>(n), 1) : Hex(static_cast<uint64_t>(n), 2);
    }
    const int64_t rowOffset = (row - 1) * perRow_;
    if (column == 0) return Hex(static_cast<uint64_t>(rowOffset), OffsetDigits());
    EnsureWindow(rowOffset);
    if (column <= perRow_) {
        const int byte = ByteAt(rowOffset + column - 1);
        return byte < 0 ? std::string() : Hex(static_cast<uint64_t>(byte), 2);
    }
    std::string text;
    for (int k = 0; k < perRow_; ++k) {
        const int byte = ByteAt(rowOffset + k);
        if (byte < 0) break;
        text += HexShownChar(static_cast<unsigned char>(byte));
    }
    return text;
}

int THexPager::ByteAt(int64_t offset) {
    if (offset < windowOffset_ || offset >= windowOffset_ + windowBytes_ || offset >= fileSize_) return -1;
    return static_cast<unsigned char>(data_[static_cast<size_t>(offset - windowOffset_)]);
}

void THexPager::EnsureWindow(int64_t offset) {
    if (offset >= windowOffset_ && offset < windowOffset_ + kHexWindowBytes) return;
    // Whole steps of 16 KB towards the row: the window always starts at a
    // multiple of its size.
    ReadWindow(offset / kHexWindowBytes * kHexWindowBytes);
}

void THexPager::ReadWindow(int64_t offset) {
    windowOffset_ = offset;
    windowBytes_ = 0;
    ++reads_;
    try {
        windowBytes_ = static_cast<int32_t>(BlockRead(fileName_, offset, data_.data(), data_.size()));
    } catch (const EInOutError& e) {
        data_.fill(0);
        if (readError_.empty()) readError_ = e.what();
    }
}

std::string THexPager::TakeReadError() {
    std::string text;
    text.swap(readError_);
    return text;
}
