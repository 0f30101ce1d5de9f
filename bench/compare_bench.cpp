// Content compare benchmark: the compare's content test on two files given
// as host paths, on a drive C: = "/". Prints "equal" or "differ".
//
//   compare_bench FILE1 FILE2
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/search/content_compare.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compare_bench FILE1 FILE2\n");
        return 2;
    }
    plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
    auto one = plat::FromHost(fs::absolute(argv[1]).lexically_normal().string());
    auto two = plat::FromHost(fs::absolute(argv[2]).lexically_normal().string());
    if (!one || !two) return 1;
    try {
        std::printf("%s\n", ContentsDiffer(*one, *two) ? "differ" : "equal");
    } catch (const EInOutError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
