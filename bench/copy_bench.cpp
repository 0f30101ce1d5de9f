// Copy benchmarks: Quilby's copy primitives and per-file loop, without any
// window, on host folders mapped as drive C: = "/".
//
//   copy_bench gen-big FILE        writes 1 GiB of pseudo-random bytes
//   copy_bench gen-tree DIR        writes 5,000 files of 4 KiB in 50 folders
//   copy_bench big SRC DST         copies one file as the copy dialog does
//   copy_bench tree SRC DST        copies a tree as the directory copy does
//
// SRC and DST are host paths; the copies exit 1 after reporting any error.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/fileops/file_loop.h"
#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "core/seams/progress.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t kBigSize = int64_t{1} << 30;
constexpr int kTopDirs = 10, kSubDirs = 5, kFilesPerDir = 100;
constexpr size_t kTreeFileSize = 4096;

// Cheap bytes that no file system can compress or share.
void FillRandom(std::vector<char>& buf, uint64_t& x) {
    for (size_t i = 0; i + 8 <= buf.size(); i += 8) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::memcpy(&buf[i], &x, 8);
    }
}

int GenBig(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    std::vector<char> buf(1 << 20);
    uint64_t x = 0x9E3779B97F4A7C15ull;
    for (int64_t done = 0; done < kBigSize; done += static_cast<int64_t>(buf.size())) {
        FillRandom(buf, x);
        out.write(buf.data(), static_cast<std::streamsize>(buf.size()));
    }
    return out ? 0 : 1;
}

int GenTree(const std::string& root) {
    std::vector<char> buf(kTreeFileSize);
    uint64_t x = 0x2545F4914F6CDD1Dull;
    for (int t = 0; t < kTopDirs; ++t) {
        for (int s = 0; s < kSubDirs; ++s) {
            fs::path dir = fs::path(root) / ("dir" + std::to_string(t)) / ("sub" + std::to_string(s));
            fs::create_directories(dir);
            for (int f = 0; f < kFilesPerDir; ++f) {
                FillRandom(buf, x);
                std::ofstream out(dir / ("file" + std::to_string(f) + ".dat"), std::ios::binary);
                out.write(buf.data(), static_cast<std::streamsize>(buf.size()));
                if (!out) return 1;
            }
        }
    }
    return 0;
}

std::string WinPath(const std::string& hostPath) {
    auto win = plat::FromHost(fs::absolute(hostPath).lexically_normal().string());
    return win ? *win : std::string();
}

bool failed = false;

// The copy dialog's loop over one row; an error is reported and aborts.
int CopyBig(const std::string& source, const std::string& target) {
    TFileLoop loop;
    loop.Run(
        1,
        [&](size_t) {
            return CopyOneFile(source, target, true, false) == CopyResult::Aborted
                       ? LoopStep::StopAll
                       : LoopStep::Next;
        },
        [&](size_t, const std::string& error) {
            std::fprintf(stderr, "%s\n", CopyPrompt(error, source, target).c_str());
            failed = true;
            return std::string();
        });
    return failed ? 1 : 0;
}

// The directory copy's run: every listed directory is created below the
// target and its files copied, with progress and events after each.
int CopyTree(const std::string& source, const std::string& target) {
    TTreeListing tree(source);
    int64_t files = 0, dirs = 0;
    ListDirectoryTree(tree, files, dirs);
    const std::vector<std::string>& lines = tree.lines;
    const std::string destBase = AddBackslash(target);
    Progress().StartProgress(100);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string full = TreeLinePath(tree, i);
        std::string rel = full.size() <= source.size() ? std::string()
                                                       : AddBackslash(full.substr(source.size() + 1));
        std::string dir = destBase + rel;
        MakeDirectoryPath(dir);
        try {
            CopyDirectoryFiles(full, dir, true, nullptr);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Error Copying files: %s\n", e.what());
            return 1;
        }
        Progress().StepProgress(static_cast<int>(i + 1), static_cast<int>(lines.size()));
        Progress().ProcessEvents();
    }
    Progress().StopProgress();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: copy_bench gen-big FILE | gen-tree DIR | big SRC DST | tree SRC DST\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "gen-big") return GenBig(argv[2]);
    if (mode == "gen-tree") return GenTree(argv[2]);
    if (argc < 4) return 2;

    plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
    const std::string source = WinPath(argv[2]), target = WinPath(argv[3]);
    if (source.empty() || target.empty()) {
        std::fprintf(stderr, "no drive for %s or %s\n", argv[2], argv[3]);
        return 2;
    }
    if (mode == "big") return CopyBig(source, target);
    if (mode == "tree") return CopyTree(source, target);
    return 2;
}
