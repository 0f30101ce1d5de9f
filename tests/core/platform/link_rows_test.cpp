// What a listing says of a link: a link to a file has its target's size,
// date and attributes; a link to a directory is a directory; a link that
// leads nowhere (missing target, or a loop) is a file of size 0 with the
// link's own date, marked as such, never the length of its text. The same
// facts come from a listing and from one lookup, and no loop hangs either.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

constexpr int64_t kTargetTime = 1600000000;  // September 2020
constexpr int64_t kLinkTime = 1500000000;    // July 2017
constexpr uint32_t kFiles = faReadOnly | faHidden | faSysFile | faArchive;

class LinkRowsTest : public ::testing::Test {
protected:
    TestEnv env;

    void SetUp() override {
        env.WriteFile("c/D/REAL.TXT", std::string(1234, 'r'));
        ASSERT_EQ(SetFileTime("C:\\D\\REAL.TXT", FileTime{kTargetTime, 0}), FileError::None);
        ASSERT_EQ(SetFileAttributes("C:\\D\\REAL.TXT", faReadOnly | faSysFile | faArchive),
                  FileError::None);
        fs::create_directories(env.Host("c/D/SUB"));
    }
    // A link at c/D/name holding text, with its own time set to kLinkTime.
    void Link(const std::string& name, const std::string& text) {
        const std::string path = env.Host("c/D/" + name);
        fs::create_symlink(text, path);
        timespec times[2] = {{kLinkTime, 0}, {kLinkTime, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    }
    // What a listing of C:\D reports, by name.
    static std::map<std::string, FindData> List(uint32_t attrMask) {
        std::map<std::string, FindData> out;
        EXPECT_TRUE(FindFiles("C:\\D\\*.*", attrMask, [&](const FindData& fd) {
            out[fd.name] = fd;
            return true;
        }));
        return out;
    }
    static void ExpectSameFacts(const FindData& a, const FindData& b, const std::string& name) {
        EXPECT_EQ(a.size, b.size) << name;
        EXPECT_EQ(a.writeTime, b.writeTime) << name;
        EXPECT_EQ(a.attr, b.attr) << name;
        EXPECT_EQ(a.isLink, b.isLink) << name;
        EXPECT_EQ(a.isDanglingLink, b.isDanglingLink) << name;
    }
};

}  // namespace

TEST_F(LinkRowsTest, ALinkToAFileHasItsTargetsSizeDateAndAttributes) {
    Link("LINK.TXT", "REAL.TXT");
    auto listed = List(kFiles);
    ASSERT_EQ(listed.count("LINK.TXT"), 1u);
    const FindData& link = listed["LINK.TXT"];
    const FindData& real = listed["REAL.TXT"];
    EXPECT_EQ(link.size, 1234);
    EXPECT_EQ(link.writeTime, (FileTime{kTargetTime, 0}));
    EXPECT_EQ(link.attr, faReadOnly | faSysFile | faArchive);
    EXPECT_EQ(link.attr, real.attr);
    EXPECT_TRUE(link.isLink);
    EXPECT_FALSE(link.isDanglingLink);
    EXPECT_FALSE(real.isLink);

    FindData one;
    ASSERT_TRUE(GetFindData("C:\\D\\LINK.TXT", one));
    ExpectSameFacts(one, link, "LINK.TXT");
}

TEST_F(LinkRowsTest, ALinkToADirectoryIsListedAsADirectoryNeverAsAFile) {
    Link("DIRLINK", "SUB");
    EXPECT_EQ(List(kFiles).count("DIRLINK"), 0u) << "a file listing holds no directory";
    auto withDirs = List(kFiles | faDirectory);
    ASSERT_EQ(withDirs.count("DIRLINK"), 1u);
    EXPECT_TRUE(withDirs["DIRLINK"].attr & faDirectory);
    EXPECT_EQ(withDirs["DIRLINK"].size, 0);
    EXPECT_TRUE(withDirs["DIRLINK"].isLink);
    EXPECT_FALSE(withDirs["DIRLINK"].isDanglingLink);

    std::map<std::string, bool> dirs;  // name -> is a link
    EXPECT_TRUE(FindDirectories("C:\\D", faDirectory, [&](const FindData& fd) {
        dirs[fd.name] = fd.isLink;
        return true;
    }));
    EXPECT_EQ(dirs, (std::map<std::string, bool>{{"DIRLINK", true}, {"SUB", false}}));
}

TEST_F(LinkRowsTest, ALinkThatLeadsNowhereIsAFileOfSizeZeroMarkedAsSuch) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"DEAD.TXT", "missing/folder/and/a/rather/long/target/name.txt"},
        {"SELF", "SELF"},        // loops on itself
        {"PING", "PONG"},        // two links that lead to each other
        {"PONG", "PING"},
        {"THROUGH", "REAL.TXT/x"},  // through a file, as if it were a folder
    };
    for (const Case& c : cases) Link(c.name, c.text);
    auto listed = List(kFiles);
    for (const Case& c : cases) {
        ASSERT_EQ(listed.count(c.name), 1u) << c.name;
        const FindData& fd = listed[c.name];
        EXPECT_EQ(fd.size, 0) << c.name << ": not the length of the link's text";
        EXPECT_TRUE(fd.isLink) << c.name;
        EXPECT_TRUE(fd.isDanglingLink) << c.name;
        EXPECT_FALSE(fd.isSpecial) << c.name;
        EXPECT_EQ(fd.attr, uint32_t{faArchive}) << c.name;
        EXPECT_EQ(fd.writeTime, (FileTime{kLinkTime, 0})) << c.name << ": the link's own date";

        FindData one;
        ASSERT_TRUE(GetFindData(std::string("C:\\D\\") + c.name, one)) << c.name;
        ExpectSameFacts(one, fd, c.name);
    }
    // None of them is a directory to a tree.
    int dirs = 0;
    FindDirectories("C:\\D", kFiles | faDirectory, [&](const FindData&) { return ++dirs, true; });
    EXPECT_EQ(dirs, 1);  // SUB
}

TEST_F(LinkRowsTest, ADanglingLinkNamedWithADotIsHiddenLikeAnyFile) {
    Link(".gone", "nowhere");
    EXPECT_EQ(List(faReadOnly | faArchive).count(".gone"), 0u);
    auto listed = List(kFiles);
    ASSERT_EQ(listed.count(".gone"), 1u);
    EXPECT_EQ(listed[".gone"].attr, faHidden | faArchive);
}
