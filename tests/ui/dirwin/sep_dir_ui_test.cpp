// The split directory window inside the real main window over real
// directories of the test's drives: opening, captions and their numbers,
// the list's order, tagging by keys and menus, the main window's panels,
// sort box and pattern box, navigation and the menu states.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "sep_dir_ui_fixture.h"
#include "core/settings/app_ini.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/frame/status_line_bar.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

struct SepDirTest : SepDirUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
    }

    // A file below drive C: written at a given time (seconds since 1970).
    void Make(const std::string& rel, size_t size, int64_t when = 1600000000) {
        const std::string host = env.WriteFile("c/" + rel, std::string(size, 'x'));
        fs::last_write_time(host, fs::file_time_type::clock::now() +
                                      std::chrono::seconds(when - std::time(nullptr)));
    }
    // The window as it opens, before any events are processed.
    TSepDir* Open(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir)) << dir;
        return qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    static std::vector<std::string> Names(TSepDir* w) {
        std::vector<std::string> out;
        for (int i = 0; i < w->GetListCount(); ++i) out.push_back(w->GetEntryName(i));
        return out;
    }
    QString CounterText() { return form->StatusLine->P_Counter->text(); }
    QString TagText() { return form->StatusLine->P_Tags->text(); }
};

}  // namespace

TEST_F(SepDirTest, OpensOnTheCurrentDirectoryAndTagsWithSpaceEndToEnd) {
    Make("work/b.txt", 2048, 1600000500);
    Make("work/a.txt", 1000, 1600000400);
    Make("work/c.doc", 10, 1600000300);
    Make("work/z.bat", 5, 1600000200);
    Make("work/makefile", 3000, 1600000100);

    TSepDir* w = Open("C:\\work");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(form->ActiveChild(), w);
    EXPECT_EQ(w->windowTitle(), "C:\\work");
    EXPECT_EQ(w->GetDirectory(), "C:\\work");
    EXPECT_EQ(w->GetDrive(), 'C');
    EXPECT_EQ(form->SplitWindowCount(), 1);
    // "END": by extension (none first), then name, then date.
    EXPECT_EQ(Names(w), (std::vector<std::string>{"makefile.", "z.bat", "c.doc", "a.txt", "b.txt"}));
    EXPECT_EQ(w->LB1->RowCount(), 5);
    EXPECT_EQ(CounterText(), "5  5K");  // 6063 bytes
    EXPECT_EQ(TagText(), "0  0K");

    // Space tags the current row and moves on; on the last row it stays.
    w->LB1->setFocus();
    w->LB1->SetCurrentRow(0);
    QTest::keyClick(w->LB1, Qt::Key_Space);
    EXPECT_TRUE(w->IsTagged(0));
    EXPECT_EQ(w->GetCurrentIndex(), 1);
    EXPECT_EQ(TagText(), "1  2K");
    w->LB1->SetCurrentRow(4);
    QTest::keyClick(w->LB1, Qt::Key_Space);
    EXPECT_TRUE(w->IsTagged(4));
    EXPECT_EQ(w->GetCurrentIndex(), 4);
    EXPECT_EQ(TagText(), "2  4K");  // 5048 bytes
    // A held key's repeats do nothing; it acts when let go.
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w->LB1, &repeat);
    EXPECT_TRUE(w->IsTagged(4));
    EXPECT_TRUE(form->SpeedBar->SB_TagNone->isEnabled());

    // The tag panel reverses, the speed bar clears and tags all.
    form->TagPanelClicked();
    EXPECT_EQ(w->GetTaggedCount(), 3);
    EXPECT_EQ(TagText(), "3  0K");
    form->SpeedBar->SB_TagNone->click();
    EXPECT_EQ(TagText(), "0  0K");
    form->SpeedBar->SB_TagAll->click();
    EXPECT_EQ(TagText(), "5  5K");

    // The sort box re-reads by date alone: newest first, tags gone.
    form->SortBoxChosen(2);
    EXPECT_EQ(w->Options.SortKeys, "D");
    EXPECT_EQ(w->GetTaggedCount(), 0);
    EXPECT_EQ(Names(w), (std::vector<std::string>{"b.txt", "a.txt", "c.doc", "z.bat", "makefile."}));
    form->SortBoxChosen(3);
    EXPECT_EQ(w->Options.SortKeys, "S");
    EXPECT_EQ(Names(w), (std::vector<std::string>{"makefile.", "b.txt", "a.txt", "c.doc", "z.bat"}));
    EXPECT_EQ(form->SpeedBar->CB_Sort->currentText(), "Size");
    EXPECT_EQ(form->SpeedBar->E_Pattern->text(), "*.*");
}

TEST_F(SepDirTest, WindowsOnOneDirectoryAreNumberedAfterTheHighestInUse) {
    Make("WORK/x.txt", 1);
    TSepDir* w1 = Open("C:\\WORK");
    TSepDir* w2 = Open("C:\\WORK");
    TSepDir* w3 = Open("C:\\WORK");
    EXPECT_EQ(w1->windowTitle(), "C:\\WORK");
    EXPECT_EQ(w2->windowTitle(), "C:\\WORK <2>");
    EXPECT_EQ(w3->windowTitle(), "C:\\WORK <3>");
    EXPECT_EQ(form->SplitWindowCount(), 3);
    w2->close();
    DeleteClosed();
    EXPECT_EQ(form->SplitWindowCount(), 2);
    TSepDir* w4 = Open("C:\\WORK");
    EXPECT_EQ(w4->windowTitle(), "C:\\WORK <4>");
    EXPECT_EQ(w4->WindowNumber, 4);
    EXPECT_EQ(w4->CaptionBase, "C:\\WORK");
    // Another directory starts again at 1; moving there drops the number.
    Make("WORK/SUB/y.txt", 1);
    ASSERT_TRUE(w4->DLB1->SetDirectory("C:\\WORK\\SUB"));
    EXPECT_EQ(w4->windowTitle(), "C:\\WORK\\SUB");
    // Closing the highest frees its number for the next window.
    w3->close();
    DeleteClosed();
    EXPECT_EQ(Open("C:\\WORK")->windowTitle(), "C:\\WORK <2>");
}

TEST_F(SepDirTest, AQuickDirectoryGivesTheStartAndThePatterns) {
    Make("quick/a.txt", 1);
    Make("quick/b.doc", 1);
    Make("here/c.txt", 1);
    TSepDir::QuickDirectoryLookup = [](int index, std::string& dir, std::string& wildcards) {
        if (index > 1) return false;
        dir = index == 0 ? "C:\\QUICK" : "C:\\nowhere";  // an old ini's spelling
        wildcards = "*.TXT";
        return true;
    };
    plat::SetCurrentDir("C:\\here");
    auto* w = qobject_cast<TSepDir*>(form->OpenQuickDirectory(0));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GetDirectory(), "C:\\quick");
    EXPECT_EQ(w->Options.Wildcards, "*.TXT");
    EXPECT_EQ(Names(w), std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(env.prompts.seen.empty());

    // A quick directory that is gone says so; the window opens where it is.
    plat::SetCurrentDir("C:\\here");
    w = qobject_cast<TSepDir*>(form->OpenQuickDirectory(1));
    EXPECT_EQ(env.prompts.last(), "Error loading: C:\\nowhere");
    EXPECT_EQ(w->GetDirectory(), "C:\\here");
    EXPECT_EQ(w->Options.Wildcards, "*.*");
    // Without a waiting quick directory the lookup is not asked.
    plat::SetCurrentDir("C:\\here");
    EXPECT_EQ(qobject_cast<TSepDir*>(form->OpenDirectoryWindow())->Options.Wildcards, "*.*");
    TSepDir::QuickDirectoryLookup = nullptr;
}

TEST_F(SepDirTest, WindowsShowingAChangedPathReadItAgain) {
    Make("work/sub/a.txt", 1);
    Make("workshop/b.txt", 1);
    TSepDir* sub = Open("C:\\work\\sub");
    TSepDir* shop = Open("C:\\workshop");
    Make("work/sub/new.txt", 1);
    Make("workshop/new.txt", 1);
    EXPECT_TRUE(sub->ShowsPath("C:\\WORK\\"));
    EXPECT_FALSE(shop->ShowsPath("C:\\WORK\\"));
    form->RefreshWindowsShowing("c:\\work");
    EXPECT_EQ(sub->GetListCount(), 2);
    EXPECT_EQ(shop->GetListCount(), 1);
    EXPECT_TRUE(form->IsPathShown("C:\\WORKSHOP\\"));
    EXPECT_FALSE(form->IsPathShown("C:\\OTHER\\"));
}
