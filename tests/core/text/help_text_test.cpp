// The help topics' format (reflowed paragraphs, headings, list items, links
// by topic number) and the shipped help file: every help context the windows
// open is there with real text, links name topics that exist, no text refers
// to a topic by its bare number, and every topic can be reached from the
// contents.
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "core/text/help_text.h"
#include "support/test_env.h"

namespace {

using Kind = THelpBlock::Kind;

// A block as one line: "P:", "H:" or "I:" and its spans, links as <n>.
std::string Flat(const THelpBlock& b) {
    std::string out = b.Type == Kind::Heading ? "H:" : b.Type == Kind::Item ? "I:" : "P:";
    for (const THelpSpan& s : b.Spans) out += s.Link ? "<" + std::to_string(s.Link) + ">" : s.Text;
    return out;
}

std::vector<std::string> FlatAll(const std::string& text) {
    std::vector<std::string> out;
    for (const THelpBlock& b : ParseHelpText(text)) out.push_back(Flat(b));
    return out;
}

// The text a reader sees, links left out.
std::string Reflowed(const std::vector<THelpBlock>& blocks) {
    std::string out;
    for (const THelpBlock& b : blocks)
        for (const THelpSpan& s : b.Spans) out += s.Text + " ";
    return out;
}

size_t Words(const std::vector<THelpBlock>& blocks) {
    size_t n = 0;
    for (const THelpBlock& b : blocks)
        for (const THelpSpan& s : b.Spans) {
            std::istringstream in(s.Text);
            std::string w;
            while (in >> w) ++n;
        }
    return n;
}

}  // namespace

TEST(HelpText, BlocksReflowLinesAndKeepHeadingsAndItems) {
    struct Case {
        const char* text;
        std::vector<std::string> blocks;
    };
    const Case cases[] = {
        {"one\ntwo  \n  three\n", {"P:one two three"}},
        {"first\n\n\nsecond\r\n", {"P:first", "P:second"}},
        {"## Head line\ntext\n", {"H:Head line", "P:text"}},
        {"intro\n- a\n  more of a\n- b\n\nafter", {"P:intro", "I:a more of a", "I:b", "P:after"}},
        {"see [[1005]] and [[9014]].", {"P:see <1005> and <9014>."}},
        {"[[1005]]", {"P:<1005>"}},
        // Only a number in double brackets is a link.
        {"a [[x]] b [[12 ]] c [[", {"P:a [[x]] b [[12 ]] c [["}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(FlatAll(c.text), c.blocks) << c.text;
}

TEST(HelpText, LinksComeInOrderAndTheIndexSortsByTitle) {
    EXPECT_EQ(HelpLinks(ParseHelpText("- [[3]]\n## x [[1]]\n\ny [[2]] [[3]]")), (std::vector<int>{3, 1, 2, 3}));

    TestEnv env;
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", "#topic 7 copy\r\nx\n#topic 3 Attributes\ny\n#topic 12 Delete\n"
                                                  "#topic nonsense\n#topicx 5 no\n"));
    const std::vector<plat::HelpTopicTitle> topics = plat::HelpTopicTitles();
    ASSERT_EQ(topics.size(), 3u);
    EXPECT_EQ(topics[0].topic, 7);
    EXPECT_EQ(topics[0].title, "copy");
    const std::vector<plat::HelpTopicTitle> index = HelpIndex(topics);
    EXPECT_EQ(index[0].title, "Attributes");
    EXPECT_EQ(index[1].title, "copy");
    EXPECT_EQ(index[2].title, "Delete");
    plat::SetHelpFile(env.Host("missing.hlp"));
    EXPECT_TRUE(plat::HelpTopicTitles().empty());
    plat::SetHelpFile("");
}

class ShippedHelpFile : public ::testing::Test {
protected:
    TestEnv env;
    std::map<int, std::string> titles;

    void SetUp() override {
        plat::SetHelpFile(std::string(QUILBY_SOURCE_DIR) + "/resources/Quilby.hlp");
        for (const plat::HelpTopicTitle& t : plat::HelpTopicTitles()) {
            EXPECT_TRUE(titles.emplace(t.topic, t.title).second) << "topic " << t.topic << " twice";
            EXPECT_FALSE(t.title.empty()) << t.topic;
        }
        ASSERT_FALSE(titles.empty());
    }
    void TearDown() override { plat::SetHelpFile(""); }
    std::vector<THelpBlock> Blocks(int topic) { return ParseHelpText(plat::HelpTopic(topic).value_or("")); }
};

TEST_F(ShippedHelpFile, EveryHelpContextHasRealTextAboutItsWindow) {
    // The Help menu, the main window and the option dialogs, and every
    // window and dialog with a Help button (the numbers the code passes as
    // help contexts), with a word its text must use.
    const std::map<int, std::string> contexts = {
        {1002, "tag"},        {9016, "Copy"},      {1027, "speed bar"}, {1014, "double click"},
        {9011, "Sort"},       {1005, "Copy"},      {9014, "Move"},      {1007, "Delete"},
        {9015, "overwrites"}, {1001, "Read Only"}, {1021, "Rename"},    {9000, "Create"},
        {9006, "Remove"},     {1004, "Copy"},      {9009, "wildcards"}, {9003, "date"},
        {9005, "size"},       {9002, "attributes"}, {9004, "Compare"},  {9013, "Text"},
        {1033, "wildcards"},  {1022, "search"},    {1016, "drive"},     {9007, "text file"},
        {9008, "hexadecimal"}, {9012, "picture"},
    };
    for (const auto& [topic, word] : contexts) {
        SCOPED_TRACE(topic);
        ASSERT_TRUE(titles.count(topic));
        const std::vector<THelpBlock> blocks = Blocks(topic);
        EXPECT_GE(Words(blocks), 25u);  // a few sentences, not a heading alone
        EXPECT_NE(Reflowed(blocks).find(word), std::string::npos) << word;
    }
}

TEST_F(ShippedHelpFile, LinksNameTopicsThatExistAndNoTextCitesABareNumber) {
    const std::regex bareNumber(R"((topics?|context)\s+[0-9]{3,})", std::regex::icase);
    for (const auto& [topic, title] : titles) {
        SCOPED_TRACE(topic);
        const std::string text = plat::HelpTopic(topic).value_or("");
        EXPECT_FALSE(std::regex_search(text, bareNumber));
        EXPECT_FALSE(std::regex_search(title, bareNumber));
        for (int link : HelpLinks(ParseHelpText(text))) EXPECT_TRUE(titles.count(link)) << link;
        // Leftover brackets would show as text.
        for (const THelpBlock& b : ParseHelpText(text))
            for (const THelpSpan& s : b.Spans) EXPECT_EQ(s.Text.find("[["), std::string::npos) << s.Text;
    }
}

TEST_F(ShippedHelpFile, EveryTopicCanBeReachedFromTheContents) {
    std::set<int> reached = {1002};
    std::vector<int> pending = {1002};
    while (!pending.empty()) {
        const int topic = pending.back();
        pending.pop_back();
        for (int link : HelpLinks(Blocks(topic)))
            if (reached.insert(link).second) pending.push_back(link);
    }
    for (const auto& [topic, title] : titles) EXPECT_TRUE(reached.count(topic)) << topic << " " << title;
}
