#include "core/tagging/history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace {

std::vector<std::string> Numbered(int n) {
    std::vector<std::string> list;
    for (int i = 1; i <= n; ++i) list.push_back("*." + std::to_string(i));
    return list;
}

TEST(History, NewTextGoesFirstAndKnownTextKeepsItsPlace) {
    std::vector<std::string> list{"*.DOC", "*.TXT", "*.BAK"};
    AddToHistory("*.txt", list);  // present without regard to case
    EXPECT_EQ(list, (std::vector<std::string>{"*.DOC", "*.TXT", "*.BAK"}));
    AddToHistory("*.PAS", list);
    EXPECT_EQ(list, (std::vector<std::string>{"*.PAS", "*.DOC", "*.TXT", "*.BAK"}));
    std::vector<std::string> empty;
    AddToHistory("A", empty);
    EXPECT_EQ(empty, std::vector<std::string>{"A"});
}

TEST(History, NeverMoreThan25Entries) {
    std::vector<std::string> list = Numbered(25);
    AddToHistory("NEW", list);
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front(), "NEW");
    EXPECT_EQ(list.back(), "*.24");  // the oldest went
    AddToHistory("*.1", list);       // still present: no change
    EXPECT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front(), "NEW");

    std::vector<std::string> tooLong = Numbered(30);
    AddToHistory("*.3", tooLong);
    EXPECT_EQ(tooLong.size(), 25u);
}

TEST(History, StoredUnderSectionAndKey) {
    TestEnv env;
    std::vector<std::string> list = LoadHistory("SWILD", "WILD");
    EXPECT_TRUE(list.empty());
    AddToHistory("*.TXT", list);
    AddToHistory("-*.BAK;*.*", list);
    SaveHistory("SWILD", "WILD", list);

    EXPECT_EQ(plat::ProfileReadString(env.iniPath, "SWILD", "WILD!", ""), "2");
    EXPECT_EQ(plat::ProfileReadString(env.iniPath, "SWILD", "WILD:S1", ""), "-*.BAK;*.*");
    EXPECT_EQ(plat::ProfileReadString(env.iniPath, "SWILD", "WILD:S2", ""), "*.TXT");
    EXPECT_EQ(LoadHistory("SWILD", "WILD"), list);
    EXPECT_TRUE(LoadHistory("FWILD", "WILD").empty());  // other dialogs keep their own
}

TEST(History, OverlongStoredListLoadsAs25) {
    TestEnv env;
    SaveHistory("FHEX", "HEX", Numbered(40));
    std::vector<std::string> list = LoadHistory("FHEX", "HEX");
    ASSERT_EQ(list.size(), 25u);
    EXPECT_EQ(list.front(), "*.1");
    EXPECT_EQ(list.back(), "*.25");
}

}  // namespace
