// Tree removal and tree copy act on exactly the entries of the tree the user
// chose: names keep their blanks, links are removed and copied as links and
// never followed, and whatever cannot be copied (a device or pipe, an
// unreadable or vanished directory) is named. After each run, everything
// outside the operation's own tree is compared byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "core/fileops/dir_tree_copy.h"
#include "core/fileops/dir_tree_remove.h"
#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

using Snapshot = std::map<std::string, std::string>;

const char kCopyFailed[] = "Error Copying files: \n\r";

class TreeSafetyTest : public ::testing::Test {
protected:
    TestEnv env;

    // What the two drives hold.
    Snapshot Drives() const { return DrivesSnapshot(env.root); }
    void Link(const std::string& target, const std::string& rel) {
        fs::create_directories(fs::path(env.Host(rel)).parent_path());
        fs::create_symlink(target, env.Host(rel));
    }
    static TTreeListing List(const std::string& root) {
        TTreeListing tree(root);
        int64_t files = 0, dirs = 0;
        ListDirectoryTree(tree, files, dirs);
        return tree;
    }
    void Remove(const std::string& root, bool keep, bool deleteFiles, bool override = true) {
        TTreeRemoval run;
        run.KeepStructure = keep;
        run.DeleteFiles = deleteFiles;
        run.OverrideAttributes = override;
        run.Run(List(root));
    }
    void Copy(const std::string& root, const std::string& destination, const std::string& base) {
        TTreeCopy run;
        run.Destination = destination;
        run.BaseName = base;
        run.WarnOverwrite = true;
        run.Run(List(root));
    }
};

}  // namespace

// ------------------------------------------------------------------ blanks

TEST_F(TreeSafetyTest, NamesKeepTheirBlanksInTreePaths) {
    // "  two" follows a sibling: read by its leading blanks alone it would
    // be a child of A named "two".
    env.WriteFile("c/SRC/A/a.txt", "a");
    env.WriteFile("c/SRC/  two/t.txt", "two blanks");
    env.WriteFile("c/SRC/ lead/trail /x.txt", "x");
    env.WriteFile("c/SRC/ lead/trail/y.txt", "a different folder");
    const TTreeListing tree = List("C:\\SRC");
    std::set<std::string> paths;
    for (size_t k = 0; k < tree.lines.size(); ++k) paths.insert(TreeLinePath(tree, k));
    EXPECT_EQ(paths, (std::set<std::string>{"C:\\SRC", "C:\\SRC\\A", "C:\\SRC\\  two",
                                            "C:\\SRC\\ lead", "C:\\SRC\\ lead\\trail ",
                                            "C:\\SRC\\ lead\\trail"}));

    fs::create_directories(env.Host("d/DST"));
    const Snapshot before = Drives();
    Copy("C:\\SRC", "D:\\DST", "SRC");
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    const Snapshot after = Drives();
    EXPECT_EQ(Below(after, "d/DST/SRC"), Below(before, "c/SRC"));
    EXPECT_EQ(Without(after, "d/DST/SRC"), before);
}

TEST_F(TreeSafetyTest, RemovingARootWithATrailingBlankLeavesTheNameWithout) {
    env.WriteFile("c/t/old /gone.txt", "gone");
    env.WriteFile("c/t/old /SUB/deep.txt", "gone too");
    env.WriteFile("c/t/old/keep.txt", "keep");
    env.WriteFile("c/t/old/SUB/keep.txt", "keep too");
    const Snapshot before = Drives();
    Remove("C:\\t\\old ", false, true);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(Drives(), Without(before, "c/t/old "));
}

// ------------------------------------------------------------------ removal and links

TEST_F(TreeSafetyTest, RemovingALinkRemovesTheLinkOnly) {
    env.WriteFile("d/OUT/precious.txt", "keep");
    env.WriteFile("d/OUT/SUB/more.txt", "keep too");
    Link(env.Host("d/OUT"), "c/T/LINK");
    const TTreeListing tree = List("C:\\T\\LINK");
    EXPECT_EQ(tree.lines, std::vector<std::string>{"C:\\T\\LINK"});  // never entered

    struct Case {
        bool keep, deleteFiles, linkGoes;
    };
    for (const Case c : {Case{true, true, true}, Case{false, true, true}, Case{false, false, true},
                         Case{true, false, false}}) {
        SCOPED_TRACE(testing::Message() << "keep " << c.keep << " delete " << c.deleteFiles);
        if (!fs::is_symlink(env.Host("c/T/LINK"))) Link(env.Host("d/OUT"), "c/T/LINK");
        const Snapshot before = Drives();
        Remove("C:\\T\\LINK", c.keep, c.deleteFiles);
        EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
        EXPECT_EQ(Drives(), c.linkGoes ? Without(before, "c/T/LINK") : before);
    }
}

TEST_F(TreeSafetyTest, RemovalNeverChangesWhatALinkInsideTheTreeNames) {
    env.WriteFile("d/OUT/ro.txt", "read-only, outside");
    ASSERT_EQ(plat::SetFileAttributes("D:\\OUT\\ro.txt", plat::faReadOnly), plat::FileError::None);
    env.WriteFile("c/TREE/own.txt", "own");
    ASSERT_EQ(plat::SetFileAttributes("C:\\TREE\\own.txt", plat::faReadOnly), plat::FileError::None);
    Link(env.Host("d/OUT/ro.txt"), "c/TREE/SUB/ro-link");
    Link(env.Host("d/OUT"), "c/TREE/SUB/dir-link");
    const Snapshot before = Drives();
    Remove("C:\\TREE", false, true, true);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(Drives(), Without(before, "c/TREE"));
    EXPECT_EQ(plat::GetFileAttributes("D:\\OUT\\ro.txt") & plat::faReadOnly, plat::faReadOnly);
}

// ------------------------------------------------------------------ copy and links

TEST_F(TreeSafetyTest, ATreeCopyMakesLinksAgainAndFollowsNone) {
    env.WriteFile("d/OUT/outside.txt", "outside");
    env.WriteFile("c/SRC/file.txt", "file");
    Link(env.Host("d/OUT"), "c/SRC/to-dir");           // a directory elsewhere
    Link("/dev/null", "c/SRC/to-device");              // a device
    Link("/", "c/SRC/to-root");                        // the whole host
    Link("..", "c/SRC/SUB/loop");                      // a loop inside the tree
    Link(env.hostD, "c/SRC/SUB/to-drive");             // another drive
    Link("nowhere", "c/SRC/SUB/dangling");
    fs::create_directories(env.Host("d/DST"));
    const Snapshot before = Drives();
    Copy("C:\\SRC", "D:\\DST", "COPY");
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    const Snapshot after = Drives();
    EXPECT_EQ(Below(after, "d/DST/COPY"), Below(before, "c/SRC"));
    EXPECT_EQ(Without(after, "d/DST/COPY"), before);
}

TEST_F(TreeSafetyTest, ARootThatIsALinkIsCopiedAsThatLink) {
    env.WriteFile("d/OUT/outside.txt", "outside");
    Link(env.Host("d/OUT"), "c/LINK");
    fs::create_directories(env.Host("d/DST"));
    const Snapshot before = Drives();
    Copy("C:\\LINK", "D:\\DST", "");
    Copy("C:\\LINK", "D:\\DST", "BASE");
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    Snapshot expected = before;
    expected["d/DST/LINK"] = expected["d/DST/BASE"] = "link -> " + env.Host("d/OUT");
    EXPECT_EQ(Drives(), expected);
}

TEST_F(TreeSafetyTest, ATargetDirectoryThatIsALinkIsNeverWrittenThrough) {
    env.WriteFile("c/SRC/SUB/new.txt", "new");
    env.WriteFile("d/ELSE/old.txt", "old");
    Link(env.Host("d/ELSE"), "d/DST/SRC/SUB");
    const Snapshot before = Drives();
    Copy("C:\\SRC", "D:\\DST", "SRC");
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Error Creating: D:\\DST\\SRC\\SUB\n\r" +
                                       plat::ErrorText(plat::FileError::AlreadyExists)});
    EXPECT_EQ(Drives(), before);
}

// ------------------------------------------------------------------ what cannot be copied

TEST_F(TreeSafetyTest, APipeIsNeverOpenedAndIsNamedAtTheEnd) {
    env.WriteFile("c/SRC/a.txt", "a");
    env.WriteFile("c/SRC/SUB/b.txt", "b");
    ASSERT_EQ(mkfifo(env.Host("c/SRC/SUB/pipe").c_str(), 0644), 0);
    fs::create_directories(env.Host("d/DST"));
    const Snapshot before = Drives();
    Copy("C:\\SRC", "D:\\DST", "SRC");
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Not copied: devices, pipes and sockets are never read.\r\n"
                                       "C:\\SRC\\SUB\\pipe"});
    Snapshot expected = before;
    expected["d/DST/SRC"] = expected["d/DST/SRC/SUB"] = "dir";
    expected["d/DST/SRC/a.txt"] = "file a";
    expected["d/DST/SRC/SUB/b.txt"] = "file b";
    EXPECT_EQ(Drives(), expected);
}

TEST_F(TreeSafetyTest, AVanishedDirectoryIsNamedAndTheRestIsCopied) {
    env.WriteFile("c/SRC/a.txt", "a");
    env.WriteFile("c/SRC/GONE/g.txt", "g");
    env.WriteFile("c/SRC/GONE/DEEP/d.txt", "d");
    env.WriteFile("c/SRC/LATER/l.txt", "l");
    fs::create_directories(env.Host("d/DST"));
    const TTreeListing tree = List("C:\\SRC");
    fs::remove_all(env.Host("c/SRC/GONE"));
    const Snapshot before = Drives();
    TTreeCopy run;
    run.Destination = "D:\\DST";
    run.BaseName = "SRC";
    run.Run(tree);  // Retry (go on) is the scripted answer
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{
                  std::string(kCopyFailed) + "Cannot read the directory: C:\\SRC\\GONE",
                  std::string(kCopyFailed) + "Cannot read the directory: C:\\SRC\\GONE\\DEEP"}));
    Snapshot expected = before;
    expected["d/DST/SRC"] = expected["d/DST/SRC/LATER"] = "dir";
    expected["d/DST/SRC/a.txt"] = "file a";
    expected["d/DST/SRC/LATER/l.txt"] = "file l";
    EXPECT_EQ(Drives(), expected);
}

TEST_F(TreeSafetyTest, AnUnreadableDirectoryIsNamedAndTheRestIsCopied) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the copy as another user";
    // The copy runs as an unprivileged user, for whom permission bits count.
    env.WriteFile("c/SRC/a.txt", "a");
    env.WriteFile("c/SRC/LOCKED/secret.txt", "s");
    env.WriteFile("c/SRC/OPEN/o.txt", "o");
    fs::create_directories(env.Host("d/DST"));
    for (const std::string& dir : {env.root, env.hostC, env.hostD, env.Host("c/SRC"),
                                   env.Host("c/SRC/OPEN")})
        chmod(dir.c_str(), 0755);
    chmod(env.Host("d/DST").c_str(), 0777);
    chmod(env.Host("c/SRC/LOCKED").c_str(), 0311);  // enter, but not read
    for (const char* file : {"c/SRC/a.txt", "c/SRC/OPEN/o.txt"}) chmod(env.Host(file).c_str(), 0644);
    const Snapshot before = Drives();

    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(channel[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        Copy("C:\\SRC", "D:\\DST", "SRC");
        std::string texts;
        for (const auto& t : env.prompts.texts()) texts += t + '\x1f';
        const bool written = write(channel[1], texts.data(), texts.size()) == ssize_t(texts.size());
        _exit(written ? 0 : 3);
    }
    close(channel[1]);
    std::string texts;
    char buf[512];
    for (ssize_t n; (n = read(channel[0], buf, sizeof buf)) > 0;) texts.append(buf, size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    EXPECT_EQ(texts, std::string(kCopyFailed) + "Cannot read the directory: C:\\SRC\\LOCKED\x1f");
    const Snapshot after = Drives();
    EXPECT_EQ(Without(after, "d/DST/SRC"), before);
    EXPECT_EQ(Below(after, "d/DST/SRC"), (Snapshot{{"a.txt", "file a"},
                                                   {"LOCKED", "dir"},
                                                   {"OPEN", "dir"},
                                                   {"OPEN/o.txt", "file o"}}));
}
