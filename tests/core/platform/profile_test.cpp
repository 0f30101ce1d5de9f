// Private-profile files: reading files written by others, writing in place,
// atomic replacement and damaged files.
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using plat::ProfileDelete;
using plat::ProfileReadKeys;
using plat::ProfileReadString;
using plat::ProfileWriteString;

namespace {

std::vector<std::string> TempFilesIn(const std::string& dir) {
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::string name = e.path().filename().string();
        if (name.rfind(".", 0) == 0) found.push_back(name);
    }
    return found;
}

}  // namespace

TEST(Profile, ReadsCrlfMixedCaseAndBlanksAroundEquals) {
    TestEnv env;
    std::string f = env.WriteFile("a.ini",
                                  "; comment\r\n[FOptions]\r\n  Wildcards =  *.TXT  \r\n"
                                  "a_system=1\r\n\r\n[vOPTIONS]\r\nDate\t=\tdd-mm-yy\r\n");
    EXPECT_EQ(ProfileReadString(f, "foptions", "WILDCARDS", "x"), "*.TXT");
    EXPECT_EQ(ProfileReadString(f, "FOPTIONS", "A_System", "x"), "1");
    EXPECT_EQ(ProfileReadString(f, "VOptions", "date", "x"), "dd-mm-yy");
    EXPECT_EQ(ProfileReadString(f, "VOptions", "Time", "hh"), "hh");
    EXPECT_EQ(ProfileReadString(f, "Missing", "Date", "def"), "def");
    EXPECT_EQ(ProfileReadKeys(f, "fOptions"), (std::vector<std::string>{"Wildcards", "a_system"}));
    EXPECT_TRUE(ProfileReadKeys(f, "Nothing").empty());
    // The same through LF-only lines.
    std::string g = env.WriteFile("b.ini", "[FOptions]\nWildcards=*.TXT\n");
    EXPECT_EQ(ProfileReadString(g, "FOPTIONS", "wildcards", "x"), "*.TXT");
    // A missing file reads the default.
    EXPECT_EQ(ProfileReadString(env.Host("none.ini"), "A", "B", "dflt"), "dflt");
}

TEST(Profile, ReadsAreCutToTheBuffer) {
    TestEnv env;
    std::string f = env.WriteFile("a.ini", "[S]\nK=" + std::string(2000, 'v') + "\n");
    EXPECT_EQ(ProfileReadString(f, "S", "K", "", 1024), std::string(1023, 'v'));
    EXPECT_EQ(ProfileReadString(f, "S", "none", std::string(3000, 'd'), 1024).size(), 1023u);
    EXPECT_EQ(ProfileReadString(f, "S", "K", "", 1), "");
    // A cut never leaves half a UTF-8 character ("é" is two bytes).
    std::string g = env.WriteFile("b.ini", "[S]\nK=ab\xC3\xA9z\n");
    EXPECT_EQ(ProfileReadString(g, "S", "K", "", 4), "ab");
    EXPECT_EQ(ProfileReadString(g, "S", "K", "", 5), "ab\xC3\xA9");
}

TEST(Profile, KeyNamesAreCutLikeTheClassicBuffer) {
    TestEnv env;
    // "AAAA" NUL "BBBB" NUL NUL needs 11 bytes.
    std::string f = env.WriteFile("a.ini", "[S]\nAAAA=1\nBBBB=2\nCCCC=3\n");
    EXPECT_EQ(ProfileReadKeys(f, "S", 11), (std::vector<std::string>{"AAAA", "BBBB"}));
    EXPECT_EQ(ProfileReadKeys(f, "S", 13), (std::vector<std::string>{"AAAA", "BBBB"}));
    EXPECT_EQ(ProfileReadKeys(f, "S", 16).size(), 3u);
    EXPECT_TRUE(ProfileReadKeys(f, "S", 2).empty());
}

TEST(Profile, DamagedFilesGiveDefaultsOrTheFirstValue) {
    TestEnv env;
    std::string binary("\x00\x01\xFF\xFE[\x80]\x00=\x7F\n", 11);
    std::string text = "early=before any section\n"
                       "[Good]\n"
                       "dup=first\n"
                       "DUP=second\n"
                       "[Broken\n"
                       "inside=still good\n" +
                       binary + "long=" + std::string(5000, 'L') + "\n" +
                       std::string(5000, 'x') + "\n"
                       "after=ok\n"
                       "[good]\n"
                       "dup=third\n"
                       "later=only in the second copy\n";
    std::string f = env.WriteFile("bad.ini", text);
    EXPECT_EQ(ProfileReadString(f, "Good", "dup", "d"), "first");
    EXPECT_EQ(ProfileReadString(f, "Good", "inside", "d"), "still good");
    EXPECT_EQ(ProfileReadString(f, "Good", "after", "d"), "ok");
    EXPECT_EQ(ProfileReadString(f, "Good", "long", "d"), std::string(1023, 'L'));
    EXPECT_EQ(ProfileReadString(f, "Good", "later", "d"), "d");  // only the first section counts
    EXPECT_EQ(ProfileReadString(f, "", "early", "d"), "d");
    EXPECT_EQ(ProfileReadString(f, "Broken", "inside", "d"), "d");
    auto keys = ProfileReadKeys(f, "GOOD");
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(keys[0], "dup");
    EXPECT_EQ(keys[1], "inside");

    // Writing into the damaged file changes the first value and nothing else.
    ASSERT_TRUE(ProfileWriteString(f, "good", "Dup", "new"));
    std::string after = env.ReadFile("bad.ini");
    EXPECT_EQ(ProfileReadString(f, "Good", "dup", "d"), "new");
    std::string expected = text;
    expected.replace(expected.find("dup=first"), 9, "dup=new");
    EXPECT_EQ(after, expected);

    // An empty file and a file of nothing but garbage read as defaults.
    std::string e = env.WriteFile("empty.ini", "");
    EXPECT_EQ(ProfileReadString(e, "S", "K", "d"), "d");
    std::string z = env.WriteFile("zeros.ini", std::string(4096, '\0'));
    EXPECT_EQ(ProfileReadString(z, "S", "K", "d"), "d");
    EXPECT_TRUE(ProfileReadKeys(z, "S").empty());
}

TEST(Profile, WritesKeepTheRestOfTheFile) {
    TestEnv env;
    std::string original =
        "; settings\r\n[One]\r\nKeyA = old\r\n; note\r\nKeyB=b\r\n\r\n[Two]\r\nX=1\r\n";
    std::string f = env.WriteFile("a.ini", original);
    ASSERT_TRUE(ProfileWriteString(f, "ONE", "keya", "new"));
    ASSERT_TRUE(ProfileWriteString(f, "one", "KeyC", "c"));
    ASSERT_TRUE(ProfileWriteString(f, "Three", "Y", "2"));
    // The key keeps its stored spelling, a new key follows the section's last
    // line, a new section is added at the end, all with the file's CRLF.
    EXPECT_EQ(env.ReadFile("a.ini"),
              "; settings\r\n[One]\r\nKeyA=new\r\n; note\r\nKeyB=b\r\nKeyC=c\r\n\r\n[Two]\r\nX=1\r\n"
              "\r\n[Three]\r\nY=2\r\n");

    // A file without a final line end gets one before anything is added.
    std::string g = env.WriteFile("b.ini", "[S]\nA=1");
    ASSERT_TRUE(ProfileWriteString(g, "S", "B", "2"));
    EXPECT_EQ(env.ReadFile("b.ini"), "[S]\nA=1\nB=2\n");

    // Line breaks inside a value cannot forge other keys.
    ASSERT_TRUE(ProfileWriteString(g, "S", "C", "x\n[Evil]\nZ=1"));
    EXPECT_EQ(ProfileReadString(g, "Evil", "Z", "none"), "none");
    EXPECT_EQ(ProfileReadString(g, "S", "C", ""), "x [Evil] Z=1");
}

TEST(Profile, FirstWriteCreatesTheFileAndDeleteRemoves) {
    TestEnv env;
    std::string f = env.Host("new.ini");
    ASSERT_TRUE(ProfileWriteString(f, "Sec", "Key", "v"));
    EXPECT_EQ(env.ReadFile("new.ini"), "[Sec]\nKey=v\n");
    ASSERT_TRUE(ProfileWriteString(f, "Sec", "Other", "w"));
    ASSERT_TRUE(ProfileWriteString(f, "Next", "Key", "n"));
    ASSERT_TRUE(ProfileDelete(f, "SEC", "KEY"));
    EXPECT_EQ(ProfileReadString(f, "Sec", "Key", "gone"), "gone");
    EXPECT_EQ(ProfileReadString(f, "Sec", "Other", ""), "w");
    ASSERT_TRUE(ProfileDelete(f, "sec"));
    EXPECT_EQ(env.ReadFile("new.ini"), "[Next]\nKey=n\n");
    // Deleting from a missing file creates nothing.
    ASSERT_TRUE(ProfileDelete(env.Host("none.ini"), "A", "B"));
    EXPECT_FALSE(env.Exists("none.ini"));
}

TEST(Profile, WindowsFormNamesGoThroughTheDriveTable) {
    TestEnv env;
    ASSERT_TRUE(ProfileWriteString("C:\\conf.ini", "S", "K", "on C"));
    EXPECT_EQ(env.ReadFile("c/conf.ini"), "[S]\nK=on C\n");
    EXPECT_EQ(ProfileReadString("c:\\CONF.INI", "s", "k", ""), "on C");
    // An unknown drive reads defaults and cannot be written.
    EXPECT_EQ(ProfileReadString("Q:\\conf.ini", "S", "K", "d"), "d");
    EXPECT_FALSE(ProfileWriteString("Q:\\conf.ini", "S", "K", "v"));
}

TEST(Profile, UnwritablePlacesFailTheWrite) {
    TestEnv env;
    fs::create_directories(env.Host("isdir.ini"));
    EXPECT_FALSE(ProfileWriteString(env.Host("isdir.ini"), "S", "K", "v"));
    EXPECT_FALSE(ProfileDelete(env.Host("isdir.ini"), "S"));
    EXPECT_EQ(ProfileReadString(env.Host("isdir.ini"), "S", "K", "d"), "d");
    EXPECT_FALSE(ProfileWriteString(env.Host("missing/dir/a.ini"), "S", "K", "v"));
    EXPECT_FALSE(env.Exists("missing"));
    // A FIFO in the file's place is never waited on.
    ASSERT_EQ(mkfifo(env.Host("fifo.ini").c_str(), 0644), 0);
    EXPECT_EQ(ProfileReadString(env.Host("fifo.ini"), "S", "K", "d"), "d");
    EXPECT_FALSE(ProfileWriteString(env.Host("fifo.ini"), "S", "K", "v"));
    EXPECT_TRUE(fs::is_fifo(env.Host("fifo.ini")));
    EXPECT_TRUE(TempFilesIn(env.root).empty());
}

TEST(Profile, WritesReplaceTheFileAtomically) {
    TestEnv env;
    std::string f = env.WriteFile("atomic.ini", "[A]\nK=0\n[End]\nlast=1\n");
    chmod(f.c_str(), 0640);
    struct stat before {};
    ASSERT_EQ(stat(f.c_str(), &before), 0);
    ASSERT_TRUE(ProfileWriteString(f, "A", "K", "1"));
    struct stat after {};
    ASSERT_EQ(stat(f.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // a new file took the old one's place
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_TRUE(TempFilesIn(env.root).empty());

    // A symbolic link to the ini file stays a link.
    fs::create_symlink(f, env.Host("link.ini"));
    ASSERT_TRUE(ProfileWriteString(env.Host("link.ini"), "A", "K", "2"));
    EXPECT_TRUE(fs::is_symlink(env.Host("link.ini")));
    EXPECT_EQ(ProfileReadString(f, "A", "K", ""), "2");

    // A reader in a loop sees every version whole: the last section is
    // always there, whatever the writer is doing.
    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, torn{0};
    std::thread reader([&] {
        while (!done.load() || reads.load() < 50) {
            if (ProfileReadString(f, "End", "last", "") != "1") ++torn;
            ++reads;
        }
    });
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(ProfileWriteString(f, "A", "K" + std::to_string(i % 20), std::string(i * 10, 'x')));
    done = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
    EXPECT_GE(reads.load(), 50);
    EXPECT_TRUE(TempFilesIn(env.root).empty());
}

TEST(Profile, LineEndsOfEveryKindReadAndWriteAlike) {
    TestEnv env;
    struct Case {
        const char* name;
        std::string eol;
        bool finalEnd;
    };
    const Case cases[] = {{"lf", "\n", true},    {"lf-open", "\n", false},
                          {"crlf", "\r\n", true}, {"crlf-open", "\r\n", false},
                          {"cr", "\r", true},     {"cr-open", "\r", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string& e = c.eol;
        std::string f = env.WriteFile(std::string(c.name) + ".ini",
                                      "; c" + e + "[A]" + e + "K=1" + e + e + "[B]" + e + "L=2" +
                                          (c.finalEnd ? e : ""));
        EXPECT_EQ(ProfileReadString(f, "A", "K", "d"), "1");
        EXPECT_EQ(ProfileReadString(f, "B", "L", "d"), "2");
        EXPECT_EQ(ProfileReadKeys(f, "B"), (std::vector<std::string>{"L"}));
        ASSERT_TRUE(ProfileWriteString(f, "B", "M", "3"));
        ASSERT_TRUE(ProfileWriteString(f, "A", "K", "9"));
        ASSERT_TRUE(ProfileWriteString(f, "C", "N", "4"));
        ASSERT_TRUE(ProfileWriteString(f, "C", "N", "5"));  // the section is found again
        EXPECT_EQ(ProfileReadString(f, "B", "M", "d"), "3");
        EXPECT_EQ(ProfileReadString(f, "C", "N", "d"), "5");
        // New lines take the file's own line end; nothing is doubled.
        EXPECT_EQ(env.ReadFile(std::string(c.name) + ".ini"),
                  "; c" + e + "[A]" + e + "K=9" + e + e + "[B]" + e + "L=2" + e + "M=3" + e + e +
                      "[C]" + e + "N=5" + e);
        ASSERT_TRUE(ProfileDelete(f, "b", "l"));
        EXPECT_EQ(ProfileReadKeys(f, "B"), (std::vector<std::string>{"M"}));
    }

    // A file of LF lines whose last line is a lone CR.
    std::string g = env.WriteFile("mixed.ini", "[S]\nA=1\n\r");
    ASSERT_TRUE(ProfileWriteString(g, "T", "K", "v"));
    EXPECT_EQ(ProfileReadString(g, "T", "K", "d"), "v");
    ASSERT_TRUE(ProfileWriteString(g, "T", "K", "w"));
    EXPECT_EQ(ProfileReadString(g, "T", "K", "d"), "w");
    EXPECT_EQ(env.ReadFile("mixed.ini"), "[S]\nA=1\n\r[T]\nK=w\n");
    // A lone CR after a line that needs a blank line before a new section.
    std::string h = env.WriteFile("cr-last.ini", "[S]\nA=1\r");
    ASSERT_TRUE(ProfileWriteString(h, "T", "K", "v"));
    EXPECT_EQ(ProfileReadString(h, "S", "A", "d"), "1");
    EXPECT_EQ(ProfileReadString(h, "T", "K", "d"), "v");
    EXPECT_EQ(env.ReadFile("cr-last.ini"), "[S]\nA=1\r\r[T]\nK=v\n");
}

TEST(Profile, OnePairOfEnclosingQuotesIsNotPartOfTheValue) {
    TestEnv env;
    struct Case {
        const char* stored;
        const char* read;
    };
    const Case cases[] = {
        {"\"abc\"", "abc"},           {"'abc'", "abc"},         {"  \"a b\"  ", "a b"},
        {"\"\"", ""},                 {"\"\"x\"\"", "\"x\""},   {"\"abc", "\"abc"},
        {"abc\"", "abc\""},           {"\"abc'", "\"abc'"},     {"\"", "\""},
        {"a \"b\" c", "a \"b\" c"},
    };
    std::string text = "[Q]\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        text += "K" + std::to_string(i) + "=" + cases[i].stored + "\n";
    std::string f = env.WriteFile("q.ini", text);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ProfileReadString(f, "Q", "K" + std::to_string(i), "d"), cases[i].read)
            << cases[i].stored;
    // The quotes go before the cut to the buffer.
    std::string g = env.WriteFile("long.ini", "[Q]\nK=\"" + std::string(1030, 'q') + "\"\n");
    EXPECT_EQ(ProfileReadString(g, "Q", "K", "d", 1024), std::string(1023, 'q'));
}
