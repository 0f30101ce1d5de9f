// A copy acts on exactly the entries the user sees: a target name that leads
// to another spelling is an existing target and asked about, naming the file
// that is there; a file the same run wrote is never replaced unasked; links
// are copied and replaced as links, never written through; devices, FIFOs
// and sockets are never opened; a source that changes while it is copied
// gives an error, never a short or mixed copy reported as done. After each
// case the whole test tree is compared byte for byte.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "support/byte_pattern.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;
using plat::FileError;
using Snapshot = std::map<std::string, std::string>;

namespace {

constexpr char kAsk[] = "\r\nAlready exists. Overwrite?";

class CopySafetyTest : public ::testing::Test {
protected:
    TestEnv env;

    void SetUp() override { fs::create_directories(env.Host("d/DST")); }
    void TearDown() override { SetCopyBlockHook(nullptr); }

    Snapshot All() const { return TreeSnapshot(env.root); }
    std::string Error(const std::string& source, const std::string& target, bool warn,
                      TCopyRun* run = nullptr) {
        try {
            CopyOneFile(source, target, warn, false, run);
        } catch (const EInOutError& e) {
            return e.what();
        }
        return "(no error)";
    }
    void Link(const std::string& text, const std::string& rel) {
        fs::create_directories(fs::path(env.Host(rel)).parent_path());
        fs::create_symlink(text, env.Host(rel));
    }
};

}  // namespace

// ------------------------------------------------------- names that lead elsewhere

TEST_F(CopySafetyTest, ATrailingDotNameLeadingToAFileWithoutItIsAskedAbout) {
    env.WriteFile("c/SRC/foo.", "dotted");
    env.WriteFile("d/DST/foo", "plain");
    const Snapshot before = All();
    const std::string question = std::string("File: D:\\DST\\foo") + kAsk;

    // One file, and a folder copy (which knows the target's names in advance).
    env.prompts.answers = {MsgResult::No, MsgResult::No};
    EXPECT_EQ(CopyOneFile("C:\\SRC\\foo.", "D:\\DST\\foo.", true, false), CopyResult::Skipped);
    CopyDirectoryFiles("C:\\SRC", "D:\\DST", true, nullptr);
    EXPECT_EQ(env.prompts.texts(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(All(), before);
}

TEST_F(CopySafetyTest, TheQuestionNamesTheFileAsItIsSpelled) {
    env.WriteFile("c/SRC/A.TXT", "new");
    env.WriteFile("d/DST/a.txt", "old");
    env.prompts.answers = {MsgResult::No};
    EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "D:\\DST\\A.TXT", true, false), CopyResult::Skipped);
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{std::string("File: D:\\DST\\a.txt") + kAsk});
    EXPECT_EQ(env.ReadFile("d/DST/a.txt"), "old");
}

TEST_F(CopySafetyTest, AFileTheRunWroteIsNeverReplacedUnasked) {
    env.WriteFile("c/SRC/a.txt", "lower");
    env.WriteFile("c/SRC/A.TXT", "upper");
    for (bool warn : {false, true}) {
        fs::remove_all(env.Host("d/DST"));
        fs::create_directories(env.Host("d/DST"));
        env.prompts.seen.clear();
        env.prompts.answers = {MsgResult::No};
        TCopyRun run;
        EXPECT_EQ(CopyOneFile("C:\\SRC\\a.txt", "D:\\DST\\a.txt", warn, false, &run), CopyResult::Copied);
        // "A.TXT" leads to the "a.txt" just written.
        EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "D:\\DST\\A.TXT", warn, false, &run),
                  CopyResult::Skipped)
            << warn;
        EXPECT_EQ(env.prompts.texts(),
                  std::vector<std::string>{std::string("File: D:\\DST\\a.txt") + kAsk})
            << warn;
        EXPECT_EQ(Below(All(), "d/DST"), (Snapshot{{"a.txt", "file lower"}})) << warn;
    }
    // Yes replaces it; another run starts with nothing written.
    env.prompts.answers = {MsgResult::Yes};
    TCopyRun run;
    EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "D:\\DST\\A.TXT", false, false, &run), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/DST/a.txt"), "upper");
    EXPECT_EQ(env.prompts.seen.size(), 1u);
}

TEST_F(CopySafetyTest, AFolderCopyAsksAboutCaseTwinsInsteadOfCollapsingThem) {
    env.WriteFile("c/SRC/a.txt", "lower");
    env.WriteFile("c/SRC/A.TXT", "upper");
    fs::create_directories(env.Host("d/DST"));
    env.prompts.answers = {MsgResult::No};
    CopyDirectoryFiles("C:\\SRC", "D:\\DST", false, nullptr);
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    // Whichever twin came first is kept whole; the other was asked about.
    const Snapshot copied = Below(All(), "d/DST");
    ASSERT_EQ(copied.size(), 1u);
    const std::string first = copied.begin()->first;
    EXPECT_EQ(env.prompts.texts()[0], "File: D:\\DST\\" + first + kAsk);
    EXPECT_EQ(copied.begin()->second, first == "a.txt" ? "file lower" : "file upper");
}

// ------------------------------------------------------------------ links

TEST_F(CopySafetyTest, ATargetThatIsALinkIsAnExistingTargetAndReplacedItself) {
    env.WriteFile("c/SRC/A.TXT", "data");
    env.WriteFile("outside/kept.txt", "outside");
    for (const char* linkText : {"../../outside/victim.txt", "../../outside/kept.txt"}) {
        fs::remove_all(env.Host("d/DST"));
        Link(linkText, "d/DST/A.TXT");
        const Snapshot before = All();
        env.prompts.seen.clear();
        // The layer itself never makes a file through a dangling link.
        if (!fs::exists(env.Host("d/DST/A.TXT"))) {
            plat::File f;
            EXPECT_EQ(plat::OpenFile("D:\\DST\\A.TXT", plat::OpenMode::CreateTruncate, f),
                      FileError::AccessDenied);
        }

        // With the warning the question is asked; No leaves everything.
        env.prompts.answers = {MsgResult::No};
        EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "D:\\DST\\A.TXT", true, false), CopyResult::Skipped);
        EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{std::string("File: D:\\DST\\A.TXT") + kAsk});
        EXPECT_EQ(All(), before) << linkText;

        // Without it the link itself gives way to a file; what it named is
        // neither made nor touched.
        EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "D:\\DST\\A.TXT", false, false), CopyResult::Copied);
        Snapshot expected = before;
        expected["d/DST/A.TXT"] = "file data";
        EXPECT_EQ(All(), expected) << linkText;
    }
}

TEST_F(CopySafetyTest, ALinkIsCopiedAsALinkAfterTheQuestion) {
    Link("../../outside/anything", "c/SRC/L");
    Link("/dev/zero", "c/SRC/ZERO");
    env.WriteFile("d/DST/L", "old file");
    env.prompts.answers = {MsgResult::No, MsgResult::Yes};
    EXPECT_EQ(CopyOneFile("C:\\SRC\\L", "D:\\DST\\L", true, false), CopyResult::Skipped);
    EXPECT_EQ(env.ReadFile("d/DST/L"), "old file");
    EXPECT_EQ(CopyOneFile("C:\\SRC\\L", "D:\\DST\\L", true, false), CopyResult::Copied);
    EXPECT_EQ(CopyOneFile("C:\\SRC\\ZERO", "D:\\DST\\ZERO", true, false), CopyResult::Copied);
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{std::string("File: D:\\DST\\L") + kAsk,
                                        std::string("File: D:\\DST\\L") + kAsk}));
    const Snapshot all = All();
    EXPECT_EQ(Below(all, "d/DST"),
              (Snapshot{{"L", "link -> ../../outside/anything"}, {"ZERO", "link -> /dev/zero"}}));
    EXPECT_FALSE(env.Exists("outside"));
}

// ------------------------------------------------------------------ special files

TEST_F(CopySafetyTest, DevicesFifosAndSocketsAreNeverOpened) {
    env.WriteFile("c/SRC/A.TXT", "a file");
    ASSERT_EQ(mkfifo(env.Host("c/SRC/PIPE").c_str(), 0666), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = env.Host("c/SRC/SOCK");
    ASSERT_LT(sockPath.size(), sizeof(addr.sun_path));
    sockPath.copy(addr.sun_path, sockPath.size());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    // Drive E: shows the host's devices.
    auto drives = plat::Drives();
    drives.push_back({'E', "/dev", plat::DriveType::Fixed, "", ""});
    plat::SetDriveTable(drives);
    const Snapshot before = All();

    for (const std::string path : {"C:\\SRC\\PIPE", "C:\\SRC\\SOCK", "E:\\zero", "E:\\null"}) {
        EXPECT_EQ(Error(path, "D:\\DST\\X", true), "Not a regular file: " + path);
        for (auto mode : {plat::OpenMode::Read, plat::OpenMode::Write, plat::OpenMode::ReadWrite,
                          plat::OpenMode::CreateTruncate}) {
            plat::File f;
            EXPECT_EQ(plat::OpenFile(path, mode, f), FileError::AccessDenied) << path;
            EXPECT_FALSE(f.IsOpen()) << path;
        }
        plat::File f;
        EXPECT_EQ(plat::OpenFile(path, plat::OpenMode::CreateNew, f), FileError::FileExists) << path;
    }
    // Nor is one written to, or replaced, as a target.
    EXPECT_EQ(Error("C:\\SRC\\A.TXT", "C:\\SRC\\PIPE", true), "Bad open of: C:\\SRC\\PIPE");
    close(sock);
    EXPECT_TRUE(env.prompts.seen.empty());
    EXPECT_EQ(All(), before);
}

TEST_F(CopySafetyTest, ASourceChangedWhileCopiedIsNeverReportedCopied) {
    const std::string data = Pattern(3 * kCopyBlockSize + 5);
    const std::string host = env.Host("c/BIG.DAT");
    struct Case {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"cut short", [&] { fs::resize_file(host, 100000); }},
        {"grown", [&] { std::ofstream(host, std::ios::app) << "more"; }},
        {"rewritten in place",
         [&] {
             std::fstream f(host, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(2 * kCopyBlockSize);
             f << "changed";
         }},
    };
    for (const Case& c : cases) {
        env.WriteFile("c/BIG.DAT", data);
        // An old date: any write now gives the file another one.
        ASSERT_EQ(plat::SetFileTime("C:\\BIG.DAT", plat::FileTime{946684800, 0}), FileError::None);
        int blocks = 0;
        SetCopyBlockHook([&] {
            if (++blocks == 1) c.change();
        });
        EXPECT_EQ(Error("C:\\BIG.DAT", "D:\\DST\\BIG.DAT", false),
                  "File changed while copied: C:\\BIG.DAT")
            << c.what;
    }
    // Unchanged, it copies whole.
    env.WriteFile("c/BIG.DAT", data);
    SetCopyBlockHook(nullptr);
    EXPECT_EQ(CopyOneFile("C:\\BIG.DAT", "D:\\DST\\BIG.DAT", false, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/DST/BIG.DAT"), data);
}
