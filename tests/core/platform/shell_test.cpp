// Starting programs and documents, and where the ini file lives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/platform/platform.h"
#include "support/test_env.h"

using namespace plat;

TEST(PlatformShell, MissingFilesAndDirectoriesMapToClassicCodes) {
    TestEnv env;
    EXPECT_EQ(ShellExecute("open", "C:\\nothing.exe", "", ""), 2);
    EXPECT_EQ(ShellExecute("open", "C:\\nodir\\nothing.exe", "", ""), 3);
    env.WriteFile("c/doc.txt", "x");
    EXPECT_EQ(ShellExecute("open", "C:\\doc.txt", "", "C:\\nodir"), 3);
}

TEST(PlatformShell, HookReplacesTheShell) {
    TestEnv env;
    std::string seen;
    SetShellHook([&](const std::string& verb, const std::string& file, const std::string& params,
                     const std::string&) {
        seen = verb + "|" + file + "|" + params;
        return 42;
    });
    EXPECT_EQ(ShellExecute("print", "C:\\a.txt", "-x", "C:\\"), 42);
    EXPECT_EQ(seen, "print|C:\\a.txt|-x");
    SetShellHook(nullptr);
}

TEST(PlatformShell, ExecutableStartsDetachedInItsDirectory) {
    TestEnv env;
    std::string script = env.WriteFile("c/run.sh", "#!/bin/sh\npwd > \"$1\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    std::string out = env.root + "/pwd.out";
    ASSERT_GT(ShellExecute("open", "C:\\run.sh", "\"" + out + "\"", "D:\\"), 32);
    // The program runs on its own: wait (bounded) until it has written its line.
    for (int i = 0; i < 1000 && env.ReadFile("pwd.out") != env.hostD + "\n"; ++i) usleep(10000);
    EXPECT_EQ(env.ReadFile("pwd.out"), env.hostD + "\n");
}

TEST(PlatformIni, LocationRule) {
    setenv("QUILBY_INI", "/x/y.ini", 1);
    EXPECT_EQ(DefaultIniPath("/opt/q/quilby"), "/x/y.ini");
    unsetenv("QUILBY_INI");
    std::string dir = std::filesystem::temp_directory_path() / "quilby-ini-loc";
    std::filesystem::create_directories(dir);
    EXPECT_EQ(DefaultIniPath(dir + "/quilby"), dir + "/quilby.INI");
    EXPECT_EQ(DefaultIniPath(dir + "/FM.EXE"), dir + "/FM.INI");
    std::filesystem::remove_all(dir);
}
