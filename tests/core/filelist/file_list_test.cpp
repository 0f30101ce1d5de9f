#include "core/filelist/file_list.h"
#include "core/filelist/file_sort.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/settings/quilby_options.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t kBaseTime = 1600000000;  // September 2020

class FileListTest : public ::testing::Test {
protected:
    TestEnv env;
    std::string hostDir = env.hostC + "/dir";
    const std::string dir = "C:\\dir";
    TFileListModel list;

    void SetUp() override { fs::create_directories(hostDir); }

    // A file of `size` bytes, last written at kBaseTime + secondsLater.
    void Make(const std::string& name, size_t size = 0, int64_t secondsLater = 0) {
        const std::string path = hostDir + "/" + name;
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
        SetTime(name, kBaseTime + secondsLater);
    }
    void SetTime(const std::string& name, int64_t sec, long nsec = 0) {
        const std::string path = hostDir + "/" + name;
        timespec times[2] = {{sec, nsec}, {sec, nsec}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
    }

    TQuilbyOptions Options(const std::string& sortKeys = "END", const std::string& wild = "*.*") {
        TQuilbyOptions o;  // the defaults: read-only and archive in the mask
        o.SortKeys = sortKeys;
        o.Wildcards = wild;
        return o;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < list.GetListCount(); ++i) names.push_back(list.GetEntryName(i));
        return names;
    }
    std::set<std::string> NameSet() const {
        auto n = Names();
        return {n.begin(), n.end()};
    }
    void Read(const TQuilbyOptions& o) { ASSERT_TRUE(list.ReadDirectory(dir, o)); }

    // The counters must always equal the sums over the list.
    void ExpectCountersConsistent() const {
        int tagged = 0;
        int64_t taggedBytes = 0, bytes = 0;
        for (const TFileEntry& e : list.FileList()) {
            bytes += e.Size;
            if (e.Tagged) ++tagged, taggedBytes += e.Size;
        }
        EXPECT_EQ(list.GetEntryCount(), list.GetListCount());
        EXPECT_EQ(list.GetEntryBytes(), bytes);
        EXPECT_EQ(list.GetTaggedCount(), tagged);
        EXPECT_EQ(list.GetTaggedBytes(), taggedBytes);
    }
};

// ---------------------------------------------------------------- sorting

TEST_F(FileListTest, SortByExtensionThenNameThenDate) {
    for (const char* n : {"b.TXT", "a.TXT", "B.TXT", "a.txt", "c.BAK", "README", "x.TX"}) Make(n);
    fs::create_directories(hostDir + "/sub.dir");  // directories are never listed
    Read(Options("END"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"README.", "c.BAK", "x.TX", "B.TXT", "a.TXT",
                                                 "b.TXT", "a.txt"}));
    EXPECT_EQ(list.GetEntryCount(), 7);
}

TEST_F(FileListTest, SortByDateNewestFirstWithTies) {
    Make("old.a", 1, 0);
    Make("new.b", 1, 300);
    Make("mid1.c", 1, 100);
    Make("mid2.c", 1, 100);
    SetTime("mid2.c", kBaseTime + 100);
    Read(Options("D   "));
    const auto n = Names();
    ASSERT_EQ(n.size(), 4u);
    EXPECT_EQ(n[0], "new.b");
    EXPECT_EQ(std::set<std::string>(n.begin() + 1, n.begin() + 3),
              (std::set<std::string>{"mid1.c", "mid2.c"}));  // same stamp: either order
    EXPECT_EQ(n[3], "old.a");

    // Sub-second stamps are told apart.
    SetTime("mid2.c", kBaseTime + 100, 500000000);
    Read(Options("D"));
    EXPECT_EQ(Names()[1], "mid2.c");
}

TEST_F(FileListTest, SortBySizeLargestFirstThenNextKey) {
    Make("small.x", 1);
    Make("big.x", 300);
    Make("b.y", 20);
    Make("a.y", 20);
    Read(Options("S   "));
    auto n = Names();
    EXPECT_EQ(n[0], "big.x");
    EXPECT_EQ(std::set<std::string>(n.begin() + 1, n.begin() + 3),
              (std::set<std::string>{"a.y", "b.y"}));
    EXPECT_EQ(n[3], "small.x");
    Read(Options("S N"));  // the blank is no key; equal sizes fall to the name
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.x", "a.y", "b.y", "small.x"}));
}

TEST_F(FileListTest, SortByNameBytewise) {
    for (const char* n : {"b.1", "B.2", "a.3", "ab.0", "_.9"}) Make(n);
    Read(Options("N"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"B.2", "_.9", "a.3", "ab.0", "b.1"}));
}

TEST_F(FileListTest, DateTiesFallToTheNextKey) {
    Make("z.q", 5, 10);
    Make("a.q", 5, 10);
    Make("m.q", 5, 20);
    Read(Options("DN"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"m.q", "a.q", "z.q"}));
}

// The list is sorted once after the read; for distinct keys that must be the
// order that inserting each file at its place by binary search gives.
std::vector<TFileEntry> InsertEachInTurn(const std::vector<TFileEntry>& found,
                                         const TSortOrder& order) {
    std::vector<TFileEntry> list;
    for (const TFileEntry& e : found) {
        if (list.empty()) {
            list.push_back(e);
            continue;
        }
        int lo = 0, hi = static_cast<int>(list.size()) - 1;
        for (;;) {
            const int mid = lo + (hi - lo) / 2;
            const int c = order.Compare(list[mid], e);
            if (lo == mid && mid == hi) {
                list.insert(list.begin() + (c < 0 ? mid + 1 : mid), e);
                break;
            }
            if (c == 0) {
                list.insert(list.begin() + mid, e);
                break;
            }
            if (c > 0)
                hi = mid;
            else
                lo = mid + 1;
        }
    }
    return list;
}

TEST(FileListSort, SortingOnceEqualsSortedInsertionForDistinctKeys) {
    std::mt19937 rng(7);
    std::vector<TFileEntry> found;
    const char* exts[] = {"", "TXT", "txt", "TX", "a", "\xC3\xA9"};
    for (int i = 0; i < 400; ++i) {
        TFileEntry e;
        e.Name = std::to_string(rng() % 100000) + "_" + std::to_string(i);  // unique
        e.Ext = exts[rng() % 6];
        e.Size = static_cast<int64_t>(i) * 7919 % 400;                      // unique
        e.Time = plat::FileTime{kBaseTime + static_cast<int64_t>(i) * 104729 % 400, 0};  // unique
        found.push_back(e);
    }
    for (const char* keys : {"END", "D   ", "S   ", "N", "E   ", "SN", "X D"}) {
        const TSortOrder order(keys);
        std::vector<TFileEntry> sorted = found;
        std::sort(sorted.begin(), sorted.end(), order);
        const std::vector<TFileEntry> inserted = InsertEachInTurn(found, order);
        ASSERT_EQ(sorted.size(), inserted.size());
        for (size_t i = 0; i < sorted.size(); ++i)
            if (order.Compare(sorted[i], inserted[i]) != 0) {
                ADD_FAILURE() << "keys '" << keys << "' differ at " << i;
                break;
            }
    }
}

// ---------------------------------------------------------------- filters

TEST_F(FileListTest, OnePatternFiltersThroughTheEnumerationMask) {
    for (const char* n : {"ABC.TXT", "ABX.TXT", "ABCX.TXT", "other.doc"}) Make(n);
    Read(Options("N", "AB*X.*"));
    std::set<std::string> byMask;
    for (const char* n : {"ABC.TXT", "ABX.TXT", "ABCX.TXT", "other.doc"})
        if (plat::MaskMatches("AB*X.*", n)) byMask.insert(std::string(n));
    EXPECT_EQ(NameSet(), byMask);
    EXPECT_EQ(NameSet().count("ABC.TXT"), 0u);  // the mask wants the X
    // With a second pattern the names are matched by the list itself, which
    // ignores what follows a "*".
    Read(Options("N", "ab*x.*;NONE.NONE"));
    EXPECT_EQ(NameSet(), (std::set<std::string>{"ABC.TXT", "ABCX.TXT", "ABX.TXT"}));
}

TEST_F(FileListTest, SeveralPatternsMatchUpperCasedNames) {
    for (const char* n : {"a.txt", "B.Doc", "a.txt.bak", "readme", "x.pas"}) Make(n);
    Read(Options("N", "*.TXT;*.DOC"));
    EXPECT_EQ(NameSet(), (std::set<std::string>{"a.txt", "B.Doc"}));
    Read(Options("N", "-*.BAK;*.*"));
    EXPECT_EQ(NameSet(), (std::set<std::string>{"a.txt", "B.Doc", "readme.", "x.pas"}));
    Read(Options("N", "*"));
    EXPECT_EQ(NameSet(), (std::set<std::string>{"readme."}));
}

TEST_F(FileListTest, ALoneExclusionListsNothing) {
    Make("x.bak");
    Make("y.txt");
    Read(Options("N", "-*.BAK"));
    EXPECT_EQ(list.GetListCount(), 0);
    Read(Options("N", ""));  // no pattern: every file
    EXPECT_EQ(list.GetListCount(), 2);
}

TEST_F(FileListTest, SizeRangeIsInclusive) {
    Make("a9", 9);
    Make("a10", 10);
    Make("a20", 20);
    Make("a21", 21);
    TQuilbyOptions o = Options("N");
    o.UseSize = true;
    o.SZ_MIN = 10;
    o.SZ_MAX = 20;
    Read(o);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a10.", "a20."}));
    EXPECT_EQ(list.GetEntryBytes(), 30);
    o.UseSize = false;
    Read(o);
    EXPECT_EQ(list.GetListCount(), 4);
}

TEST_F(FileListTest, HiddenAndSystemFilesOnlyWithTheirSwitch) {
    Make("plain.txt");
    Make("h.txt");
    Make("s.txt");
    Make(".dotted");
    Make("ro.txt");
    ASSERT_EQ(plat::SetFileAttributes(dir + "\\h.txt", plat::faHidden), plat::FileError::None);
    ASSERT_EQ(plat::SetFileAttributes(dir + "\\s.txt", plat::faSysFile), plat::FileError::None);
    ASSERT_EQ(plat::SetFileAttributes(dir + "\\ro.txt", plat::faReadOnly), plat::FileError::None);

    TQuilbyOptions o = Options("N");
    Read(o);
    EXPECT_EQ(NameSet(), (std::set<std::string>{"plain.txt", "ro.txt"}));
    o.A_readonly = o.A_Archive = false;  // these two exclude nothing
    Read(o);
    EXPECT_EQ(NameSet(), (std::set<std::string>{"plain.txt", "ro.txt"}));
    o.A_Hidden = true;
    Read(o);
    EXPECT_EQ(NameSet(), (std::set<std::string>{".dotted", "h.txt", "plain.txt", "ro.txt"}));
    o.A_Hidden = false;
    o.A_System = true;
    Read(o);
    EXPECT_EQ(NameSet(), (std::set<std::string>{"plain.txt", "ro.txt", "s.txt"}));
    const int ro = list.FindEntry("ro.txt");
    ASSERT_NE(ro, -1);
    EXPECT_TRUE(list.GetEntryAttr(ro) & plat::faReadOnly);
}

TEST_F(FileListTest, DateRangeIsInclusiveWithTimeOfDay) {
    plat::DateTime day;
    ASSERT_TRUE(plat::EncodeDate(2021, 3, 4, day));
    auto at = [&](int h, int m, int s) {
        plat::DateTime t;
        EXPECT_TRUE(plat::EncodeTime(h, m, s, 0, t));
        return plat::DateTimeToFileTime(day + t);
    };
    const plat::FileTime lo = at(10, 0, 0), hi = at(18, 30, 0);
    const plat::FileTime early = at(9, 59, 59), late = at(18, 30, 1);
    Make("before");
    Make("lower");
    Make("upper");
    Make("after");
    SetTime("before", early.sec, early.nsec);
    SetTime("lower", lo.sec, lo.nsec);
    SetTime("upper", hi.sec, hi.nsec);
    SetTime("after", late.sec, late.nsec);

    TQuilbyOptions o = Options("N");
    o.UseDate = true;
    o.DT_MIN = plat::FileTimeToDateTime(lo);
    o.DT_MAX = plat::FileTimeToDateTime(hi);
    Read(o);
    EXPECT_EQ(Names(), (std::vector<std::string>{"lower.", "upper."}));
    EXPECT_DOUBLE_EQ(list.GetEntryDate(0), o.DT_MIN);
}

// A host directory on a RAM file system (which keeps 64-bit file times
// unclamped), mapped to drive E: for one test and removed after it.
struct RamDirectory {
    std::string host;
    RamDirectory() {
        std::string tmpl = "/dev/shm/quilby-test-XXXXXX";
        if (fs::is_directory("/dev/shm") && mkdtemp(tmpl.data())) host = tmpl;
        if (host.empty()) return;
        std::vector<plat::Drive> drives = plat::Drives();
        drives.push_back(plat::Drive{'E', host, plat::DriveType::RamDisk, "tmpfs", ""});
        plat::SetDriveTable(drives);
    }
    ~RamDirectory() {
        std::error_code ec;
        if (!host.empty()) fs::remove_all(host, ec);
    }
};

TEST_F(FileListTest, StampBeyondTheCalendarIsLeftOutUnderTheDateFilter) {
    RamDirectory ram;
    if (ram.host.empty()) GTEST_SKIP() << "no RAM file system";
    std::ofstream(ram.host + "/normal.txt") << "x";
    std::ofstream(ram.host + "/far.txt") << "x";
    // Year 29983: beyond any calendar date the program converts.
    const int64_t far = 884000000000LL;
    timespec times[2] = {{far, 0}, {far, 0}};
    const std::string path = ram.host + "/far.txt";
    struct stat st {};
    if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0 || stat(path.c_str(), &st) != 0 ||
        st.st_mtim.tv_sec != far)
        GTEST_SKIP() << "the file system clamps file times";
    TQuilbyOptions o = Options("N");
    o.UseDate = true;
    o.DT_MIN = -1e9;
    o.DT_MAX = 1e9;
    ASSERT_TRUE(list.ReadDirectory("E:\\", o));
    EXPECT_EQ(Names(), std::vector<std::string>{"normal.txt"});
    o.UseDate = false;
    ASSERT_TRUE(list.ReadDirectory("E:\\", o));
    EXPECT_EQ(list.GetListCount(), 2);
}

// ---------------------------------------------------------------- tags

TEST_F(FileListTest, CountersFollowEveryTagOperation) {
    Make("a.1", 1);
    Make("b.1", 10);
    Make("c.1", 100);
    Make("d.1", 1000);
    Read(Options("N"));
    ASSERT_EQ(Names(), (std::vector<std::string>{"a.1", "b.1", "c.1", "d.1"}));
    EXPECT_EQ(list.GetEntryBytes(), 1111);
    EXPECT_EQ(list.GetTaggedCount(), 0);

    list.TagEntry(1);
    list.TagEntry(1);  // already tagged: no change
    EXPECT_EQ(list.GetTaggedCount(), 1);
    EXPECT_EQ(list.GetTaggedBytes(), 10);
    list.TagEntry(-1);
    list.TagEntry(4);  // no such entry
    list.UntagEntry(0);  // untagged: no change
    EXPECT_EQ(list.GetTaggedBytes(), 10);
    list.ToggleTag(3);
    EXPECT_EQ(list.GetTaggedBytes(), 1010);
    ExpectCountersConsistent();

    list.ToggleAll();  // b, d -> a, c
    EXPECT_EQ(list.GetTaggedBytes(), 101);
    list.ToggleAll();
    EXPECT_EQ(list.GetTaggedCount(), 2);
    EXPECT_EQ(list.GetTaggedBytes(), 1010);
    list.ReverseAll();
    EXPECT_TRUE(list.IsTagged(0) && list.IsTagged(2) && !list.IsTagged(1) && !list.IsTagged(3));
    ExpectCountersConsistent();

    list.TagAll();
    EXPECT_EQ(list.GetTaggedCount(), 4);
    EXPECT_EQ(list.GetTaggedBytes(), 1111);
    list.UntagEntry(2);
    EXPECT_EQ(list.GetTaggedBytes(), 1011);
    list.TagNone();
    EXPECT_EQ(list.GetTaggedCount(), 0);
    EXPECT_EQ(list.GetTaggedBytes(), 0);
    ExpectCountersConsistent();

    // A read drops the tags.
    list.TagAll();
    Read(Options("N"));
    EXPECT_EQ(list.GetTaggedCount(), 0);
    EXPECT_EQ(list.GetTaggedBytes(), 0);
    EXPECT_EQ(list.GetEntryBytes(), 1111);
}

TEST_F(FileListTest, EachChangeIsAnnouncedOnceAndNoChangeNotAtAll) {
    Make("a.1", 1);
    Make("b.1", 10);
    Make("c.1", 100);
    int told = 0;
    // The listener sees the list as it is after the change.
    int taggedSeen = -1;
    list.SetChangeListener([&] {
        ++told;
        taggedSeen = list.GetTaggedCount();
    });
    struct Step {
        const char* what;
        std::function<void()> act;
        int told;
    };
    const Step steps[] = {
        {"read", [&] { Read(Options("N")); }, 1},
        {"tag", [&] { list.TagEntry(1); }, 1},
        {"tag again", [&] { list.TagEntry(1); }, 0},
        {"untag an untagged", [&] { list.UntagEntry(0); }, 0},
        {"out of range", [&] { list.ToggleTag(7); }, 0},
        {"toggle", [&] { list.ToggleTag(2); }, 1},
        {"all", [&] { list.TagAll(); }, 1},
        {"none", [&] { list.TagNone(); }, 1},
        {"reverse", [&] { list.ReverseAll(); }, 1},
        {"tag if none, something tagged", [&] { list.TagIfNone(0); }, 0},
        {"sort", [&] { list.SortEntries("S"); }, 1},
        {"gathered", [&] {
             const auto changes = list.GatherChanges();
             list.UntagEntry(0);
             list.UntagEntry(1);
             list.TagEntry(0);
         }, 1},
        {"clear", [&] { list.ClearEntries(); }, 1},
    };
    for (const Step& step : steps) {
        told = 0;
        step.act();
        EXPECT_EQ(told, step.told) << step.what;
        if (step.told) {
            EXPECT_EQ(taggedSeen, list.GetTaggedCount()) << step.what;
        }
    }
}

TEST_F(FileListTest, TagIfNoneTagsOnlyWhenNothingIsTagged) {
    Make("a.1", 3);
    Make("b.1", 5);
    Read(Options("N"));
    EXPECT_FALSE(list.TagIfNone(-1));
    EXPECT_FALSE(list.TagIfNone(2));
    EXPECT_EQ(list.GetTaggedCount(), 0);
    EXPECT_TRUE(list.TagIfNone(1));
    EXPECT_EQ(list.GetTaggedBytes(), 5);
    EXPECT_FALSE(list.TagIfNone(0));
    EXPECT_FALSE(list.IsTagged(0));
    EXPECT_EQ(list.GetTaggedCount(), 1);
}

TEST_F(FileListTest, WalkingTheTaggedSet) {
    for (const char* n : {"a", "b", "c", "d", "e"}) Make(n);
    Read(Options("N"));
    EXPECT_EQ(list.FirstTagged(), -1);
    EXPECT_EQ(list.LastTagged(), -1);
    EXPECT_EQ(list.NextTagged(-1), -1);
    list.TagEntry(0);
    list.TagEntry(2);
    list.TagEntry(4);
    EXPECT_EQ(list.FirstTagged(), 0);
    EXPECT_EQ(list.NextTagged(0), 2);
    EXPECT_EQ(list.NextTagged(2), 4);
    EXPECT_EQ(list.NextTagged(4), -1);  // the last index
    EXPECT_EQ(list.LastTagged(), 4);
    EXPECT_EQ(list.PrevTagged(4), 2);
    EXPECT_EQ(list.PrevTagged(2), 0);
    EXPECT_EQ(list.PrevTagged(0), -1);
    EXPECT_EQ(list.PrevTagged(1), 0);

    // A walk may untag the entry it stands on and go on from it.
    std::vector<int> seen;
    for (int i = list.FirstTagged(); i != -1; i = list.NextTagged(i)) {
        seen.push_back(i);
        list.UntagEntry(i);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(list.GetTaggedCount(), 0);
}

// ---------------------------------------------------------------- names

TEST_F(FileListTest, NamesSplitAtTheLastDotAndPathsNameTheFile) {
    Make("MAKEFILE");
    Make("a.tar.gz");
    Make("dotted.");  // a real trailing dot
    Read(Options("N"));
    const int mk = list.FindEntry("MAKEFILE.");
    ASSERT_NE(mk, -1);
    EXPECT_EQ(list.Entry(mk).Ext, "");
    EXPECT_EQ(list.GetEntryPath(mk), "C:\\dir\\MAKEFILE");
    const int gz = list.FindEntry("a.tar.gz");
    ASSERT_NE(gz, -1);
    EXPECT_EQ(list.Entry(gz).Name, "a.tar");
    EXPECT_EQ(list.Entry(gz).Ext, "gz");
    const int dotted = list.FindEntry("dotted.");
    ASSERT_NE(dotted, -1);
    EXPECT_EQ(list.GetEntryPath(dotted), "C:\\dir\\dotted.");
    for (int i = 0; i < list.GetListCount(); ++i)
        EXPECT_TRUE(plat::FileExists(list.GetEntryPath(i))) << list.GetEntryPath(i);

    TQuilbyOptions o = Options("N");
    o.A_Hidden = true;
    Make(".profile");
    Read(o);
    const int prof = list.FindEntry(".profile");
    ASSERT_NE(prof, -1);
    EXPECT_EQ(list.Entry(prof).Name, "");
    EXPECT_EQ(list.Entry(prof).Ext, "profile");
}

TEST_F(FileListTest, FindEntryIgnoresCase) {
    Make("MAKEFILE");
    Make("Read.Me");
    Make("read.me.txt");
    Read(Options("N"));
    EXPECT_EQ(list.GetEntryName(list.FindEntry("makefile.")), "MAKEFILE.");
    EXPECT_EQ(list.FindEntry("makefile"), -1);  // the entry name carries the dot
    EXPECT_EQ(list.GetEntryName(list.FindEntry("READ.ME")), "Read.Me");
    EXPECT_EQ(list.FindEntry("nothing.here"), -1);
}

TEST_F(FileListTest, OddNamesReadAndRoundTrip) {
    const std::vector<std::string> odd = {
        "bad\xff\xfe.txt", "line\nbreak.txt", "colon:name.txt", "back\\slash.txt",
        std::string(251, 'n') + ".txt",  // 255 bytes
        "star*quest?.txt", "  blanks  "};
    for (const std::string& n : odd) Make(n, n.size());
    Read(Options("END"));
    ASSERT_EQ(list.GetListCount(), static_cast<int>(odd.size()));
    ExpectCountersConsistent();
    for (int i = 0; i < list.GetListCount(); ++i) {
        const std::string path = list.GetEntryPath(i);
        EXPECT_TRUE(plat::FileExists(path)) << path;
        EXPECT_EQ(list.GetEntryName(i).find_first_of(":\\"), std::string::npos);
        EXPECT_EQ(list.FindEntry(list.GetEntryName(i)), i);
    }
    Read(Options("N", "*.TXT;*.DOC"));  // the pattern list copes with them too
    EXPECT_EQ(list.GetListCount(), static_cast<int>(odd.size()) - 1);
}

TEST_F(FileListTest, LongPathsAreNotCut) {
    std::string rel, win = "C:";
    for (int i = 0; i < 6; ++i) {
        const std::string part = "directory_level_" + std::to_string(i) + std::string(40, 'x');
        rel += "/" + part;
        win += "\\" + part;
    }
    fs::create_directories(env.hostC + rel);
    std::ofstream(env.hostC + rel + "/deep.txt") << "x";
    ASSERT_TRUE(list.ReadDirectory(win, Options()));
    ASSERT_EQ(list.GetListCount(), 1);
    EXPECT_GT(list.GetEntryPath(0).size(), 255u);
    EXPECT_EQ(list.GetEntryPath(0), win + "\\deep.txt");
    EXPECT_TRUE(plat::FileExists(list.GetEntryPath(0)));

    std::ofstream(env.hostC + "/root.txt") << "x";
    ASSERT_TRUE(list.ReadDirectory("C:\\", Options()));  // the root: one backslash
    EXPECT_EQ(list.GetEntryPath(list.FindEntry("root.txt")), "C:\\root.txt");
}

TEST_F(FileListTest, MissingDirectoryReadsAsEmpty) {
    Make("a.txt", 7);
    Read(Options());
    list.TagAll();
    EXPECT_FALSE(list.ReadDirectory("C:\\nowhere", Options()));
    EXPECT_EQ(list.GetListCount(), 0);
    EXPECT_EQ(list.GetEntryCount(), 0);
    EXPECT_EQ(list.GetEntryBytes(), 0);
    EXPECT_EQ(list.GetTaggedCount(), 0);
    EXPECT_EQ(list.GetTaggedBytes(), 0);
    EXPECT_EQ(list.FirstTagged(), -1);
    EXPECT_FALSE(list.ReadDirectory("Q:\\", Options()));  // no such drive
    EXPECT_EQ(list.GetListCount(), 0);
    EXPECT_TRUE(list.ReadDirectory(dir, Options()));
    EXPECT_EQ(list.GetEntryBytes(), 7);
}

// ---------------------------------------------------------------- tagged names

TEST_F(FileListTest, TaggedNamesAndListFile) {
    for (const char* n : {"a.txt", "b", "c.doc"}) Make(n);
    Read(Options("N"));
    list.TagEntry(0);
    list.TagEntry(1);
    std::vector<std::string> names{"kept"};
    list.GetTaggedNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"kept", "a.txt", "b."}));

    list.WriteTaggedList("C:\\LIST.TXT");
    EXPECT_EQ(env.ReadFile("c/LIST.TXT"), "C:\\dir\\a.txt\nC:\\dir\\b\n");
    list.UntagEntry(0);
    list.WriteTaggedList("C:\\LIST.TXT");  // replaces the old list
    EXPECT_EQ(env.ReadFile("c/LIST.TXT"), "C:\\dir\\b\n");
    list.WriteTaggedList("C:\\LIST.TXT", [](int i) { return "SUB\\" + std::to_string(i); });
    EXPECT_EQ(env.ReadFile("c/LIST.TXT"), "SUB\\1\n");
}

TEST_F(FileListTest, ListFileFailuresRaiseInputOutputErrors) {
    Make("a.txt");
    Read(Options());
    list.TagAll();
    plat::InjectFault(plat::FaultOp::Write, 1, plat::FileError::DiskFull);
    try {
        list.WriteTaggedList("C:\\LIST.TXT");
        ADD_FAILURE() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), plat::ErrorText(plat::FileError::DiskFull));
    }
    plat::ClearFaults();
    plat::InjectFault(plat::FaultOp::Open, 1, plat::FileError::AccessDenied);
    try {
        list.WriteTaggedList("C:\\LIST.TXT");
        ADD_FAILURE() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Bad open of: C:\\LIST.TXT");
    }
}

}  // namespace
