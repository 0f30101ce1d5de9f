// The compare's four comparison kinds and its content test: equal files,
// differences at the first and last byte and across block boundaries,
// different sizes, and the failures that name the file.
#include <gtest/gtest.h>

#include <string>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/search/content_compare.h"
#include "support/test_env.h"

TEST(CompareKinds, EachKindOnSizesAndDates) {
    struct Case {
        TCompareKind kind;
        int64_t one, two;
        bool holds;
    };
    const Case cases[] = {
        {TCompareKind::Different, 5, 6, true},  {TCompareKind::Different, 6, 6, false},
        {TCompareKind::Equal, 6, 6, true},      {TCompareKind::Equal, 5, 6, false},
        {TCompareKind::Greater, 7, 6, true},    {TCompareKind::Greater, 6, 6, false},
        {TCompareKind::Greater, 5, 6, false},   {TCompareKind::Less, 5, 6, true},
        {TCompareKind::Less, 6, 6, false},      {TCompareKind::Less, 7, 6, false},
        // Sizes beyond 32 bits keep their order.
        {TCompareKind::Greater, int64_t(1) << 33, (int64_t(1) << 33) - 1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareHolds(c.kind, c.one, c.two), c.holds) << int(c.kind) << " " << c.one << " " << c.two;
        // Dates compare in the same four ways, to the fraction of a day.
        const plat::DateTime d1 = 45000.0 + c.one / 86400.0, d2 = 45000.0 + c.two / 86400.0;
        EXPECT_EQ(CompareHolds(c.kind, d1, d2), c.holds) << "date " << int(c.kind);
    }
}

TEST(ContentCompare, EqualAndDifferentContents) {
    TestEnv env;
    const std::string big(3 * 256 * 1024 + 17, 'q');  // several blocks and a short tail
    auto with = [](std::string s, size_t at, char c) {
        s[at] = c;
        return s;
    };
    struct Case {
        const char* what;
        std::string one, two;
        bool differ;
    };
    const Case cases[] = {
        {"equal", "hello", "hello", false},
        {"both empty", "", "", false},
        {"last byte", "hellO", "hello", true},
        {"first byte", "Hello", "hello", true},
        {"sizes differ", "hello", "hello!", true},
        {"equal over blocks", big, big, false},
        {"last byte of a block", with(big, 256 * 1024 - 1, 'r'), big, true},
        {"first byte of the next", with(big, 256 * 1024, 'r'), big, true},
        {"last byte of all", with(big, big.size() - 1, 'r'), big, true},
        // The classic filled its buffers with "X" before reading; an X in
        // the data is compared like any other byte.
        {"X bytes", "abXX", "abXX", false},
    };
    for (const Case& c : cases) {
        env.WriteFile("c/one.bin", c.one);
        env.WriteFile("d/two.bin", c.two);
        EXPECT_EQ(ContentsDiffer("C:\\one.bin", "D:\\two.bin"), c.differ) << c.what;
    }
}

TEST(ContentCompare, FailuresNameTheFileAndWriteNothing) {
    TestEnv env;
    const std::string data(600 * 1024, 'z');
    env.WriteFile("c/one.bin", data);
    env.WriteFile("d/two.bin", data);
    struct Case {
        std::string one, two, message;
    };
    // A file that vanished is reported by the open that cannot find it.
    for (const Case& c : {Case{"C:\\gone.bin", "D:\\two.bin", "Bad open of: C:\\gone.bin"},
                          Case{"C:\\one.bin", "D:\\gone.bin", "Bad open of: D:\\gone.bin"}}) {
        try {
            ContentsDiffer(c.one, c.two);
            ADD_FAILURE() << c.message;
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    // A read failing in the middle: the second read of the first file.
    plat::InjectFault(plat::FaultOp::Read, 3, plat::FileError::IoError);
    try {
        ContentsDiffer("C:\\one.bin", "D:\\two.bin");
        ADD_FAILURE() << "read fault not raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Error reading: C:\\one.bin");
    }
    plat::ClearFaults();
    EXPECT_EQ(env.ReadFile("c/one.bin"), data);
    EXPECT_EQ(env.ReadFile("d/two.bin"), data);
}

TEST(NameLookup, FindsWithoutRegardToCaseExactTwinFirst) {
    const TNameLookup names({"readme.txt", "a.txt", "README.TXT", "\xC3\xA9t\xC3\xA9.txt", "b"});
    struct Case {
        std::string name;
        int at;
    };
    for (const Case& c : {Case{"README.TXT", 2}, Case{"readme.txt", 0}, Case{"ReadMe.Txt", 0}, Case{"A.TXT", 1},
                          Case{"\xC3\x89T\xC3\x89.TXT", 3}, Case{"b", 4}, Case{"b ", -1}, Case{"c", -1},
                          Case{"", -1}})
        EXPECT_EQ(names.Find(c.name), c.at) << c.name;
}
