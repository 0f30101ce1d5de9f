// The record reader: line ends, pieces of long lines, NULs, tab expansion,
// seeking back to a remembered line, reads past 4 GiB, the text as shown,
// and the failures.
#include "core/viewers/record_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

namespace {

struct ReaderTest : ::testing::Test {
    TestEnv env;
    // Writes the bytes to C:\NAME and answers its Windows-form path.
    std::string File(const std::string& bytes, const std::string& name = "T.TXT") {
        env.WriteFile("c/" + name, bytes);
        return "C:\\" + name;
    }
};

std::vector<std::string> AllLines(TQTFile& r) {
    std::vector<std::string> out;
    while (r.ReadNextLine() == 0) out.emplace_back(r.CurrentLine());
    return out;
}

using Lines = std::vector<std::string>;

struct LineCase {
    const char* what;
    std::string bytes;
    Lines lines;
};

TEST_F(ReaderTest, LineEnds) {
    const std::vector<LineCase> cases = {
        {"empty file", "", {}},
        {"last line without terminator", "AB\nC", {"AB", "C"}},
        {"one character, no terminator", "x", {"x"}},
        {"CR LF", "A\r\nB\r\n", {"A", "B"}},
        {"LF LF keeps the blank line", "A\n\nB", {"A", "", "B"}},
        {"CR LF CR LF gives one blank line", "A\r\n\r\nB", {"A", "", "B"}},
        {"lone CR", "A\rB\r", {"A", "B"}},
        {"LF CR is two line ends", "A\n\rB", {"A", "", "B"}},
        {"end-of-file mark", std::string("A\x1a" "B", 3), {"A", "B"}},
        {"only blank lines", "\n\n\n", {"", "", ""}},
        {"NUL shown as blank", std::string("A\0B\n", 4), {"A B"}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        TQTFile r(File(c.bytes), 4096, 15000);
        EXPECT_EQ(AllLines(r), c.lines);
        EXPECT_EQ(r.ReadNextLine(), 4);
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST_F(ReaderTest, BinaryFlagOnlyForNul) {
    TQTFile text(File("plain\n"), 4096, 15000);
    AllLines(text);
    EXPECT_FALSE(text.Binary());
    TQTFile bin(File(std::string("a\0b", 3)), 4096, 15000);
    AllLines(bin);
    EXPECT_TRUE(bin.Binary());
}

TEST_F(ReaderTest, LineLengthCountsTheTerminator) {
    TQTFile r(File("abc\r\nde"), 4096, 15000);
    EXPECT_EQ(r.LineLength(), -1);
    EXPECT_EQ(r.CopyLine(), "");
    EXPECT_THROW(r.CurrentLine(), EConvertError);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.LineLength(), 4);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.LineLength(), 2);  // no terminator
    EXPECT_EQ(r.CopyLineMax(1), "d");
}

TEST_F(ReaderTest, LongLinesComeInRecordSizePieces) {
    const int rec = 4096;
    const std::string exact(rec, 'a'), over(rec + 1, 'b'), huge(10 * rec + 7, 'c');
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"exactly the record size", exact + "\nz\n", {exact, "z"}},
        {"one byte more", over + "\nz\n", {std::string(rec, 'b'), "b", "z"}},
        {"unterminated, one byte more", over, {std::string(rec, 'b'), "b"}},
        {"ten records and a bit", huge + "\r\n",
         {std::string(rec, 'c'), std::string(rec, 'c'), std::string(rec, 'c'), std::string(rec, 'c'),
          std::string(rec, 'c'), std::string(rec, 'c'), std::string(rec, 'c'), std::string(rec, 'c'),
          std::string(rec, 'c'), std::string(rec, 'c'), std::string(7, 'c')}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TQTFile r(File(c.bytes), rec, 15000);
        EXPECT_EQ(AllLines(r), c.lines);
    }
}

TEST_F(ReaderTest, LongRecordRaisedWhenAskedFor) {
    const int rec = 4096;
    struct Case {
        std::string bytes;
        bool raises;
    } cases[] = {
        {std::string(rec - 1, 'a') + "\n", false},  // fits with its terminator
        {std::string(rec, 'a') + "\n", true},
        {std::string(rec, 'a'), false},             // an unterminated last line may fill the record
        {std::string(rec + 1, 'a'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        TQTFile r(File(c.bytes), rec, 15000);
        r.RaiseOnLongRecord(true);
        if (c.raises) {
            try {
                r.ReadNextLine();
                ADD_FAILURE() << "no exception";
            } catch (const EQTLongRecord& e) {
                EXPECT_STREQ(e.what(), "Record too long on input file.");
            }
        } else {
            EXPECT_EQ(r.ReadNextLine(), 0);
        }
    }
}

TEST_F(ReaderTest, ConstructionParameters) {
    const std::string name = File("x");
    struct Case {
        int record, buffer;
        const char* message;  // nullptr: accepted
        int clamped;
    } cases[] = {
        {4096, 15000, nullptr, 15000},
        {100, 0, nullptr, 32700},
        {100, 99999, nullptr, 32700},
        {100, 999, nullptr, 4096},
        {5000, 10000, "Bad Parms - Record Size/Buffer size", 0},
        {0, 15000, "Bad Parms - Record Size", 0},
        {-3, 15000, "Bad Parms - Record Size", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.record) + "/" + std::to_string(c.buffer));
        if (c.message) {
            try {
                TQTFile r(name, c.record, c.buffer);
                ADD_FAILURE() << "accepted";
            } catch (const EQTFileError& e) {
                EXPECT_STREQ(e.what(), c.message);
            }
        } else {
            TQTFile r(name, c.record, c.buffer);
            EXPECT_EQ(r.BufferSize(), c.clamped);
        }
    }
}

TEST_F(ReaderTest, MissingFileAndFailedOpen) {
    try {
        TQTFile r("C:\\NONE.TXT", 4096, 15000);
        ADD_FAILURE() << "opened";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Bad Open of file!");
    }
    // A file that vanishes between fills ends with the same failure.
    std::string big;
    for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\n";
    TQTFile r(File(big), 4096, 15000);
    ASSERT_EQ(r.ReadNextLine(), 0);
    plat::InjectFault(plat::FaultOp::Open, 1, plat::FileError::AccessDenied);
    EXPECT_THROW(r.Seek(20000), EInOutError);
    EXPECT_EQ(r.ErrorState(), 2);
    plat::ClearFaults();
}

TEST_F(ReaderTest, ShrunkFileEndsTheData) {
    std::string big;
    for (int i = 0; i < 3000; ++i) big += "line " + std::to_string(i) + "\n";
    const std::string name = File(big);
    TQTFile r(name, 4096, 15000);
    ASSERT_EQ(r.ReadNextLine(), 0);
    env.WriteFile("c/T.TXT", "short\n");
    r.Seek(20000);
    EXPECT_EQ(r.ReadNextLine(), 4);
    r.Seek(0);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.CurrentLine(), "short");
}

TEST_F(ReaderTest, SeekToRememberedOffsetGivesTheSameLine) {
    // Enough lines to slide the buffer many times, with every line end kind.
    std::string bytes;
    const char* ends[] = {"\n", "\r\n", "\r", "\x1a"};
    for (int i = 0; i < 5000; ++i) bytes += "row " + std::to_string(i) + ends[i % 4];
    const std::string name = File(bytes);
    TQTFile r(name, 4096, 15000);
    std::vector<std::pair<int64_t, std::string>> seen;
    while (r.ReadNextLine() == 0) seen.emplace_back(r.CurrentOffset(), std::string(r.CurrentLine()));
    ASSERT_EQ(seen.size(), 5000u);
    EXPECT_GT(r.FillCount(), 3);
    for (size_t i : {4999u, 0u, 1234u, 1235u, 17u, 4000u, 3999u}) {
        SCOPED_TRACE(i);
        r.Seek(seen[i].first);
        EXPECT_FALSE(r.AtEnd());
        ASSERT_EQ(r.ReadNextLine(), 0);
        EXPECT_EQ(r.CurrentLine(), seen[i].second);
        EXPECT_EQ(r.CurrentOffset(), seen[i].first);
        if (i + 1 < seen.size()) {
            ASSERT_EQ(r.ReadNextLine(), 0);
            EXPECT_EQ(r.CurrentLine(), seen[i + 1].second);
        }
    }
}

TEST_F(ReaderTest, TabExpansion) {
    struct Case {
        int width;
        std::string line, shown;
    } cases[] = {
        {8, "\tx", "       x"},          // 7 blanks at the start
        {8, "ab\tx", "ab     x"},        // stop at column 7
        {8, "abcdefg\tx", "abcdefg        x"},
        {4, "\tx", "   x"},
        {4, "a\t\tx", "a  " "    x"},
        {1, "\t\tx", "  x"},
        {0, "\tx", "   x"},             // out of range: width 4
        {300, "\tx", "   x"},
        {4, "\xc3\xa9\tx", "\xc3\xa9  x"},  // columns count characters, not bytes
        {4, "\xe9\tx", "\xc3\xa9  x"},      // a Windows-1252 byte, shown as its character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " " + c.line);
        TQTTFile r(File(c.line + "\n"), c.width, 4096, 15000);
        ASSERT_EQ(r.ReadNextLine(), 0);
        EXPECT_EQ(r.CopyLine(), c.shown);
        EXPECT_EQ(r.CurrentLine(), c.shown);
        EXPECT_EQ(r.LineLength(), static_cast<int>(CharacterCount(c.shown)));
    }
}

TEST_F(ReaderTest, AddSpacesAndLimits) {
    TQTTFile r(File("\tabcdef\n"), 8, 4096, 15000);
    EXPECT_EQ(r.AddSpaces(0), 7);
    EXPECT_EQ(r.AddSpaces(6), 1);
    EXPECT_EQ(r.AddSpaces(7), 8);
    EXPECT_EQ(r.AddSpaces(8), 7);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.CopyLineMax(7), "");          // the tab's blanks would reach 7
    EXPECT_EQ(r.CopyLineMax(10), "       ab");
    r.SetMinimumWidth(20);
    EXPECT_EQ(r.CopyLine(), "       abcdef       ");
    EXPECT_EQ(r.LineLength(), 20);
}

TEST(LineAsRead, Utf8StaysOtherBytesAreWindows1252) {
    struct Case {
        std::string bytes, shown;
    } cases[] = {
        {"plain", "plain"},
        {"gr\xc3\xbc\xc3\x9f", "gr\xc3\xbc\xc3\x9f"},
        {"\x80 \x93q\x94", "\xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d"},
        {"\xc3", "\xc3\x83"},                    // a cut sequence is not UTF-8
        {"\xc0\x80", "\xc3\x80\xe2\x82\xac"},    // nor an overlong form
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},  // nor a surrogate
    };
    for (const Case& c : cases) EXPECT_EQ(LineAsRead(c.bytes), c.shown) << c.bytes;
}

TEST_F(ReaderTest, ReadsTheLastLineOfAFileOver4GiB) {
    // Sparse: the holes read as NULs, which show as blanks.
    const std::string host = env.Host("c/BIG.TXT");
    const int64_t size = (int64_t{1} << 32) + 4096;
    {
        std::ofstream f(host, std::ios::binary);
        f << "first\n";
    }
    ASSERT_EQ(::truncate(host.c_str(), size - 12), 0);
    {
        std::ofstream f(host, std::ios::binary | std::ios::app);
        f << "\nlast line\n";
        f << "x";
    }
    TQTFile r("C:\\BIG.TXT", 4096, 15000);
    r.Seek(size - 11);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.CurrentLine(), "last line");
    EXPECT_EQ(r.CurrentOffset(), size - 11);
    ASSERT_EQ(r.ReadNextLine(), 0);
    EXPECT_EQ(r.CurrentLine(), "x");
    EXPECT_EQ(r.CurrentOffset(), size - 1);
    EXPECT_EQ(r.ReadNextLine(), 4);
}

}  // namespace
