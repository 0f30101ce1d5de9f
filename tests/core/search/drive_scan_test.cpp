// The recursive search on real trees: the order in which files are found,
// relative directories, the size, date, pattern and text tests, what the
// walk never enters (dot directories, other mounts, linked directories),
// directories it cannot read, stopping, a full list, and odd trees.
#include "core/search/drive_scan.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

struct Found {
    std::string path;  // relative directory + name
    int64_t size;
};

// Records every file and can stop after a number of files or refuse one.
class RecordingSink : public TDriveScanSink {
  public:
    explicit RecordingSink(const TDriveScan& scan) : scan_(scan) {}
    std::vector<Found> files;
    std::vector<std::string> entered;
    size_t stopAfter = SIZE_MAX, capacity = SIZE_MAX;

    void DirectoryEntered(const std::string& dir) override { entered.push_back(dir); }
    bool FileFound(const plat::FindData& file, int32_t dirIndex) override {
        if (files.size() >= capacity) return false;
        files.push_back({scan_.RelativeDirectory(dirIndex) + file.name, file.size});
        return true;
    }
    int stopAsked = 0;
    int stopAtAsk = INT32_MAX;  // stops when asked this often
    bool StopRequested() override { return ++stopAsked >= stopAtAsk || files.size() >= stopAfter; }
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (const Found& f : files) out.push_back(f.path);
        return out;
    }

  private:
    const TDriveScan& scan_;
};

class DriveScanTest : public ::testing::Test {
  protected:
    TestEnv env;

    TDriveSearchCriteria Criteria(const std::string& patterns = "*.*") {
        TDriveSearchCriteria c;
        c.BaseDirectory = "C:\\";
        c.Patterns = patterns;
        return c;
    }
    void Touch(const std::string& rel, const std::string& content = "x") {
        env.WriteFile("c/" + rel, content);
    }
    void SetStamp(const std::string& rel, plat::DateTime when) {
        ASSERT_EQ(plat::SetFileTime("C:\\" + rel, plat::DateTimeToFileTime(when)),
                  plat::FileError::None);
    }
    static plat::DateTime Day(int y, int m, int d) {
        plat::DateTime t = 0;
        EXPECT_TRUE(plat::EncodeDate(y, m, d, t));
        return t;
    }
};

TEST_F(DriveScanTest, FilesOfADirectoryComeBeforeThoseOfItsSubdirectoriesWithRelativeDirectories) {
    Touch("A/B/deep.txt");
    Touch("A/middle.txt");
    Touch("top.txt");
    Touch("Z/last.txt");
    TDriveScan scan(Criteria());
    RecordingSink sink(scan);
    EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
    const std::vector<std::string> paths = sink.Paths();
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_EQ(paths[0], "top.txt");
    // Each subtree is walked whole before the next sibling.
    const auto at = [&](const std::string& p) {
        return std::find(paths.begin(), paths.end(), p) - paths.begin();
    };
    EXPECT_LT(at("A\\middle.txt"), at("A\\B\\deep.txt"));
    EXPECT_EQ(at("A\\B\\deep.txt"), at("A\\middle.txt") + 1);
    EXPECT_NE(at("Z\\last.txt"), 4);
    EXPECT_EQ(sink.entered.front(), "C:\\");
    EXPECT_EQ(scan.SkippedDirectories(), 0);
}

TEST_F(DriveScanTest, SizeBoundsAreInclusiveAndSizesAre64Bit) {
    Touch("s99.dat", std::string(99, 'a'));
    Touch("s100.dat", std::string(100, 'a'));
    Touch("s101.dat", std::string(101, 'a'));
    { std::ofstream big(env.Host("c/big.dat")); }
    fs::resize_file(env.Host("c/big.dat"), (int64_t{5} << 30) + 1);  // sparse, beyond 32 bits
    struct Case {
        int64_t min, max;
        std::vector<std::string> names;
    } cases[] = {{100, 100, {"s100.dat"}},
                 {99, 100, {"s100.dat", "s99.dat"}},
                 {int64_t{5} << 30, int64_t{6} << 30, {"big.dat"}}};
    for (const Case& c : cases) {
        TDriveSearchCriteria crit = Criteria();
        crit.UseSize = true;
        crit.MinSize = c.min;
        crit.MaxSize = c.max;
        TDriveScan scan(crit);
        RecordingSink sink(scan);
        scan.Run(sink);
        std::vector<std::string> got = sink.Paths();
        std::sort(got.begin(), got.end());
        std::vector<std::string> want = c.names;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want) << c.min << ".." << c.max;
    }
}

TEST_F(DriveScanTest, DateBoundsAreInclusiveWithTheEndAtMidnight) {
    Touch("before.txt");
    Touch("first.txt");
    Touch("inside.txt");
    Touch("lastmidnight.txt");
    Touch("lastday.txt");
    SetStamp("before.txt", Day(1997, 1, 4) + 0.5);
    SetStamp("first.txt", Day(1997, 1, 5));
    SetStamp("inside.txt", Day(1997, 1, 5) + 0.75);
    SetStamp("lastmidnight.txt", Day(1997, 1, 6));
    SetStamp("lastday.txt", Day(1997, 1, 6) + 1.0 / 24);
    TDriveSearchCriteria crit = Criteria();
    crit.UseDate = true;
    crit.DateFrom = Day(1997, 1, 5);
    crit.DateTo = Day(1997, 1, 6);
    TDriveScan scan(crit);
    RecordingSink sink(scan);
    scan.Run(sink);
    std::vector<std::string> got = sink.Paths();
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"first.txt", "inside.txt", "lastmidnight.txt"}));
}

TEST_F(DriveScanTest, PatternListAndTextDecideTogether) {
    Touch("hit.txt", "one needle here");
    Touch("HIT2.TXT", "one NEEDLE here");
    Touch("miss.txt", "no such thing");
    Touch("needle.doc", "needle but wrong name");
    Touch("skip.bak", "needle");
    struct Case {
        std::string patterns, text;
        bool caseSensitive;
        std::vector<std::string> names;
    } cases[] = {
        {"*.TXT", "needle", false, {"HIT2.TXT", "hit.txt"}},
        {"*.TXT", "needle", true, {"hit.txt"}},
        {"-*.BAK;*.*", "needle", false, {"HIT2.TXT", "hit.txt", "needle.doc"}},
        {"*.TXT", "", false, {"HIT2.TXT", "hit.txt", "miss.txt"}},
    };
    for (const Case& c : cases) {
        TDriveSearchCriteria crit = Criteria(c.patterns);
        crit.ScanText = c.text;
        crit.CaseSensitive = c.caseSensitive;
        TDriveScan scan(crit);
        RecordingSink sink(scan);
        scan.Run(sink);
        std::vector<std::string> got = sink.Paths();
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, c.names) << c.patterns << " / " << c.text;
    }
}

TEST_F(DriveScanTest, TextIsFoundThroughLinksButNeverInPipesOrDanglingLinks) {
    Touch("real.txt", "a needle");
    Touch("plain.txt", "nothing");
    fs::create_symlink("real.txt", env.Host("c/link.txt"));
    fs::create_symlink("nowhere.txt", env.Host("c/dead.txt"));
    ASSERT_EQ(mkfifo(env.Host("c/pipe.txt").c_str(), 0644), 0);
    // The text decides first without bounds, after them with bounds.
    for (bool bounded : {false, true}) {
        TDriveSearchCriteria crit = Criteria("*.TXT");
        crit.ScanText = "needle";
        crit.UseSize = bounded;
        crit.MaxSize = 1000;
        TDriveScan scan(crit);
        RecordingSink sink(scan);
        EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
        std::vector<std::string> got = sink.Paths();
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, (std::vector<std::string>{"link.txt", "real.txt"})) << bounded;
    }
}

TEST_F(DriveScanTest, DotDirectoriesAndLinkedDirectoriesAreNotEnteredAndALoopEnds) {
    Touch(".git/inside.txt");
    Touch("real/file.txt");
    Touch(".hidden.txt");
    fs::create_directory_symlink(env.Host("c/real"), env.Host("c/linked"));
    fs::create_directory_symlink(env.hostC, env.Host("c/real/loop"));
    TDriveScan scan(Criteria());
    RecordingSink sink(scan);
    EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
    std::vector<std::string> got = sink.Paths();
    std::sort(got.begin(), got.end());
    // A file named with a dot is a file like any other.
    EXPECT_EQ(got, (std::vector<std::string>{".hidden.txt", "real\\file.txt"}));
    ASSERT_EQ(scan.DirTable().size(), 1u);
    EXPECT_EQ(scan.DirTable()[0].Name, "real");
}

TEST_F(DriveScanTest, TheRootsOfOtherMountsAreNotEntered) {
    // A file system of its own mounted inside the tree (root may mount);
    // else the host's /dev with its own mounts (pts, shm) below it.
    std::string base = "C:\\";
    fs::create_directories(env.Host("c/mnt"));
    Touch("mine.txt");
    const bool mounted = ::mount("tmpfs", env.Host("c/mnt").c_str(), "tmpfs", 0, "size=1m") == 0;
    if (mounted) {
        Touch("mnt/other.txt");
    } else {
        plat::SetDriveTable({{'C', env.hostC, plat::DriveType::Fixed, "", ""},
                             {'E', "/dev", plat::DriveType::Fixed, "", ""}});
        base = "E:\\";
        struct stat dev {
        }, pts{};
        if (stat("/dev", &dev) != 0 || stat("/dev/pts", &pts) != 0 || dev.st_dev == pts.st_dev)
            GTEST_SKIP() << "no mount to try";
    }
    TDriveSearchCriteria crit = Criteria();
    crit.BaseDirectory = base;
    TDriveScan scan(crit);
    RecordingSink sink(scan);
    scan.Run(sink);
    if (mounted) ::umount(env.Host("c/mnt").c_str());
    EXPECT_GE(scan.OtherFileSystems(), 1);
    for (const TScanDirectory& d : scan.DirTable())
        EXPECT_TRUE(d.Name != "mnt" && d.Name != "pts" && d.Name != "shm") << d.Name;
    for (const Found& f : sink.files) EXPECT_NE(f.path, "mnt\\other.txt");
}

TEST_F(DriveScanTest, UnreadableDirectoriesArePassedOverAndCountedTheBaseToo) {
    Touch("top.txt");
    Touch("A/a.txt");
    Touch("B/b.txt");
    {
        // The base itself: nothing found, nothing fatal.
        plat::InjectFault(plat::FaultOp::Read, 1, plat::FileError::AccessDenied);
        TDriveScan scan(Criteria());
        RecordingSink sink(scan);
        EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
        EXPECT_TRUE(sink.files.empty());
        EXPECT_EQ(scan.SkippedDirectories(), 1);
    }
    {
        // The second directory read: one subdirectory passed over, the
        // other still searched.
        plat::InjectFault(plat::FaultOp::Read, 2, plat::FileError::AccessDenied);
        TDriveScan scan(Criteria());
        RecordingSink sink(scan);
        EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
        EXPECT_EQ(sink.files.size(), 2u);
        EXPECT_EQ(scan.SkippedDirectories(), 1);
    }
    {
        TDriveSearchCriteria crit = Criteria();
        crit.BaseDirectory = "C:\\GONE";
        TDriveScan scan(crit);
        RecordingSink sink(scan);
        EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
        EXPECT_EQ(scan.SkippedDirectories(), 1);
    }
}

TEST_F(DriveScanTest, AStopKeepsWhatWasFoundAndAFullListEndsTheScan) {
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 100; ++f)
            Touch("D" + std::to_string(d) + "/f" + std::to_string(f) + ".txt");
    {
        TDriveScan scan(Criteria());
        RecordingSink sink(scan);
        sink.stopAfter = 150;
        EXPECT_EQ(scan.Run(sink), TScanEnd::Stopped);
        EXPECT_GE(sink.files.size(), 150u);
        EXPECT_LT(sink.files.size(), 400u);
    }
    {
        // A directory of many names, none matching, still hears a stop.
        for (int f = 0; f < 3000; ++f) Touch("many/f" + std::to_string(f) + ".dat");
        TDriveScan scan(Criteria("*.DOC"));
        RecordingSink sink(scan);
        EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
        EXPECT_GT(sink.stopAsked, 3000 / 16);
        RecordingSink stopping(scan);
        stopping.stopAtAsk = 2;
        EXPECT_EQ(scan.Run(stopping), TScanEnd::Stopped);
        EXPECT_EQ(stopping.stopAsked, 2);
    }
    {
        TDriveScan scan(Criteria());
        RecordingSink sink(scan);
        sink.capacity = 10;
        EXPECT_EQ(scan.Run(sink), TScanEnd::Full);
        EXPECT_EQ(sink.files.size(), 10u);
    }
}

TEST_F(DriveScanTest, OddTreesGiveSoundResults) {
    // Mapped characters, a 255-byte name, a tree 250 levels deep.
    Touch("odd/a:b?.txt", "needle");
    const std::string longName = std::string(251, 'n') + ".txt";
    Touch("odd/" + longName, "needle");
    std::string deep;
    for (int i = 0; i < 250; ++i) deep += "d/";
    Touch("deep/" + deep + "bottom.txt", "needle");
    TDriveSearchCriteria crit = Criteria("*.TXT");
    crit.ScanText = "needle";
    TDriveScan scan(crit);
    RecordingSink sink(scan);
    EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
    std::vector<std::string> got = sink.Paths();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_NE(std::find(got.begin(), got.end(), "odd\\" + plat::HostNameToWin("a:b?.txt")),
              got.end());
    EXPECT_NE(std::find(got.begin(), got.end(), "odd\\" + longName), got.end());
    std::string deepWin;
    for (int i = 0; i < 250; ++i) deepWin += "d\\";
    EXPECT_NE(std::find(got.begin(), got.end(), "deep\\" + deepWin + "bottom.txt"), got.end());
}

TEST_F(DriveScanTest, ATreeThatVanishesMidScanKeepsWhatWasFound) {
    for (const char* f : {"base/top.txt", "base/A/a.txt", "base/B/b.txt", "base/B/C/c.txt"}) Touch(f);
    TDriveSearchCriteria crit = Criteria("*.TXT");
    crit.BaseDirectory = "C:\\base";
    TDriveScan scan(crit);
    // Once the first subdirectory is entered, the whole tree goes.
    class VanishingSink : public RecordingSink {
      public:
        VanishingSink(const TDriveScan& scan, std::string host) : RecordingSink(scan), host_(std::move(host)) {}
        void DirectoryEntered(const std::string& dir) override {
            RecordingSink::DirectoryEntered(dir);
            if (entered.size() == 2) fs::remove_all(host_);
        }

      private:
        std::string host_;
    } sink(scan, env.Host("c/base"));
    EXPECT_EQ(scan.Run(sink), TScanEnd::Complete);
    EXPECT_EQ(sink.Paths(), std::vector<std::string>{"top.txt"});
    EXPECT_EQ(scan.SkippedDirectories(), 2);  // A and B could no longer be read
}

}  // namespace
