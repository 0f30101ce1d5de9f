// Dragging between split windows: files from the list, directories from
// the tree, the splitter, and files from other applications. Drags start
// with real mouse events; the toolkit's drag loop is left out and the
// drop's events are sent to the target as the loop would. The dialog a drop
// opens is read and cancelled (or confirmed) as it comes up.
#include <QHeaderView>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "drag_drop_ui_fixture.h"
#include "support/test_env.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/program_parts_qt.h"

namespace fs = std::filesystem;

namespace {

struct DragDropTest : DragDropUiTest {
    TSepDir* a = nullptr;  // C:\work
    TSepDir* b = nullptr;  // D:\dest

    void SetUp() override {
        for (const char* f : {"c/work/a.txt", "c/work/b.txt", "c/work/c.txt", "c/work/d.txt",
                              "c/work/sub/deep/s.txt", "c/in/x.txt", "c/in/y.txt", "c/in2/z.txt", "d/dest/old.txt",
                              "outside.txt"})
            env.WriteFile(f, std::string("data of ") + f);
        ShowForm(InstallProgramParts, QSize(1000, 700));
        CatchDrags();
        a = Open("C:\\work");
        b = Open("D:\\dest");
    }
    // Right of the Tag column.
    static QPoint RowPoint(TSepDir* w, int row) { return ListPoint(w, row); }
    static std::vector<std::string> Names(TSepDir* w) {
        std::vector<std::string> out;
        for (int i = 0; i < w->GetListCount(); ++i) out.push_back(w->GetEntryName(i));
        return out;
    }
    std::unique_ptr<QMimeData> Outside(const std::vector<QUrl>& urls) const {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(QList<QUrl>(urls.begin(), urls.end()));
        return data;
    }
    QUrl HostUrl(const std::string& rel) const {
        return QUrl::fromLocalFile(QString::fromStdString(env.Host(rel)));
    }
};

using Files = std::vector<std::string>;

}  // namespace

TEST_F(DragDropTest, DraggingAnUntaggedRowWithTwoTaggedDragsThreeFilesIntoTheCopyDialog) {
    a->TagEntry(0);
    a->TagEntry(1);
    // Less than 6 pixels is no drag.
    DragRow(a, 2, {}, 4);
    EXPECT_EQ(drags, 0);
    EXPECT_FALSE(a->IsTagged(2));

    DragRow(a, 2);
    ASSERT_EQ(drags, 1);
    EXPECT_EQ(a->GetTaggedCount(), 3);
    EXPECT_EQ(form->Drag().Source, a);
    EXPECT_FALSE(form->Drag().IsMove);
    EXPECT_FALSE(form->Drag().IsDirectory);
    EXPECT_EQ(draggedPicture, DragPicture(3).toImage());
    EXPECT_NE(DragPicture(1).toImage(), DragPicture(3).toImage());
    EXPECT_FALSE(DragPicture(1).isNull());
    // Other applications get the files' host paths.
    QList<QUrl> urls = dragged->urls();
    ASSERT_EQ(urls.size(), 3);
    EXPECT_EQ(urls[0].toLocalFile().toStdString(), env.Host("c/work/a.txt"));
    EXPECT_EQ(urls[2].toLocalFile().toStdString(), env.Host("c/work/c.txt"));

    const TDropped r = SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get());
    EXPECT_TRUE(r.entered && r.moved && r.dropped);
    EXPECT_EQ(r.action, Qt::CopyAction);
    EXPECT_EQ(form->Drag().Source, nullptr);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->caption, "Copy");
    EXPECT_EQ(seen->files, (Files{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(seen->from, "C:\\work");
    EXPECT_EQ(seen->destination, "D:\\dest");
    // Cancelled: nothing was copied.
    EXPECT_FALSE(env.Exists("d/dest/a.txt"));
    EXPECT_EQ(Names(b), (Files{"old.txt"}));

    // The drop on the window's client area beside the list, confirmed.
    DragRow(a, 3);
    EXPECT_EQ(a->GetTaggedCount(), 4);
    SendDrop(b->Client, QPoint(b->Client->width() - 2, b->Client->height() - 2), dragged.get());
    seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->files.size(), 4u);
    EXPECT_EQ(env.ReadFile("d/dest/d.txt"), "data of c/work/d.txt");
    EXPECT_EQ(Names(b), (Files{"a.txt", "b.txt", "c.txt", "d.txt", "old.txt"}));
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(DragDropTest, ShiftDragsEveryRowAndCtrlAtTheStartMakesItAMove) {
    DragRow(a, 1, Qt::ShiftModifier);
    EXPECT_EQ(a->GetTaggedCount(), 4);
    SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get());
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->files, (Files{"a.txt", "b.txt", "c.txt", "d.txt"}));

    // Ctrl at the start: a move, whatever is held at the drop.
    a->TagNone();
    DragRow(a, 1, Qt::ControlModifier);
    EXPECT_TRUE(form->Drag().IsMove);
    EXPECT_EQ(a->GetTaggedCount(), 1);
    EXPECT_EQ(draggedPicture, DragPicture(1).toImage());
    const TDropped r = SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get());
    EXPECT_EQ(r.action, Qt::CopyAction);  // the source is never told to delete
    seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FMove");
    EXPECT_EQ(seen->caption, "Move");
    EXPECT_EQ(seen->files, (Files{"b.txt"}));
    EXPECT_EQ(seen->destination, "D:\\dest");
    EXPECT_FALSE(env.Exists("c/work/b.txt"));
    EXPECT_TRUE(env.Exists("d/dest/b.txt"));
    EXPECT_EQ(Names(a), (Files{"a.txt", "c.txt", "d.txt"}));

    // Ctrl only at the drop is still a copy.
    DragRow(a, 0);
    SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get(), Qt::ControlModifier);
    seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
}

TEST_F(DragDropTest, OnItsOwnWindowTheListTakesNothingAndTheTreeCopiesIntoASubdirectory) {
    DragRow(a, 0);
    ASSERT_EQ(form->Drag().Source, a);
    // Its own list: taken, nothing happens, the drag is over.
    TDropped r = SendDrop(a->LB1->viewport(), RowPoint(a, 2), dragged.get());
    EXPECT_TRUE(r.dropped);
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(NextDialog());

    // Its own tree: the subdirectory under the mouse, which becomes the
    // tree's selection while the drag is over it.
    DragRow(a, 0);
    const QPoint sub = TreePoint(a, "C:\\work\\sub");
    EXPECT_TRUE(Hover(a->DLB1->viewport(), sub, dragged.get()));
    EXPECT_EQ(a->DLB1->SelectedPath(), "C:\\work\\sub");
    EXPECT_EQ(a->GetDirectory(), "C:\\work");
    r = SendDrop(a->DLB1->viewport(), sub, dragged.get());
    EXPECT_TRUE(r.dropped);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->destination, "C:\\work\\sub");
    EXPECT_EQ(seen->files, (Files{"a.txt"}));

    // Its own directory's item, and empty space in the tree, take nothing;
    // the tree keeps the drag (the client area behind it does not take it).
    DragRow(a, 0);
    r = SendDrop(a->DLB1->viewport(), TreePoint(a, "C:\\work"), dragged.get());
    EXPECT_TRUE(r.entered);
    EXPECT_FALSE(r.moved || r.dropped);
    EXPECT_FALSE(Hover(a->DLB1->viewport(), QPoint(5, a->DLB1->viewport()->height() - 2), dragged.get()));
    EXPECT_FALSE(DropOnly(a->DLB1->viewport(), TreePoint(a, "C:\\work"), dragged.get()));
    EXPECT_EQ(a->DLB1->SelectedPath(), "C:\\work\\sub");  // where the last taken move was
    // Nor does another window on the same directory.
    TSepDir* twin = Open("C:\\work");
    r = SendDrop(twin->LB1->viewport(), RowPoint(twin, 0), dragged.get());
    EXPECT_FALSE(r.moved || r.dropped);
    EXPECT_FALSE(NextDialog());
    EXPECT_EQ(form->Drag().Source, a);  // nothing took it
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(DragDropTest, ADirectoryDraggedFromTheTreeOpensTheDirectoryCopyElsewhereOnly) {
    DragTreeItem(a, "C:\\work\\sub");
    ASSERT_EQ(drags, 1);
    EXPECT_EQ(form->Drag().Source, a);
    EXPECT_TRUE(form->Drag().IsDirectory);
    EXPECT_FALSE(form->Drag().IsMove);
    ASSERT_EQ(dragged->urls().size(), 1);
    EXPECT_EQ(dragged->urls()[0].toLocalFile().toStdString(), env.Host("c/work/sub"));

    // Not on its own window; hovering its own tree leaves its selection,
    // the dragged directory, alone.
    EXPECT_FALSE(SendDrop(a->LB1->viewport(), RowPoint(a, 0), dragged.get()).dropped);
    EXPECT_FALSE(SendDrop(a->DLB1->viewport(), TreePoint(a, "C:\\work"), dragged.get()).dropped);
    EXPECT_EQ(a->DLB1->SelectedPath(), "C:\\work\\sub");
    // Not into itself or below it.
    TSepDir* inside = Open("C:\\work\\sub");
    EXPECT_FALSE(SendDrop(inside->LB1->viewport(), RowPoint(inside, 0), dragged.get()).dropped);
    EXPECT_FALSE(
        SendDrop(inside->DLB1->viewport(), TreePoint(inside, "C:\\work\\sub\\deep"), dragged.get()).dropped);
    EXPECT_FALSE(NextDialog());
    EXPECT_EQ(form->Drag().Source, a);

    // Another window: the directory copy with the window's directory.
    EXPECT_TRUE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get()).dropped);
    std::optional<TSeen> seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FDIRCPY");
    EXPECT_EQ(seen->caption, "Copy Directory");
    EXPECT_EQ(seen->from, "C:\\work\\sub");
    EXPECT_EQ(seen->destination, "D:\\dest");
    EXPECT_EQ(env.ReadFile("d/dest/sub/deep/s.txt"), "data of c/work/sub/deep/s.txt");
    EXPECT_EQ(form->Drag().Source, nullptr);
}

TEST_F(DragDropTest, ADropWhoseSourceWindowHasClosedOrWhoseDragWasCancelledDoesNothing) {
    DragRow(a, 0);
    a->close();
    DeleteClosed();
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get()).moved);

    // Closed between the last move and the drop.
    TSepDir* c = Open("C:\\work");
    DragRow(c, 0);
    EXPECT_TRUE(Hover(b->LB1->viewport(), RowPoint(b, 0), dragged.get()));
    c->close();
    DeleteClosed();
    EXPECT_FALSE(DropOnly(b->LB1->viewport(), RowPoint(b, 0), dragged.get()));
    // Closed after the drop, before its dialog could come up.
    c = Open("C:\\work");
    DragRow(c, 0);
    EXPECT_TRUE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get()).dropped);
    c->close();
    DeleteClosed();
    EXPECT_FALSE(NextDialog());

    // A context menu opening cancels the drag.
    TSepDir* d = Open("C:\\work");
    DragRow(d, 1);
    ASSERT_EQ(form->Drag().Source, d);
    QTest::mousePress(b->LB1->viewport(), Qt::RightButton, {}, RowPoint(b, 0));
    QTest::mouseRelease(b->LB1->viewport(), Qt::RightButton, {}, RowPoint(b, 0));
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), dragged.get()).dropped);
    DragRow(d, 1);
    d->PrepareTreeMenu(QPoint(5, 5));
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(NextDialog());
    EXPECT_FALSE(env.Exists("d/dest/a.txt"));
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(DragDropTest, TheSplitterIsDroppedWhereItIsTaken) {
    QWidget* panel = a->PSplitter;
    const int before = panel->x(), tree = a->DLB1->width();
    const int bottom = a->Client->height() - 2;  // below the tree: the client area
    // Drags the panel by its left pixel so that its left edge ends at
    // client x, with the mouse at client height y.
    auto drag = [&](int x, int y) {
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(1, y));
        QTest::mouseMove(panel, QPoint(x + 1 - panel->x(), y));
        const Qt::CursorShape shape = panel->cursor().shape();
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(x + 1 - panel->x(), y));
        return shape;
    };

    // 40 pixels from the tree's edge, over the tree: not taken; it goes back.
    const int edge = a->DLB1->x();
    EXPECT_EQ(drag(edge + 40, 50), Qt::ForbiddenCursor);
    EXPECT_EQ(panel->x(), before);
    EXPECT_EQ(a->DLB1->width(), tree);
    // The same place below the tree is the client area: the least split.
    EXPECT_EQ(drag(edge + 40, bottom), Qt::SplitHCursor);
    EXPECT_EQ(a->DLB1->width(), 100);
    EXPECT_EQ(panel->x(), edge + 100);
    EXPECT_EQ(a->Header1->x(), a->LB1->x());
    EXPECT_EQ(AppIni().ReadInteger("Header", "DIRSplit", 0), edge + 100);
    // Over the list.
    EXPECT_EQ(drag(edge + 250, 60), Qt::SplitHCursor);
    EXPECT_EQ(a->DLB1->width(), 250);
    EXPECT_EQ(a->LB1->x() + a->LB1->width(), a->Client->width() - 5);
    // Over the tree a hundred pixels and more from its edge it is taken.
    EXPECT_EQ(drag(edge + 99, 50), Qt::SplitHCursor);  // the mouse is one pixel right
    EXPECT_EQ(a->DLB1->width(), 100);
    drag(edge + 250, 60);
    EXPECT_EQ(drag(edge + 98, 50), Qt::ForbiddenCursor);
    EXPECT_EQ(a->DLB1->width(), 250);
}

TEST_F(DragDropTest, FilesFromAnotherApplicationOpenTheCopyDialogForThatWindow) {
    auto data = Outside({HostUrl("c/in/x.txt"), HostUrl("c/in/y.txt")});
    TDropped r = SendDrop(b->LB1->viewport(), RowPoint(b, 0), data.get());
    EXPECT_TRUE(r.entered && r.dropped);
    EXPECT_EQ(r.action, Qt::CopyAction);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->files, (Files{"x.txt", "y.txt"}));
    EXPECT_EQ(seen->from, "C:\\in");
    EXPECT_EQ(seen->destination, "D:\\dest");
    EXPECT_FALSE(env.Exists("d/dest/x.txt"));

    // Confirmed, the files are copied and the originals stay.
    SendDrop(b->LB1->viewport(), RowPoint(b, 0), data.get());
    ASSERT_TRUE(NextDialog(PressOK));
    EXPECT_EQ(env.ReadFile("d/dest/y.txt"), "data of c/in/y.txt");
    EXPECT_TRUE(env.Exists("c/in/y.txt"));
    EXPECT_EQ(Names(b), (Files{"old.txt", "x.txt", "y.txt"}));

    // Ctrl at the drop moves; files of several directories are listed
    // with their paths. On a tree item, into that item's directory.
    data = Outside({HostUrl("c/in/x.txt"), HostUrl("c/in2/z.txt")});
    r = SendDrop(a->DLB1->viewport(), TreePoint(a, "C:\\work\\sub"), data.get(), Qt::ControlModifier);
    EXPECT_EQ(r.action, Qt::CopyAction);  // the other application deletes nothing
    seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FMove");
    EXPECT_EQ(seen->files, (Files{"C:\\in\\x.txt", "C:\\in2\\z.txt"}));
    EXPECT_EQ(seen->destination, "C:\\work\\sub");
    EXPECT_FALSE(env.Exists("c/in2/z.txt"));
    EXPECT_EQ(env.ReadFile("c/work/sub/z.txt"), "data of c/in2/z.txt");
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();

    // A drag from another running Quilby carries its files as from outside.
    data = Outside({HostUrl("c/in/y.txt")});
    data->setData(kQuilbyDragFormat, "1 list");
    EXPECT_TRUE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), data.get()).dropped);
    seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->files, (Files{"y.txt"}));
}

TEST_F(DragDropTest, UrisThatAreNotLocalFilesOnADriveAreRefusedWhole) {
    const std::vector<std::vector<QUrl>> refused = {
        {QUrl("http://example.com/x.txt")},
        {HostUrl("c/in/x.txt"), QUrl("https://example.com/y.txt")},  // one bad one refuses all
        {HostUrl("outside.txt")},                                     // on no drive
        {HostUrl("c/in")},                                            // a directory
        {HostUrl("c/in/missing.txt")},
        {HostUrl("d/dest/old.txt")},                                  // into its own directory
        {},
    };
    for (const std::vector<QUrl>& urls : refused) {
        auto data = Outside(urls);
        const TDropped r = SendDrop(b->LB1->viewport(), RowPoint(b, 0), data.get());
        EXPECT_FALSE(r.moved || r.dropped) << urls.size();
        if (urls.size() == 1 && urls[0].scheme() == "http") {
            EXPECT_FALSE(r.entered);  // not even held
        }
    }
    // Plain text is no file either.
    QMimeData text;
    text.setText(QString::fromStdString(env.Host("c/in/x.txt")));
    EXPECT_FALSE(SendDrop(b->LB1->viewport(), RowPoint(b, 0), &text).dropped);
    // An application that offers only a move is refused: it would delete
    // its files before the user said OK.
    auto data = Outside({HostUrl("c/in/x.txt")});
    ASSERT_TRUE(Hover(b->LB1->viewport(), RowPoint(b, 0), data.get()));
    EXPECT_FALSE(DropOnly(b->LB1->viewport(), RowPoint(b, 0), data.get(), Qt::MoveAction));

    EXPECT_FALSE(NextDialog());
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(Names(b), (Files{"old.txt"}));
}
