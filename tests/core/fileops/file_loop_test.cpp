#include "core/fileops/file_loop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "support/byte_pattern.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using plat::FaultOp;
using plat::FileError;

namespace {

class FileLoopTest : public ::testing::Test {
protected:
    FileLoopTest() {
        SetProgress(&gauge);
        fs::create_directories(env.Host("d/DST"));
    }
    ~FileLoopTest() override { SetProgress(nullptr); }

    // Three source files of two and a half blocks: three writes each.
    void MakeSources() {
        for (int i = 1; i <= 3; ++i) {
            data[i] = Pattern(2 * kCopyBlockSize + kCopyBlockSize / 2, i);
            env.WriteFile("c/SRC/F" + std::to_string(i) + ".DAT", data[i]);
        }
    }
    std::string Source(int i) const { return env.ReadFile("c/SRC/F" + std::to_string(i) + ".DAT"); }
    std::string Target(int i) const { return env.ReadFile("d/DST/F" + std::to_string(i) + ".DAT"); }
    bool TargetExists(int i) const { return env.Exists("d/DST/F" + std::to_string(i) + ".DAT"); }

    // A file set of rows listed in C:\SRC, each with the path its window
    // gives (blanks at the end of a listed name are not part of the file's).
    static TFileSet Set(const std::vector<std::string>& rows) {
        TFileSet set{"C:\\SRC", {}};
        for (const auto& row : rows) set.Files.push_back({row, "C:\\SRC\\" + plat::TrimRight(row)});
        return set;
    }
    // The copy and move dialogs' runs.
    void CopyRows(const std::vector<std::string>& rows, bool warn = false) {
        loop.CopyFiles(Set(rows), "D:\\DST\\", false, warn);
    }
    void MoveRows(const std::vector<std::string>& rows) { loop.MoveFiles(Set(rows), "D:\\DST\\", true); }

    TestEnv env;
    TProgressGauge gauge;
    TFileLoop loop;
    std::string data[4];
};

const std::string kDiskFullOnF2 =
    "Disk full?\r\nCopying file: C:\\SRC\\F2.DAT\r\nto: D:\\DST\\F2.DAT";

TEST_F(FileLoopTest, DiskFullMidFileThenRetryCopiesTheFileCompletely) {
    MakeSources();
    plat::InjectFault(FaultOp::Write, 5, FileError::DiskFull);  // F2's second block
    env.prompts.errorAnswers = {ErrorAction::Retry};
    CopyRows({"F1.DAT", "F2.DAT  ", "F3.DAT"});
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{kDiskFullOnF2});
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Target(i), data[i]) << i;
        EXPECT_EQ(Source(i), data[i]) << i;
    }
    EXPECT_FALSE(loop.CancelRequested);
    EXPECT_FALSE(loop.OperationRunning);
}

TEST_F(FileLoopTest, AbortStopsTheRestAndSkipGoesOn) {
    MakeSources();
    plat::InjectFault(FaultOp::Write, 5, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    CopyRows({"F1.DAT", "F2.DAT", "F3.DAT"});
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{kDiskFullOnF2});
    EXPECT_TRUE(loop.CancelRequested);
    EXPECT_EQ(Target(1), data[1]);
    EXPECT_EQ(Target(2), data[2].substr(0, kCopyBlockSize));  // left as written, reported
    EXPECT_FALSE(TargetExists(3));

    fs::remove_all(env.Host("d/DST"));
    fs::create_directories(env.Host("d/DST"));
    plat::InjectFault(FaultOp::Write, 5, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    CopyRows({"F1.DAT", "F2.DAT", "F3.DAT"});
    EXPECT_FALSE(loop.CancelRequested);
    EXPECT_EQ(Target(1), data[1]);
    EXPECT_EQ(Target(2), data[2].substr(0, kCopyBlockSize));
    EXPECT_EQ(Target(3), data[3]);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Source(i), data[i]) << i;
}

TEST_F(FileLoopTest, CancelAtTheOverwriteQuestionStopsBeforeTheNextFile) {
    MakeSources();
    env.WriteFile("d/DST/F2.DAT", "old");
    env.prompts.answers = {MsgResult::Cancel};
    CopyRows({"F1.DAT", "F2.DAT", "F3.DAT"}, true);
    EXPECT_TRUE(loop.CancelRequested);
    EXPECT_EQ(Target(1), data[1]);
    EXPECT_EQ(Target(2), "old");
    EXPECT_FALSE(TargetExists(3));
}

TEST_F(FileLoopTest, MoveNeverDeletesASourceWhoseCopyFailed) {
    MakeSources();
    plat::InjectFault(FaultOp::Write, 2, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    MoveRows({"F1.DAT", "F2.DAT"});
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{
                  "Disk full?\r\nMoving file: C:\\SRC\\F1.DAT\r\nto: D:\\DST\\F1.DAT"});
    EXPECT_EQ(Source(1), data[1]);
    EXPECT_FALSE(env.Exists("c/SRC/F2.DAT"));
    EXPECT_EQ(Target(2), data[2]);

    // Onto itself: refused, so the move keeps its only copy.
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    std::string source = "C:\\SRC\\F1.DAT";
    loop.Run(
        1,
        [&](size_t) {
            if (CopyOneFile(source, source, false, false) == CopyResult::Copied)
                loop.DeleteStep(source);
            return LoopStep::Next;
        },
        [&](size_t, const std::string& e) { return MovePrompt(e, source, source); });
    EXPECT_EQ(Source(1), data[1]);

    // No to the overwrite question keeps the source too.
    env.WriteFile("d/DST/F3.DAT", "old");
    env.prompts.answers = {MsgResult::No};
    MoveRows({"F3.DAT"});
    EXPECT_EQ(Source(3), data[3]);
    EXPECT_EQ(Target(3), "old");
}

TEST_F(FileLoopTest, AResultSetKeepsEachNamesDirectoriesAndNeverReplacesItsOwnCopies) {
    env.WriteFile("c/SRC/A/X.TXT", "ax");
    env.WriteFile("c/SRC/B/C/X.TXT", "bcx");
    env.WriteFile("c/SRC/Z.TXT", "z");
    const TFileSet set{"C:\\SRC",
                       {{"A\\X.TXT", "C:\\SRC\\A\\X.TXT", 2},
                        {"B\\C\\X.TXT", "C:\\SRC\\B\\C\\X.TXT", 3},
                        {"C:\\SRC\\Z.TXT", "C:\\SRC\\Z.TXT", 1}}};
    loop.CopyFiles(set, "D:\\DST\\", false, false);
    EXPECT_TRUE(env.prompts.texts().empty());
    EXPECT_EQ(env.ReadFile("d/DST/A/X.TXT"), "ax");
    EXPECT_EQ(env.ReadFile("d/DST/B/C/X.TXT"), "bcx");
    EXPECT_EQ(env.ReadFile("d/DST/Z.TXT"), "z");

    // Moved into one directory, the two X.TXT meet: the second is asked
    // about even without the warning, and No keeps both sources' bytes.
    env.prompts.answers = {MsgResult::No};
    loop.MoveFiles(set, "D:\\DST\\B\\", false);
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"File: D:\\DST\\B\\X.TXT\r\nAlready exists. Overwrite?"});
    EXPECT_EQ(env.ReadFile("d/DST/B/X.TXT"), "ax");
    EXPECT_FALSE(env.Exists("c/SRC/A/X.TXT"));
    EXPECT_EQ(env.ReadFile("c/SRC/B/C/X.TXT"), "bcx");
    EXPECT_EQ(env.ReadFile("d/DST/B/Z.TXT"), "z");
    EXPECT_FALSE(env.Exists("c/SRC/Z.TXT"));
    EXPECT_EQ(env.ReadFile("d/DST/B/C/X.TXT"), "bcx");
}

TEST_F(FileLoopTest, MoveOfAReadOnlyFileAsksAboutTheDeletion) {
    env.WriteFile("c/SRC/RO.TXT", "ro");
    env.WriteFile("c/SRC/B.TXT", "b");
    env.WriteFile("c/SRC/C.TXT", "c");
    plat::SetFileAttributes("C:\\SRC\\RO.TXT", plat::faReadOnly);
    plat::InjectFault(FaultOp::Delete, 2, FileError::SharingViolation);  // B.TXT, once
    env.prompts.errorAnswers = {ErrorAction::SkipFile, ErrorAction::Retry};
    MoveRows({"RO.TXT", "B.TXT", "C.TXT"});
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\RO.TXT",
                                        "Error: Deleteing file: C:\\SRC\\B.TXT"}));
    EXPECT_EQ(env.ReadFile("c/SRC/RO.TXT"), "ro");
    EXPECT_EQ(env.ReadFile("d/DST/RO.TXT"), "ro");
    EXPECT_FALSE(env.Exists("c/SRC/B.TXT"));
    EXPECT_EQ(env.ReadFile("d/DST/B.TXT"), "b");
    EXPECT_FALSE(env.Exists("c/SRC/C.TXT"));
    EXPECT_EQ(env.ReadFile("d/DST/C.TXT"), "c");
}

TEST_F(FileLoopTest, DeleteLoopSkipsOrAbortsOnFailure) {
    for (const char* name : {"A.TXT", "RO.TXT", "B.TXT"}) env.WriteFile(std::string("c/") + name, name);
    plat::SetFileAttributes("C:\\RO.TXT", plat::faReadOnly);
    const std::vector<std::string> rows{"A.TXT", "RO.TXT", "B.TXT"};
    auto run = [&] {
        loop.Run(rows.size(), [&](size_t i) {
            loop.DeleteStep("C:\\" + rows[i]);
            return LoopStep::Next;
        }, nullptr);
    };

    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    run();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error: Deleteing file: C:\\RO.TXT"});
    EXPECT_FALSE(env.Exists("c/A.TXT"));
    EXPECT_EQ(env.ReadFile("c/RO.TXT"), "RO.TXT");
    EXPECT_FALSE(env.Exists("c/B.TXT"));

    env.WriteFile("c/A.TXT", "a");
    env.WriteFile("c/B.TXT", "b");
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    run();
    EXPECT_TRUE(loop.CancelRequested);
    EXPECT_FALSE(env.Exists("c/A.TXT"));
    EXPECT_EQ(env.ReadFile("c/RO.TXT"), "RO.TXT");
    EXPECT_EQ(env.ReadFile("c/B.TXT"), "b");
}

TEST_F(FileLoopTest, ShredPromptCarriesTheSystemText) {
    env.WriteFile("c/RO.DAT", "secret");
    plat::SetFileAttributes("C:\\RO.DAT", plat::faReadOnly);
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    loop.Run(1, [&](size_t) { ShredOneFile("C:\\RO.DAT"); return LoopStep::Next; },
             [&](size_t, const std::string& e) { return ShredPrompt(e, "C:\\RO.DAT"); });
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{plat::ErrorText(FileError::AccessDenied) +
                                       "\r\nShredding file: C:\\RO.DAT"});
    EXPECT_EQ(env.ReadFile("c/RO.DAT"), "secret");
    EXPECT_EQ(AttributesPrompt("Access is denied", "C:\\X"),
              "Access is denied\r\nChanging Attributes: C:\\X");
}

TEST_F(FileLoopTest, GaugeMovesSelectRowsAndCancelIsSeenBeforeTheNextFile) {
    int second = 0;
    plat::SetClockSecondSource([&] { return ++second % 60; });  // a new second every step
    std::vector<size_t> selected;
    std::vector<size_t> worked;
    loop.SelectRow = [&](size_t row) { selected.push_back(row); };
    int events = 0;
    gauge.processEvents = [&] { ++events; };

    loop.Run(3, [&](size_t i) { worked.push_back(i); return LoopStep::Next; }, nullptr);
    EXPECT_EQ(worked, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(selected, (std::vector<size_t>{1, 2, 3}));  // 3: past the last row
    EXPECT_EQ(events, 3);
    EXPECT_EQ(gauge.position, 100);
    EXPECT_FALSE(gauge.visible);

    // A Cancel confirmed while events are processed stops the loop.
    worked.clear();
    gauge.processEvents = [&] { loop.CancelRequested = true; };
    loop.Run(3, [&](size_t i) { worked.push_back(i); return LoopStep::Next; }, nullptr);
    EXPECT_EQ(worked, std::vector<size_t>{0});
    EXPECT_TRUE(loop.CancelRequested);
}

TEST_F(FileLoopTest, WithinOneSecondNothingIsSelectedAndEveryRowIsDone) {
    plat::SetClockSecondSource([] { return 0; });  // the starting value: the gauge never moves
    int selects = 0, events = 0;
    loop.SelectRow = [&](size_t) { ++selects; };
    gauge.processEvents = [&] { ++events; };
    size_t done = 0;
    bool runningInside = false;
    loop.Run(4, [&](size_t) { ++done; runningInside = loop.OperationRunning; return LoopStep::Next; },
             nullptr);
    EXPECT_EQ(done, 4u);
    EXPECT_TRUE(runningInside);
    EXPECT_EQ(selects + events, 0);

    // No rows: the gauge starts at 0 and is hidden again.
    done = 0;
    loop.Run(0, [&](size_t) { ++done; return LoopStep::Next; }, nullptr);
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(gauge.position, 0);
    EXPECT_FALSE(gauge.visible);
}

TEST_F(FileLoopTest, OtherExceptionsPassThroughAndTheGaugeIsHidden) {
    EXPECT_THROW(loop.Run(2, [](size_t) -> LoopStep { throw std::logic_error("x"); }, nullptr),
                 std::logic_error);
    EXPECT_FALSE(gauge.visible);
    EXPECT_FALSE(loop.OperationRunning);
    EXPECT_TRUE(env.prompts.seen.empty());
}

}  // namespace
