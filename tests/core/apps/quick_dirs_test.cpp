// The quick directory list: what it stores, damaged sections, autoload.
#include "core/apps/quick_dirs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/settings/app_ini.h"
#include "support/test_env.h"

namespace {

TEST(QuickDirs, SavedEntriesLoadBackWithTheirWholeDirectory) {
    TestEnv env;
    TDlist list;
    list.Load();
    const std::string dir = "C:\\" + std::string(197, 'D');
    ASSERT_EQ(dir.size(), 200u);
    list.Add(std::string(50, 'n'), dir, true, std::string(45, 'w'));
    list.Add("Docs", "C:\\DOCS", false, "*.TXT");
    EXPECT_FALSE(list.Modified);
    TDlist again;
    again.Load();
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Entry(0), (TQuickDir{std::string(40, 'n'), dir, std::string(40, 'w'), true}));
    EXPECT_EQ(again.Entry(1), (TQuickDir{"Docs", "C:\\DOCS", "*.TXT", false}));
    again.Change(1, "D", "D:\\", true, "*.*");
    again.Delete(0);
    TDlist third;
    third.Load();
    ASSERT_EQ(third.Count(), 1);
    EXPECT_EQ(third.Entry(0), (TQuickDir{"D", "D:\\", "*.*", true}));
}

TEST(QuickDirs, MissingKeysAndDamagedCounts) {
    TestEnv env;
    const std::pair<const char*, int> cases[] = {
        {"Count=9\nName:0=A\nDir:1=C:\\\n", 3},
        {"Count=-1\nName:0=A\n", 0},
        {"Count=x\nName:0=A\n", 0},
    };
    for (const auto& [section, count] : cases) {
        std::ofstream(env.iniPath, std::ios::app) << "[DList]\n" << section;
        env.ReopenIni();
        TDlist list;
        list.Load();
        EXPECT_EQ(list.Count(), count) << section;
        AppIni().EraseSection("DList");
    }
    std::ofstream(env.iniPath, std::ios::app) << "[DList]\nCount=1\nLoad:0=1\n";
    env.ReopenIni();
    TDlist list;
    list.Load();
    EXPECT_EQ(list.Entry(0), (TQuickDir{"?0", "?0", "?0", true}));
}

TEST(QuickDirs, AutoloadOpensTheMarkedEntriesInOrder) {
    TestEnv env;
    TDlist list;
    list.Load();
    list.Add("A", "C:\\", true, "*.*");
    list.Add("B", "C:\\", false, "*.*");
    list.Add("C", "D:\\", true, "*.*");
    std::vector<int> opened;
    EXPECT_EQ(list.OpenAutoload([&](int n) { opened.push_back(n); }), 2);
    EXPECT_EQ(opened, (std::vector<int>{0, 2}));
}

TEST(QuickDirs, GridWidths) {
    TestEnv env;
    EXPECT_EQ(QuickGridWidth(0), -1);
    StoreQuickGridWidth(1, 77);
    EXPECT_EQ(QuickGridWidth(1), 77);
}

}  // namespace
