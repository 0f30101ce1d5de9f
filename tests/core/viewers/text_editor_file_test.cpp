// The editor's text and back: unchanged text gives the same bytes, line
// ends and bytes outside UTF-8 included; a save of a file with the
// replacement that never loses the old file.
#include "core/viewers/text_editor_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/platform/file_replace.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

namespace {

TEST(EditedText, UnchangedTextGivesTheSameBytes) {
    const std::string files[] = {
        "",
        "plain\nlines\n",
        "crlf\r\nlines\r\nno end",
        "gr\xc3\xbc\xc3\x9f\r\n",
        "caf\xe9\r\n\x80\x81\x8d\x8f\x90\x9d\xa0\xff\r\n",  // Windows-1252, its gaps included
        "lone\rCR\rkept\n",
        std::string("nul\0inside\n", 11),
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        const TEditedText t = DecodeForEditing(bytes);
        EXPECT_EQ(EncodeForSaving(t.Text, t.CrLf, t.Windows1252), bytes);
    }
}

TEST(EditedText, HowTheTextIsHeld) {
    TEditedText t = DecodeForEditing("a\r\nb\r\n");
    EXPECT_TRUE(t.CrLf);
    EXPECT_FALSE(t.Windows1252);
    EXPECT_EQ(t.Text, "a\nb\n");
    t = DecodeForEditing("caf\xe9\n");
    EXPECT_FALSE(t.CrLf);
    EXPECT_TRUE(t.Windows1252);
    EXPECT_EQ(t.Text, "caf\xc3\xa9\n");
    // Typed into a Windows-1252 file: the code page's characters become its
    // bytes, others stay UTF-8 rather than being lost.
    EXPECT_EQ(EncodeForSaving("\xe2\x82\xac \xe2\x86\x92\n", true, true), "\x80 \xe2\x86\x92\r\n");
}

struct ReplaceFileTest : ::testing::Test {
    TestEnv env;
    void TearDown() override { plat::ClearFaults(); }
    size_t FilesIn(const std::string& rel) const {
        size_t n = 0;
        for (auto& e : std::filesystem::directory_iterator(env.Host(rel))) n += e.is_regular_file() ? 1 : 0;
        return n;
    }
};

TEST_F(ReplaceFileTest, NewContentKeepsModeAndAttributes) {
    env.WriteFile("c/E/a.txt", "old");
    ASSERT_EQ(::chmod(env.Host("c/E/a.txt").c_str(), 0640), 0);
    ASSERT_EQ(plat::SetFileAttributes("C:\\E\\a.txt", plat::faHidden | plat::faArchive), plat::FileError::None);
    ASSERT_EQ(plat::ReplaceFileContents("C:\\E\\a.txt", "new content"), plat::FileError::None);
    EXPECT_EQ(env.ReadFile("c/E/a.txt"), "new content");
    struct stat st {};
    ASSERT_EQ(::stat(env.Host("c/E/a.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(plat::GetFileAttributes("C:\\E\\a.txt") & (plat::faHidden | plat::faArchive),
              plat::faHidden | plat::faArchive);
    ASSERT_EQ(plat::ReplaceFileContents("C:\\E\\b.txt", "made"), plat::FileError::None);
    EXPECT_EQ(env.ReadFile("c/E/b.txt"), "made");
    EXPECT_EQ(FilesIn("c/E"), 2u);
}

TEST_F(ReplaceFileTest, FailuresLeaveTheOldFileWhole) {
    env.WriteFile("c/E/a.txt", "old");
    struct Case {
        plat::FaultOp op;
        plat::FileError error;
    } cases[] = {{plat::FaultOp::Open, plat::FileError::SharingViolation},
                 {plat::FaultOp::Write, plat::FileError::DiskFull},
                 {plat::FaultOp::Rename, plat::FileError::IoError}};
    for (const Case& c : cases) {
        plat::InjectFault(c.op, 1, c.error);
        EXPECT_EQ(plat::ReplaceFileContents("C:\\E\\a.txt", "new"), c.error);
        EXPECT_EQ(env.ReadFile("c/E/a.txt"), "old");
        EXPECT_EQ(FilesIn("c/E"), 1u);  // no temp file left behind
        plat::ClearFaults();
    }
    ASSERT_EQ(plat::SetFileAttributes("C:\\E\\a.txt", plat::faReadOnly), plat::FileError::None);
    EXPECT_EQ(plat::ReplaceFileContents("C:\\E\\a.txt", "new"), plat::FileError::AccessDenied);
    EXPECT_EQ(env.ReadFile("c/E/a.txt"), "old");
}

}  // namespace
