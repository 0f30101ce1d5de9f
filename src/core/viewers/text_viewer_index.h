// The text viewer's walk over a file: it counts the lines and remembers
// where every 128th line starts, so any line is reached with one seek and
// at most 128 reads. The index grows with the file: 8 bytes per 128 lines.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/viewers/record_reader.h"

struct TLineIndex {
    static constexpr int kStride = 128;
    // Entry k holds the offset of line 128 * (k + 1).
    std::vector<int64_t> Offsets;
    int64_t LineCount = 0;
    // Bytes of the longest line, at least 80.
    int WidestLine = 80;

    // Bytes the index holds per line of the file.
    double BytesPerLine() const {
        return LineCount ? static_cast<double>(Offsets.capacity() * sizeof(int64_t)) / static_cast<double>(LineCount)
                         : 0.0;
    }
};

// Walks the whole file from its start. step gets the offset of every
// 128th line and answers false to stop the walk (the index then holds the
// lines counted so far); answers whether the walk reached the end.
bool IndexLines(TQTFile& reader, TLineIndex& index, const std::function<bool(int64_t offset)>& step = {});

// Makes line n (1-based) the reader's current line; false when the file
// ends before it (the reader is then at end of data).
bool GoToLine(TQTFile& reader, const TLineIndex& index, int64_t n);
