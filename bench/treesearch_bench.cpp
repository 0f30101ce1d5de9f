// Drive search benchmark: the recursive search of a search result window
// (no window), on host folders mapped as drive C: = "/".
//
//   treesearch_bench gen DIR               200,000 files in 5,000 directories
//   treesearch_bench scan DIR PATTERNS [TEXT]
//                                          prints "size time path" of each file found
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/platform/platform.h"
#include "core/search/drive_scan.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTop = 50, kSub = 100, kFilesPerDir = 40;  // 5,000 directories with files

int Gen(const std::string& root) {
    std::string filler(200, 'a');
    for (size_t i = 0; i < filler.size(); ++i) filler[i] = static_cast<char>('a' + i % 26);
    int n = 0;
    for (int t = 0; t < kTop; ++t)
        for (int s = 0; s < kSub; ++s) {
            const std::string dir = root + "/t" + std::to_string(t) + "/s" + std::to_string(s);
            fs::create_directories(dir);
            for (int f = 0; f < kFilesPerDir; ++f, ++n) {
                // Half are text files; one text file in a hundred holds the needle.
                const bool text = f % 2 == 0;
                std::ofstream out(dir + "/f" + std::to_string(f) + (text ? ".txt" : ".dat"),
                                  std::ios::binary);
                out << filler << (text && n % 100 == 0 ? " needle " : " ") << n << "\n";
                if (!out) return 1;
            }
        }
    return 0;
}

class PrintingSink : public TDriveScanSink {
  public:
    explicit PrintingSink(const TDriveScan& scan) : scan_(scan) {}
    bool FileFound(const plat::FindData& f, int32_t dirIndex) override {
        std::printf("%lld %lld.%09d %s%s%s\n", static_cast<long long>(f.size),
                    static_cast<long long>(f.writeTime.sec), f.writeTime.nsec, base_.c_str(),
                    scan_.RelativeDirectory(dirIndex).c_str(), f.name.c_str());
        return true;
    }
    std::string base_;

  private:
    const TDriveScan& scan_;
};

int Scan(const std::string& hostDir, const std::string& patterns, const std::string& text) {
    auto dir = plat::FromHost(fs::absolute(hostDir).lexically_normal().string());
    if (!dir) return 1;
    TDriveSearchCriteria c;
    c.BaseDirectory = *dir;
    c.Patterns = patterns;
    c.ScanText = text;
    TDriveScan scan(c);
    PrintingSink sink(scan);
    sink.base_ = *dir + "\\";
    return scan.Run(sink) == TScanEnd::Complete ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "gen") return Gen(argv[2]);
    if (argc >= 4 && std::string(argv[1]) == "scan") {
        plat::SetDriveTable({{'C', "/", plat::DriveType::Fixed, "", ""}});
        return Scan(argv[2], argv[3], argc >= 5 ? argv[4] : "");
    }
    std::fprintf(stderr, "usage: treesearch_bench gen DIR | scan DIR PATTERNS [TEXT]\n");
    return 2;
}
