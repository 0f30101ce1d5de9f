// Text viewer benchmark: the viewer's walk over a large text file (count
// the lines, remember every 128th line's offset) without any window, on
// host files mapped as drive C: = "/".
//
//   textindex_bench gen FILE     writes 1 GiB of 80-character lines
//   textindex_bench index FILE   walks the file; prints lines and index bytes per line
//   textindex_bench first FILE   prints the microseconds until the first screen's
//                                50 rows are read and expanded, as the viewer draws them
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/platform/platform.h"
#include "core/viewers/record_reader.h"
#include "core/viewers/text_viewer_index.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t kFileSize = int64_t{1} << 30;

int Gen(const std::string& file) {
    std::ofstream out(file, std::ios::binary);
    std::string block;
    uint64_t x = 0x9E3779B97F4A7C15ull;
    for (int line = 0; line < 4096; ++line) {
        std::string text;
        while (text.size() < 79) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            text += static_cast<char>('a' + x % 26);
            if (x % 7 == 0) text += ' ';
        }
        text.resize(79);
        block += text + "\n";
    }
    for (int64_t written = 0; written < kFileSize; written += static_cast<int64_t>(block.size()))
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return out ? 0 : 1;
}

std::string WindowsName(const std::string& file) {
    auto name = plat::FromHost(fs::absolute(file).lexically_normal().string());
    return name ? *name : std::string();
}

int Index(const std::string& file) {
    TQTFile reader(WindowsName(file), 4096, 15000);
    TLineIndex index;
    IndexLines(reader, index);
    std::printf("lines=%lld bytes_per_line=%.4f\n", static_cast<long long>(index.LineCount), index.BytesPerLine());
    return 0;
}

int First(const std::string& file) {
    const auto start = std::chrono::steady_clock::now();
    TQTTFile reader(WindowsName(file), 8, 4096, 15000);
    TLineIndex none;
    size_t chars = 0;
    if (GoToLine(reader, none, 1))
        for (int row = 0; row < 50; ++row) {
            chars += LineAsRead(reader.CopyLine()).size();
            if (reader.ReadNextLine() != 0) break;
        }
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%lld %zu\n", static_cast<long long>(us.count()), chars);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3) {
        plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
        const std::string command = argv[1];
        if (command == "gen") return Gen(argv[2]);
        if (command == "index") return Index(argv[2]);
        if (command == "first") return First(argv[2]);
    }
    std::fprintf(stderr, "usage: textindex_bench gen FILE | index FILE | first FILE\n");
    return 2;
}
