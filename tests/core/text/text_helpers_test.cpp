// Size texts, the drive test and the date-time texts.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/text/date_text.h"
#include "core/text/size_text.h"
#include "support/test_env.h"

namespace {

plat::DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    plat::DateTime day = 0, time = 0;
    EXPECT_TRUE(plat::EncodeDate(y, mo, d, day));
    EXPECT_TRUE(plat::EncodeTime(h, mi, s, 0, time));
    return day + time;
}

int ThisYear() {
    plat::DateParts now{};
    EXPECT_TRUE(plat::DecodeDateTime(plat::Now(), now));
    return now.year;
}

}  // namespace

TEST(FormatSize, UnitsAndGroups) {
    EXPECT_EQ(FormatSize(1023, 'K'), "0K");
    EXPECT_EQ(FormatSize(999, 'B'), "999 ");
    EXPECT_EQ(FormatSize(1000, 'B'), "1,000 ");
    EXPECT_EQ(FormatSize(1234567, 'B'), "1,234,567 ");
    EXPECT_EQ(FormatSize(0, 'B'), "0 ");
    // The drive bar's example: 1,000,000,000 bytes with 250,000,000 free.
    EXPECT_EQ(FormatSize(250000000, 'B'), "250,000,000 ");
    EXPECT_EQ(FormatSize(750000000, 'K'), "732,421K");
    EXPECT_EQ(FormatSize(5 * 1048576 - 1, 'M'), "4M");
    EXPECT_EQ(FormatSize(1048576, 'M'), "1M");
    // Sizes beyond 32 bits and the extremes of 64.
    EXPECT_EQ(FormatSize(5000000000LL, 'B'), "5,000,000,000 ");
    EXPECT_EQ(FormatSize(4LL << 40, 'M'), "4,194,304M");
    EXPECT_EQ(FormatSize(INT64_MAX, 'B'), "9,223,372,036,854,775,807 ");
    EXPECT_EQ(FormatSize(INT64_MIN, 'B'), "-9,223,372,036,854,775,808 ");
    EXPECT_EQ(FormatSize(-1234, 'B'), "-1,234 ");
    EXPECT_EQ(FormatSize(-2047, 'K'), "-1K");  // towards zero
}

TEST(DriveReady, LettersAndDrives) {
    TestEnv env;
    EXPECT_TRUE(DriveReady('C'));
    EXPECT_TRUE(DriveReady('d'));
    EXPECT_FALSE(DriveReady('Q'));  // not in the drive table
    std::vector<plat::Drive> drives = plat::Drives();
    plat::Drive gone;
    gone.letter = 'E';
    gone.hostRoot = env.Host("not-mounted");
    drives.push_back(gone);
    plat::SetDriveTable(drives);
    EXPECT_FALSE(DriveReady('e'));
    for (char bad : {'1', '\\', ':', '\0'}) {
        try {
            DriveReady(bad);
            ADD_FAILURE() << "no error for code " << int(bad);
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "Not a valid drive ID");
        }
    }
}

TEST(FormatDateTime, FormatsOfTheOptionsDialog) {
    TestEnv env;
    plat::DateTime t = At(2024, 3, 7, 14, 5, 9);
    EXPECT_EQ(FormatDateTime("dd-mm-yy", t), "07-03-24");
    EXPECT_EQ(FormatDateTime("mm-yy-dd", t), "03-24-07");
    EXPECT_EQ(FormatDateTime("mm-dd-yy", t), "03-07-24");
    EXPECT_EQ(FormatDateTime("yy-mm-dd", t), "24-03-07");
    EXPECT_EQ(FormatDateTime("dd-mm-yyyy", t), "07-03-2024");
    EXPECT_EQ(FormatDateTime("mm-dd-yyyy", t), "03-07-2024");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", t), "2024-03-07");
    EXPECT_EQ(FormatDateTime("yyyy-dd-mm", t), "2024-07-03");
    EXPECT_EQ(FormatDateTime("mm/dd/yy", t), "03/07/24");
    EXPECT_EQ(FormatDateTime("hh:mm:ss", t), "14:05:09");
    EXPECT_EQ(FormatDateTime("hh:mm:ss AM/PM", t), "02:05:09 PM");
    EXPECT_EQ(FormatDateTime("hh:mm:ss AM/PM", At(2024, 3, 7, 0, 1, 2)), "12:01:02 AM");
    EXPECT_EQ(FormatDateTime("hh:mm:ss AM/PM", At(2024, 3, 7, 12, 0, 0)), "12:00:00 PM");
    EXPECT_EQ(FormatDateTime("hh:mm:ss AM/PM", At(2024, 3, 7, 11, 59, 59)), "11:59:59 AM");
}

TEST(FormatDateTime, PatternLanguage) {
    TestEnv env;
    plat::DateTime t = At(2024, 3, 7, 14, 5, 9);
    EXPECT_EQ(FormatDateTime("d/m/yy h:n:s", t), "7/3/24 14:5:9");
    EXPECT_EQ(FormatDateTime("MM/DD/YYYY HH:NN", t), "03/07/2024 14:05");
    EXPECT_EQ(FormatDateTime("h:mm am/pm", t), "2:05 pm");
    EXPECT_EQ(FormatDateTime("H A/P", At(2024, 3, 7, 9)), "9 A");
    EXPECT_EQ(FormatDateTime("h a/p", At(2024, 3, 7, 21)), "9 p");
    EXPECT_EQ(FormatDateTime("hh mm", t), "14 05");  // minutes after an hour
    EXPECT_EQ(FormatDateTime("mm hh", t), "03 14");  // a month before it
    EXPECT_EQ(FormatDateTime("'day' d \"mm\"", t), "day 7 mm");
    EXPECT_EQ(FormatDateTime("ddd dddd mmm mmmm", t), "Thu Thursday Mar March");
    EXPECT_EQ(FormatDateTime("d.m.yyyy [x]", At(1985, 12, 1)), "1.12.1985 [x]");
    EXPECT_EQ(FormatDateTime("", t), "");

    std::string out = "junk";
    EXPECT_TRUE(FormatDateTime("yy", At(2005, 1, 1), out));
    EXPECT_EQ(out, "05");
    EXPECT_FALSE(FormatDateTime("dd-mm-yy", 1e12, out));  // no such day
    EXPECT_EQ(FormatDateTime("dd-mm-yy", 1e12), "");
}

TEST(DateText, ShortDateParsingAndWriting) {
    TestEnv env;
    int century = ThisYear() / 100 * 100;
    plat::DateTime d = 0;
    ASSERT_TRUE(StrToDate("01/01/80", d));
    EXPECT_EQ(d, At(century + 80, 1, 1));
    ASSERT_TRUE(StrToDate(" 12 / 31 / 1999 ", d));
    EXPECT_EQ(d, At(1999, 12, 31));
    ASSERT_TRUE(StrToDate("1/2/3", d));
    EXPECT_EQ(d, At(century + 3, 1, 2));
    ASSERT_TRUE(StrToDate("12/31", d));
    EXPECT_EQ(d, At(ThisYear(), 12, 31));
    ASSERT_TRUE(StrToDate("02/29/2024", d));
    for (const char* bad : {"13/45/99", "02/30/24", "02/29/2023", "00/10/20", "", "  ", "12",
                            "12/31/99/1", "12-31-99", "12/31/99x", "12/31/12345", "a/b/c",
                            "12//99", "/12/99"})
        EXPECT_FALSE(StrToDate(bad, d)) << bad;

    EXPECT_EQ(DateToStr(At(2024, 3, 7, 23, 59)), "03/07/24");
    EXPECT_EQ(DateToStr(At(1999, 12, 31)), "12/31/99");
    // The stored form keeps a year of another century whole, so every day
    // reads back as itself.
    for (int year : {1900, 1980, 1999, century, century + 99, 2150}) {
        plat::DateTime day = At(year, 7, 4);
        ASSERT_TRUE(StrToDate(DateToStoredStr(day + 0.5), d)) << year;
        EXPECT_EQ(d, day) << year;
    }
    EXPECT_EQ(DateToStoredStr(At(century + 24, 6, 15)), "06/15/24");
    EXPECT_EQ(DateToStoredStr(At(1990, 3, 4)), "03/04/1990");
}
