// The hex viewer's paging over a large file: the texts of every cell of
// random screens, each screen 40 rows of 16 bytes, as drawing them asks
// for them. Prints the median milliseconds a screen and the bytes read a
// screen.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/viewers/hex_pager.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: hexscroll_bench FILE SCREENS\n");
        return 2;
    }
    plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
    const auto path = plat::FromHost(fs::absolute(argv[1]).lexically_normal().string());
    if (!path) return 1;
    const int screens = std::stoi(argv[2]);
    constexpr int kRows = 40;

    THexPager pager;
    pager.Load(*path);
    const int64_t rows = pager.DataRows();
    std::mt19937_64 random(14);
    std::vector<double> times;
    times.reserve(static_cast<size_t>(screens));
    size_t characters = 0;  // keeps the texts from being optimised away
    const int64_t readsBefore = pager.WindowReads();
    for (int s = 0; s < screens; ++s) {
        const int64_t top = static_cast<int64_t>(random() % static_cast<uint64_t>(std::max<int64_t>(1, rows - kRows)));
        const auto start = std::chrono::steady_clock::now();
        for (int64_t r = top + 1; r <= top + kRows && r <= rows; ++r)
            for (int c = 0; c < pager.ColumnCount(); ++c) characters += pager.CellText(r, c).size();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2), times.end());
    const double median = times[times.size() / 2];
    const double bytesPerScreen = double(pager.WindowReads() - readsBefore) * kHexWindowBytes / screens;
    std::printf("%.4f %.0f %zu\n", median, bytesPerScreen, characters);
    return 0;
}
