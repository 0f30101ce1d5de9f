// The rename dialog in file and directory mode, and the walk over a
// window's tagged entries that drives it.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <deque>

#include "support/dir_ops_fixture.h"
#include "ui/fileops/rename_dialog.h"

namespace {

using RenameTest = DirOpsTest;

TEST_F(RenameTest, OffersTheOldPathsLastComponent) {
    TFRenam dlg(form.get());
    EXPECT_EQ(dlg.windowTitle(), "Rename");
    dlg.Prepare("C:\\WORK\\README.TXT", TRenameMode::File);
    EXPECT_EQ(dlg.E_Old->text(), "C:\\WORK\\README.TXT");
    EXPECT_TRUE(dlg.E_Old->isReadOnly());
    EXPECT_EQ(dlg.E_New->text(), "README.TXT");
    dlg.Prepare("C:\\WORK", TRenameMode::Directory);
    EXPECT_EQ(dlg.E_New->text(), "WORK");
    EXPECT_FALSE(dlg.Completed());
}

TEST_F(RenameTest, RefusesAnEmptyNameAndStaysOnANameThatCannotBeUsed) {
    env.WriteFile("c/WORK/a.txt", "a");
    env.WriteFile("c/WORK/b.txt", "b");
    TFakeDirWindow* w = Open("C:\\WORK");
    TFRenam dlg(form.get());
    QSignalSpy finished(&dlg, &QDialog::finished);
    dlg.Prepare("C:\\WORK\\a.txt", TRenameMode::File);
    dlg.E_New->setText("");
    dlg.OKBtnClick();
    dlg.E_New->setText("b.txt");  // exists: never replaced
    dlg.OKBtnClick();
    dlg.E_New->setText("B.TXT");  // the same name in another case
    dlg.OKBtnClick();
    dlg.E_New->setText("   ");  // blanks count as text, but name nothing
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{
                  "Please enter a filename!", "Error trying to rename the file!",
                  "Error trying to rename the file!", "Error trying to rename the file!"}));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(dlg.Completed());
    EXPECT_TRUE(Listing("C:\\WORK") == (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(env.ReadFile("c/WORK/b.txt"), "b");

    // The user corrects the name in the same dialog.
    dlg.E_New->setText("c.txt  ");
    dlg.OKBtnClick();
    EXPECT_TRUE(dlg.Completed());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(env.ReadFile("c/WORK/c.txt"), "a");
    EXPECT_TRUE(Listing("C:\\WORK") == (std::vector<std::string>{"b.txt", "c.txt"}));
    // A file rename leaves the refresh to its caller.
    EXPECT_EQ(w->reads + w->treeReads, 0);
}

TEST_F(RenameTest, ADirectoryRenameRefreshesTheDriveButNotAShownDirectory) {
    env.WriteFile("c/WORK/OLD/a.txt", "a");
    env.WriteFile("c/WORK/SHOWN/DEEP/a.txt", "a");
    env.WriteFile("d/DATA/a.txt", "");
    TFakeDirWindow* onD = Open("D:\\DATA");
    TFakeDirWindow* w = Open("C:\\WORK\\SHOWN\\DEEP");
    TFRenam dlg(form.get());
    dlg.Prepare("C:\\WORK\\OLD", TRenameMode::Directory);
    dlg.E_New->setText("NEW");
    dlg.OKBtnClick();
    EXPECT_TRUE(dlg.Completed());
    EXPECT_EQ(env.ReadFile("c/WORK/NEW/a.txt"), "a");
    EXPECT_FALSE(IsDir("C:\\WORK\\OLD"));
    EXPECT_GE(w->treeReads, 1);
    EXPECT_EQ(onD->treeReads, 0);

    // A directory a window shows (here one above the window's) stays.
    TFRenam shown(form.get());
    QSignalSpy finished(&shown, &QDialog::finished);
    shown.Prepare("C:\\WORK\\SHOWN", TRenameMode::Directory);
    shown.E_New->setText("MOVED");
    shown.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error trying to rename the file!"});
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(IsDir("C:\\WORK\\SHOWN\\DEEP"));
}

TEST_F(RenameTest, AnUnexpectedFailureIsReportedAndEndsTheDialog) {
    env.WriteFile("c/WORK/OLD/a.txt", "a");
    Open("D:\\")->failShowsPath = true;
    TFRenam dlg(form.get());
    QSignalSpy finished(&dlg, &QDialog::finished);
    dlg.Prepare("C:\\WORK\\OLD", TRenameMode::Directory);
    dlg.E_New->setText("NEW");
    dlg.OKBtnClick();
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Error occured trying to access: C:\\WORK\\OLD"});
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(dlg.result(), TDirOpDialog::kAbortResult);
    EXPECT_FALSE(dlg.Completed());
    EXPECT_TRUE(IsDir("C:\\WORK\\OLD"));
}

TEST_F(RenameTest, TheCurrentDirectoryFollowsItsRenamedDirectory) {
    env.WriteFile("c/WORK/OLD/a.txt", "a");
    ASSERT_TRUE(plat::SetCurrentDir("C:\\WORK\\OLD"));
    TFRenam dlg(form.get());
    dlg.Prepare("C:\\WORK\\OLD", TRenameMode::Directory);
    dlg.E_New->setText("NEW");
    dlg.OKBtnClick();
    EXPECT_TRUE(dlg.Completed());
    EXPECT_EQ(plat::GetCurrentDir(), "C:\\WORK\\NEW");
}

// The walk over tagged entries, each dialog answered from a script: a name
// to type (then OK, retyping after a refusal), or "" to cancel.
struct RenameTaggedTest : DirOpsTest {
    std::deque<std::string> typed;
    std::vector<std::string> offered;

    TShowRename Script() {
        return [this](TFRenam& dlg) {
            offered.push_back(dlg.E_Old->text().toStdString());
            while (!typed.empty() && !dlg.Completed()) {
                std::string name = typed.front();
                typed.pop_front();
                if (name.empty()) {
                    dlg.CancelBtn->click();
                    return;
                }
                dlg.E_New->setText(QString::fromStdString(name));
                dlg.OKBtnClick();
            }
        };
    }
};

TEST_F(RenameTaggedTest, RenamesEachTaggedEntryAndStopsAtTheFirstCancel) {
    for (const char* n : {"a.txt", "b.txt", "c.txt", "d.txt"})
        env.WriteFile(std::string("c/WORK/") + n, n);
    env.WriteFile("c/WORK/SUB/s.txt", "s");
    TFakeDirWindow* below = Open("C:\\WORK\\SUB");
    TFakeDirWindow* w = Open("C:\\WORK");
    ASSERT_EQ(w->Names(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "d.txt"}));
    w->TagEntry(0);
    w->TagEntry(2);
    w->TagEntry(3);
    typed = {"b.txt", "x.txt", "y.txt", ""};  // a refused name, then two renames and a Cancel
    RenameTaggedEntries(*w, Script());
    EXPECT_EQ(offered,
              (std::vector<std::string>{"C:\\WORK\\a.txt", "C:\\WORK\\c.txt", "C:\\WORK\\d.txt"}));
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error trying to rename the file!"});
    EXPECT_TRUE(Listing("C:\\WORK") ==
                (std::vector<std::string>{"SUB", "b.txt", "d.txt", "x.txt", "y.txt"}));
    EXPECT_EQ(env.ReadFile("c/WORK/x.txt"), "a.txt");
    EXPECT_EQ(env.ReadFile("c/WORK/y.txt"), "c.txt");
    // The window read its directory again: the renamed names, tags gone.
    EXPECT_GE(w->reads, 1);
    EXPECT_EQ(w->Names(), (std::vector<std::string>{"b.txt", "d.txt", "x.txt", "y.txt"}));
    EXPECT_GE(below->reads, 1);  // a window below the directory reads too
    EXPECT_GE(w->statusUpdates, 1);
}

TEST_F(RenameTaggedTest, NothingRenamedMeansNoReadButTheStatus) {
    env.WriteFile("c/WORK/a.txt", "a");
    env.WriteFile("c/WORK/b.txt", "b");
    TFakeDirWindow* w = Open("C:\\WORK");
    w->TagEntry(0);
    w->TagEntry(1);
    typed = {""};
    RenameTaggedEntries(*w, Script());
    EXPECT_EQ(offered, std::vector<std::string>{"C:\\WORK\\a.txt"});
    EXPECT_EQ(w->reads, 0);
    EXPECT_EQ(w->statusUpdates, 1);
    EXPECT_EQ(w->GetTaggedCount(), 2);
    EXPECT_TRUE(Listing("C:\\WORK") == (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(RenameTaggedTest, UntagsEachRenamedEntry) {
    env.WriteFile("c/WORK/a.txt", "a");
    env.WriteFile("c/WORK/b.txt", "b");
    // Outside the main window nothing re-reads the list, so its tags show.
    TFakeDirWindow w(nullptr, "C:\\WORK");
    w.ReadDirectory();
    w.TagAll();
    typed = {"z.txt", ""};
    RenameTaggedEntries(w, Script());
    EXPECT_FALSE(w.IsTagged(0));
    EXPECT_TRUE(w.IsTagged(1));
    EXPECT_EQ(w.GetTaggedCount(), 1);
}

}  // namespace
