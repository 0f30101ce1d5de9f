// Host names and their Windows form: the mapping is a bijection, a name
// never leads out of its directory, and names fold alike everywhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "fuzz/host_name_properties.h"
#include "core/platform/platform.h"
#include "core/tagging/wild_card.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Host bytes of a private-use character U+F000 + code.
std::string Pua(unsigned code) {
    const unsigned cp = 0xF000 + code;
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

const std::string kUp = Pua('.') + Pua('.') + Pua('/');  // what once decoded to "../"

std::vector<std::string> TableHostNames() {
    std::vector<std::string> names;
    for (char c : std::string("\\:*?\"<>|")) names.push_back(std::string("a") + c + "b");
    for (char c = 1; c < 32; ++c) names.push_back(std::string("x") + c);
    for (unsigned code : {0x00u, 0x2Eu, 0x2Fu, 0x41u, 0x3Au, 0xEFu, 0xFFu}) names.push_back(Pua(code));
    names.push_back(kUp + "victim.txt");
    names.push_back("\xFF\xFE raw");             // no UTF-8 at all
    names.push_back("caf\xE9");                  // Latin-1
    names.push_back("\xC0\xAF" "x");             // overlong "/"
    names.push_back("\xE0\x80\xAE");             // overlong "."
    names.push_back("\xED\xA0\x80");             // a surrogate
    names.push_back("\xF4\x90\x80\x80");         // beyond U+10FFFF
    names.push_back("cut\xEF\x80");              // a U+F0xx cut short
    names.push_back(std::string(255, 'n'));
    names.push_back(std::string(254, 'n') + ":");
    names.push_back(Repeat(Pua('.'), 85));       // 255 bytes, U+F0xx only
    names.push_back(Pua('/') + Pua(0) + Pua(0xFF) + Pua('A'));
    names.push_back("\xC3\xA9t\xC3\xA9.txt");    // well-formed: written as itself
    return names;
}

}  // namespace

TEST(HostNames, EveryHostNameRoundTripsThroughAWellFormedWindowsForm) {
    TestEnv env;
    fs::create_directories(env.hostC + "/dir");
    for (const auto& name : TableHostNames())
        EXPECT_EQ(host_name_properties::Failure(name, env.hostC), "") << name;
    // The written forms themselves.
    EXPECT_EQ(HostNameToWin("a:b"), "a\uF03Ab");
    EXPECT_EQ(HostNameToWin("x\x01"), "x\uF001");
    EXPECT_EQ(HostNameToWin("a\xFF"), "a\uF0FF");
    EXPECT_EQ(HostNameToWin(Pua('/')), "\uF0EF\uF080\uF0AF");
    EXPECT_EQ(HostNameToWin("\xC3\xA9t\xC3\xA9.txt"), "\xC3\xA9t\xC3\xA9.txt");
}

TEST(HostNames, WindowsNamesThatNameNoHostFileReachNone) {
    TestEnv env;
    env.WriteFile("victim.txt", "outside the drive");
    env.WriteFile("c/victim.txt", "drive root");
    env.WriteFile("c/sub/A", "A");
    env.WriteFile("c/sub/\xC3\xA9", "e acute");
    const auto before = TreeSnapshot(env.root);
    const std::string none[] = {
        "\uF02E\uF02E\uF02Fvictim.txt",                      // "../victim.txt"
        "\uF02E\uF02E\uF02F\uF02E\uF02E\uF02Fvictim.txt",    // "../../victim.txt"
        "\uF041",                                            // "A" is written as itself
        "\uF0C3\uF0A9",                                      // so is a well-formed "é"
        "\uF000",                                            // NUL
        "x\uF000",                                           // "x" and NUL
        "\uF02F",                                            // "/"
        "\uF02E", "\uF02E\uF02E",
        "a:b",                                               // ":" is written as U+F03A
        std::string("a\0b", 3),
    };
    for (const auto& name : none) {
        SCOPED_TRACE(name);
        EXPECT_EQ(WinNameToHost(name), "");
        const std::string path = "C:\\sub\\" + name;
        EXPECT_EQ(ToHost(path), std::nullopt);
        EXPECT_FALSE(FileExists(path));
        File f;
        EXPECT_NE(OpenFile(path, OpenMode::ReadWrite, f), FileError::None);
        EXPECT_NE(DeleteFile(path), FileError::None);
        EXPECT_NE(RenameFile(path, "C:\\sub\\moved"), FileError::None);
        EXPECT_NE(RenameFile("C:\\sub\\A", path), FileError::None);
    }
    EXPECT_EQ(TreeSnapshot(env.root), before);
    // In a path these are steps up and down, never names of files.
    EXPECT_EQ(WinNameToHost("."), "");
    EXPECT_EQ(WinNameToHost(".."), "");
}

TEST(HostNames, HostileHostFilesAreListedOpenedRenamedAndDeletedAsThemselves) {
    TestEnv env;
    // Decoys the hostile names once led to: a level up, two levels up
    // (outside the drive), the name "A", and 85 dots.
    env.WriteFile("victim.txt", "outside the drive");
    env.WriteFile("c/victim.txt", "drive root");
    env.WriteFile("c/sub/A", "A");
    env.WriteFile("c/sub/" + std::string(85, '.'), "dots");
    const std::vector<std::string> hostile = {
        kUp + "victim.txt", kUp + kUp + "victim.txt", Pua('A'), Pua(0) + "x",
        Repeat(Pua('.'), 85), Pua('/') + Pua(0) + Pua(0xFF), std::string(254, 'n') + ":",
        "\xC0\xAFvictim.txt", "\xFF\xFE raw",
    };
    for (size_t i = 0; i < hostile.size(); ++i) env.WriteFile("c/sub/" + hostile[i], "hostile " + std::to_string(i));
    auto expected = TreeSnapshot(env.root);

    std::map<std::string, std::string> listed;  // host name -> Windows name
    ASSERT_TRUE(FindFiles("C:\\sub\\*.*", faAnyFile & ~faDirectory & ~faVolumeID, [&](const FindData& fd) {
        listed[WinNameToHost(fd.name)] = fd.name;
        return true;
    }));
    ASSERT_EQ(listed.size(), hostile.size() + 2);
    for (size_t i = 0; i < hostile.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(listed.count(hostile[i]), 1u);
        const std::string path = "C:\\sub\\" + listed[hostile[i]];
        const std::string rel = "c/sub/" + hostile[i];
        const std::string content = "hostile " + std::to_string(i);

        File f;
        ASSERT_EQ(OpenFile(path, OpenMode::Read, f), FileError::None);
        char buf[64];
        size_t got = 0;
        EXPECT_EQ(ReadFile(f, buf, sizeof buf, got), FileError::None);
        EXPECT_EQ(std::string(buf, got), content);
        EXPECT_EQ(CloseFile(f), FileError::None);

        EXPECT_EQ(RenameFile(path, "C:\\sub\\moved"), FileError::None);
        auto moved = expected;
        moved.erase(rel);
        moved["c/sub/moved"] = "file " + content;
        EXPECT_EQ(TreeSnapshot(env.root), moved);
        EXPECT_EQ(RenameFile("C:\\sub\\moved", path), FileError::None);
        EXPECT_EQ(TreeSnapshot(env.root), expected);

        EXPECT_EQ(DeleteFile(path), FileError::None);
        expected.erase(rel);
        EXPECT_EQ(TreeSnapshot(env.root), expected);
    }
}

TEST(HostNames, RandomBytesKeepEveryProperty) {
    TestEnv env;
    fs::create_directories(env.hostC + "/dir");
    env.WriteFile("c/dir/a", "");
    env.WriteFile("c/dir/" + Pua('.'), "");
    // Bytes drawn mostly from those the mapping treats specially.
    const std::string alphabet = std::string("\xEF\x80\x81\x82\x83\xAE\xAF\xBF\xC3\xA9/.\\:a", 15) + '\0';
    std::mt19937 rng(8);
    for (int run = 0; run < 4000; ++run) {
        std::string bytes(rng() % 24, ' ');
        for (char& c : bytes)
            c = rng() % 4 == 0 ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
        const std::string failure = host_name_properties::Failure(bytes, env.hostC);
        ASSERT_EQ(failure, "") << "run " << run;
    }
}

TEST(HostNames, MasksAndPatternListsFoldNonAsciiLettersAlike) {
    TestEnv env;
    const std::string names[] = {"\xC3\xA9t\xC3\xA9.txt", "\xC3\x89tage.txt", "etc.txt", "\xC3\x89T\xC3\x89" "2.TXT"};
    for (const auto& n : names) env.WriteFile("c/" + n, n);
    const auto before = TreeSnapshot(env.root);
    const TWildCard list("\xC3\xA9t*.*");
    std::set<std::string> byMask, byList;
    FindFiles("C:\\\xC3\xA9t*.*", faAnyFile & ~faDirectory & ~faVolumeID, [&](const FindData& fd) {
        byMask.insert(fd.name);
        return true;
    });
    for (const auto& n : names)
        if (list.Matches(n)) byList.insert(n);
    const std::set<std::string> expected = {names[0], names[1], names[3]};
    EXPECT_EQ(byMask, expected);
    EXPECT_EQ(byList, expected);
    // "?" stands for one character, however many bytes it takes.
    EXPECT_TRUE(MaskMatches("?t?.txt", names[0]));
    EXPECT_FALSE(MaskMatches("???t?.txt", names[0]));
    // Latin Extended-A folds too, in masks, pattern lists and comparisons.
    const std::string lodz = "\u0141\u00F3d\u017A.txt", lower = "\u0142\u00F3d\u017A.txt";
    EXPECT_TRUE(MaskMatches("\u0142*.*", lodz));
    EXPECT_TRUE(TWildCard("\u0142*.*").Matches(lodz));
    EXPECT_TRUE(SameText(lower, lodz));
    // Letters whose other case has another length keep their own.
    EXPECT_EQ(UpperCase("\u00FF\u0131"), "\u0178\u0131");
    EXPECT_EQ(LowerCase("\u0178\u0130"), "\u00FF\u0130");
    EXPECT_EQ(TreeSnapshot(env.root), before);
}
