// The move dialog over real files: a complete copy, then the source's
// deletion; a failed copy never deletes its source; a failed deletion is
// put to the user; files of one name from a result window never replace
// each other silently; both ends are read again afterwards.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "core/fileops/file_primitives.h"
#include "ui/fileops/move_dialog.h"
#include "core/settings/app_ini.h"

namespace fs = std::filesystem;
using plat::FaultOp;
using plat::FileError;

namespace {

class MoveDialogTest : public TransferDialogTest {
protected:
    void MoveTo(TFMove& dlg, const std::string& destination) {
        dlg.CB_Destination->setEditText(QString::fromStdString(destination));
        dlg.OKBtnClick();
    }
};

}  // namespace

TEST_F(MoveDialogTest, ShowsItsOwnTextsAndNoPrinterChoice) {
    TFMove dlg(*src);
    EXPECT_EQ(dlg.windowTitle(), "Move");
    EXPECT_EQ(dlg.CB_Destination->toolTip(), "Destination of move");
    EXPECT_EQ(dlg.E_From->toolTip(), "The source of the move");
    EXPECT_EQ(dlg.LB1->toolTip(), "List of files to move.");
    EXPECT_TRUE(dlg.findChildren<QRadioButton*>().isEmpty());
    QStringList labels;
    for (QLabel* l : dlg.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("Move from:"));
    EXPECT_TRUE(labels.contains("Files"));
    EXPECT_EQ(dlg.L_Count->text(), "2");
    EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"A.TXT", "B.TXT"}));

    // The copy dialog's overwrite setting is the move's too.
    AppIni().WriteBool("WOptions", "OVerwrite", false);
    TFMove second(*src);
    EXPECT_FALSE(second.CB_Overwrite->isChecked());
}

TEST_F(MoveDialogTest, MovesIntoTheDestinationAndReadsBothEndsAgain) {
    auto* dst = Open("D:\\DST");
    form->BringToFront(src);
    const int srcReads = src->reads, dstReads = dst->reads;
    TFMove dlg(*src);
    MoveTo(dlg, "d:\\dst");
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(dlg.CB_Destination->currentText(), "D:\\DST");
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");
    EXPECT_EQ(Read("c/SRC/C.TXT"), "charlie");
    EXPECT_EQ(src->reads, srcReads + 1);
    EXPECT_EQ(src->Names(), std::vector<std::string>{"C.TXT"});
    EXPECT_EQ(dst->reads, dstReads + 1);
    EXPECT_EQ(dst->Names(), (std::vector<std::string>{"A.TXT", "B.TXT"}));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(MoveDialogTest, AFailedCopyNeverDeletesItsSource) {
    std::string big = Pattern(2 * kCopyBlockSize + 17, 3);
    env.WriteFile("c/SRC/A.TXT", big);
    // The second block of A fails: A's copy is incomplete, B moves.
    plat::InjectFault(FaultOp::Write, 2, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TFMove dlg(*src);
    MoveTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Disk full?\r\nMoving file: C:\\SRC\\A.TXT\r\nto: D:\\DST\\A.TXT"});
    EXPECT_EQ(Read("c/SRC/A.TXT"), big);
    std::string partial = Read("d/DST/A.TXT");
    EXPECT_LT(partial.size(), big.size());
    EXPECT_EQ(partial, big.substr(0, partial.size()));
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");

    // Abort: the source stays too, and nothing after it is moved.
    env.prompts.seen.clear();
    src->ReadDirectory();
    src->Tag({"A.TXT", "C.TXT"});
    fs::remove(env.Host("d/DST/A.TXT"));
    plat::InjectFault(FaultOp::Open, 2, FileError::AccessDenied);  // A's target
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    TFMove abort(*src);
    MoveTo(abort, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad open of: D:\\DST\\A.TXT\r\nMoving file: C:\\SRC\\A.TXT"
                                                "\r\nto: D:\\DST\\A.TXT"});
    EXPECT_EQ(Read("c/SRC/A.TXT"), big);
    EXPECT_EQ(Read("c/SRC/C.TXT"), "charlie");
    EXPECT_FALSE(Exists("d/DST/C.TXT"));
}

TEST_F(MoveDialogTest, RetryAfterAFailedCopyCopiesAgainAndThenDeletes) {
    plat::InjectFault(FaultOp::Open, 1, FileError::SharingViolation);  // A's source
    env.prompts.errorAnswers = {ErrorAction::Retry};
    TFMove dlg(*src);
    MoveTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad open of: C:\\SRC\\A.TXT\r\nMoving file: C:\\SRC\\A.TXT"
                                                "\r\nto: D:\\DST\\A.TXT"});
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
}

TEST_F(MoveDialogTest, ASourceThatCannotBeDeletedIsPromptedAndKeptOnSkip) {
    // A read-only source copies (the copy is read-only too) but stays.
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\A.TXT", plat::faReadOnly | plat::faArchive), FileError::None);
    env.prompts.errorAnswers = {ErrorAction::Retry, ErrorAction::SkipFile};
    TFMove dlg(*src);
    MoveTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\A.TXT",
                                                 "Error: Deleteing file: C:\\SRC\\A.TXT"}));
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_TRUE(plat::GetFileAttributes("D:\\DST\\A.TXT") & plat::faReadOnly);
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");

    // A deletion that fails once: Retry deletes it.
    env.prompts.seen.clear();
    src->ReadDirectory();
    src->Tag({"C.TXT"});
    plat::InjectFault(FaultOp::Delete, 1, FileError::SharingViolation);
    env.prompts.errorAnswers = {ErrorAction::Retry};
    TFMove retry(*src);
    MoveTo(retry, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\C.TXT"});
    EXPECT_FALSE(Exists("c/SRC/C.TXT"));
    EXPECT_EQ(Read("d/DST/C.TXT"), "charlie");
}

TEST_F(MoveDialogTest, AbortAtTheDeletionStopsTheRest) {
    src->Tag({"C.TXT"});
    plat::InjectFault(FaultOp::Delete, 1, FileError::AccessDenied);
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    TFMove dlg(*src);
    MoveTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\A.TXT"});
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
    EXPECT_FALSE(Exists("d/DST/B.TXT"));
}

TEST_F(MoveDialogTest, FilesOfOneNameFromAResultWindowNeverReplaceEachOtherSilently) {
    env.WriteFile("c/BASE/A.TXT", "top A");
    env.WriteFile("c/BASE/SUB/A.TXT", "sub A");
    auto* result = OpenResult("C:\\BASE", {"SUB\\A.TXT", "A.TXT"});
    for (bool warn : {true, false}) {
        // Relative sub-directories are not kept: both land in D:\DST, and
        // the second asks, also with the warning off (the first's source is
        // gone by then). No keeps the second where it was.
        AppIni().WriteBool("WOptions", "OVerwrite", warn);
        env.WriteFile("c/BASE/A.TXT", "top A");
        env.WriteFile("c/BASE/SUB/A.TXT", "sub A");
        fs::remove_all(env.Host("d/DST"));
        MakeDir("d/DST");
        env.prompts.seen.clear();
        env.prompts.answers = {MsgResult::No};
        result->ReadDirectory();
        result->TagAll();
        TFMove dlg(*result);
        EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"SUB\\A.TXT", "A.TXT"}));
        MoveTo(dlg, "D:\\DST");
        EXPECT_EQ(Texts(), std::vector<std::string>{"File: D:\\DST\\A.TXT\r\nAlready exists. Overwrite?"})
            << warn;
        EXPECT_EQ(Read("d/DST/A.TXT"), "sub A");
        EXPECT_FALSE(Exists("c/BASE/SUB/A.TXT"));
        EXPECT_EQ(Read("c/BASE/A.TXT"), "top A");
        EXPECT_FALSE(Exists("d/DST/SUB"));
    }
}

TEST_F(MoveDialogTest, MovingIntoTheSourceDirectoryKeepsEveryFile) {
    env.prompts.errorAnswers = {ErrorAction::SkipFile, ErrorAction::SkipFile};
    TFMove dlg(*src);
    MoveTo(dlg, "C:\\SRC");
    EXPECT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
    EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
}

TEST_F(MoveDialogTest, CancelWhileRunningAsksTheMoveQuestion) {
    GaugeMovesEverySecond();
    env.prompts.answers = {MsgResult::Yes};
    TFMove dlg(*src);
    QTimer::singleShot(0, &dlg, [&] { dlg.CancelBtn->click(); });
    MoveTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cancel the move process?"});
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
    EXPECT_FALSE(Exists("d/DST/B.TXT"));
}

TEST_F(MoveDialogTest, ASourceThatChangesWhileCopiedIsPromptedAndKept) {
    const std::string big = Pattern(2 * kCopyBlockSize + 9, 5);
    env.WriteFile("c/SRC/A.TXT", big);
    ASSERT_EQ(plat::SetFileTime("C:\\SRC\\A.TXT", plat::FileTime{946684800, 0}), FileError::None);
    // Another program cuts the file short after the first block.
    bool cut = false;
    SetCopyBlockHook([&] {
        if (!cut) fs::resize_file(env.Host("c/SRC/A.TXT"), 1000);
        cut = true;
    });
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TFMove dlg(*src);
    MoveTo(dlg, "D:\\DST");
    SetCopyBlockHook(nullptr);
    EXPECT_EQ(Texts(), std::vector<std::string>{"File changed while copied: C:\\SRC\\A.TXT\r\nMoving file: "
                                                "C:\\SRC\\A.TXT\r\nto: D:\\DST\\A.TXT"});
    EXPECT_EQ(Read("c/SRC/A.TXT"), big.substr(0, 1000));
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");
}
