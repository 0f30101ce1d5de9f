// The tagging rules over real files: a generated directory whose files have
// chosen times, sizes and attributes, read into a file list model, then
// tagged by day range, size range, attributes and pattern list.
#include "core/tagging/tag_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/filelist/file_list.h"
#include "core/platform/platform.h"
#include "core/settings/quilby_options.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

plat::DateTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    plat::DateTime date = 0, time = 0;
    EXPECT_TRUE(plat::EncodeDate(year, month, day, date));
    EXPECT_TRUE(plat::EncodeTime(hour, minute, second, 0, time));
    return date + time;
}

class TagRulesTest : public ::testing::Test {
protected:
    TestEnv env;
    const std::string dir = "C:\\GEN";
    TFileListModel list;

    void SetUp() override { fs::create_directories(env.hostC + "/GEN"); }

    // A real file of size bytes, last written at when, with attr.
    void Make(const std::string& name, int64_t size, plat::DateTime when,
              uint32_t attr = plat::faArchive) {
        env.WriteFile("c/GEN/" + name, std::string(static_cast<size_t>(size), 'x'));
        const std::string path = dir + "\\" + name;
        ASSERT_EQ(plat::SetFileTime(path, plat::DateTimeToFileTime(when)), plat::FileError::None);
        ASSERT_EQ(plat::SetFileAttributes(path, attr), plat::FileError::None) << name;
    }

    // Every file, hidden and system ones included.
    void Read() {
        TQuilbyOptions o;
        o.SortKeys = "N";
        o.Wildcards = "*.*";
        o.A_Archive = o.A_readonly = o.A_Hidden = o.A_System = true;
        ASSERT_TRUE(list.ReadDirectory(dir, o));
    }

    std::set<std::string> Tagged() const {
        std::set<std::string> names;
        for (int i = 0; i < list.GetListCount(); ++i)
            if (list.IsTagged(i)) names.insert(list.GetEntryName(i));
        return names;
    }

    void Tag(const std::string& name) { list.TagEntry(list.FindEntry(name)); }

    // The counters must equal the sums over the tagged entries.
    void ExpectCountersMatchTags() const {
        int count = 0;
        int64_t bytes = 0;
        for (int i = 0; i < list.GetListCount(); ++i)
            if (list.IsTagged(i)) ++count, bytes += list.GetEntrySize(i);
        EXPECT_EQ(list.GetTaggedCount(), count);
        EXPECT_EQ(list.GetTaggedBytes(), bytes);
    }

    std::set<std::string> AfterDays(plat::DateTime a, plat::DateTime b) {
        list.TagNone();
        TagInDayRange(list, TDayRange(a, b));
        return Tagged();
    }
    std::set<std::string> AfterSizes(int64_t a, int64_t b) {
        list.TagNone();
        TagInSizeRange(list, TSizeRange(a, b));
        return Tagged();
    }
    std::set<std::string> AfterAttributes(uint32_t mask) {
        list.TagNone();
        TagWithAnyAttribute(list, mask);
        return Tagged();
    }
};

using Names = std::set<std::string>;

TEST(TagBounds, DateFieldsReadMonthDayYearOfThisCentury) {
    plat::DateTime d = 0;
    ASSERT_TRUE(ParseTagDate("12/31/24", d));
    EXPECT_EQ(d, At(2024, 12, 31, 0));
    ASSERT_TRUE(ParseTagDate("01/02/03  ", d));
    EXPECT_EQ(d, At(2003, 1, 2, 0));
    EXPECT_TRUE(ParseTagDate("02/29/24", d));

    for (const char* bad : {"13/45/99", "02/30/24", "00/10/24", "  /  /  ", "", "12/31/  ",
                            "12/  /24", "1a/01/24"})
        EXPECT_FALSE(ParseTagDate(bad, d)) << '"' << bad << '"';
}

TEST(TagBounds, SizeFieldsTakeDigitsUpTo64Bits) {
    int64_t v = -1;
    EXPECT_EQ(ParseTagSize("0", v), TSizeParse::Ok);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(ParseTagSize("  4096   ", v), TSizeParse::Ok);
    EXPECT_EQ(v, 4096);
    // Beyond the old 32-bit range, and the largest 64-bit value.
    EXPECT_EQ(ParseTagSize("5000000000", v), TSizeParse::Ok);
    EXPECT_EQ(v, 5000000000LL);
    EXPECT_EQ(ParseTagSize("9223372036854775807", v), TSizeParse::Ok);
    EXPECT_EQ(v, INT64_MAX);

    v = 7;
    EXPECT_EQ(ParseTagSize("", v), TSizeParse::Empty);
    EXPECT_EQ(ParseTagSize("     ", v), TSizeParse::Empty);
    for (const char* bad : {"12 34", "9223372036854775808", "99999999999999999999", "-5", "+5",
                            "0x10", "1e3"})
        EXPECT_EQ(ParseTagSize(bad, v), TSizeParse::NotInteger) << bad;
    EXPECT_EQ(v, 7) << "a refused text leaves the value alone";

    EXPECT_EQ(NotIntegerMessage("12 34"), "'12 34' is not a valid integer value");
}

TEST(TagBounds, CalendarDaysOrderAcrossMonthsAndYears) {
    int32_t a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(CalendarDay(At(2023, 12, 31, 23, 59, 59), a));
    ASSERT_TRUE(CalendarDay(At(2024, 1, 1, 0), b));
    ASSERT_TRUE(CalendarDay(At(2024, 1, 31), c));
    ASSERT_TRUE(CalendarDay(At(2024, 2, 1), d));
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_LT(c, d);
    ASSERT_TRUE(CalendarDay(At(2024, 1, 1, 23, 59, 59), c));
    EXPECT_EQ(b, c) << "the time of day plays no part";
    EXPECT_FALSE(CalendarDay(1e12, a));
    EXPECT_FALSE(TDayRange(At(2024, 1, 1), At(2024, 2, 1)).Contains(1e12));
}

TEST_F(TagRulesTest, DayRangeTakesWholeCalendarDaysInEitherOrder) {
    Make("NOV30.TXT", 1, At(2023, 11, 30, 23, 59, 59));
    Make("DEC01.TXT", 1, At(2023, 12, 1, 0, 0, 0));
    Make("DEC31.TXT", 1, At(2023, 12, 31, 23, 30));
    Make("JAN01.TXT", 1, At(2024, 1, 1, 0, 0, 0));
    Make("JAN15.TXT", 1, At(2024, 1, 15, 23, 59, 0));
    Make("JAN16.TXT", 1, At(2024, 1, 16, 0, 0, 0));
    Read();

    // The bounds as the fields give them: midnight of each day.
    plat::DateTime dec01 = 0, jan15 = 0;
    ASSERT_TRUE(ParseTagDate("12/01/23", dec01));
    ASSERT_TRUE(ParseTagDate("01/15/24", jan15));
    const Names decemberToJanuary{"DEC01.TXT", "DEC31.TXT", "JAN01.TXT", "JAN15.TXT"};
    EXPECT_EQ(AfterDays(dec01, jan15), decemberToJanuary);
    EXPECT_EQ(AfterDays(jan15, dec01), decemberToJanuary) << "reversed bounds";

    // One day: 23:59 of it is in, 00:00 of the next is not.
    EXPECT_EQ(AfterDays(jan15, jan15), Names{"JAN15.TXT"});
    EXPECT_EQ(AfterDays(At(2023, 11, 30, 0), At(2023, 11, 30, 0)), Names{"NOV30.TXT"});
    EXPECT_EQ(AfterDays(At(2025, 1, 1), At(2025, 12, 31)), Names{});
}

TEST_F(TagRulesTest, SizeRangeIsInclusiveAnd64Bit) {
    Make("EMPTY1.DAT", 0, At(2024, 3, 1));
    Make("EMPTY2.DAT", 0, At(2024, 3, 1));
    Make("ONE.DAT", 1, At(2024, 3, 1));
    Make("K.DAT", 1024, At(2024, 3, 1));
    Make("K1.DAT", 1025, At(2024, 3, 1));
    Read();

    EXPECT_EQ(AfterSizes(0, 0), (Names{"EMPTY1.DAT", "EMPTY2.DAT"}));
    EXPECT_EQ(AfterSizes(1, 1024), (Names{"ONE.DAT", "K.DAT"}));
    EXPECT_EQ(AfterSizes(1024, 1), (Names{"ONE.DAT", "K.DAT"})) << "reversed bounds";
    EXPECT_EQ(AfterSizes(1025, INT64_MAX), Names{"K1.DAT"});
    EXPECT_EQ(AfterSizes(5000000000LL, INT64_MAX), Names{});
}

TEST_F(TagRulesTest, AttributesTagOnAnyCheckedBit) {
    Make("ARC.TXT", 1, At(2024, 3, 1), plat::faArchive);
    Make("ARCHID.TXT", 1, At(2024, 3, 1), plat::faArchive | plat::faHidden);
    Make("RO.TXT", 1, At(2024, 3, 1), plat::faReadOnly);
    Make("SYS.TXT", 1, At(2024, 3, 1), plat::faSysFile);
    Make("HID.TXT", 1, At(2024, 3, 1), plat::faHidden);
    Make("PLAIN.TXT", 1, At(2024, 3, 1), 0);
    Read();
    ASSERT_EQ(list.GetEntryCount(), 6);

    // Unchecked bits play no part: an archive file that is also hidden counts.
    EXPECT_EQ(AfterAttributes(TagAttrMask(true, false, false, false)),
              (Names{"ARC.TXT", "ARCHID.TXT"}));
    EXPECT_EQ(AfterAttributes(TagAttrMask(false, true, false, false)), Names{"RO.TXT"});
    EXPECT_EQ(AfterAttributes(TagAttrMask(false, false, true, false)), Names{"SYS.TXT"});
    EXPECT_EQ(AfterAttributes(TagAttrMask(false, false, false, true)),
              (Names{"ARCHID.TXT", "HID.TXT"}));
    EXPECT_EQ(AfterAttributes(TagAttrMask(false, true, true, true)),
              (Names{"ARCHID.TXT", "RO.TXT", "SYS.TXT", "HID.TXT"}));
    EXPECT_EQ(AfterAttributes(TagAttrMask(false, false, false, false)), Names{});
}

TEST_F(TagRulesTest, PatternListsMatchTheFileNameAlone) {
    Make("A.TXT", 1, At(2024, 3, 1));
    Make("B.BAK", 1, At(2024, 3, 1));
    Make("MAKEFILE", 1, At(2024, 3, 1));
    Make("C.TXT.BAK", 1, At(2024, 3, 1));
    Read();

    TagMatchingNames(list, TWildCard("-*.BAK;*.*"));
    EXPECT_EQ(Tagged(), (Names{"A.TXT", "MAKEFILE."}));
    list.TagNone();
    TagMatchingNames(list, TWildCard("*"));
    EXPECT_EQ(Tagged(), Names{"MAKEFILE."});

    // The directory a search result window puts in front of a name is no
    // part of the match.
    EXPECT_EQ(NameWithoutDirectory("TXT.DIR\\SUB\\A.B"), "A.B");
    EXPECT_EQ(NameWithoutDirectory("A.B"), "A.B");
    EXPECT_TRUE(TWildCard("*.B").Matches(NameWithoutDirectory("TXT.DIR\\A.B")));
}

TEST_F(TagRulesTest, PassesOnlyAddTagsAndNeverCountAnEntryTwice) {
    Make("SMALL.TXT", 10, At(2024, 1, 10));
    Make("BIG.TXT", 5000, At(2024, 1, 10));
    Make("OLD.TXT", 20, At(2020, 6, 1));
    Make("EMPTY.LOG", 0, At(2024, 1, 10));
    Read();

    Tag("BIG.TXT");
    Tag("OLD.TXT");
    ASSERT_EQ(list.GetTaggedCount(), 2);
    ASSERT_EQ(list.GetTaggedBytes(), 5020);

    // BIG.TXT is selected again and OLD.TXT not at all: both stay tagged,
    // each counted once.
    TagInDayRange(list, TDayRange(At(2024, 1, 1), At(2024, 1, 31)));
    EXPECT_EQ(Tagged(), (Names{"SMALL.TXT", "BIG.TXT", "OLD.TXT", "EMPTY.LOG"}));
    EXPECT_EQ(list.GetTaggedCount(), 4);
    EXPECT_EQ(list.GetTaggedBytes(), 5030);
    ExpectCountersMatchTags();

    TagInSizeRange(list, TSizeRange(0, 100000));
    TagMatchingNames(list, TWildCard("*.*"));
    TagWithAnyAttribute(list, plat::faArchive);
    EXPECT_EQ(list.GetTaggedCount(), 4);
    EXPECT_EQ(list.GetTaggedBytes(), 5030);
    ExpectCountersMatchTags();
}

TEST_F(TagRulesTest, AnEmptyListTakesEveryPass) {
    Read();
    ASSERT_EQ(list.GetEntryCount(), 0);
    TagInDayRange(list, TDayRange(At(2000, 1, 1), At(2030, 1, 1)));
    TagInSizeRange(list, TSizeRange(0, INT64_MAX));
    TagWithAnyAttribute(list, plat::faAnyFile);
    TagMatchingNames(list, TWildCard("*.*"));
    EXPECT_EQ(list.GetTaggedCount(), 0);
    EXPECT_EQ(list.GetTaggedBytes(), 0);
}

}  // namespace
