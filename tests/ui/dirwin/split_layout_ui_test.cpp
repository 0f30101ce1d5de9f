// The split window's layout: tree, splitter, header and list fill the
// client area after every splitter drag, resize, maximize, restore and
// tile, in this window and in the others, and the stored split is what a
// new window opens with.
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

#include "core/settings/app_ini.h"
#include "sep_dir_ui_fixture.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"

namespace {

struct SplitLayoutTest : SepDirUiTest {
    void SetUp() override {
        env.WriteFile("c/work/a.txt", "data");
        env.WriteFile("c/work/sub/s.txt", "data");
        ShowForm(InstallDirectoryWindows, QSize(1200, 850));
    }

    // Drags the splitter with the mouse, below the tree (the client area
    // takes it there), so that its left edge ends at client x.
    static void DragSplitter(TSepDir* w, int x) {
        QWidget* panel = w->PSplitter;
        const int y = w->Client->height() - 2;
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(1, y));
        QTest::mouseMove(panel, QPoint(x + 1 - panel->x(), y));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(x + 1 - panel->x(), y));
        QApplication::processEvents();
    }

    // Tree and splitter side by side, header and list right of the
    // splitter, all of them out to the client area's margins: nothing
    // overlaps and nothing is left uncovered.
    static void ExpectTiled(TSepDir* w, const char* when) {
        SCOPED_TRACE(when);
        const QSize client = w->Client->size();
        const QRect tree = w->DLB1->geometry(), bar = w->PSplitter->geometry(),
                    header = w->Header1->geometry(), list = w->LB1->geometry();
        EXPECT_EQ(tree.topLeft(), QPoint(4, 4));
        EXPECT_EQ(tree.right() + 1, bar.left());
        EXPECT_EQ(bar.width(), 4);
        EXPECT_EQ(bar.top(), 0);
        EXPECT_EQ(bar.height(), client.height());
        EXPECT_EQ(header.left(), bar.right() + 3);  // two pixels between splitter and list
        EXPECT_EQ(list.left(), header.left());
        EXPECT_EQ(list.width(), header.width());
        EXPECT_EQ(header.top(), 4);
        EXPECT_EQ(list.top(), header.bottom() + 1);
        EXPECT_EQ(list.right(), client.width() - 1 - 5);
        EXPECT_EQ(list.bottom(), client.height() - 1 - 5);
        EXPECT_EQ(tree.bottom(), client.height() - 1 - 5);
        EXPECT_GT(list.width(), 0);
    }
};

}  // namespace

TEST_F(SplitLayoutTest, TreeSplitterAndListTileTheClientAreaThroughDragsResizesAndArranging) {
    TSepDir* w = Open("C:\\work");
    ExpectTiled(w, "opened");

    DragSplitter(w, 255);
    EXPECT_EQ(w->PSplitter->x(), 255);
    ExpectTiled(w, "normal, dragged right");
    DragSplitter(w, 190);
    EXPECT_EQ(w->PSplitter->x(), 190);
    ExpectTiled(w, "normal, dragged left");

    w->showMaximized();
    QApplication::processEvents();
    ExpectTiled(w, "maximized");
    DragSplitter(w, 250);
    EXPECT_EQ(w->PSplitter->x(), 250);
    ExpectTiled(w, "maximized, dragged");
    w->showNormal();
    QApplication::processEvents();
    ExpectTiled(w, "restored");
    w->resize(w->width() + 77, w->height() - 41);
    QApplication::processEvents();
    ExpectTiled(w, "resized");

    // Another window, opened after the drag and maximized.
    TSepDir* other = Open("C:\\work\\sub");
    EXPECT_EQ(other->PSplitter->x(), 250);
    ExpectTiled(other, "second window");
    other->showMaximized();
    QApplication::processEvents();
    ExpectTiled(other, "second window maximized");
    DragSplitter(other, 300);
    ExpectTiled(other, "second window dragged");

    // Tiling lays out every window from the split stored last.
    for (QAction* tile : {form->WindowTileH, form->WindowTileV}) {
        tile->trigger();
        QApplication::processEvents();
        ExpectTiled(w, "tiled, first");
        ExpectTiled(other, "tiled, second");
        EXPECT_EQ(w->PSplitter->x(), 300);
    }
}

TEST_F(SplitLayoutTest, ANarrowWindowKeepsSomeListAndGetsTheStoredSplitBackWhenWidened) {
    TSepDir* w = Open("C:\\work");
    DragSplitter(w, 400);
    const QSize wide = w->size();
    w->resize(300, wide.height());
    QApplication::processEvents();
    ExpectTiled(w, "narrow");
    EXPECT_LT(w->PSplitter->x(), 400);
    EXPECT_EQ(AppIni().ReadInteger("Header", "DIRSplit", 0), 400);  // the narrow window stores nothing
    w->resize(wide);
    QApplication::processEvents();
    ExpectTiled(w, "widened");
    EXPECT_EQ(w->PSplitter->x(), 400);

    // Dropped beyond what the window can give: stored as it is shown.
    DragSplitter(w, w->Client->width() - 10);
    ExpectTiled(w, "dropped at the right edge");
    EXPECT_EQ(AppIni().ReadInteger("Header", "DIRSplit", 0), w->PSplitter->x());
}

TEST_F(SplitLayoutTest, TheStoredSplitIsWhereANewWindowOpens) {
    // Written by an earlier run.
    AppIni().WriteInteger("Header", "DIRSplit", 222);
    TSepDir* w = Open("C:\\work");
    EXPECT_EQ(w->PSplitter->x(), 222);
    ExpectTiled(w, "from the stored split");
}
