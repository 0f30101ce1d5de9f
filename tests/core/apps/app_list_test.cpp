// The application list: what it stores, how damaged sections read, moves,
// categories.
#include "core/apps/app_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/settings/app_ini.h"
#include "support/test_env.h"

namespace {

TAppEntry Entry(const std::string& category, const std::string& name) {
    return {category, name, "C:\\BIN\\" + name, "", "%F", false};
}

std::vector<std::string> Names(const TTApp& apps) { return apps.NamesInCategory(""); }

TEST(AppList, SavedEntriesLoadBackWhole) {
    TestEnv env;
    TTApp apps;
    apps.Load();
    const std::string longPath = "C:\\" + std::string(150, 'P') + "\\TOOL";
    apps.Add({std::string(35, 'c'), std::string(35, 'n'), longPath, longPath, std::string(90, 'x'), true});
    apps.Add(Entry("Edit", "Two"));
    EXPECT_FALSE(apps.Modified);
    EXPECT_EQ(AppIni().ReadString("TApp", "TestMode:0", ""), "1");
    TTApp again;
    again.Load();
    ASSERT_EQ(again.Count(), 2);
    // Texts keep their widths; paths keep their whole length.
    EXPECT_EQ(again.Entry(0), (TAppEntry{std::string(30, 'c'), std::string(30, 'n'), longPath, longPath,
                                         std::string(80, 'x'), true}));
    EXPECT_EQ(again.Entry(1), Entry("Edit", "Two"));
}

TEST(AppList, MissingKeysAndDamagedCounts) {
    TestEnv env;
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Count=2\nName:0=Zero\n", {"Zero", "?1"}},
        {"Count=-3\nName:0=Zero\n", {}},
        {"Count=many\nName:0=Zero\n", {}},
        {"Count=100000\nName:0=Zero\nProg:2=X\n", {"Zero", "?1", "?2"}},
    };
    for (const auto& [section, names] : cases) {
        std::ofstream(env.iniPath, std::ios::app) << "[TApp]\n" << section;
        env.ReopenIni();
        TTApp apps;
        apps.Load();
        EXPECT_EQ(Names(apps), names) << section;
        AppIni().EraseSection("TApp");
    }
    std::ofstream(env.iniPath, std::ios::app) << "[TApp]\nCount=1\n";
    env.ReopenIni();
    TTApp apps;
    apps.Load();
    EXPECT_EQ(apps.Entry(0), (TAppEntry{"", "?0", "?0", "?0", "?0", false}));
}

TEST(AppList, MovesExchangeNeighboursAndAreSavedWithTheNextChange) {
    TestEnv env;
    TTApp apps;
    apps.Load();
    EXPECT_FALSE(apps.MoveUp(0));
    apps.Add(Entry("", "A"));
    EXPECT_FALSE(apps.MoveDown(0));  // one entry
    apps.Add(Entry("", "B"));
    apps.Add(Entry("", "C"));
    EXPECT_FALSE(apps.MoveUp(0));
    EXPECT_FALSE(apps.MoveDown(2));
    EXPECT_FALSE(apps.MoveDown(-1));
    EXPECT_TRUE(apps.MoveDown(0));
    EXPECT_TRUE(apps.MoveUp(2));
    EXPECT_EQ(Names(apps), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_TRUE(apps.Modified);
    EXPECT_EQ(AppIni().ReadString("TApp", "Name:0", ""), "A");  // not yet saved
    apps.Delete(1);
    TTApp again;
    again.Load();
    EXPECT_EQ(Names(again), (std::vector<std::string>{"B", "A"}));
}

TEST(AppList, CategoriesSelectTheirEntries) {
    TestEnv env;
    TTApp apps;
    apps.Load();
    apps.Add(Entry("Edit", "E1"));
    apps.Add(Entry("View", "V1"));
    apps.Add(Entry("Edit", "E2"));
    EXPECT_EQ(apps.CountInCategory("Edit"), 2);
    EXPECT_EQ(apps.CountInCategory(""), 3);
    EXPECT_EQ(apps.CountInCategory("edit"), 0);
    EXPECT_EQ(apps.NameInCategory(1, "Edit"), "E2");
    EXPECT_EQ(apps.IndexInCategory(1, "Edit"), 2);
    EXPECT_EQ(apps.NameInCategory(2, "Edit"), "");
    EXPECT_EQ(apps.IndexInCategory(-1, "Edit"), -1);
    EXPECT_EQ(apps.NameInCategory(1, ""), "V1");
}

TEST(AppList, CategoryListKeepsEachNameOnceNewestFirst) {
    TestEnv env;
    AddCategory("Edit");
    AddCategory("View");
    AddCategory("EDIT");
    EXPECT_EQ(LoadCategories(), (std::vector<std::string>{"View", "Edit"}));
    EXPECT_EQ(AppIni().ReadString("Application", "CatList:!", ""), "2");
}

}  // namespace
