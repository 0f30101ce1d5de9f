// Dragging with search result windows: rows dragged out with the result
// window's own four pictures, from many directories at once; files and
// directories dropped on a row going into that row's directory; the own
// window's rows taking its drag without effect.
#include <QUrl>

#include <gtest/gtest.h>

#include "drag_drop_ui_fixture.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/frame/program_parts_qt.h"
#include "ui/search/drive_search_dialog.h"

namespace {

using Files = std::vector<std::string>;

struct CmbDirDragTest : DragDropUiTest {
    TCmbDir* found = nullptr;  // C:\found *.TXT
    TSepDir* work = nullptr;   // C:\work
    TSepDir* dest = nullptr;   // D:\dest

    void SetUp() override {
        for (const char* f : {"c/found/top.txt", "c/found/A/B/deep.txt", "c/found/A/B/more.txt",
                              "c/found/C/other.txt", "c/work/w1.txt", "c/work/w2.txt", "c/work/sub/s.txt",
                              "d/dest/old.txt"})
            env.WriteFile(f, std::string("data of ") + f);
        ShowForm(InstallProgramParts, QSize(1000, 700));
        CatchDrags();
        work = Open("C:\\work");
        dest = Open("D:\\dest");
        found = Search("C:\\found");
    }
    TCmbDir* Search(const std::string& base) {
        TDriveSearchCriteria c;
        c.BaseDirectory = base;
        c.Patterns = "*.TXT";
        TCmbDir* w = OpenResultWindow(*form, c);
        QApplication::processEvents();
        return w;
    }
    int Row(const std::string& name) const {
        const int row = found->FindEntry(name);
        EXPECT_GE(row, 0) << name;
        return row;
    }
};

}  // namespace

TEST_F(CmbDirDragTest, RowsDragWithTheResultWindowsOwnPictures) {
    // The picture follows the files dragged and Ctrl at the start.
    const struct {
        std::vector<std::string> taggedBefore;
        std::string dragged;
        Qt::KeyboardModifiers keys;
        int cursor;
    } cases[] = {
        {{}, "top.txt", {}, 1},
        {{"C\\other.txt"}, "top.txt", {}, 2},
        {{}, "top.txt", Qt::ControlModifier, 3},
        {{"top.txt"}, "top.txt", Qt::ControlModifier, 3},  // the dragged row was tagged already
        {{"C\\other.txt"}, "top.txt", Qt::ControlModifier, 4},
        {{}, "top.txt", Qt::ShiftModifier, 2},  // every row
    };
    std::vector<QImage> pictures;
    for (int cursor = 1; cursor <= 4; ++cursor) {
        pictures.push_back(ResultDragPicture(cursor).toImage());
        EXPECT_FALSE(pictures.back().isNull()) << cursor;
        for (int other = 0; other + 1 < cursor; ++other) EXPECT_NE(pictures[other], pictures.back()) << cursor;
    }
    for (const auto& c : cases) {
        found->TagNone();
        for (const std::string& name : c.taggedBefore) found->TagEntry(Row(name));
        const int before = drags;
        DragRow(found, Row(c.dragged), c.keys);
        ASSERT_EQ(drags, before + 1) << c.cursor;
        EXPECT_EQ(draggedPicture, pictures[c.cursor - 1]) << "case of cursor " << c.cursor;
        EXPECT_EQ(form->Drag().Source, found);
        EXPECT_EQ(form->Drag().IsMove, (c.keys & Qt::ControlModifier) != 0);
    }
    EXPECT_EQ(found->GetTaggedCount(), 4);
    // A split window's drag keeps the toolkit's pictures.
    DragRow(work, 0);
    EXPECT_EQ(draggedPicture, DragPicture(1).toImage());
}

TEST_F(CmbDirDragTest, RowsOfSeveralDirectoriesCopyIntoAnotherWindow) {
    found->TagEntry(Row("A\\B\\deep.txt"));
    DragRow(found, Row("C\\other.txt"));
    ASSERT_EQ(drags, 1);
    EXPECT_EQ(form->Drag().SourceDirs, Files{"C:\\found"});
    const QList<QUrl> urls = dragged->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile().toStdString(), env.Host("c/found/A/B/deep.txt"));
    EXPECT_EQ(urls[1].toLocalFile().toStdString(), env.Host("c/found/C/other.txt"));

    // A copy keeps the files' directories below the target: not into the
    // base, where each would land on itself; into a directory of a file,
    // below which it lands again.
    TSepDir* base = Open("C:\\found");
    TSepDir* sub = Open("C:\\found\\C");
    EXPECT_FALSE(SendDrop(base->LB1->viewport(), RowPoint(base, 0), dragged.get()).dropped);
    EXPECT_FALSE(NextDialog());
    EXPECT_TRUE(SendDrop(sub->LB1->viewport(), RowPoint(sub, 0), dragged.get()).dropped);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->destination, "C:\\found\\C");
    // A move puts each file into the target itself: into the base, but
    // not into a directory one of the files is in.
    DragRow(found, Row("C\\other.txt"), Qt::ControlModifier);
    EXPECT_EQ(form->Drag().SourceDirs, (Files{"C:\\found\\A\\B", "C:\\found\\C"}));
    EXPECT_FALSE(SendDrop(sub->LB1->viewport(), RowPoint(sub, 0), dragged.get()).dropped);
    EXPECT_FALSE(NextDialog());
    EXPECT_TRUE(SendDrop(base->LB1->viewport(), RowPoint(base, 0), dragged.get()).dropped);
    seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FMove");
    EXPECT_EQ(seen->destination, "C:\\found");

    DragRow(found, Row("C\\other.txt"));

    const TDropped r = SendDrop(dest->LB1->viewport(), RowPoint(dest, 0), dragged.get());
    EXPECT_TRUE(r.dropped);
    EXPECT_EQ(form->Drag().Source, nullptr);
    seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->destination, "D:\\dest");
    // A result window's copy keeps the files' directories below the base.
    EXPECT_EQ(env.ReadFile("d/dest/A/B/deep.txt"), "data of c/found/A/B/deep.txt");
    EXPECT_EQ(env.ReadFile("d/dest/C/other.txt"), "data of c/found/C/other.txt");
    EXPECT_TRUE(env.Exists("c/found/A/B/deep.txt"));
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(CmbDirDragTest, FilesDroppedOnARowGoIntoThatRowsDirectory) {
    DragRow(work, 0);
    QWidget* list = found->LB1->viewport();
    // Below the last row nothing is taken.
    const QPoint below(ListPoint(found, 0).x(), found->LB1->RowHeight() * found->GetListCount() + 5);
    EXPECT_FALSE(Hover(list, below, dragged.get()));
    EXPECT_FALSE(DropOnly(list, below, dragged.get()));
    EXPECT_FALSE(NextDialog());
    EXPECT_EQ(form->Drag().Source, work);

    // Over a row: it becomes the current row, the copy goes to its directory.
    const int deep = Row("A\\B\\deep.txt");
    found->LB1->SetCurrentRow(Row("top.txt"));
    EXPECT_TRUE(Hover(list, ListPoint(found, deep), dragged.get()));
    EXPECT_EQ(found->GetCurrentIndex(), deep);
    const TDropped r = SendDrop(list, ListPoint(found, deep), dragged.get());
    EXPECT_TRUE(r.dropped);
    EXPECT_EQ(r.action, Qt::CopyAction);
    EXPECT_EQ(form->Drag().Source, nullptr);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FCopy");
    EXPECT_EQ(seen->from, "C:\\work");
    EXPECT_EQ(seen->files, (Files{"w1.txt"}));
    EXPECT_EQ(seen->destination, "C:\\found\\A\\B");
    EXPECT_FALSE(env.Exists("c/found/A/B/w1.txt"));

    // A row of the base: into the base. Ctrl at the start makes it a move,
    // and the result window finds the moved file when it searches again.
    work->TagNone();
    DragRow(work, 1, Qt::ControlModifier);
    EXPECT_TRUE(SendDrop(list, ListPoint(found, Row("top.txt")), dragged.get()).dropped);
    seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FMove");
    EXPECT_EQ(seen->destination, "C:\\found");
    EXPECT_FALSE(env.Exists("c/work/w2.txt"));
    EXPECT_EQ(env.ReadFile("c/found/w2.txt"), "data of c/work/w2.txt");
    EXPECT_GE(found->FindEntry("w2.txt"), 0);
}

TEST_F(CmbDirDragTest, ADirectoryDroppedOnARowIsCopiedIntoItsDirectory) {
    DragTreeItem(work, "C:\\work\\sub");
    ASSERT_EQ(drags, 1);
    EXPECT_TRUE(SendDrop(found->LB1->viewport(), ListPoint(found, Row("C\\other.txt")), dragged.get()).dropped);
    std::optional<TSeen> seen = NextDialog(PressOK);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "FDIRCPY");
    EXPECT_EQ(seen->from, "C:\\work\\sub");
    EXPECT_EQ(seen->destination, "C:\\found\\C");
    EXPECT_EQ(env.ReadFile("c/found/C/sub/s.txt"), "data of c/work/sub/s.txt");
}

TEST_F(CmbDirDragTest, TheOwnRowsTakeTheDragAndNothingHappens) {
    DragRow(found, Row("top.txt"));
    const int deep = Row("A\\B\\deep.txt");
    const TDropped r = SendDrop(found->LB1->viewport(), ListPoint(found, deep), dragged.get());
    EXPECT_TRUE(r.dropped);
    EXPECT_EQ(found->GetCurrentIndex(), deep);
    EXPECT_FALSE(NextDialog());
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(env.Exists("c/found/A/B/top.txt"));

    // Another result window takes it, though not into the file's own directory.
    TCmbDir* second = Search("C:\\found");
    ASSERT_TRUE(second);
    DragRow(found, Row("top.txt"));
    EXPECT_FALSE(SendDrop(second->LB1->viewport(), ListPoint(second, second->FindEntry("top.txt")),
                          dragged.get())
                     .dropped);
    EXPECT_TRUE(SendDrop(second->LB1->viewport(), ListPoint(second, second->FindEntry("C\\other.txt")),
                         dragged.get())
                    .dropped);
    std::optional<TSeen> seen = NextDialog();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->destination, "C:\\found\\C");

    // A context menu cancels the drag: the drop that follows does nothing.
    DragRow(found, Row("top.txt"));
    EXPECT_EQ(form->Drag().Source, found);
    form->CancelDrag();
    EXPECT_EQ(form->Drag().Source, nullptr);
    EXPECT_FALSE(SendDrop(dest->LB1->viewport(), RowPoint(dest, 0), dragged.get()).dropped);
    EXPECT_FALSE(NextDialog());
}
