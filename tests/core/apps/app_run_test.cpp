// Running applications and typed commands through the shell.
#include "core/apps/app_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "app_window_fake.h"

namespace {

using Args = std::vector<std::string>;

struct TStart {
    std::string program;
    Args args;
    std::string dir;
};

class AppRun : public ::testing::Test {
protected:
    TestEnv env;
    TFakeAppWindow window;
    TCommandExpander expander;
    std::vector<TStart> starts;
    int answer = 42;

    void SetUp() override {
        expander.Window = &window;
        plat::SetShellStartHook([this](const std::string& p, const Args& a, const std::string& d) {
            starts.push_back({p, a, d});
            return answer;
        });
    }
};

TEST_F(AppRun, StartsTheProgramInItsDirectoryOrTheWindows) {
    EXPECT_TRUE(RunApplication({"", "Ed", "C:\\BIN\\ED", "D:\\WORK", "-n %N", false}, expander));
    EXPECT_TRUE(RunApplication({"", "Ed", "ed", "", "%D", false}, expander));
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].program, "C:\\BIN\\ED");
    EXPECT_EQ(starts[0].args, (Args{"-n", "README.TXT"}));
    EXPECT_EQ(starts[0].dir, "D:\\WORK");
    EXPECT_EQ(starts[1].args, Args{"C"});
    EXPECT_EQ(starts[1].dir, "C:\\DOCS");
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(AppRun, TestModeShowsTheLineAndStartsNothing) {
    window.current = "a b.txt";
    EXPECT_FALSE(RunApplication({"", "T", "ed", "", "-v %N", true}, expander));
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(env.prompts.texts(), Args{"Command line is: \n-v \"a b.txt\""});
}

TEST_F(AppRun, NothingStartsWithoutAWindowOrAfterAFailedExpansion) {
    TCommandExpander none;
    EXPECT_FALSE(RunApplication({"", "X", "ed", "", "plain", false}, none));
    EXPECT_FALSE(RunApplication({"", "X", "ed", "C:\\", "%Z", false}, expander));
    EXPECT_TRUE(RunApplication({"", "X", "ed", "C:\\", "plain", false}, none));
    EXPECT_EQ(env.prompts.texts(), (Args{"A directory form MUST be active!", "Syntax error in command line!"}));
    EXPECT_EQ(starts.size(), 1u);
}

TEST_F(AppRun, ShellFailuresShowTheirMessage) {
    const std::pair<int, const char*> cases[] = {
        {2, "File not found"}, {3, "Path not found"}, {5, "Share Error"},
        {6, "Out of memory"},  {31, "No association for file"}, {0, "Error loading file"}, {11, "Error loading file"},
    };
    for (auto [code, message] : cases) {
        answer = code;
        env.prompts.seen.clear();
        EXPECT_FALSE(StartProgram("x", {}, "C:\\")) << code;
        EXPECT_EQ(env.prompts.texts(), Args{message}) << code;
    }
    answer = 32;
    EXPECT_TRUE(StartProgram("x", {}, "C:\\"));
}

TEST(TypedCommand, ProgramArgumentsAndDirectory) {
    TTypedCommand c = ParseTypedCommand("C:\\TOOLS\\EDIT.EXE NOTES.TXT");
    EXPECT_EQ(c.Program, "C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(c.Args, Args{"NOTES.TXT"});
    EXPECT_EQ(c.Directory, "C:\\TOOLS\\");
    c = ParseTypedCommand("ls   -l  \"a b\"  ");
    EXPECT_EQ(c.Program, "ls");
    EXPECT_EQ(c.Parameters, "-l  \"a b\"");
    EXPECT_EQ(c.Args, (Args{"-l", "a b"}));
    EXPECT_EQ(c.Directory, "");
    EXPECT_EQ(ParseTypedCommand("D:PROG").Directory, "D:");
}

// The real shell: a missing program or directory, and a script that
// records what it was given.
TEST(ShellStart, RealStartsHandOverEachArgumentAsItIs) {
    TestEnv env;
    EXPECT_EQ(plat::ShellStart("C:\\NOPE.EXE", {}, ""), 2);
    EXPECT_EQ(plat::ShellStart("C:\\NODIR\\NOPE.EXE", {}, ""), 3);
    EXPECT_EQ(plat::ShellStart("quilby-no-such-program-anywhere", {}, ""), 2);
    EXPECT_EQ(plat::ShellStart("C:\\X", {}, "C:\\NODIR"), 3);

    const std::string script = env.WriteFile(
        "c/BIN/record.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.tmp\nmv args.tmp args.out\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    std::filesystem::create_directories(env.hostD + "/WORK");
    const std::string odd = "a b;$(touch X).txt";
    ASSERT_GT(plat::ShellStart("C:\\BIN\\record.sh", {odd, "`touch Y`", ""}, "D:\\WORK"), 32);
    for (int i = 0; i < 1000 && !env.Exists("d/WORK/args.out"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(env.ReadFile("d/WORK/args.out"), odd + "\n`touch Y`\n\n");
    EXPECT_FALSE(env.Exists("d/WORK/X"));
    EXPECT_FALSE(env.Exists("d/WORK/Y"));
    // A bare name is found in the working directory.
    std::filesystem::remove(env.hostD + "/WORK/args.out");
    std::filesystem::copy_file(script, env.hostD + "/WORK/rec");
    ASSERT_GT(plat::ShellStart("rec", {"1"}, "D:\\WORK"), 32);
    for (int i = 0; i < 1000 && !env.Exists("d/WORK/args.out"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(env.ReadFile("d/WORK/args.out"), "1\n");
}

}  // namespace
