// Command-line templates: both forms of every code, the syntax failures,
// the list file, the date, the parameter prompt, and names that must stay
// one argument.
#include "core/apps/command_template.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "support/test_env.h"
#include "app_window_fake.h"

namespace {

using Args = std::vector<std::string>;

class CommandTemplate : public ::testing::Test {
protected:
    TestEnv env;
    TFakeAppWindow window;
    TCommandExpander expander;

    void SetUp() override {
        std::filesystem::create_directories(env.hostC + "/DOCS");
        expander.Window = &window;
        plat::DateTime fixed = 0;
        plat::EncodeDate(2031, 7, 4, fixed);
        expander.Now = [fixed] { return fixed + 0.5; };
    }
};

struct FormCase {
    const char* templ;
    const char* directory;
    const char* name;
    const char* text;  // Windows form
    Args args;         // host form, with "@C" and "@D" for the drives' host roots
};

Args HostArgs(const Args& args, const TestEnv& env) {
    Args out;
    for (std::string a : args) {
        for (auto [mark, root] : {std::pair{"@C", env.hostC}, std::pair{"@D", env.hostD}})
            if (size_t at = a.find(mark); at != std::string::npos) a.replace(at, 2, root);
        out.push_back(a);
    }
    return out;
}

TEST_F(CommandTemplate, EveryCodeInBothForms) {
    const FormCase cases[] = {
        {"%%", "C:\\DOCS", "A.TXT", "%", {"%"}},
        {"a%%b", "C:\\DOCS", "A.TXT", "a%b", {"a%b"}},
        {"%N", "C:\\DOCS", " README.TXT ", "README.TXT", {"README.TXT"}},
        {"%I", "C:\\DOCS", "ARCHIVE.TAR.GZ", "ARCHIVE", {"ARCHIVE"}},
        {"%I", "C:\\DOCS", "MAKEFILE", "MAKEFILE", {"MAKEFILE"}},
        {"%E", "C:\\DOCS", "ARCHIVE.TAR.GZ", "GZ", {"GZ"}},
        {"x%E", "C:\\DOCS", "MAKEFILE", "x", {"x"}},
        {"%F", "C:\\", "README.TXT", "C:README.TXT", {"@C/README.TXT"}},
        {"%F", "C:\\DOCS", "README.TXT", "C:\\DOCS\\README.TXT", {"@C/DOCS/README.TXT"}},
        {"%F", "C:\\DOCS  ", "README.TXT", "C:\\DOCS\\README.TXT", {"@C/DOCS/README.TXT"}},
        {"%P", "C:\\DOCS", "A.TXT", "C:\\DOCS\\", {"@C/DOCS/"}},
        {"%D", "D:\\", "A.TXT", "D", {"D"}},
        {"%C", "C:\\DOCS", "A.TXT", "0", {"0"}},
        {"-o %I.out %N", "C:\\DOCS", "A.TXT", "-o A.out A.TXT", {"-o", "A.out", "A.TXT"}},
        {"\"two words\" \"\"", "C:\\DOCS", "A.TXT", "\"two words\" \"\"", {"two words", ""}},
        {"%@yyyy@", "C:\\DOCS", "A.TXT", "2031", {"2031"}},
        {"%@dd t tt 'at'@", "C:\\DOCS", "A.TXT", "04 12:00 12:00:00 at", {"04 12:00 12:00:00 at"}},
        {"%@mm/dd/yy hh:nn@!", "C:\\DOCS", "A.TXT", "07/04/31 12:00!", {"07/04/31 12:00!"}},
    };
    for (const FormCase& c : cases) {
        window.directory = c.directory;
        window.current = c.name;
        auto out = expander.ExpandCommand(c.templ);
        ASSERT_TRUE(out) << c.templ;
        EXPECT_EQ(out->Text, c.text) << c.templ;
        EXPECT_EQ(out->Args, HostArgs(c.args, env)) << c.templ;
    }
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(CommandTemplate, FailuresShowTheirMessageAndStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc%", "Error: End of command line"},
        {"%*LIST.TXT", "Syntax error. Expected: ("},
        {"%*(", "Error: End of command line"},
        {"%*(LIST.TXT", "Syntax error in command line!"},
        {"%*(LIST.TXT x", "Syntax error. Expected: )"},
        {"%@yyyy", "Error: End of command line"},
        {"%Q", "Syntax error in command line!"},
    };
    for (auto [templ, message] : cases) {
        env.prompts.seen.clear();
        EXPECT_FALSE(expander.ExpandCommand(templ)) << templ;
        EXPECT_EQ(env.prompts.texts(), Args{message}) << templ;
    }
}

TEST_F(CommandTemplate, WindowCodesNeedAWindowAndFileCodesACurrentFile) {
    for (const char* templ : {"%N", "%I", "%E", "%F", "%P", "%D", "%C", "%*(L.TXT)"}) {
        TCommandExpander none;
        env.prompts.seen.clear();
        EXPECT_FALSE(none.ExpandCommand(templ)) << templ;
        EXPECT_EQ(env.prompts.texts(), Args{"Error: A directory window must be open!"}) << templ;
    }
    window.current.clear();
    for (const char* templ : {"%N", "%I", "%E", "%F"}) {
        env.prompts.seen.clear();
        EXPECT_FALSE(expander.ExpandCommand(templ)) << templ;
        EXPECT_EQ(env.prompts.texts(), Args{"Error: The cursor MUST be on a filename!"}) << templ;
    }
    // Codes that need no file work on an empty list.
    EXPECT_EQ(expander.ExpandCommand("%C %P")->Text, "0 C:\\DOCS\\");
}

TEST_F(CommandTemplate, AFileThatMayNotBeUsedStopsSilently) {
    window.saveAnswer = false;
    EXPECT_FALSE(expander.ExpandCommand("%N"));
    EXPECT_EQ(window.saveQuestions, 1);
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(CommandTemplate, ListFileHoldsTheTaggedPathsAsHostPaths) {
    window.tagged = {"C:\\DOCS\\A.TXT", "D:\\B C.TXT"};
    plat::SetCurrentDir("C:\\DOCS");
    auto out = expander.ExpandCommand("-l %*(LIST.TXT) %C");
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Text, "-l LIST.TXT 2");
    EXPECT_EQ(out->Args, (Args{"-l", env.hostC + "/DOCS/LIST.TXT", "2"}));
    EXPECT_EQ(env.ReadFile("c/DOCS/LIST.TXT"), env.hostC + "/DOCS/A.TXT\n" + env.hostD + "/B C.TXT\n");
}

TEST_F(CommandTemplate, AListFileThatCannotBeWrittenEndsTheExpansion) {
    std::filesystem::create_directories(env.hostC + "/ADIR");
    env.WriteFile("c/RO.TXT", "keep");
    ASSERT_EQ(plat::SetFileAttributes("C:\\RO.TXT", plat::faReadOnly), plat::FileError::None);
    for (const char* name : {"ADIR", "RO.TXT"}) {
        env.prompts.seen.clear();
        EXPECT_FALSE(expander.ExpandCommand(std::string("%*(C:\\") + name + ")")) << name;
        EXPECT_EQ(env.prompts.texts(), Args{std::string("Bad open of: C:\\") + name});
    }
    EXPECT_EQ(env.ReadFile("c/RO.TXT"), "keep");
    plat::InjectFault(plat::FaultOp::Write, 1, plat::FileError::DiskFull);
    window.tagged = {"C:\\A"};
    EXPECT_FALSE(expander.ExpandCommand("%*(C:\\L.TXT)"));
    EXPECT_EQ(env.prompts.last(), plat::ErrorText(plat::FileError::DiskFull));
}

TEST_F(CommandTemplate, NamesStayOneArgumentWhateverTheyHold) {
    window.current = "a b;$(touch X).txt";
    auto out = expander.ExpandCommand("-v %N \"%F\" %I");
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Args, (Args{"-v", "a b;$(touch X).txt", env.hostC + "/DOCS/a b;$(touch X).txt", "a b;$(touch X)"}));
    // A quote in a host name is carried as U+F022 and reaches the program as itself.
    window.current = "say \uF022hi\uF022.txt";
    EXPECT_EQ(expander.ExpandCommand("%N")->Args, Args{"say \"hi\".txt"});
}

TEST_F(CommandTemplate, ParameterPromptAnswersAreTypedIntoTheLine) {
    AppIni().WriteString("FPARMS", "TEXT", "last");
    env.prompts.inputAnswers = {"-x \"a b\""};
    auto out = expander.ExpandCommand("run # %#");
    ASSERT_FALSE(out);  // the second prompt is cancelled
    ASSERT_EQ(env.prompts.seen.size(), 2u);
    EXPECT_EQ(env.prompts.seen[0].caption, "Application Parameters");
    EXPECT_EQ(env.prompts.seen[0].text, "Please enter command line parameter");
    // The first answer was kept for the next prompt, and in the history.
    EXPECT_EQ(AppIni().ReadString("FPARMS", "TEXT", ""), "-x \"a b\"");
    EXPECT_EQ(LoadHistory("FPARMS", "TEXT"), Args{"-x \"a b\""});

    env.prompts.inputAnswers = {"-x \"a b\"", "%N"};
    out = expander.ExpandCommand("run # %#");
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Text, "run -x \"a b\" %N");
    EXPECT_EQ(out->Args, (Args{"run", "-x", "a b", "%N"}));
    EXPECT_EQ(LoadHistory("FPARMS", "TEXT"), (Args{"%N", "-x \"a b\""}));
}

TEST_F(CommandTemplate, ManyPercentSignsAreHarmless) {
    auto out = expander.ExpandCommand(std::string(80, '%'));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Text, std::string(40, '%'));
    EXPECT_FALSE(expander.ExpandCommand(std::string(79, '%')));
    EXPECT_EQ(env.prompts.last(), "Error: End of command line");
}

TEST(CommandLine, SplitAndJoin) {
    EXPECT_EQ(SplitCommandLine("  a  \"b c\" d\"e f\"g \"\" "), (Args{"a", "b c", "de fg", ""}));
    EXPECT_EQ(SplitCommandLine(""), Args{});
    EXPECT_EQ(JoinCommandLine({"a", "b c", "", "q\"t"}), "a \"b c\" \"\" \"q\\\"t\"");
}

}  // namespace
