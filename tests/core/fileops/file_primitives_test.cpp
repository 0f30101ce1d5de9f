#include "core/fileops/file_primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "support/byte_pattern.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using plat::FaultOp;
using plat::FileError;

namespace {

std::string ShredBytes(size_t blocks) {
    std::string s;
    for (size_t b = 0; b < blocks; ++b)
        for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
    return s;
}

std::string CopyError(const std::string& source, const std::string& target, bool warn = false,
                      bool formFeed = false) {
    try {
        CopyOneFile(source, target, warn, formFeed);
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "(no error)";
}

std::string ShredError(const std::string& path) {
    try {
        ShredOneFile(path);
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "(no error)";
}

class FilePrimitivesTest : public ::testing::Test {
protected:
    TestEnv env;
};

// ------------------------------------------------------------------ copy

TEST_F(FilePrimitivesTest, CopyCarriesDataDateAndAttributesOver) {
    const std::string data = Pattern(100000);
    env.WriteFile("c/SRC/A.TXT", data);
    fs::create_directories(env.Host("c/DST"));
    const plat::FileTime when{946684800, 123456789};
    ASSERT_EQ(plat::SetFileTime("C:\\SRC\\A.TXT", when), FileError::None);
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\A.TXT", plat::faHidden | plat::faSysFile),
              FileError::None);

    EXPECT_EQ(CopyOneFile("C:\\SRC\\A.TXT", "C:\\DST\\A.TXT", true, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("c/DST/A.TXT"), data);
    plat::FileTime copied;
    ASSERT_EQ(plat::GetFileTime("C:\\DST\\A.TXT", copied), FileError::None);
    EXPECT_EQ(copied, when);
    EXPECT_EQ(plat::GetFileAttributes("C:\\DST\\A.TXT"), plat::faHidden | plat::faSysFile);
    EXPECT_TRUE(env.prompts.seen.empty());

    // Hidden by its dot name: a copy under a plain name stays hidden; a
    // plain file copied over a hidden one comes out plain.
    env.WriteFile("c/SRC/.profile", "p");
    EXPECT_EQ(CopyOneFile("C:\\SRC\\.profile", "C:\\DST\\PROFILE", false, false), CopyResult::Copied);
    EXPECT_EQ(plat::GetFileAttributes("C:\\DST\\PROFILE"), plat::faHidden | plat::faArchive);
    env.WriteFile("c/SRC/PLAIN.TXT", "plain");
    EXPECT_EQ(CopyOneFile("C:\\SRC\\PLAIN.TXT", "C:\\DST\\A.TXT", false, false), CopyResult::Copied);
    EXPECT_EQ(plat::GetFileAttributes("C:\\DST\\A.TXT"), plat::faArchive);
}

TEST_F(FilePrimitivesTest, FilesLargerThanOneBlockCopyByteForByte) {
    for (size_t size : {kCopyBlockSize - 1, kCopyBlockSize, kCopyBlockSize + 1,
                        3 * kCopyBlockSize + kCopyBlockSize / 2}) {
        const std::string data = Pattern(size, static_cast<unsigned>(size));
        env.WriteFile("c/BIG.DAT", data);
        ASSERT_EQ(CopyOneFile("C:\\BIG.DAT", "D:\\BIG.DAT", false, false), CopyResult::Copied);
        EXPECT_EQ(env.ReadFile("d/BIG.DAT"), data) << size;
    }
}

TEST_F(FilePrimitivesTest, ReadOnlySourceGivesReadOnlyTargetThatCannotBeOverwritten) {
    env.WriteFile("c/RO.TXT", "first");
    ASSERT_EQ(plat::SetFileAttributes("C:\\RO.TXT", plat::faReadOnly | plat::faArchive),
              FileError::None);
    ASSERT_EQ(CopyOneFile("C:\\RO.TXT", "D:\\RO.TXT", false, false), CopyResult::Copied);
    EXPECT_EQ(plat::GetFileAttributes("D:\\RO.TXT") & plat::faReadOnly, plat::faReadOnly);

    env.WriteFile("c/NEW.TXT", "second");
    EXPECT_EQ(CopyError("C:\\NEW.TXT", "D:\\RO.TXT"), "Bad open of: D:\\RO.TXT");
    EXPECT_EQ(env.ReadFile("d/RO.TXT"), "first");
}

TEST_F(FilePrimitivesTest, EmptySourceGivesEmptyTargetOrOneFormFeed) {
    env.WriteFile("c/EMPTY.TXT", "");
    ASSERT_EQ(CopyOneFile("C:\\EMPTY.TXT", "D:\\E1.TXT", false, false), CopyResult::Copied);
    EXPECT_TRUE(env.Exists("d/E1.TXT"));
    EXPECT_EQ(env.ReadFile("d/E1.TXT"), "");
    ASSERT_EQ(CopyOneFile("C:\\EMPTY.TXT", "D:\\E2.TXT", false, true), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/E2.TXT"), "\x0c");
}

TEST_F(FilePrimitivesTest, OverwriteQuestionAnswers) {
    env.WriteFile("c/A.TXT", "new content");
    env.WriteFile("d/A.TXT", "old");
    const std::string question = "File: D:\\A.TXT\r\nAlready exists. Overwrite?";

    env.prompts.answers = {MsgResult::No, MsgResult::Cancel, MsgResult::Yes};
    EXPECT_EQ(CopyOneFile("C:\\A.TXT", "D:\\A.TXT", true, false), CopyResult::Skipped);
    EXPECT_EQ(env.ReadFile("d/A.TXT"), "old");
    EXPECT_EQ(CopyOneFile("C:\\A.TXT", "D:\\A.TXT", true, false), CopyResult::Aborted);
    EXPECT_EQ(env.ReadFile("d/A.TXT"), "old");
    EXPECT_EQ(CopyOneFile("C:\\A.TXT", "D:\\A.TXT", true, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/A.TXT"), "new content");

    ASSERT_EQ(env.prompts.seen.size(), 3u);
    for (const auto& seen : env.prompts.seen) {
        EXPECT_EQ(seen.text, question);
        EXPECT_EQ(seen.icon, MsgIcon::Question);
        EXPECT_EQ(seen.buttons, unsigned(mbYesNoCancel));
    }

    // Without the warning, or to a new file, nothing is asked.
    env.WriteFile("c/A.TXT", "third");
    EXPECT_EQ(CopyOneFile("C:\\A.TXT", "D:\\A.TXT", false, false), CopyResult::Copied);
    EXPECT_EQ(CopyOneFile("C:\\A.TXT", "D:\\FRESH.TXT", true, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/A.TXT"), "third");
    EXPECT_EQ(env.prompts.seen.size(), 3u);
}

TEST_F(FilePrimitivesTest, PrinterPortReceivesEachFileAndAFormFeedWithoutAQuestion) {
    env.WriteFile("c/ONE.TXT", "page one");
    env.WriteFile("c/TWO.TXT", "page two");
    env.WriteFile("lpt1.out", "");  // the port exists, yet no overwrite question
    EXPECT_EQ(CopyOneFile("C:\\ONE.TXT", "LPT1", true, true), CopyResult::Copied);
    EXPECT_EQ(CopyOneFile("C:\\TWO.TXT", "LPT1", true, true), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("lpt1.out"), "page one\x0cpage two\x0c");
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(FilePrimitivesTest, CopyOntoItselfIsRefusedAndKeepsTheFile) {
    const std::string data = Pattern(5000);
    env.WriteFile("c/DIR/Data.Txt", data);
    // Drive E: shows C:'s folder under another letter.
    auto drives = plat::Drives();
    drives.push_back({'E', env.hostC, plat::DriveType::Fixed, "", ""});
    plat::SetDriveTable(drives);
    fs::create_hard_link(env.Host("c/DIR/Data.Txt"), env.Host("c/DIR/LINK.TXT"));

    for (const char* target : {"C:\\DIR\\Data.Txt", "c:\\dir\\DATA.TXT", "E:\\DIR\\Data.Txt",
                               "C:\\DIR\\LINK.TXT"}) {
        EXPECT_EQ(CopyError("C:\\DIR\\Data.Txt", target, true),
                  "Cannot copy a file onto itself: C:\\DIR\\Data.Txt")
            << target;
        EXPECT_EQ(env.ReadFile("c/DIR/Data.Txt"), data) << target;
    }
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(FilePrimitivesTest, NamesDifferingOnlyInCaseAreTwoFiles) {
    env.WriteFile("c/note.txt", "lower");
    env.WriteFile("c/NOTE.TXT", "upper");
    EXPECT_EQ(CopyOneFile("C:\\note.txt", "C:\\NOTE.TXT", false, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("c/NOTE.TXT"), "lower");
    EXPECT_EQ(env.ReadFile("c/note.txt"), "lower");
}

TEST_F(FilePrimitivesTest, FailuresWhileCopyingGiveTheirMessagesAndKeepTheSource) {
    const std::string data = Pattern(2 * kCopyBlockSize + 77);
    env.WriteFile("c/SRC.DAT", data);

    plat::InjectFault(FaultOp::Read, 2, FileError::IoError);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\R.DAT"), "Error reading: C:\\SRC.DAT");
    // A partly written target stays as it is: one block.
    EXPECT_EQ(env.ReadFile("d/R.DAT"), data.substr(0, kCopyBlockSize));

    plat::InjectFault(FaultOp::Write, 2, FileError::DiskFull);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\W.DAT"), "Disk full?");
    EXPECT_EQ(env.ReadFile("d/W.DAT"), data.substr(0, kCopyBlockSize));

    plat::InjectFault(FaultOp::Write, 1, FileError::DiskFull);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "LPT2", false, true), "Disk full?");

    // Data that may not have reached the disk is no complete copy.
    plat::InjectFault(FaultOp::Close, 1, FileError::IoError);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\C.DAT"), "Disk full?");

    EXPECT_EQ(CopyError("C:\\NONE.DAT", "D:\\NONE.DAT"), "Bad open of: C:\\NONE.DAT");
    EXPECT_FALSE(env.Exists("d/NONE.DAT"));
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\NODIR\\SRC.DAT"), "Bad open of: D:\\NODIR\\SRC.DAT");
    plat::InjectFault(FaultOp::Open, 1, FileError::SharingViolation);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\O.DAT"), "Bad open of: C:\\SRC.DAT");
    plat::InjectFault(FaultOp::Open, 2, FileError::AccessDenied);
    EXPECT_EQ(CopyError("C:\\SRC.DAT", "D:\\O.DAT"), "Bad open of: D:\\O.DAT");

    EXPECT_EQ(env.ReadFile("c/SRC.DAT"), data);
    EXPECT_EQ(CopyOneFile("C:\\SRC.DAT", "D:\\W.DAT", false, false), CopyResult::Copied);
    EXPECT_EQ(env.ReadFile("d/W.DAT"), data);
}

// ------------------------------------------------------------------ delete

TEST_F(FilePrimitivesTest, DeleteOneFileSparesOnlyReadOnlyFiles) {
    env.WriteFile("c/PLAIN.TXT", "x");
    env.WriteFile("c/HID.TXT", "x");
    env.WriteFile("c/RO.TXT", "keep");
    plat::SetFileAttributes("C:\\HID.TXT", plat::faHidden | plat::faSysFile);
    plat::SetFileAttributes("C:\\RO.TXT", plat::faReadOnly);
    EXPECT_TRUE(DeleteOneFile("C:\\PLAIN.TXT"));
    EXPECT_TRUE(DeleteOneFile("C:\\HID.TXT"));
    EXPECT_FALSE(DeleteOneFile("C:\\RO.TXT"));
    EXPECT_FALSE(DeleteOneFile("C:\\NONE.TXT"));
    EXPECT_FALSE(env.Exists("c/PLAIN.TXT"));
    EXPECT_FALSE(env.Exists("c/HID.TXT"));
    EXPECT_EQ(env.ReadFile("c/RO.TXT"), "keep");
}

// ------------------------------------------------------------------ shred

TEST_F(FilePrimitivesTest, ShredOverwritesWholeBlocksPlusOneThenDeletes) {
    int events = 0;
    TProgressGauge gauge;
    gauge.processEvents = [&] { ++events; };
    SetProgress(&gauge);
    struct Restore {
        ~Restore() { SetProgress(nullptr); }
    } restore;

    for (auto [size, blocks] : {std::pair<size_t, size_t>{0, 1}, {300, 2}, {512, 3}}) {
        env.WriteFile("c/S.DAT", Pattern(size));
        events = 0;
        // The deletion fails, so the overwritten file can be looked at.
        plat::InjectFault(FaultOp::Delete, 1, FileError::AccessDenied);
        EXPECT_EQ(ShredError("C:\\S.DAT"), "(no error)");
        EXPECT_EQ(env.ReadFile("c/S.DAT"), ShredBytes(blocks)) << size;
        EXPECT_EQ(events, static_cast<int>(blocks) - 1) << size;
    }
    ShredOneFile("C:\\S.DAT");
    EXPECT_FALSE(env.Exists("c/S.DAT"));
}

TEST_F(FilePrimitivesTest, ShredFailuresGiveTheSystemTextAndKeepTheFile) {
    env.WriteFile("c/RO.DAT", "secret");
    plat::SetFileAttributes("C:\\RO.DAT", plat::faReadOnly);
    EXPECT_EQ(ShredError("C:\\RO.DAT"), plat::ErrorText(FileError::AccessDenied));
    EXPECT_EQ(env.ReadFile("c/RO.DAT"), "secret");

    EXPECT_EQ(ShredError("C:\\NONE.DAT"), plat::ErrorText(FileError::FileNotFound));

    env.WriteFile("c/W.DAT", Pattern(1000));
    plat::InjectFault(FaultOp::Write, 2, FileError::DiskFull);
    EXPECT_EQ(ShredError("C:\\W.DAT"), plat::ErrorText(FileError::DiskFull));
    EXPECT_TRUE(env.Exists("c/W.DAT"));
    plat::InjectFault(FaultOp::Close, 1, FileError::IoError);
    EXPECT_EQ(ShredError("C:\\W.DAT"), plat::ErrorText(FileError::IoError));
    EXPECT_TRUE(env.Exists("c/W.DAT"));
}

// ------------------------------------------------------------------ directories

TEST_F(FilePrimitivesTest, MakeDirectoryPathCreatesEveryLevel) {
    MakeDirectoryPath("C:\\A\\B\\C\\");
    EXPECT_TRUE(fs::is_directory(env.Host("c/A/B/C")));
    env.WriteFile("c/A/B/KEEP.TXT", "k");
    MakeDirectoryPath("C:\\A\\B\\C\\");  // all there: nothing happens
    EXPECT_EQ(env.ReadFile("c/A/B/KEEP.TXT"), "k");
    MakeDirectoryPath("D:\\X\\Y");
    EXPECT_TRUE(fs::is_directory(env.Host("d/X/Y")));
    MakeDirectoryPath("C:\\A\\B\\KEEP.TXT\\Z\\");  // a file in the way: passed over
    EXPECT_EQ(env.ReadFile("c/A/B/KEEP.TXT"), "k");
}

TEST_F(FilePrimitivesTest, TreeListingIsIndentedPreOrderAndPathsResolve) {
    env.WriteFile("c/ROOT/R1.TXT", "");
    env.WriteFile("c/ROOT/.hidden", "");
    env.WriteFile("c/ROOT/SUB1/S1.TXT", "");
    env.WriteFile("c/ROOT/SUB1/DEEP/D1.TXT", "");
    env.WriteFile("c/ROOT/SUB1/DEEP/D2.TXT", "");
    fs::create_directories(env.Host("c/ROOT/SUB2/EMPTY"));
    env.WriteFile("c/ROOT/SUB2/SYS.TXT", "");
    plat::SetFileAttributes("C:\\ROOT\\SUB2\\SYS.TXT", plat::faSysFile);

    TTreeListing tree("C:\\ROOT");
    const auto& lines = tree.lines;
    int64_t files = -1, dirs = -1;
    ListDirectoryTree(tree, files, dirs);
    EXPECT_EQ(files, 6);
    EXPECT_EQ(dirs, 5);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "C:\\ROOT");
    EXPECT_EQ(TreeLinePath(tree, 0), "C:\\ROOT");

    // Each directory is followed by its own subdirectories.
    auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    EXPECT_EQ(at("    DEEP"), at("  SUB1") + 1);
    EXPECT_EQ(at("    EMPTY"), at("  SUB2") + 1);

    std::set<std::string> paths;
    for (size_t k = 0; k < lines.size(); ++k) paths.insert(TreeLinePath(tree, k));
    EXPECT_EQ(paths, (std::set<std::string>{"C:\\ROOT", "C:\\ROOT\\SUB1", "C:\\ROOT\\SUB1\\DEEP",
                                            "C:\\ROOT\\SUB2", "C:\\ROOT\\SUB2\\EMPTY"}));
}

TEST_F(FilePrimitivesTest, TreeListingEdgeCases) {
    // A root without subdirectories: one line, one directory.
    env.WriteFile("d/LEAF/F.TXT", "");
    TTreeListing tree("D:\\LEAF");
    auto& lines = tree.lines;
    int64_t files = 0, dirs = 0;
    ListDirectoryTree(tree, files, dirs);
    EXPECT_EQ(lines, std::vector<std::string>{"D:\\LEAF"});
    EXPECT_EQ(dirs, 1);
    EXPECT_EQ(files, 1);

    // An empty list starts from the current directory; a drive root joins
    // its children with a single backslash.
    fs::create_directories(env.Host("d/TOP/MID"));
    ASSERT_TRUE(plat::SetCurrentDir("D:\\"));
    tree = TTreeListing();
    ListDirectoryTree(tree, files, dirs);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "D:\\");
    auto mid = std::find(lines.begin(), lines.end(), "    MID");
    ASSERT_NE(mid, lines.end());
    EXPECT_EQ(TreeLinePath(tree, mid - lines.begin()), "D:\\TOP\\MID");

    // A link back to a directory above ends, it is not followed for ever.
    fs::create_directories(env.Host("c/LOOP/A"));
    fs::create_directory_symlink(env.Host("c/LOOP"), env.Host("c/LOOP/A/BACK"));
    tree = TTreeListing("C:\\LOOP");
    ListDirectoryTree(tree, files, dirs);
    EXPECT_EQ(lines, (std::vector<std::string>{"C:\\LOOP", "  A"}));
    EXPECT_EQ(dirs, 2);
}

TEST_F(FilePrimitivesTest, LinkedDirectoriesOutsideTheTreeAreNeverEntered) {
    env.WriteFile("d/OUTSIDE/PRECIOUS.TXT", "keep");
    env.WriteFile("c/TREE/SUB/F.TXT", "");
    fs::create_directory_symlink(env.Host("d/OUTSIDE"), env.Host("c/TREE/SUB/LINK"));
    TTreeListing tree("C:\\TREE");
    int64_t files = 0, dirs = 0;
    ListDirectoryTree(tree, files, dirs);
    EXPECT_EQ(tree.lines, (std::vector<std::string>{"C:\\TREE", "  SUB"}));
    EXPECT_EQ(files, 2);  // F.TXT and the link itself
    // Clearing the directory removes the link, not what it points to.
    EXPECT_TRUE(DeleteDirectoryFiles("C:\\TREE\\SUB", true));
    EXPECT_FALSE(fs::exists(fs::symlink_status(env.Host("c/TREE/SUB/LINK"))));
    EXPECT_EQ(env.ReadFile("d/OUTSIDE/PRECIOUS.TXT"), "keep");
}

TEST_F(FilePrimitivesTest, DeleteDirectoryFilesKeepsSubdirectories) {
    env.WriteFile("c/DIR/A.TXT", "");
    env.WriteFile("c/DIR/.hidden", "");
    env.WriteFile("c/DIR/SYS.TXT", "");
    env.WriteFile("c/DIR/SUB/KEEP.TXT", "k");
    plat::SetFileAttributes("C:\\DIR\\SYS.TXT", plat::faSysFile);
    EXPECT_TRUE(DeleteDirectoryFiles("C:\\DIR", false));
    EXPECT_EQ(std::distance(fs::directory_iterator(env.Host("c/DIR")), fs::directory_iterator()), 1);
    EXPECT_EQ(env.ReadFile("c/DIR/SUB/KEEP.TXT"), "k");
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(FilePrimitivesTest, DeleteDirectoryFilesStopsAtTheFirstFailure) {
    env.WriteFile("c/Dir/ro.txt", "ro");
    plat::SetFileAttributes("C:\\Dir\\ro.txt", plat::faReadOnly);
    EXPECT_FALSE(DeleteDirectoryFiles("C:\\Dir", false));
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    EXPECT_EQ(env.prompts.last(), "Error Deleting: C:\\DIR\\RO.TXT");
    EXPECT_EQ(env.prompts.seen[0].icon, MsgIcon::Error);
    EXPECT_EQ(env.prompts.seen[0].buttons, unsigned(mbOK));
    EXPECT_EQ(env.ReadFile("c/Dir/ro.txt"), "ro");

    // Clearing the attributes first lets the read-only file go.
    EXPECT_TRUE(DeleteDirectoryFiles("C:\\Dir", true));
    EXPECT_FALSE(env.Exists("c/Dir/ro.txt"));

    // The first failing file ends the run: nothing after it is deleted.
    for (const char* name : {"c/Dir/1.TXT", "c/Dir/2.TXT", "c/Dir/3.TXT"}) env.WriteFile(name, "");
    plat::InjectFault(FaultOp::Delete, 1, FileError::SharingViolation);
    EXPECT_FALSE(DeleteDirectoryFiles("C:\\Dir", true));
    EXPECT_EQ(std::distance(fs::directory_iterator(env.Host("c/Dir")), fs::directory_iterator()), 3);
    EXPECT_EQ(env.prompts.seen.size(), 2u);
}

TEST_F(FilePrimitivesTest, CopyDirectoryFilesCopiesFilesOnly) {
    env.WriteFile("c/SRC/A.TXT", "a");
    env.WriteFile("c/SRC/.hidden", "h");
    env.WriteFile("c/SRC/SUB/NOT.TXT", "n");
    fs::create_directories(env.Host("d/DST"));
    std::set<std::string> announced;
    CopyDirectoryFiles("C:\\SRC", "D:\\DST\\", true,
                       [&](const std::string& name) { announced.insert(name); });
    EXPECT_EQ(announced, (std::set<std::string>{"A.TXT", ".hidden"}));
    EXPECT_EQ(env.ReadFile("d/DST/A.TXT"), "a");
    EXPECT_EQ(env.ReadFile("d/DST/.hidden"), "h");
    EXPECT_FALSE(env.Exists("d/DST/SUB"));

    // Cancel at the overwrite question ends the directory with ECopyDir.
    env.prompts.answers = {MsgResult::Cancel};
    try {
        CopyDirectoryFiles("C:\\SRC", "D:\\DST", true, nullptr);
        ADD_FAILURE() << "no ECopyDir";
    } catch (const ECopyDir& e) {
        EXPECT_STREQ(e.what(), "Process aborted!");
    }

    // I/O errors reach the caller.
    EXPECT_THROW(CopyDirectoryFiles("C:\\SRC", "D:\\NODIR", false, nullptr), EInOutError);
}

TEST_F(FilePrimitivesTest, CopyDirectoryFilesAsksForEveryNameAlreadyThereInAnyCase) {
    env.WriteFile("c/SRC/README.TXT", "new readme");
    env.WriteFile("c/SRC/a.txt", "lower a");
    env.WriteFile("c/SRC/A.TXT", "upper a");
    env.WriteFile("d/DST/readme.txt", "old readme");
    env.prompts.answers = {MsgResult::No, MsgResult::No};
    CopyDirectoryFiles("C:\\SRC", "D:\\DST", true, nullptr);
    // readme.txt was there before; one of a.txt / A.TXT was made by this copy.
    ASSERT_EQ(env.prompts.seen.size(), 2u);
    EXPECT_EQ(env.prompts.seen[0].text.rfind("File: D:\\DST\\", 0), 0u);
    EXPECT_EQ(env.ReadFile("d/DST/readme.txt"), "old readme");
    EXPECT_FALSE(env.Exists("d/DST/README.TXT"));
    EXPECT_EQ(std::distance(fs::directory_iterator(env.Host("d/DST")), fs::directory_iterator()), 2);

    // A folder copied into itself: every file is refused, none is lost.
    EXPECT_THROW(CopyDirectoryFiles("C:\\SRC", "C:\\SRC", false, nullptr), EInOutError);
    EXPECT_EQ(env.ReadFile("c/SRC/a.txt"), "lower a");
    EXPECT_EQ(env.ReadFile("c/SRC/A.TXT"), "upper a");
    EXPECT_EQ(env.ReadFile("c/SRC/README.TXT"), "new readme");
}

TEST(AddBackslashTest, EndsWithExactlyOneBackslash) {
    EXPECT_EQ(AddBackslash("C:\\DIR"), "C:\\DIR\\");
    EXPECT_EQ(AddBackslash("C:\\DIR  "), "C:\\DIR  \\");  // the blanks are the name's
    EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
    EXPECT_EQ(AddBackslash("C:\\DIR\t"), "C:\\DIR\t\\");
    EXPECT_EQ(AddBackslash(""), "\\");
}

}  // namespace
