// Text search benchmark: the text search's core (a file search from offset
// 0 in every file of one directory), without any window, on host folders
// mapped as drive C: = "/".
//
//   search_bench gen DIR            writes 2,000 files, 1 GiB in all
//   search_bench find DIR TEXT [i]  prints the files holding TEXT (i: any case)
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/search/byte_search.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 2000;
constexpr size_t kFileSize = (size_t(1) << 30) / kFiles;

// Text-like lines: what a text search usually reads.
int Gen(const std::string& dir) {
    fs::create_directories(dir);
    static const char* const kWords[] = {"alpha ", "bravo ", "charlie ", "delta ", "echo ", "foxtrot ",
                                         "golf ", "hotel ", "india ", "juliet\n"};
    std::string content;
    uint64_t x = 0x9E3779B97F4A7C15ull;
    while (content.size() < kFileSize) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        content += kWords[x % 10];
    }
    content.resize(kFileSize);
    for (int i = 0; i < kFiles; ++i) {
        std::ofstream out(dir + "/f" + std::to_string(i) + ".txt", std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) return 1;
    }
    return 0;
}

int Find(const std::string& hostDir, const std::string& text, bool anyCase) {
    auto dir = plat::FromHost(fs::absolute(hostDir).lexically_normal().string());
    if (!dir) return 1;
    std::vector<std::string> names;
    plat::FindFiles(*dir + "\\*.*", plat::faReadOnly | plat::faArchive, [&](const plat::FindData& f) {
        if (!(f.attr & plat::faDirectory)) names.push_back(f.name);
        return true;
    });
    try {
        for (const std::string& name : names) {
            const std::string path = *dir + "\\" + name;
            if (FileSearch(path, text, !anyCase, 0) >= 0) std::printf("%s\n", path.c_str());
        }
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "gen") return Gen(argv[2]);
    if (argc >= 4 && std::string(argv[1]) == "find") {
        plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
        return Find(argv[2], argv[3], argc >= 5);
    }
    std::fprintf(stderr, "usage: search_bench gen DIR | find DIR TEXT [i]\n");
    return 2;
}
