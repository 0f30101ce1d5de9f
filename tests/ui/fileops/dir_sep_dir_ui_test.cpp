// The directory dialogs opened from real split directory windows through
// their Directory and Perform menus: what they take from the window, and
// that the windows show the change afterwards.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "support/dir_ops_fixture.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "ui/fileops/dir_create_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/fileops/directory_dialogs_qt.h"
#include "ui/fileops/rename_dialog.h"
#include "core/settings/app_ini.h"

namespace {

struct DirSepDirTest : DirOpsTest {
    void SetUp() override {
        InstallDirectoryWindows(*form);
        InstallDirectoryDialogs(*form);
    }

    TSepDir* OpenSep(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir)) << dir;
        return qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    // Picks dir in w's tree as the Directory menu does before it opens.
    static void PickInTree(TSepDir* w, const std::string& dir) {
        w->DLB1->SelectPath(dir);
        ASSERT_EQ(w->DLB1->SelectedPath(), dir);
        emit w->DirectoryMenu->aboutToShow();
    }
    // Triggers item; act works the modal dialog it opens (of type D).
    template <class D>
    void Choose(QAction* item, std::function<void(D&)> act) {
        ASSERT_TRUE(item->isEnabled()) << item->text().toStdString();
        bool reached = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<D*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            reached = true;
            act(*dlg);
        });
        item->trigger();
        EXPECT_TRUE(reached);
    }
    static bool TreeHolds(TSepDir* w, const std::string& dir) {
        w->DLB1->SelectPath(dir);
        return w->DLB1->SelectedPath() == dir;
    }
    static std::vector<std::string> Names(TSepDir* w) {
        std::vector<std::string> out;
        for (int i = 0; i < w->GetListCount(); ++i) out.push_back(w->GetEntryName(i));
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(DirSepDirTest, CreateMakesTheDirectoryBelowTheTreeSelectionAndTheTreeShowsIt) {
    env.WriteFile("c/WORK/SUB/a.txt", "a");
    TSepDir* w = OpenSep("C:\\WORK");
    PickInTree(w, "C:\\WORK\\SUB");
    Choose<TF_CreateDIR>(w->DirCreateItem, [](TF_CreateDIR& dlg) {
        EXPECT_EQ(dlg.E_Info->text(), "Enter the directory to create as a child of: C:\\WORK\\SUB");
        dlg.E_Name->setText("NEW");
        dlg.OKBtnClick();
    });
    EXPECT_TRUE(IsDir("C:\\WORK\\SUB\\NEW"));
    EXPECT_TRUE(TreeHolds(w, "C:\\WORK\\SUB\\NEW"));
    EXPECT_TRUE(env.prompts.texts().empty());
}

TEST_F(DirSepDirTest, RenameOfTaggedEntriesShowsInEveryWindowOnTheDirectory) {
    env.WriteFile("c/WORK/a.txt", "a");
    env.WriteFile("c/WORK/b.txt", "b");
    TSepDir* other = OpenSep("C:\\WORK");
    TSepDir* w = OpenSep("C:\\WORK");
    w->TagEntry(w->FindEntry("b.txt"));
    emit w->PerformMenu->aboutToShow();
    Choose<TFRenam>(w->RenameItem, [](TFRenam& dlg) {
        EXPECT_EQ(dlg.E_Old->text(), "C:\\WORK\\b.txt");
        dlg.E_New->setText("c.txt");
        dlg.OKBtnClick();
    });
    EXPECT_EQ(env.ReadFile("c/WORK/c.txt"), "b");
    EXPECT_EQ(Names(w), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(Names(other), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(w->GetTaggedCount(), 0);
}

TEST_F(DirSepDirTest, RemoveTakesTheTreeSelectionAndTheTreeLosesIt) {
    env.WriteFile("c/SRC/r.txt", "r");
    env.WriteFile("c/SRC/SUB1/DEEP/d.txt", "d");
    AppIni().WriteBool("F_RDIR", "CB_KeepStruct", false);
    TSepDir* w = OpenSep("C:\\");
    PickInTree(w, "C:\\SRC");
    Choose<TFRDIR>(w->DirRemoveItem, [](TFRDIR& dlg) {
        EXPECT_EQ(dlg.E_Root->text(), "C:\\SRC");
        EXPECT_EQ(dlg.Lines().size(), 3u);
        dlg.OKBtnClick();
    });
    EXPECT_FALSE(IsDir("C:\\SRC"));
    EXPECT_FALSE(TreeHolds(w, "C:\\SRC"));
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{
                  "Delete Directory\r\nAre you sure you want to delete the Directories?"});
}

TEST_F(DirSepDirTest, CopyIntoAnotherWindowsDirectoryShowsThereAtOnce) {
    env.WriteFile("c/SRC/r.txt", "root");
    env.WriteFile("c/SRC/SUB1/one.txt", "one");
    env.WriteFile("d/DST/old.txt", "old");
    TSepDir* dst = OpenSep("D:\\DST");
    TSepDir* w = OpenSep("C:\\");
    PickInTree(w, "C:\\SRC");
    Choose<TFDIRCPY>(w->DirCopyItem, [](TFDIRCPY& dlg) {
        EXPECT_EQ(dlg.E_From->text(), "C:\\SRC");
        ASSERT_EQ(dlg.CB_Destination->count(), 1);
        EXPECT_EQ(dlg.CB_Destination->itemText(0), "D:\\DST");
        dlg.CB_Destination->setEditText(dlg.CB_Destination->itemText(0));
        dlg.CB_MkSub->setChecked(false);
        dlg.OKBtnClick();
    });
    EXPECT_EQ(env.ReadFile("d/DST/r.txt"), "root");
    EXPECT_EQ(env.ReadFile("d/DST/SUB1/one.txt"), "one");
    EXPECT_EQ(Names(dst), (std::vector<std::string>{"old.txt", "r.txt"}));
    EXPECT_TRUE(TreeHolds(dst, "D:\\DST\\SUB1"));
    EXPECT_TRUE(env.prompts.texts().empty());
}

}  // namespace
