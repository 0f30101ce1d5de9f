// Directories that go away or cannot be read, and names the host allows but
// Windows-form paths cannot carry: the split window reads, draws and
// addresses them without harm.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "core/text/column_text.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "ui/frame/main_window.h"
#include "ui/frame/status_line_bar.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

struct DirReadTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form;

    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
    }
    void TearDown() override { form.reset(); }

    TSepDir* Open(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir)) << dir;
        return qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    // Draws every row once, as a paint of a tall list does.
    static void PaintAll(TSepDir* w) {
        w->resize(800, 200 + w->LB1->RowCount() * w->LB1->RowHeight());
        w->LB1->viewport()->grab();
    }
};

}  // namespace

TEST_F(DirReadTest, AVanishedDirectoryEmptiesTheListAndSaysSo) {
    env.WriteFile("c/gone/a.txt", "abc");
    env.WriteFile("c/gone/b.txt", "abc");
    TSepDir* w = Open("C:\\gone");
    ASSERT_EQ(w->GetListCount(), 2);
    w->LB1->SetCurrentRow(1);
    fs::remove_all(env.hostC + "/gone");

    // The main window's refresh reports the failure and the program goes on.
    form->RunCommand([w] { w->Refresh(); });
    EXPECT_EQ(w->GetListCount(), 0);
    EXPECT_EQ(w->GetEntryCount(), 0);
    EXPECT_EQ(w->GetCurrentIndex(), -1);
    EXPECT_EQ(env.prompts.last(), "The system cannot find the path specified: C:\\gone");
    PaintAll(w);
    EXPECT_EQ(w->GetCurrentName(), "");

    // Reading the tree again finds the nearest directory that is still there.
    form->RunCommand([w] { w->UpdateTree(); });
    EXPECT_EQ(w->GetDirectory(), "C:\\");
    EXPECT_EQ(w->windowTitle(), "C:\\");
}

TEST_F(DirReadTest, ADirectoryThatCannotBeReadListsNothing) {
    env.WriteFile("c/locked/a.txt", "abc");
    TSepDir* w = Open("C:\\locked");
    ASSERT_EQ(w->GetListCount(), 1);
    // The directory is replaced by a file of its name: no enumeration opens it.
    fs::remove_all(env.hostC + "/locked");
    env.WriteFile("c/locked", "not a directory");
    form->RunCommand([w] { w->ReadDirectory(); });
    EXPECT_EQ(w->GetListCount(), 0);
    EXPECT_EQ(form->StatusLine->P_Counter->text(), "0  0K");
    PaintAll(w);
}

TEST_F(DirReadTest, OddHostNamesAreListedShownAndAddressedAsTheyAre) {
    const std::string dir = env.hostC + "/odd";
    fs::create_directories(dir);
    const std::vector<std::string> hostNames = {
        "line\nbreak.txt", "colon:name.txt", "back\\slash.txt", "latin\xE9.txt",
        "star*?.txt",      std::string(251, 'n') + ".txt",  "caf\u00E9.txt"};
    for (const std::string& n : hostNames) std::ofstream(dir + "/" + n) << "12345";
    fs::create_directories(dir + "/sub\ndir");

    TSepDir* w = Open("C:\\odd");
    ASSERT_EQ(w->GetListCount(), static_cast<int>(hostNames.size()));
    PaintAll(w);
    for (int i = 0; i < w->GetListCount(); ++i) {
        // Every entry leads back to its host file.
        EXPECT_TRUE(plat::FileExists(w->GetEntryPath(i))) << w->GetEntryPath(i);
        EXPECT_EQ(plat::GetFileAttributes(w->GetEntryPath(i)) & plat::faDirectory, 0u);
    }
    const int colon = w->FindEntry(plat::HostNameToWin("colon:name.txt"));
    ASSERT_GE(colon, 0);
    EXPECT_EQ(ShownText(w->GetColumnText(colon, 'F')), "colon:name");
    const int br = w->FindEntry(plat::HostNameToWin("line\nbreak.txt"));
    ASSERT_GE(br, 0);
    EXPECT_EQ(ShownText(w->GetColumnText(br, 'F')), "line\u240Abreak");
    EXPECT_GE(w->FindEntry(std::string(251, 'N') + ".TXT"), 0);

    // The tree holds the odd subdirectory and opens on it.
    const std::string sub = "C:\\odd\\" + plat::HostNameToWin("sub\ndir");
    ASSERT_TRUE(w->DLB1->SetDirectory(sub));
    EXPECT_EQ(w->GetDirectory(), sub);
    EXPECT_EQ(w->windowTitle().toStdString(), ShownText(sub));
    EXPECT_EQ(w->GetListCount(), 0);
}

TEST_F(DirReadTest, TheTreeReadsSubdirectoriesOnlyWhenANodeOpens) {
    env.WriteFile("c/top/one/deep/x.txt", "");
    env.WriteFile("c/top/two/y.txt", "");
    env.WriteFile("c/top/Three/z.txt", "");
    TSepDir* w = Open("C:\\top");
    TDirTree* tree = w->DLB1;
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "C:\\");
    ASSERT_EQ(root->childCount(), 1);  // only the way to the directory
    QTreeWidgetItem* top = root->child(0);
    EXPECT_EQ(top->text(0), "top");
    EXPECT_TRUE(top->font(0).bold());
    // The current node's subdirectories are read, in name order without
    // regard to case; theirs are not yet.
    ASSERT_EQ(top->childCount(), 3);
    EXPECT_EQ(top->child(0)->text(0), "one");
    EXPECT_EQ(top->child(1)->text(0), "Three");
    EXPECT_EQ(top->child(2)->text(0), "two");
    EXPECT_EQ(top->child(0)->childCount(), 0);
    top->child(0)->setExpanded(true);
    ASSERT_EQ(top->child(0)->childCount(), 1);
    EXPECT_EQ(top->child(0)->child(0)->text(0), "deep");

    // A new directory appears when the tree is read again; open nodes and
    // the selection stay.
    fs::create_directories(env.hostC + "/top/four");
    tree->SelectPath("C:\\top\\two");
    w->UpdateTree();
    top = tree->topLevelItem(0)->child(0);
    EXPECT_EQ(top->childCount(), 4);
    EXPECT_EQ(w->GetDirectory(), "C:\\top");
    EXPECT_TRUE(top->child(1)->isExpanded());  // "one", after "four"
    EXPECT_EQ(tree->SelectedPath(), "C:\\top\\two");

    // A stored spelling of another case finds the directory as spelled on disk.
    ASSERT_TRUE(tree->SetDirectory("c:\\TOP\\three"));
    EXPECT_EQ(w->GetDirectory(), "C:\\top\\Three");
    EXPECT_FALSE(tree->SetDirectory("C:\\top\\none"));
    EXPECT_EQ(w->GetDirectory(), "C:\\top\\Three");
}
