// The delete and shred dialogs over real files: what they list, the files
// they remove, the prompts for files that cannot be removed, Abort and
// Cancel in the middle, and the windows read again afterwards.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/delete_dialog.h"
#include "core/fileops/file_primitives.h"
#include "ui/fileops/shred_dialog.h"

namespace fs = std::filesystem;
using plat::FaultOp;
using plat::FileError;

namespace {

class DeleteShredTest : public DialogTest {
protected:
    TFakeDirWindow* src = nullptr;

    void SetUp() override {
        for (int i = 1; i <= 5; ++i) env.WriteFile("c/SRC/F" + std::to_string(i) + ".TXT", "file " + std::to_string(i));
        src = Open("C:\\SRC");
    }
    bool Has(int i) const { return Exists("c/SRC/F" + std::to_string(i) + ".TXT"); }
};

}  // namespace

TEST_F(DeleteShredTest, TheDialogsListTheTaggedFiles) {
    src->Tag({"F2.TXT", "F4.TXT"});
    TfDelete del(*src);
    EXPECT_EQ(del.windowTitle(), "Delete");
    EXPECT_EQ(del.E_From->text(), "C:\\SRC");
    EXPECT_EQ(del.L_Count->text(), "2");
    EXPECT_EQ(Rows(del.LB1), (std::vector<std::string>{"F2.TXT", "F4.TXT"}));
    EXPECT_TRUE(LabelTexts(del).contains("Delete from:"));
    EXPECT_TRUE(LabelTexts(del).contains("Files to delete:"));

    TfShred shred(*src);
    EXPECT_EQ(shred.windowTitle(), "Shred Files");
    EXPECT_EQ(shred.L_Count->text(), "2");
    EXPECT_TRUE(LabelTexts(shred).contains("Shred from:"));
    EXPECT_TRUE(LabelTexts(shred).contains("Files:"));
    EXPECT_FALSE(shred.font().bold());
}

TEST_F(DeleteShredTest, DeleteRemovesTheTaggedFilesAndReadsTheWindowsAgain) {
    env.WriteFile("c/SRC/SUB/KEEP.TXT", "keep");
    MakeDir("d/ELSE");
    auto* sub = Open("C:\\SRC\\SUB");
    auto* other = Open("D:\\ELSE");
    form->BringToFront(src);
    // Hidden and system files go like any other.
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\F3.TXT", plat::faHidden | plat::faSysFile), FileError::None);
    src->ReadDirectory();
    src->Tag({"F1.TXT", "F3.TXT"});
    const int subReads = sub->reads, otherReads = other->reads, srcReads = src->reads;

    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(Has(1));
    EXPECT_FALSE(Has(3));
    EXPECT_TRUE(Has(2) && Has(4) && Has(5));
    EXPECT_EQ(src->reads, srcReads + 1);
    EXPECT_EQ(src->GetListCount(), 3);
    EXPECT_EQ(sub->reads, subReads + 1);  // a window below the directory too
    EXPECT_EQ(other->reads, otherReads);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(form->GaugeState().visible);
}

TEST_F(DeleteShredTest, NothingTaggedRunsAnEmptyLoopAndCloses) {
    const int reads = src->reads;
    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(src->reads, reads + 1);
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(Has(i));
}

TEST_F(DeleteShredTest, AReadOnlyFileIsPromptedUntilSkippedAndKept) {
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\F2.TXT", plat::faReadOnly), FileError::None);
    src->Tag({"F1.TXT", "F2.TXT", "F3.TXT"});
    env.prompts.errorAnswers = {ErrorAction::Retry, ErrorAction::SkipFile};
    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\F2.TXT",
                                                 "Error: Deleteing file: C:\\SRC\\F2.TXT"}));
    EXPECT_FALSE(Has(1));
    EXPECT_EQ(Read("c/SRC/F2.TXT"), "file 2");
    EXPECT_FALSE(Has(3));
}

TEST_F(DeleteShredTest, AbortOnTheSecondOfFiveLeavesTheRest) {
    src->TagAll();
    plat::InjectFault(FaultOp::Delete, 2, FileError::SharingViolation);
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\F2.TXT"});
    EXPECT_FALSE(Has(1));
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(Read("c/SRC/F" + std::to_string(i) + ".TXT"), "file " + std::to_string(i));
}

TEST_F(DeleteShredTest, AFileGoneBeforeItsTurnIsPromptedAndTheRestDeleted) {
    src->Tag({"F1.TXT", "F2.TXT", "F3.TXT"});
    fs::remove(env.Host("c/SRC/F2.TXT"));
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\F2.TXT"});
    EXPECT_FALSE(Has(1) || Has(3));
}

TEST_F(DeleteShredTest, ANameWithABlankAtTheEndDeletesThatFileOnly) {
    env.WriteFile("c/SRC/F1.TXT ", "blank");
    env.WriteFile("c/SRC/MAKEFILE", "make");
    src->ReadDirectory();
    src->Tag({"F1.TXT ", "MAKEFILE."});
    TfDelete dlg(*src);
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(Exists("c/SRC/F1.TXT "));
    EXPECT_FALSE(Exists("c/SRC/MAKEFILE"));
    EXPECT_EQ(Read("c/SRC/F1.TXT"), "file 1");
}

TEST_F(DeleteShredTest, CancelWhileDeletingAsksAndStopsBeforeTheNextFile) {
    src->TagAll();
    GaugeMovesEverySecond();
    env.prompts.answers = {MsgResult::Yes};
    TfDelete dlg(*src);
    QTimer::singleShot(0, &dlg, [&] { dlg.CancelBtn->click(); });
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cancel Deleteing?"});
    EXPECT_FALSE(Has(1));
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(Has(i)) << i;
}

TEST_F(DeleteShredTest, ShredOverwritesAndDeletesTheTaggedFiles) {
    env.WriteFile("c/SRC/SECRET.DAT", Pattern(1000, 1));
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\SECRET.DAT", plat::faSysFile), FileError::None);
    src->ReadDirectory();
    src->Tag({"F1.TXT", "SECRET.DAT"});
    const int reads = src->reads;
    TfShred dlg(*src);
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(Has(1));
    EXPECT_FALSE(Exists("c/SRC/SECRET.DAT"));
    EXPECT_TRUE(Has(2));
    EXPECT_EQ(src->reads, reads + 1);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DeleteShredTest, AShredThatFailsIsPromptedWithTheSystemsText) {
    // A read-only file cannot be opened for the shred: prompted, untouched.
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\F1.TXT", plat::faReadOnly), FileError::None);
    src->Tag({"F1.TXT", "F2.TXT", "F3.TXT"});
    // The first write of F2 fails once: Retry shreds it from the start.
    plat::InjectFault(FaultOp::Write, 1, FileError::IoError);
    env.prompts.errorAnswers = {ErrorAction::SkipFile, ErrorAction::Retry};
    TfShred dlg(*src);
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{plat::ErrorText(FileError::AccessDenied) + "\r\nShredding file: C:\\SRC\\F1.TXT",
                                        plat::ErrorText(FileError::IoError) + "\r\nShredding file: C:\\SRC\\F2.TXT"}));
    EXPECT_EQ(Read("c/SRC/F1.TXT"), "file 1");
    EXPECT_FALSE(Has(2));
    EXPECT_FALSE(Has(3));
}

TEST_F(DeleteShredTest, CancelWhileShreddingTakesEffectAfterTheFileInHand) {
    // Events are processed after every 256-byte block, so the question can
    // come in the middle of the first file; that file is still finished.
    env.WriteFile("c/SRC/F1.TXT", Pattern(64 * 1024, 2));
    src->Tag({"F1.TXT", "F2.TXT"});
    env.prompts.answers = {MsgResult::Yes};
    TfShred dlg(*src);
    QTimer::singleShot(0, &dlg, [&] { dlg.CancelBtn->click(); });
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Cancel Shredding?"});
    EXPECT_FALSE(Has(1));
    EXPECT_EQ(Read("c/SRC/F2.TXT"), "file 2");
}
