// The create-directory dialog: its text line, its refusal, the directory it
// makes below the window's tree selection, its failure and its refresh.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "support/dir_ops_fixture.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "ui/fileops/dir_create_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/fileops/rename_dialog.h"
#include "ui/frame/help_window.h"

namespace {

using DirCreateTest = DirOpsTest;

TEST_F(DirCreateTest, ShowsTheParentAndAnEmptyName) {
    env.WriteFile("c/WORK/SUB/a.txt", "");
    TFakeDirWindow* w = Open("C:\\WORK");
    w->SelectDirectory("C:\\WORK\\SUB");
    TF_CreateDIR dlg(w);
    EXPECT_EQ(dlg.windowTitle(), "Create Directory");
    EXPECT_EQ(dlg.E_Info->text(), "Enter the directory to create as a child of: C:\\WORK\\SUB");
    EXPECT_EQ(dlg.E_Name->text(), "");
    EXPECT_EQ(dlg.E_Name->maxLength(), 79);
    // Shown again, it is rebuilt from the window.
    dlg.E_Name->setText("OLD");
    w->SelectDirectory("C:\\WORK");
    dlg.show();
    EXPECT_EQ(dlg.E_Info->text(), "Enter the directory to create as a child of: C:\\WORK");
    EXPECT_EQ(dlg.E_Name->text(), "");
    dlg.hide();
}

TEST_F(DirCreateTest, AnEmptyOrBlankNameIsRefused) {
    env.WriteFile("c/WORK/a.txt", "");
    TF_CreateDIR dlg(Open("C:\\WORK"));
    QSignalSpy finished(&dlg, &QDialog::finished);
    dlg.OKBtnClick();
    dlg.E_Name->setText("   ");
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(), (std::vector<std::string>{"Please enter a directory name!",
                                                             "Please enter a directory name!"}));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(Listing("C:\\WORK") == std::vector<std::string>{"a.txt"});
}

TEST_F(DirCreateTest, MakesOneDirectoryBelowTheSelectionAndRefreshesTheDrive) {
    env.WriteFile("c/WORK/SUB/a.txt", "");
    env.WriteFile("d/DATA/a.txt", "");
    TFakeDirWindow* onD = Open("D:\\DATA");
    TFakeDirWindow* w = Open("C:\\WORK");
    w->SelectDirectory("C:\\WORK\\SUB");
    TF_CreateDIR dlg(w);
    dlg.E_Name->setText("New Dir  ");  // blanks at the end are no part of a name
    dlg.OKBtnClick();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(Listing("C:\\WORK\\SUB") == (std::vector<std::string>{"New Dir", "a.txt"}));
    EXPECT_TRUE(env.prompts.texts().empty());
    EXPECT_GE(w->treeReads, 1);
    EXPECT_EQ(onD->treeReads, 0);

    // Below a drive root no second backslash is put in.
    w->SelectDirectory("C:\\");
    TF_CreateDIR atRoot(w);
    atRoot.E_Name->setText("TOP");
    atRoot.OKBtnClick();
    EXPECT_TRUE(IsDir("C:\\TOP"));
}

TEST_F(DirCreateTest, ADirectoryThatExistsOrCannotBeMadeIsReportedAndCloses) {
    env.WriteFile("c/WORK/SUB/a.txt", "keep");
    TFakeDirWindow* w = Open("C:\\WORK");
    TF_CreateDIR dlg(w);
    QSignalSpy finished(&dlg, &QDialog::finished);
    dlg.E_Name->setText("SUB");
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{plat::ErrorText(plat::FileError::AlreadyExists) +
                                       "\r\nCreating Directory: SUB"});
    EXPECT_EQ(env.prompts.seen[0].icon, MsgIcon::Error);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(env.ReadFile("c/WORK/SUB/a.txt"), "keep");
    EXPECT_EQ(w->treeReads, 0);

    // Only one level is made: the parents of a path must exist.
    env.prompts.seen.clear();
    TF_CreateDIR deep(w);
    deep.E_Name->setText("X\\Y");
    deep.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{plat::ErrorText(plat::FileError::PathNotFound) +
                                       "\r\nCreating Directory: X\\Y"});
    EXPECT_FALSE(IsDir("C:\\WORK\\X"));
}

TEST_F(DirCreateTest, HelpShowsEachDirectoryDialogsTopicAndDoesNothingElse) {
    const std::string before = plat::HelpFile();
    std::string topics;
    for (int t : {9000, 9006, 1004, 1021}) topics += "#topic " + std::to_string(t) + " T\ntext\n";
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", topics));
    env.WriteFile("c/SRC/a.txt", "a");
    TF_CreateDIR create(Open("C:\\SRC"));
    TFRDIR remove("C:\\SRC");
    TFDIRCPY copy("C:\\SRC");
    TFRenam rename;
    rename.Prepare("C:\\SRC\\a.txt", TRenameMode::File);
    struct Case {
        TDirOpDialog* dialog;
        int topic;
    };
    for (Case c :
         {Case{&create, 9000}, Case{&remove, 9006}, Case{&copy, 1004}, Case{&rename, 1021}}) {
        c.dialog->HelpBtn->click();
        ASSERT_NE(THelpWindow::Instance(), nullptr);
        EXPECT_EQ(THelpWindow::Instance()->Topic, c.topic);
        EXPECT_NE(c.dialog->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(env.prompts.seen.empty());
    EXPECT_TRUE(Listing("C:\\SRC") == std::vector<std::string>{"a.txt"});
    plat::SetHelpFile(before);
}

}  // namespace
