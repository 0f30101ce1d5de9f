// Links in a directory window's list and tree: a link to a file is a row
// with its target's size, date and attributes and counts its target's
// bytes; a link that leads nowhere is a row of size 0 whose attribute column
// carries the mark; a link to a directory is no row. A folder has a
// subdirectory for the tree exactly when its listing would show one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/filelist/file_list.h"
#include "core/filelist/subdirectories.h"
#include "core/platform/platform.h"
#include "core/settings/quilby_options.h"
#include "core/text/column_text.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

class LinkEntriesTest : public ::testing::Test {
protected:
    TestEnv env;
    TFileListModel list;
    TQuilbyOptions options;

    void SetUp() override {
        options.SortKeys = "N";
        options.Wildcards = "*.*";
        options.ShowAttr = true;
        options.Size = 1;
        env.WriteFile("c/D/REAL.TXT", std::string(1234, 'r'));
        ASSERT_EQ(plat::SetFileAttributes("C:\\D\\REAL.TXT", plat::faReadOnly | plat::faArchive),
                  plat::FileError::None);
        fs::create_directories(env.Host("c/D/SUB"));
        fs::create_symlink("REAL.TXT", env.Host("c/D/LINK.TXT"));
        fs::create_symlink("SUB", env.Host("c/D/DIRLINK"));
        fs::create_symlink("no/such/file/with/a/long/name.txt", env.Host("c/D/DEAD.TXT"));
        fs::create_symlink("LOOP", env.Host("c/D/LOOP"));
    }
    int Row(const std::string& name) const { return list.FindEntry(name); }
    std::string Column(const std::string& name, char column) const {
        return ColumnText(list.Entry(Row(name)), column, options);
    }
};

}  // namespace

TEST_F(LinkEntriesTest, LinkRowsShowTheirTargetOrAMarkAndNeverTheirTextsLength) {
    ASSERT_TRUE(list.ReadDirectory("C:\\D", options));
    std::vector<std::string> names;
    for (int i = 0; i < list.GetListCount(); ++i) names.push_back(list.GetEntryName(i));
    EXPECT_EQ(names, (std::vector<std::string>{"DEAD.TXT", "LINK.TXT", "LOOP.", "REAL.TXT"}));

    // A link to a file: what its target shows.
    for (char column : {'S', 'D', 'T', 'A'})
        EXPECT_EQ(Column("LINK.TXT", column), Column("REAL.TXT", column)) << column;
    EXPECT_EQ(Column("LINK.TXT", 'A'), " R__A");
    EXPECT_FALSE(list.Entry(Row("LINK.TXT")).DanglingLink);

    // A link that leads nowhere, or loops: size 0 and the mark.
    for (const char* name : {"DEAD.TXT", "LOOP."}) {
        EXPECT_TRUE(list.Entry(Row(name)).DanglingLink) << name;
        EXPECT_EQ(list.GetEntrySize(Row(name)), 0) << name;
        EXPECT_EQ(Column(name, 'S'), SizeColumnText(0, 1)) << name;
        EXPECT_EQ(Column(name, 'A'), " LNK?") << name;
    }
    EXPECT_EQ(list.GetEntryBytes(), 2 * 1234);

    // Tagging a link counts its target's bytes.
    list.TagEntry(Row("LINK.TXT"));
    list.TagEntry(Row("DEAD.TXT"));
    EXPECT_EQ(list.GetTaggedBytes(), 1234);
}

TEST_F(LinkEntriesTest, AFolderHasASubdirectoryExactlyWhenTheTreeWouldListOne) {
    const uint32_t visible = plat::faDirectory;
    const uint32_t all = plat::faDirectory | plat::faHidden | plat::faSysFile;
    env.WriteFile("c/T/FILES/a.txt", "a");
    fs::create_directories(env.Host("c/T/EMPTY"));
    fs::create_directories(env.Host("c/T/PLAIN/SUB"));
    fs::create_directories(env.Host("c/T/LINKED"));
    fs::create_symlink("../PLAIN", env.Host("c/T/LINKED/TO"));
    fs::create_directories(env.Host("c/T/FILELINK"));
    fs::create_symlink("../FILES/a.txt", env.Host("c/T/FILELINK/TO"));
    fs::create_directories(env.Host("c/T/DANGLING"));
    fs::create_symlink("../NOWHERE", env.Host("c/T/DANGLING/TO"));
    fs::create_directories(env.Host("c/T/LOOPING"));
    fs::create_symlink("SELF", env.Host("c/T/LOOPING/SELF"));
    fs::create_directories(env.Host("c/T/HIDDEN/.secret"));
    env.WriteFile("c/T/LATE/a.txt", "");
    env.WriteFile("c/T/LATE/b.txt", "");
    fs::create_directories(env.Host("c/T/LATE/zz"));
    struct Case {
        const char* folder;
        bool visibleSub, anySub;
    };
    for (const Case& c : {Case{"FILES", false, false}, Case{"EMPTY", false, false},
                          Case{"PLAIN", true, true}, Case{"LINKED", true, true},
                          Case{"FILELINK", false, false}, Case{"DANGLING", false, false},
                          Case{"LOOPING", false, false}, Case{"HIDDEN", false, true},
                          Case{"LATE", true, true}, Case{"MISSING", false, false}}) {
        const std::string dir = std::string("C:\\T\\") + c.folder;
        EXPECT_EQ(HasSubdirectory(dir, visible), c.visibleSub) << c.folder;
        EXPECT_EQ(HasSubdirectory(dir, all), c.anySub) << c.folder;
        // The same answer as the full listing the tree reads on opening.
        EXPECT_EQ(HasSubdirectory(dir, visible), !SubdirectoryNames(dir, visible).empty()) << c.folder;
    }
}
