// Calls relative to an opened directory keep the rules of their path-taking
// twins: entries are seen as themselves, a link or special file is never
// opened for data, a new file is never made through an existing entry, and
// injected faults fire on them as on the others. After each case the test
// tree is compared byte for byte.
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class DirHandleTest : public ::testing::Test {
protected:
    TestEnv env;
    Dir dir;

    void SetUp() override {
        env.WriteFile("c/D/file", "data");
        fs::create_directories(env.Host("c/D/sub"));
        fs::create_symlink("file", env.Host("c/D/link"));
        fs::create_symlink("nowhere", env.Host("c/D/dangling"));
        ASSERT_EQ(mkfifo(env.Host("c/D/fifo").c_str(), 0644), 0);
        env.WriteFile("c/D/a:b", "mapped");
        ASSERT_EQ(OpenDir("C:\\D\\", false, dir), FileError::None);
    }
    void TearDown() override { ClearFaults(); }
};

}  // namespace

TEST_F(DirHandleTest, ListsEachEntryAsItselfWithItsWindowsName) {
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ReadDir(dir, entries));
    std::map<std::string, EntryKind> kinds;
    for (const auto& e : entries) kinds[e.name] = e.kind;
    const std::map<std::string, EntryKind> expected = {
        {"file", EntryKind::File},      {"sub", EntryKind::Directory}, {"link", EntryKind::Link},
        {"dangling", EntryKind::Link},  {"fifo", EntryKind::Special},
        {HostNameToWin("a:b"), EntryKind::File}};
    EXPECT_EQ(kinds, expected);
    for (const auto& [name, kind] : expected) EXPECT_EQ(GetEntryKindAt(dir, name), kind) << name;
    EXPECT_EQ(GetEntryKindAt(dir, "gone"), EntryKind::Missing);
    // A second listing starts at the top again.
    ASSERT_TRUE(ReadDir(dir, entries));
    EXPECT_EQ(entries.size(), expected.size());
    EXPECT_EQ(dir.winPath(), "C:\\D");
}

TEST_F(DirHandleTest, ALinkInTheDirectorysPlaceIsReadThroughOnlyWhenAsked) {
    fs::create_symlink("D", env.Host("c/L"));
    Dir viaLink;
    EXPECT_EQ(OpenDir("C:\\L", false, viaLink), FileError::AccessDenied);
    EXPECT_FALSE(viaLink.IsOpen());
    EXPECT_EQ(OpenDir("C:\\L", true, viaLink), FileError::None);
    EXPECT_EQ(OpenDir("C:\\NONE", true, viaLink), FileError::PathNotFound);
}

TEST_F(DirHandleTest, OnlyARegularFileIsOpenedForReadingNeverThroughALink) {
    const auto before = TreeSnapshot(env.root);
    File f;
    EXPECT_EQ(OpenFileAt(dir, "file", OpenMode::Read, f), FileError::None);
    char buf[8];
    size_t got = 0;
    EXPECT_EQ(ReadFile(f, buf, sizeof buf, got), FileError::None);
    EXPECT_EQ(std::string(buf, got), "data");
    // The FIFO would block an ordinary open for ever.
    for (const char* name : {"link", "dangling", "fifo", "sub"}) {
        File other;
        EXPECT_EQ(OpenFileAt(dir, name, OpenMode::Read, other), FileError::AccessDenied) << name;
        EXPECT_FALSE(other.IsOpen()) << name;
    }
    EXPECT_EQ(OpenFileAt(dir, "gone", OpenMode::Read, f), FileError::FileNotFound);
    EXPECT_EQ(OpenFileAt(dir, "file", OpenMode::Write, f), FileError::AccessDenied);
    EXPECT_EQ(TreeSnapshot(env.root), before);
}

TEST_F(DirHandleTest, ANewFileIsMadeOnlyWhereNoEntryIs) {
    const auto before = TreeSnapshot(env.root);
    for (const char* name : {"file", "link", "dangling", "fifo", "sub"}) {
        File f;
        EXPECT_EQ(OpenFileAt(dir, name, OpenMode::CreateNew, f), FileError::FileExists) << name;
    }
    // Nothing was made where the dangling link points.
    EXPECT_FALSE(fs::exists(env.Host("c/D/nowhere")));
    EXPECT_EQ(TreeSnapshot(env.root), before);

    File f;
    ASSERT_EQ(OpenFileAt(dir, "new", OpenMode::CreateNew, f), FileError::None);
    size_t written = 0;
    EXPECT_EQ(WriteFile(f, "xy", 2, written), FileError::None);
    EXPECT_EQ(CloseFile(f), FileError::None);
    EXPECT_EQ(env.ReadFile("c/D/new"), "xy");
    // The path-taking calls find it at once.
    EXPECT_TRUE(FileExists("C:\\D\\NEW"));
}

TEST_F(DirHandleTest, FaultsFireOnTheRelativeCallsAsOnTheOthers) {
    File f;
    InjectFault(FaultOp::Open, 1, FileError::AccessDenied);
    EXPECT_EQ(OpenFileAt(dir, "file", OpenMode::Read, f), FileError::AccessDenied);
    InjectFault(FaultOp::Open, 1, FileError::DiskFull);
    EXPECT_EQ(OpenFileAt(dir, "new", OpenMode::CreateNew, f), FileError::DiskFull);
    EXPECT_FALSE(fs::exists(env.Host("c/D/new")));
    InjectFault(FaultOp::SetTime, 1, FileError::AccessDenied);
    EXPECT_EQ(SetFileTimeAt(dir, "file", FileTime{1000000000, 5}), FileError::AccessDenied);
    ASSERT_EQ(SetFileTimeAt(dir, "file", FileTime{1000000000, 5}), FileError::None);
    FileTime t;
    ASSERT_EQ(GetFileTime("C:\\D\\file", t), FileError::None);
    EXPECT_EQ(t, (FileTime{1000000000, 5}));
}

TEST_F(DirHandleTest, AnOpenFileHasTheAttributesItsPathHas) {
    // Stored bits, none stored, the read-only bit and a dot name.
    env.WriteFile("c/D/.dot", "x");
    ASSERT_EQ(setxattr(env.Host("c/D/file").c_str(), "user.DOSATTRIB", "0x6", 3, 0), 0);
    ASSERT_EQ(chmod(env.Host("c/D/a:b").c_str(), 0444), 0);
    for (const std::string& name : std::vector<std::string>{"file", ".dot", HostNameToWin("a:b")}) {
        File f;
        ASSERT_EQ(OpenFileAt(dir, name, OpenMode::Read, f), FileError::None) << name;
        EXPECT_EQ(FileAttributesOf(f), GetFileAttributes("C:\\D\\" + name)) << name;
    }
    File f;
    ASSERT_EQ(OpenFileAt(dir, "file", OpenMode::Read, f), FileError::None);
    EXPECT_EQ(FileAttributesOf(f), uint32_t{faHidden | faSysFile});
}
