// The remove-directory dialog over real trees: what it lists, the three
// switches, where it stops, Cancel while it runs, and the windows it
// refreshes.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "support/dir_ops_fixture.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "core/settings/app_ini.h"

namespace {

const char kAreYouSure[] = "Delete Directory\r\nAre you sure you want to delete the Directories?";

struct DirRemoveTest : DirOpsTest {
    // C:\SRC with one file per directory: r.txt, SUB1\s.txt, SUB1\DEEP\d.txt.
    void MakeTree() {
        env.WriteFile("c/SRC/r.txt", "root");
        env.WriteFile("c/SRC/SUB1/s.txt", "sub");
        env.WriteFile("c/SRC/SUB1/DEEP/d.txt", "deep");
    }
    void SetSwitches(bool keep, bool deleteFiles, bool overrideAttributes) {
        AppIni().WriteBool("F_RDIR", "CB_KeepStruct", keep);
        AppIni().WriteBool("F_RDIR", "CB_DeleteFile", deleteFiles);
        AppIni().WriteBool("F_RDIR", "CB_DelReadonly", overrideAttributes);
    }
};

TEST_F(DirRemoveTest, ShowsTheTreeItsCountsAndTheStoredSwitches) {
    MakeTree();
    env.WriteFile("c/SRC/SUB1/s2.txt", "");
    SetSwitches(false, true, false);
    TFRDIR dlg("C:\\SRC", form.get());
    EXPECT_EQ(dlg.windowTitle(), "Remove Directory");
    EXPECT_EQ(dlg.E_Root->text(), "C:\\SRC");
    ASSERT_EQ(dlg.LB_Tree->count(), 3);
    EXPECT_EQ(dlg.LB_Tree->item(0)->text(), "C:\\SRC");
    EXPECT_EQ(dlg.LB_Tree->item(1)->text(), "  SUB1");
    EXPECT_EQ(dlg.LB_Tree->item(2)->text(), "    DEEP");
    EXPECT_EQ(dlg.E_Files->text(), "4");
    EXPECT_EQ(dlg.E_Dirs->text(), "3");
    EXPECT_FALSE(dlg.CB_KeepStruct->isChecked());
    EXPECT_TRUE(dlg.CB_DeleteFile->isChecked());
    EXPECT_FALSE(dlg.CB_DelReadonly->isChecked());

    TFRDIR defaults("C:\\SRC\\SUB1\\DEEP", form.get());
    EXPECT_EQ(defaults.LB_Tree->count(), 1);
    EXPECT_EQ(defaults.E_Dirs->text(), "1");
    EXPECT_EQ(defaults.E_Files->text(), "1");
}

TEST_F(DirRemoveTest, NoToTheQuestionDeletesNothingAndStays) {
    MakeTree();
    TFRDIR dlg("C:\\SRC", form.get());
    QSignalSpy finished(&dlg, &QDialog::finished);
    env.prompts.answers = {MsgResult::No};
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{kAreYouSure});
    EXPECT_EQ(env.prompts.seen[0].icon, MsgIcon::Warning);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(IsFile("C:\\SRC\\SUB1\\DEEP\\d.txt"));
    EXPECT_TRUE(dlg.OKBtn->isEnabled());
    EXPECT_EQ(AppIni().ReadString("F_RDIR", "CB_KeepStruct", "unset"), "unset");
}

TEST_F(DirRemoveTest, TheSwitchesDecideWhatGoes) {
    // Delete files, keep the structure: every directory emptied and kept.
    // The boxes as the user set them are stored when the run starts.
    MakeTree();
    SetSwitches(false, false, false);
    {
        TFRDIR dlg("C:\\SRC", form.get());
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.CB_KeepStruct->setChecked(true);
        dlg.CB_DeleteFile->setChecked(true);
        dlg.OKBtnClick();
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(AppIni().ReadBool("F_RDIR", "CB_KeepStruct", false));
    EXPECT_TRUE(AppIni().ReadBool("F_RDIR", "CB_DeleteFile", false));
    EXPECT_FALSE(AppIni().ReadBool("F_RDIR", "CB_DelReadonly", true));
    EXPECT_TRUE(Listing("C:\\SRC") == std::vector<std::string>{"SUB1"});
    EXPECT_TRUE(Listing("C:\\SRC\\SUB1") == std::vector<std::string>{"DEEP"});
    EXPECT_TRUE(Listing("C:\\SRC\\SUB1\\DEEP").empty());
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{kAreYouSure});

    // Keep the structure without deleting files: nothing happens at all.
    MakeTree();
    SetSwitches(true, false, true);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_TRUE(IsFile("C:\\SRC\\r.txt") && IsFile("C:\\SRC\\SUB1\\DEEP\\d.txt"));

    // Delete files and directories: the whole tree goes, its parent stays.
    SetSwitches(false, true, true);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_FALSE(IsDir("C:\\SRC"));
    EXPECT_TRUE(IsDir("C:\\"));
    EXPECT_EQ(env.prompts.texts().size(), 3u);  // the three questions only
}

TEST_F(DirRemoveTest, WithoutDeletingFilesOnlyEmptyDirectoriesGoUpToTheFirstFullOne) {
    env.WriteFile("c/SRC/r.txt", "root");
    env.WriteFile("c/SRC/SUB1/s.txt", "sub");
    std::filesystem::create_directories(env.hostC + "/SRC/SUB1/DEEP");
    SetSwitches(false, false, true);
    TFRDIR dlg("C:\\SRC", form.get());
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC\\SUB1",
                                        "Delete process aborted!"}));
    EXPECT_EQ(env.prompts.seen[1].icon, MsgIcon::Error);
    EXPECT_FALSE(IsDir("C:\\SRC\\SUB1\\DEEP"));
    EXPECT_TRUE(IsFile("C:\\SRC\\SUB1\\s.txt"));
    EXPECT_TRUE(IsFile("C:\\SRC\\r.txt"));
}

TEST_F(DirRemoveTest, AReadOnlyFileStopsTheRunUnlessAttributesAreOverridden) {
    MakeTree();
    ASSERT_EQ(plat::SetFileAttributes("C:\\SRC\\SUB1\\s.txt", plat::faReadOnly),
              plat::FileError::None);
    SetSwitches(false, true, false);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC\\SUB1\\S.TXT",
                                        "Delete process aborted!"}));
    EXPECT_FALSE(IsDir("C:\\SRC\\SUB1\\DEEP"));  // handled before SUB1
    EXPECT_TRUE(IsFile("C:\\SRC\\SUB1\\s.txt"));
    EXPECT_TRUE(IsFile("C:\\SRC\\r.txt"));

    SetSwitches(false, true, true);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_FALSE(IsDir("C:\\SRC"));
}

TEST_F(DirRemoveTest, StopsAtTheFirstFailedDeletionAndLosesNothingElse) {
    MakeTree();
    SetSwitches(false, true, true);
    // Call 1 deletes DEEP\d.txt, call 2 would remove DEEP.
    plat::InjectFault(plat::FaultOp::Delete, 2, plat::FileError::AccessDenied);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC\\SUB1\\DEEP",
                                        "Delete process aborted!"}));
    EXPECT_FALSE(IsFile("C:\\SRC\\SUB1\\DEEP\\d.txt"));
    EXPECT_TRUE(IsDir("C:\\SRC\\SUB1\\DEEP"));
    EXPECT_EQ(env.ReadFile("c/SRC/SUB1/s.txt"), "sub");
    EXPECT_EQ(env.ReadFile("c/SRC/r.txt"), "root");

    // A failed file deletion stops the same way, naming the file.
    plat::ClearFaults();
    env.prompts.seen.clear();
    plat::InjectFault(plat::FaultOp::Delete, 1, plat::FileError::AccessDenied);
    env.WriteFile("c/SRC/SUB1/DEEP/d.txt", "deep");
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC\\SUB1\\DEEP\\D.TXT",
                                        "Delete process aborted!"}));
    EXPECT_EQ(env.ReadFile("c/SRC/SUB1/DEEP/d.txt"), "deep");
    EXPECT_EQ(env.ReadFile("c/SRC/SUB1/s.txt"), "sub");
}

TEST_F(DirRemoveTest, AFailureAtTheRootShowsNoAbortMessage) {
    MakeTree();
    SetSwitches(false, true, true);
    // d.txt, DEEP, s.txt, SUB1, r.txt go; removing SRC itself fails.
    plat::InjectFault(plat::FaultOp::Delete, 6, plat::FileError::AccessDenied);
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC"}));
    EXPECT_TRUE(Listing("C:\\SRC").empty());
}

TEST_F(DirRemoveTest, CancelWhileRunningAsksAndStopsBeforeTheNextDirectory) {
    MakeTree();
    SetSwitches(false, true, true);
    TFRDIR dlg("C:\\SRC", form.get());
    // The click is seen when the run processes events after the first directory.
    QTimer::singleShot(0, dlg.CancelBtn, [&] { dlg.CancelBtn->click(); });
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Cancel the Delete process?",
                                        "Delete process aborted!"}));
    EXPECT_EQ(env.prompts.seen[1].buttons, static_cast<unsigned>(mbYesNo));
    EXPECT_FALSE(IsDir("C:\\SRC\\SUB1\\DEEP"));
    EXPECT_TRUE(IsFile("C:\\SRC\\SUB1\\s.txt"));
    EXPECT_TRUE(IsFile("C:\\SRC\\r.txt"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(form->GaugeState().visible);
}

TEST_F(DirRemoveTest, NoToTheCancelQuestionAndClosingTheFrameLetTheRunGoOn) {
    MakeTree();
    SetSwitches(false, true, true);
    TFRDIR dlg("C:\\SRC", form.get());
    env.prompts.answers = {MsgResult::Yes, MsgResult::No};
    dlg.show();
    QTimer::singleShot(0, dlg.CancelBtn, [&] {
        EXPECT_TRUE(dlg.CancelBtn->isEnabled());
        EXPECT_FALSE(dlg.OKBtn->isEnabled());
        EXPECT_FALSE(dlg.CB_KeepStruct->isEnabled());
        dlg.CancelBtn->click();
        dlg.close();
    });
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Cancel the Delete process?"}));
    EXPECT_FALSE(IsDir("C:\\SRC"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DirRemoveTest, ADirectoryAWindowShowsStaysAndTheWindowsReadAgain) {
    MakeTree();
    env.WriteFile("c/OTHER/o.txt", "o");
    env.WriteFile("d/ELSE/e.txt", "e");
    SetSwitches(false, true, true);
    TFakeDirWindow* onSub = Open("C:\\SRC\\SUB1");
    TFakeDirWindow* other = Open("C:\\OTHER");
    TFakeDirWindow* onD = Open("D:\\ELSE");
    ASSERT_EQ(onSub->Names(), std::vector<std::string>{"s.txt"});
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{kAreYouSure, "Error Deleting: C:\\SRC\\SUB1",
                                        "Delete process aborted!"}));
    EXPECT_FALSE(IsDir("C:\\SRC\\SUB1\\DEEP"));
    EXPECT_TRUE(IsDir("C:\\SRC\\SUB1"));
    EXPECT_TRUE(IsFile("C:\\SRC\\r.txt"));
    // The window on the emptied directory lists what is left: nothing.
    EXPECT_GE(onSub->reads, 1);
    EXPECT_TRUE(onSub->Names().empty());
    EXPECT_GE(onSub->treeReads, 1);
    EXPECT_GE(other->treeReads, 1);
    EXPECT_EQ(other->reads, 0);
    EXPECT_EQ(onD->treeReads, 0);
    EXPECT_EQ(onD->reads, 0);
}

TEST_F(DirRemoveTest, TheCurrentDirectoryLeavesARemovedTree) {
    MakeTree();
    SetSwitches(false, true, true);
    ASSERT_TRUE(plat::SetCurrentDir("C:\\SRC\\SUB1\\DEEP"));
    TFRDIR(std::string("C:\\SRC"), form.get()).OKBtnClick();
    EXPECT_FALSE(IsDir("C:\\SRC"));
    EXPECT_EQ(plat::GetCurrentDir(), "C:\\");
    EXPECT_EQ(env.prompts.texts().size(), 1u);
}

}  // namespace
