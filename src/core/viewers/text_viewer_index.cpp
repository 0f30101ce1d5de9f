#include "core/viewers/text_viewer_index.h"

#include <algorithm>

namespace {
// Reads of 1 MiB while walking a whole file.
constexpr size_t kIndexReadSize = 1 << 20;
}  // namespace

bool IndexLines(TQTFile& reader, TLineIndex& index, const std::function<bool(int64_t offset)>& step) {
    index = TLineIndex();
    reader.UseReadSize(kIndexReadSize);
    reader.Seek(0);
    int sinceEntry = 0;
    int widest = index.WidestLine;
    int64_t count = 0;
    while (reader.ReadNextLine() == 0) {
        ++count;
        widest = std::max(widest, reader.TQTFile::LineLength());
        if (++sinceEntry == TLineIndex::kStride) {
            sinceEntry = 0;
            const int64_t offset = reader.CurrentOffset();
            index.Offsets.push_back(offset);
            if (step && !step(offset)) {
                index.LineCount = count;
                index.WidestLine = widest;
                return false;
            }
        }
    }
    index.LineCount = count;
    index.WidestLine = widest;
    index.Offsets.shrink_to_fit();
    return true;
}

bool GoToLine(TQTFile& reader, const TLineIndex& index, int64_t n) {
    if (n < 1) n = 1;
    int64_t b = n / TLineIndex::kStride;
    b = std::min<int64_t>(b, static_cast<int64_t>(index.Offsets.size()));
    int64_t more;
    if (b > 0) {
        reader.Seek(index.Offsets[static_cast<size_t>(b - 1)]);
        more = n - b * TLineIndex::kStride;
    } else {
        reader.Seek(0);
        more = n - 1;
    }
    if (reader.ReadNextLine() != 0) return false;
    for (; more > 0; --more)
        if (reader.ReadNextLine() != 0) return false;
    return true;
}
