// The viewer's line index: counts, entries every 128 lines, reaching any
// line, stopping early, and no cap on the number of lines.
#include "core/viewers/text_viewer_index.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_env.h"

namespace {

std::string Numbered(int64_t n) {
    std::string s;
    for (int64_t i = 1; i <= n; ++i) s += "L" + std::to_string(i) + "\n";
    return s;
}

TEST(LineIndex, ReachesEveryLineAroundTheEntries) {
    TestEnv env;
    struct Case {
        int64_t lines;
        size_t entries;
    } cases[] = {{0, 0}, {1, 0}, {127, 0}, {128, 1}, {129, 1}, {1000, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        env.WriteFile("c/N.TXT", Numbered(c.lines));
        TQTFile reader("C:\\N.TXT", 4096, 15000);
        TLineIndex index;
        EXPECT_TRUE(IndexLines(reader, index));
        EXPECT_EQ(index.LineCount, c.lines);
        EXPECT_EQ(index.Offsets.size(), c.entries);
        EXPECT_EQ(index.WidestLine, 80);
        for (int64_t n : {int64_t{1}, int64_t{127}, int64_t{128}, int64_t{129}, int64_t{256}, c.lines}) {
            if (n < 1 || n > c.lines) continue;
            SCOPED_TRACE(n);
            ASSERT_TRUE(GoToLine(reader, index, n));
            EXPECT_EQ(reader.CurrentLine(), "L" + std::to_string(n));
        }
        EXPECT_FALSE(GoToLine(reader, index, c.lines + 1));
    }
}

TEST(LineIndex, NoCapOnLinesAndWidestLineMeasured) {
    TestEnv env;
    // More than the classic 1,024,128 lines, with one wide line.
    const int64_t lines = 1100000;
    std::string s(static_cast<size_t>(lines) * 2, '\n');
    for (int64_t i = 0; i < lines; ++i) s[static_cast<size_t>(2 * i)] = 'x';
    s += std::string(300, 'w') + "\nlast";
    env.WriteFile("c/BIG.TXT", s);
    TQTFile reader("C:\\BIG.TXT", 4096, 15000);
    TLineIndex index;
    ASSERT_TRUE(IndexLines(reader, index));
    EXPECT_EQ(index.LineCount, lines + 2);
    EXPECT_EQ(index.WidestLine, 301);
    ASSERT_TRUE(GoToLine(reader, index, lines + 2));
    EXPECT_EQ(reader.CurrentLine(), "last");
    EXPECT_LT(index.BytesPerLine(), 0.07);
}

TEST(LineIndex, StepCanStopTheWalk) {
    TestEnv env;
    env.WriteFile("c/N.TXT", Numbered(1000));
    TQTFile reader("C:\\N.TXT", 4096, 15000);
    TLineIndex index;
    int steps = 0;
    EXPECT_FALSE(IndexLines(reader, index, [&](int64_t) { return ++steps < 3; }));
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(index.LineCount, 384);
    ASSERT_TRUE(GoToLine(reader, index, 384));
    EXPECT_EQ(reader.CurrentLine(), "L384");
}

}  // namespace
