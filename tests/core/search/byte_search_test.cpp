// The shared byte search: the block search against the classic algorithm
// it must answer like, the file search across read boundaries and its two
// failures, the block read, file size and date, and hex in both directions.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <random>
#include <string>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/search/byte_search.h"
#include "support/test_env.h"

namespace {

// The classic search, step by step: first byte(s), then backwards.
int64_t ClassicSearch(const std::string& p, bool caseSensitive, const std::string& block) {
    auto up = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
    const size_t m = p.size(), n = block.size();
    if (n < m) return -1;
    for (size_t s = 0; s + m <= n; ++s) {
        const unsigned char b = block[s];
        if (caseSensitive ? b != static_cast<unsigned char>(p[0]) : up(b) != up(p[0])) continue;
        size_t k = m;
        while (k > 1) {
            const unsigned char x = block[s + k - 1], y = p[k - 1];
            if (!(x == y || (!caseSensitive && up(x) == up(y)))) break;
            --k;
        }
        if (k == 1) return static_cast<int64_t>(s);
    }
    return -1;
}

int64_t Search(const std::string& p, bool cs, const std::string& block) {
    return BlockSearch(p, cs, block.data(), block.size());
}

}  // namespace

TEST(ByteSearch, CaseFoldingIsAsciiOnly) {
    struct Case {
        std::string pattern;
        bool caseSensitive;
        std::string block;
        int64_t at;
    };
    const Case cases[] = {
        {"abc", false, "xxABC", 2},  {"abc", false, "aBc", 0}, {"abc", true, "ABCaBcabc", 6},
        {"abc", true, "ABC", -1},    {"ab", true, "a", -1},    {"a", false, "xyzA", 3},
        // Bytes beyond ASCII compare exactly: \xE9 is not \xC9; [ and { differ.
        {"\xE9", false, "\xC9", -1}, {"[", false, "{[", 1},    {"@", false, "`@", 1},
        {std::string("a\0b", 3), true, std::string("xa\0b", 4), 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Search(c.pattern, c.caseSensitive, c.block), c.at) << c.pattern << " in " << c.block;
}

TEST(ByteSearch, AnswersAsTheClassicSearchOnRandomBlocks) {
    std::mt19937 rng(7);
    const std::string alphabet = "aAbB\xE0\xC0 z";
    auto text = [&](size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string p = text(1 + rng() % 4);
        const std::string block = text(rng() % 60);
        for (bool cs : {true, false})
            ASSERT_EQ(Search(p, cs, block), ClassicSearch(p, cs, block)) << round << " " << p << " in " << block;
    }
}

TEST(ByteSearch, LongTextsSearchForTheirFirst255Bytes) {
    const std::string text(300, 'q');
    const std::string block = std::string(255, 'q') + "x";
    EXPECT_EQ(Search(text, true, block), 0);
    EXPECT_EQ(CutSearchString(text).size(), 255u);
}

TEST(FileSearch, FindsOccurrencesAcrossEveryReadBoundary) {
    TestEnv env;
    // The text straddles the classic 16,384-byte block and a 1 MiB read.
    for (size_t boundary : {size_t(16384), size_t(1) << 20, (size_t(1) << 20) * 2 - 255}) {
        std::string content(boundary + 4096, '.');
        content.replace(boundary - 3, 7, "NEEDLE!");
        env.WriteFile("c/big.bin", content);
        EXPECT_EQ(FileSearch("C:\\big.bin", "needle!", false, 0), int64_t(boundary - 3)) << boundary;
        EXPECT_EQ(FileSearch("C:\\big.bin", "needle!", true, 0), -1) << boundary;
        // From a start offset: the first occurrence at or after it.
        EXPECT_EQ(FileSearch("C:\\big.bin", "NEEDLE", true, int64_t(boundary - 3)), int64_t(boundary - 3));
        EXPECT_EQ(FileSearch("C:\\big.bin", "NEEDLE", true, int64_t(boundary - 2)), -1);
    }
    env.WriteFile("c/short.txt", "ab");
    EXPECT_EQ(FileSearch("C:\\short.txt", "abc", true, 0), -1);
    env.WriteFile("c/empty.txt", "");
    EXPECT_EQ(FileSearch("C:\\empty.txt", "a", true, 0), -1);
    EXPECT_EQ(FileSearch("C:\\short.txt", "b", true, 5), -1);  // past the end
}

TEST(FileSearch, FailuresNameTheFile) {
    TestEnv env;
    env.WriteFile("c/dir/inside.txt", "x");
    env.WriteFile("c/f.txt", std::string(5000, 'a'));
    struct Case {
        std::string name;
        std::string message;
    };
    // A FIFO is never opened for data: a read could wait for ever.
    ASSERT_EQ(mkfifo((env.hostC + "/pipe").c_str(), 0600), 0);
    for (const Case& c : {Case{"C:\\missing.txt", "Bad open of: C:\\missing.txt"},
                          Case{"C:\\dir", "Bad open of: C:\\dir"}, Case{"C:\\pipe", "Bad open of: C:\\pipe"}}) {
        try {
            FileSearch(c.name, "a", true, 0);
            ADD_FAILURE() << c.name;
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    plat::InjectFault(plat::FaultOp::Read, 1, plat::FileError::IoError);
    try {
        FileSearch("C:\\f.txt", "zzz", true, 0);
        ADD_FAILURE() << "read fault not raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Error reading: C:\\f.txt");
    }
    EXPECT_EQ(env.ReadFile("c/f.txt"), std::string(5000, 'a'));  // nothing written
}

TEST(FileSearch, BlockReadSizeAndDate) {
    TestEnv env;
    env.WriteFile("c/r.bin", "0123456789");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(BlockRead("C:\\r.bin", 6, buffer, sizeof buffer), 4u);
    EXPECT_EQ(std::string(buffer, 8), std::string("6789\0\0\0\0", 8));  // zero-filled past the end
    EXPECT_EQ(SearchFileSize("C:\\r.bin"), 10);
    EXPECT_GT(SearchFileDate("C:\\r.bin"), 0.0);
    for (auto ask : {+[] { SearchFileSize("C:\\gone.bin"); }, +[] { SearchFileDate("C:\\gone.bin"); }}) {
        try {
            ask();
            ADD_FAILURE();
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), "File not found: C:\\gone.bin");
        }
    }
}

TEST(HexText, BothDirections) {
    struct Case {
        const char* hex;
        const char* bytes;  // nullptr: "Invalid hex string"
    };
    for (Case c : {Case{"41 42", "AB"}, Case{"4142", "AB"}, Case{" 41  42 ", "AB"}, Case{"", ""}, Case{"   ", ""},
                   Case{"6a6B", "jk"}, Case{"414", nullptr}, Case{"4 1", nullptr}, Case{"4", nullptr},
                   Case{"4G", nullptr}, Case{"41 4", nullptr}}) {
        if (c.bytes) {
            EXPECT_EQ(HexToBytes(c.hex), c.bytes) << c.hex;
        } else {
            try {
                HexToBytes(c.hex);
                ADD_FAILURE() << c.hex;
            } catch (const EConvertError& e) {
                EXPECT_EQ(std::string(e.what()), "Invalid hex string") << c.hex;
            }
        }
    }
    EXPECT_EQ(BytesToHex("AB"), "41 42");
    EXPECT_EQ(BytesToHex(std::string("\0\xff", 2)), "00 FF");
    EXPECT_EQ(BytesToHex(""), "");
    const std::string hundred(100, 'A');
    EXPECT_EQ(BytesToHex(hundred).size(), 255u);
    EXPECT_EQ(HexToBytes(BytesToHex(std::string("\x01\x7f\x80 z", 5))), std::string("\x01\x7f\x80 z", 5));
}
