// A link that leads nowhere (a missing target, or a loop) has no bytes to
// print: sending it to a printer port names it as a broken link in the
// error prompt, the rest of the run goes on, and nothing else changes. Copied
// into a folder it stays what it is: a link with the same text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/fileops/file_loop.h"
#include "core/fileops/file_primitives.h"
#include "core/seams/progress.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

class BrokenLinkCopyTest : public ::testing::Test {
protected:
    BrokenLinkCopyTest() {
        SetProgress(&gauge);
        env.WriteFile("c/SRC/A.TXT", "page a");
        env.WriteFile("c/SRC/B.TXT", "page b");
        env.WriteFile("lpt1.out", "");
        fs::create_directories(env.Host("d/DST"));
        fs::create_symlink("../GONE/FILE.TXT", env.Host("c/SRC/DEAD.TXT"));
        fs::create_symlink("LOOP.TXT", env.Host("c/SRC/LOOP.TXT"));
    }
    ~BrokenLinkCopyTest() override { SetProgress(nullptr); }

    static TFileSet Set(const std::vector<std::string>& names) {
        TFileSet set{"C:\\SRC", {}};
        for (const auto& name : names) set.Files.push_back({name, "C:\\SRC\\" + name, 0});
        return set;
    }

    TestEnv env;
    TProgressGauge gauge;
    TFileLoop loop;
};

}  // namespace

TEST_F(BrokenLinkCopyTest, PrintingABrokenLinkNamesItAndTheRunGoesOn) {
    const auto before = TreeSnapshot(env.root);
    env.prompts.errorAnswers = {ErrorAction::SkipFile, ErrorAction::SkipFile};
    loop.CopyFiles(Set({"A.TXT", "DEAD.TXT", "LOOP.TXT", "B.TXT"}), "LPT1", true, true);

    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{
                  "Broken link: C:\\SRC\\DEAD.TXT\r\nCopying file: C:\\SRC\\DEAD.TXT\r\nto: LPT1",
                  "Broken link: C:\\SRC\\LOOP.TXT\r\nCopying file: C:\\SRC\\LOOP.TXT\r\nto: LPT1"}));
    EXPECT_EQ(env.ReadFile("lpt1.out"), "page a\x0cpage b\x0c");
    EXPECT_FALSE(loop.CancelRequested);
    // Only the port's file changed.
    EXPECT_EQ(Without(TreeSnapshot(env.root), "lpt1.out"), Without(before, "lpt1.out"));
}

TEST_F(BrokenLinkCopyTest, PrintingALinkToAFilePrintsTheFile) {
    fs::create_symlink("A.TXT", env.Host("c/SRC/TO_A.TXT"));
    EXPECT_EQ(CopyOneFile("C:\\SRC\\TO_A.TXT", "LPT1", true, true), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("lpt1.out"), "page a\x0c");
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(BrokenLinkCopyTest, CopiedIntoAFolderABrokenLinkStaysALinkWithItsText) {
    const auto before = TreeSnapshot(env.root);
    loop.CopyFiles(Set({"DEAD.TXT", "LOOP.TXT"}), "D:\\DST\\", false, true);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    auto after = TreeSnapshot(env.root);
    EXPECT_EQ(after["d/DST/DEAD.TXT"], "link -> ../GONE/FILE.TXT");
    EXPECT_EQ(after["d/DST/LOOP.TXT"], "link -> LOOP.TXT");
    EXPECT_EQ(Without(after, "d/DST"), Without(before, "d/DST"));
}
