// Path pieces of the directory operations, over real directories where
// identity matters.
#include "core/fileops/dir_paths.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/test_env.h"

TEST(DirPaths, SplitsAPathAtItsLastBackslashOrColon) {
    EXPECT_EQ(LastPathComponent("C:\\WORK\\README.TXT"), "README.TXT");
    EXPECT_EQ(DirectoryPartOf("C:\\WORK\\README.TXT"), "C:\\WORK\\");
    EXPECT_EQ(LastPathComponent("C:\\WORK"), "WORK");
    EXPECT_EQ(DirectoryPartOf("C:\\WORK"), "C:\\");
    EXPECT_EQ(LastPathComponent("C:NOTES"), "NOTES");
    EXPECT_EQ(DirectoryPartOf("C:NOTES"), "C:");
    EXPECT_EQ(LastPathComponent("NOTES"), "NOTES");
    EXPECT_EQ(DirectoryPartOf("NOTES"), "");
}

TEST(DirPaths, BaseNameIsTheLastComponentUpToItsFirstDot) {
    EXPECT_EQ(BaseDirectoryName("C:\\GAMES\\DOOM.V2"), "DOOM");
    EXPECT_EQ(BaseDirectoryName("C:\\GAMES\\a.b.c"), "a");
    EXPECT_EQ(BaseDirectoryName("C:\\Src"), "Src");
    EXPECT_EQ(BaseDirectoryName("C:\\"), "");
}

TEST(DirPaths, RelativePathOfATreeLineKeepsEveryCharacter) {
    EXPECT_EQ(TreeRelativePath("C:\\SRC", "C:\\SRC"), "");
    EXPECT_EQ(TreeRelativePath("C:\\SRC", "C:\\SRC\\SUB1"), "SUB1\\");
    EXPECT_EQ(TreeRelativePath("C:\\SRC", "C:\\SRC\\SUB1\\DEEP"), "SUB1\\DEEP\\");
    // A drive root already ends in its backslash: the name's first letter stays.
    EXPECT_EQ(TreeRelativePath("C:\\", "C:\\SUB1"), "SUB1\\");
    EXPECT_EQ(TreeRelativePath("C:\\", "C:\\"), "");
}

TEST(DirPaths, AtOrBelowFollowsTheFilesNotTheText) {
    TestEnv env;
    env.WriteFile("c/SRC/SUB1/DEEP/f.txt", "x");
    env.WriteFile("c/SRCX/f.txt", "x");
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC", "C:\\SRC"));
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC\\SUB1\\DEEP", "C:\\SRC"));
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC\\SUB1\\DEEP\\", "C:\\SRC\\"));
    EXPECT_TRUE(IsAtOrBelow("c:\\src\\sub1", "C:\\SRC"));  // another spelling
    // A path not made yet lies where its existing parents are.
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC\\NEW\\NEWER", "C:\\SRC"));
    EXPECT_FALSE(IsAtOrBelow("C:\\SRCX", "C:\\SRC"));  // a common prefix is no parent
    EXPECT_FALSE(IsAtOrBelow("C:\\SRC", "C:\\SRC\\SUB1"));
    EXPECT_FALSE(IsAtOrBelow("D:\\SRC", "C:\\SRC"));
    EXPECT_FALSE(IsAtOrBelow("C:\\SRC", "C:\\MISSING"));
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC", "C:\\"));

    // Another drive letter on the same folder names the same directories.
    std::vector<plat::Drive> drives = plat::Drives();
    plat::Drive e;
    e.letter = 'E';
    e.hostRoot = env.hostC + "/SRC";
    drives.push_back(e);
    plat::SetDriveTable(drives);
    EXPECT_TRUE(IsAtOrBelow("E:\\SUB1", "C:\\SRC"));
    EXPECT_TRUE(IsAtOrBelow("C:\\SRC\\SUB1", "E:\\"));
}
