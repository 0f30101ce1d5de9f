// The hex viewer's paging: cell texts of short rows, headers and lower
// case, the bytes-per-row fallback, rereads at each 16 KB edge, files far
// beyond 4 GiB, empty files and a file that vanishes while it is shown.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/viewers/hex_pager.h"
#include "support/test_env.h"

namespace {

struct HexPagerTest : ::testing::Test {
    TestEnv env;
    THexPager pager;
    // A file on drive C: of the test's own world.
    std::string Make(const std::string& name, const std::string& content) {
        env.WriteFile("c/" + name, content);
        return "C:\\" + name;
    }
    std::string Row(int64_t row) {
        std::string text;
        for (int c = 0; c < pager.ColumnCount(); ++c) text += (c ? "|" : "") + pager.CellText(row, c);
        return text;
    }
};

std::string Bytes(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>(i);
    return s;
}

}  // namespace

TEST_F(HexPagerTest, ShortLastRowShowsOnlyTheBytesThatExist) {
    pager.Load(Make("17.bin", "ABCDEFGHIJKLMNOP\x7F"));
    ASSERT_EQ(pager.DataRows(), 2);
    ASSERT_EQ(pager.ColumnCount(), 18);
    EXPECT_EQ(Row(1), "00000000|41|42|43|44|45|46|47|48|49|4A|4B|4C|4D|4E|4F|50|ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Row(2), "00000010|7F||||||||||||||||.");
}

TEST_F(HexPagerTest, CharacterColumnShowsPrintableBytesOnly) {
    pager.SetBytesPerRow(8);
    pager.Load(Make("c.bin", std::string("\x1F \x7E\x7F\x80\xFF", 6) + std::string(1, '\0') + "z"));
    EXPECT_EQ(pager.CellText(1, 9), ". ~....z");
}

TEST_F(HexPagerTest, HeaderNumbersTheByteColumns) {
    pager.SetBytesPerRow(32);
    pager.Load(Make("h.bin", Bytes(64)));
    EXPECT_EQ(pager.CellText(0, 0), "Offset");
    EXPECT_EQ(pager.CellText(0, 1), "0");
    EXPECT_EQ(pager.CellText(0, 16), "F");
    EXPECT_EQ(pager.CellText(0, 17), "10");
    EXPECT_EQ(pager.CellText(0, 32), "1F");
    EXPECT_EQ(pager.CellText(0, 33), "--- ASCII ---");
    EXPECT_EQ(pager.DataRows(), 2);
}

TEST_F(HexPagerTest, LowerCaseChangesDigitsButNotTheFixedTexts) {
    pager.SetBytesPerRow(32);
    pager.Load(Make("l.bin", std::string(0x3A, 'J') + "\xAB\xCD"));
    pager.SetLowerCase(true);
    EXPECT_EQ(pager.CellText(0, 0), "Offset");
    EXPECT_EQ(pager.CellText(0, 32), "1f");
    EXPECT_EQ(pager.CellText(0, 33), "--- ASCII ---");
    EXPECT_EQ(pager.CellText(2, 0), "00000020");
    EXPECT_EQ(pager.CellText(2, 27), "ab");
    EXPECT_EQ(pager.CellText(2, 28), "cd");
    EXPECT_EQ(pager.CellText(2, 33), "JJJJJJJJJJJJJJJJJJJJJJJJJJ..");
    pager.SetLowerCase(false);
    EXPECT_EQ(pager.CellText(2, 27), "AB");
    EXPECT_EQ(pager.CellText(0, 32), "1F");
}

TEST_F(HexPagerTest, BytesPerRowOfZeroOrBelowIsSixteen) {
    for (int32_t n : {0, -4, 16}) {
        pager.SetBytesPerRow(n);
        EXPECT_EQ(pager.BytesPerRow(), 16) << n;
    }
    pager.SetBytesPerRow(5);  // an odd stored value is used unchanged
    pager.Load(Make("5.bin", Bytes(11)));
    EXPECT_EQ(pager.DataRows(), 3);
    EXPECT_EQ(pager.CellText(3, 1), "0A");
}

TEST_F(HexPagerTest, EmptyFileHasNoDataRow) {
    pager.Load(Make("empty.bin", ""));
    EXPECT_EQ(pager.FileSize(), 0);
    EXPECT_EQ(pager.DataRows(), 0);
    EXPECT_EQ(pager.CellText(0, 0), "Offset");
}

TEST_F(HexPagerTest, MissingFileIsNotFound) {
    try {
        pager.Load("C:\\nothing.bin");
        FAIL() << "loaded a missing file";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "File not found: C:\\nothing.bin");
    }
}

TEST_F(HexPagerTest, ScrollingBackRereadsAtEachEdge) {
    // 64 KB and a bit: five windows.
    std::string content;
    for (int i = 0; i < 4 * kHexWindowBytes + 100; ++i) content += static_cast<char>('a' + i / kHexWindowBytes);
    pager.Load(Make("big.bin", content));
    ASSERT_EQ(pager.WindowReads(), 1);
    const int64_t rows = pager.DataRows();
    ASSERT_EQ(rows, (4 * kHexWindowBytes + 100 + 15) / 16);
    EXPECT_EQ(pager.CellText(rows, 17), "eeee");
    EXPECT_EQ(pager.WindowReads(), 2);  // straight to the last window
    for (int64_t r = rows; r >= 1; --r) {
        const char expected = static_cast<char>('a' + (r - 1) * 16 / kHexWindowBytes);
        ASSERT_EQ(pager.CellText(r, 1), std::to_string(61 + (expected - 'a'))) << r;  // 61 to 65
        ASSERT_EQ(pager.CellText(r, 17)[0], expected) << r;
    }
    // Crossing back over four edges rereads four times, and no more.
    EXPECT_EQ(pager.WindowReads(), 6);
    EXPECT_EQ(pager.WindowOffset(), 0);
}

TEST_F(HexPagerTest, FilesBeyondFourGigabytesShowTheirLastRow) {
    // A sparse 40 GiB file whose last bytes are written.
    const std::string host = env.WriteFile("c/huge.bin", "");
    const int64_t size = int64_t(40) << 30;
    ASSERT_EQ(truncate(host.c_str(), size - 3), 0);
    {
        FILE* f = fopen(host.c_str(), "ab");
        ASSERT_TRUE(f);
        fputs("END", f);
        fclose(f);
    }
    pager.Load("C:\\huge.bin");
    EXPECT_EQ(pager.FileSize(), size);
    EXPECT_EQ(pager.OffsetDigits(), 9);  // the last offset is 9FFFFFFFF
    EXPECT_EQ(pager.DataRows(), size / 16);
    EXPECT_EQ(Row(pager.DataRows()), "9FFFFFFF0|00|00|00|00|00|00|00|00|00|00|00|00|00|45|4E|44|.............END");
    EXPECT_EQ(pager.WindowOffset(), size - kHexWindowBytes);
    // At 4 bytes a row the rows are more than an int can count.
    pager.SetBytesPerRow(4);
    EXPECT_EQ(pager.DataRows(), size / 4);
    EXPECT_EQ(pager.CellText(pager.DataRows(), 5), ".END");
}

TEST_F(HexPagerTest, OffsetColumnIsEightDigitsUpToFourGigabytes) {
    pager.Load(Make("small.bin", Bytes(3)));
    EXPECT_EQ(pager.OffsetDigits(), 8);
}

TEST_F(HexPagerTest, FileThatVanishesShowsEmptyCellsAndOneMessage) {
    std::string content(3 * kHexWindowBytes, 'x');
    const std::string name = Make("gone.bin", content);
    pager.Load(name);
    ASSERT_EQ(unlink(env.Host("c/gone.bin").c_str()), 0);
    const int64_t lastRow = pager.DataRows();
    EXPECT_EQ(pager.CellText(lastRow, 1), "");
    EXPECT_EQ(pager.CellText(lastRow, 17), "");
    EXPECT_EQ(pager.TakeReadError(), "Bad open of: " + name);
    EXPECT_EQ(pager.TakeReadError(), "");
    // Rows already read stay readable.
    EXPECT_EQ(pager.CellText(lastRow - 1, 1), "");
    EXPECT_EQ(pager.WindowReads(), 2);
}

TEST_F(HexPagerTest, ReadFailureWhileScrollingIsKept) {
    const std::string name = Make("fail.bin", std::string(2 * kHexWindowBytes, 'y'));
    pager.Load(name);
    plat::InjectFault(plat::FaultOp::Read, 1, plat::FileError::IoError);
    EXPECT_EQ(pager.CellText(pager.DataRows(), 1), "");
    plat::ClearFaults();
    EXPECT_EQ(pager.TakeReadError(), "Error reading: " + name);
    // The next crossing reads again.
    EXPECT_EQ(pager.CellText(1, 1), "79");
}
