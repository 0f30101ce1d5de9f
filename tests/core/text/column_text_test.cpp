// Column texts and header layout of the directory windows, and the path and
// caption rules of the split window, without any window.
#include "core/text/column_text.h"
#include "core/filelist/dir_navigation.h"

#include <gtest/gtest.h>

#include "core/settings/quilby_options.h"
#include "support/test_env.h"

namespace {

struct ColumnTextTest : ::testing::Test {
    TestEnv env;  // the defaults come from an empty ini: SplitExe, "P", mm/dd/yy, hh:mm:ss, bytes
    TQuilbyOptions options;

    static TFileEntry Entry(const std::string& name, int64_t size = 0, uint32_t attr = plat::faArchive) {
        plat::FindData f;
        f.name = name;
        f.size = size;
        f.attr = attr;
        plat::DateTime when = 0;
        plat::EncodeDate(2021, 3, 4, when);
        plat::DateTime time = 0;
        plat::EncodeTime(17, 5, 9, 0, time);
        f.writeTime = plat::DateTimeToFileTime(when + time);
        return MakeFileEntry(f);
    }
    static std::string Letters(const std::vector<TColumn>& columns) {
        std::string s;
        for (const TColumn& c : columns) s += c.Letter;
        return s;
    }
};

}  // namespace

TEST_F(ColumnTextTest, HeaderShowsTheColumnsTheOptionsAskForWithTheirDefaultWidths) {
    std::vector<TColumn> all = HeaderColumns(options, false);
    ASSERT_EQ(Letters(all), "*FEDTSA");
    EXPECT_EQ(all[0].Caption, "Tag");
    EXPECT_EQ(all[0].DefaultChars, 4);
    EXPECT_EQ(all[1].Caption, "Filename");
    EXPECT_EQ(all[1].DefaultChars, 8);
    EXPECT_EQ(all[2].Caption, "Type");
    EXPECT_EQ(all[3].DefaultChars, 8);  // "mm/dd/yy"
    EXPECT_EQ(all[4].DefaultChars, 8);  // "hh:mm:ss"
    EXPECT_EQ(all[5].Caption, "Size");
    EXPECT_EQ(all[6].Caption, "Attribute");

    options.SplitExe = false;
    options.Date = "(none)";
    options.Time = "hh:mm:ss AM/PM  ";  // trailing blanks do not count
    options.Size = 0;
    options.ShowAttr = false;
    std::vector<TColumn> few = HeaderColumns(options, false);
    EXPECT_EQ(Letters(few), "*FT");
    EXPECT_EQ(few[1].DefaultChars, 14);
    EXPECT_EQ(few[2].DefaultChars, 14);
    EXPECT_EQ(HeaderColumns(options, true)[1].DefaultChars, 50);
}

TEST_F(ColumnTextTest, NamesFollowTheCaseRuleAndTheSplitSetting) {
    const TFileEntry e = Entry("ReadMe.Txt");
    EXPECT_EQ(ColumnText(e, 'F', options), "ReadMe");
    EXPECT_EQ(ColumnText(e, 'E', options), "Txt");
    EXPECT_EQ(ColumnText(e, '*', options), "");
    options.Case = "U";
    EXPECT_EQ(ColumnText(e, 'F', options), "README");
    options.Case = "L";
    EXPECT_EQ(ColumnText(e, 'E', options), "txt");
    options.SplitExe = false;
    EXPECT_EQ(ColumnText(e, 'F', options), "readme.txt");
    EXPECT_EQ(ColumnText(Entry("Makefile"), 'F', options), "makefile.");
    options.Case = "X";  // not in "ULP": as stored
    EXPECT_EQ(ColumnText(e, 'F', options), "ReadMe.Txt");
    EXPECT_EQ(ApplyCase("Ärger.txt", "U"), "ÄRGER.TXT");
}

TEST_F(ColumnTextTest, DatesAndTimesUseTheirFormatAndShowAQuestionMarkWhenTheyCannot) {
    const TFileEntry e = Entry("a.txt");
    EXPECT_EQ(ColumnText(e, 'D', options), "03/04/21");
    EXPECT_EQ(ColumnText(e, 'T', options), "17:05:09");
    const std::pair<const char*, const char*> dates[] = {
        {"dd-mm-yy", "04-03-21"},     {"mm-yy-dd", "03-21-04"},     {"mm-dd-yy", "03-04-21"},
        {"yy-mm-dd", "21-03-04"},     {"dd-mm-yyyy", "04-03-2021"}, {"mm-dd-yyyy", "03-04-2021"},
        {"yyyy-mm-dd", "2021-03-04"}, {"yyyy-dd-mm", "2021-04-03"}};
    for (auto [format, text] : dates) {
        options.Date = format;
        EXPECT_EQ(ColumnText(e, 'D', options), text) << format;
    }
    options.Time = "hh:mm:ss AM/PM";
    EXPECT_EQ(ColumnText(e, 'T', options), "05:05:09 PM");
    options.Date = "(none)";
    EXPECT_EQ(ColumnText(e, 'D', options), "");
    options.Time = "";
    EXPECT_EQ(ColumnText(e, 'T', options), "");

    // Stamps beyond the years 1 to 9999 give no date to show.
    TFileEntry wild = e;
    wild.Time.sec = INT64_C(400000000000);  // the year 14645
    options.Date = "mm/dd/yy";
    options.Time = "hh:mm:ss";
    EXPECT_EQ(ColumnText(wild, 'D', options), "?");
    EXPECT_EQ(ColumnText(wild, 'T', options), "?");
    wild.Time.sec = -INT64_C(100000000000);
    options.Date = "mm/dd/yy";
    EXPECT_EQ(ColumnText(wild, 'D', options), "?");
    EXPECT_EQ(DateColumnText("mm/dd/yy", std::numeric_limits<double>::quiet_NaN()), "?");
}

TEST_F(ColumnTextTest, SizesInBytesKilobytesAndMegabytes) {
    EXPECT_EQ(SizeColumnText(1234, 1), "      1234");
    EXPECT_EQ(SizeColumnText(INT64_C(12345678901), 1), "12345678901");
    EXPECT_EQ(SizeColumnText(0, 2), "      1k");
    EXPECT_EQ(SizeColumnText(1023, 2), "      1k");
    EXPECT_EQ(SizeColumnText(1024, 2), "      1k");
    EXPECT_EQ(SizeColumnText(10240, 2), "     10k");
    EXPECT_EQ(SizeColumnText(2560, 2), "      3k");  // 2.5 rounds away from zero
    EXPECT_EQ(SizeColumnText(5000, 3), "   1m");
    EXPECT_EQ(SizeColumnText(INT64_C(5) << 30, 3), "5120m");
    EXPECT_EQ(SizeColumnText(99, 0), "");
    options.Size = 2;
    EXPECT_EQ(ColumnText(Entry("a", 4096), 'S', options), "      4k");
}

TEST_F(ColumnTextTest, AttributesAndExecutables) {
    using namespace plat;
    EXPECT_EQ(AttrColumnText(faReadOnly | faHidden | faSysFile | faArchive), " RHSA");
    EXPECT_EQ(AttrColumnText(0), " ____");
    EXPECT_EQ(AttrColumnText(faHidden), " _H__");
    EXPECT_EQ(ColumnText(Entry("a", 0, faReadOnly), 'A', options), " R___");
    options.ShowAttr = false;
    EXPECT_EQ(ColumnText(Entry("a", 0, faReadOnly), 'A', options), "");

    EXPECT_TRUE(IsExecutableExt("EXE"));
    EXPECT_TRUE(IsExecutableExt("bat"));
    EXPECT_TRUE(IsExecutableExt("Com"));
    EXPECT_TRUE(IsExecutableExt("BATCH"));
    EXPECT_FALSE(IsExecutableExt("BA"));
    EXPECT_FALSE(IsExecutableExt(""));
    EXPECT_FALSE(IsExecutableExt("XEXE"));
}

TEST_F(ColumnTextTest, ShortNamesAreLaidOutInTwelveColumns) {
    EXPECT_EQ(ShortName12("AB.TXT"), "AB       TXT");
    EXPECT_EQ(ShortName12("ABCDEFGH.C"), "ABCDEFGH C  ");
    EXPECT_EQ(ShortName12("README"), "README      ");
    EXPECT_EQ(ShortName12(".PROFILE"), "         PRO");
    EXPECT_EQ(ShortName12("VERYLONGNAME.TXT"), "VERYLONGNAME");
}

TEST_F(ColumnTextTest, MappedCharactersAreShownAsWhatTheyStandFor) {
    // The platform's own mapping of a host name, then back for the eye.
    EXPECT_EQ(ShownText(plat::HostNameToWin("a:b\\c*d")), "a:b\\c*d");
    EXPECT_EQ(ShownText(plat::HostNameToWin("line\nbreak")), "line\u240Abreak");
    EXPECT_EQ(ShownText(plat::HostNameToWin("caf\xE9")), "caf\u00E9");
    EXPECT_EQ(ShownText(plat::HostNameToWin("x\x81y")), "x\uFFFDy");
    EXPECT_EQ(ShownText("plain \u00FCber \uF100"), "plain \u00FCber \uF100");  // other private characters stay
    EXPECT_EQ(ShownText("\xEF\x80"), "\xEF\x80");  // a cut sequence is left as it is
}

TEST(DirNavigationTest, BackOneLevelStopsAtTheRoot) {
    EXPECT_EQ(ParentDirectory("C:\\WORK\\SUB"), "C:\\WORK");
    EXPECT_EQ(ParentDirectory("C:\\WORK"), "C:\\");
    EXPECT_EQ(ParentDirectory("C:\\"), "C:\\");
    EXPECT_EQ(ParentDirectory("C:\\WORK\\"), "C:\\");
    EXPECT_EQ(WithBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithBackslash("C:\\A"), "C:\\A\\");
}

TEST(DirNavigationTest, ShowsPathIsAPrefixTestWithoutRegardToCase) {
    EXPECT_TRUE(DirectoryShowsPath("C:\\Work\\Sub", "C:\\WORK\\"));
    EXPECT_TRUE(DirectoryShowsPath("C:\\Work", "c:\\work\\"));
    EXPECT_TRUE(DirectoryShowsPath("C:\\Work", "C:\\"));
    EXPECT_FALSE(DirectoryShowsPath("C:\\Workshop", "C:\\WORK\\"));
    EXPECT_FALSE(DirectoryShowsPath("C:\\Work", "D:\\"));
}

TEST(DirNavigationTest, WindowNumbersFollowTheHighestInUse) {
    EXPECT_EQ(NextWindowNumber({}, "C:\\W"), 1);
    EXPECT_EQ(NextWindowNumber({{"C:\\W", 1}, {"C:\\W", 3}, {"C:\\X", 7}}, "C:\\W"), 4);
    EXPECT_EQ(NextWindowNumber({{"c:\\w", 2}}, "C:\\W"), 3);
    EXPECT_EQ(NumberedCaption("C:\\W", 1), "C:\\W");
    EXPECT_EQ(NumberedCaption("C:\\W", 12), "C:\\W <12>");
}
