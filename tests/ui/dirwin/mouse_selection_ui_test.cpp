// Tagging with the mouse in a split window's file list, and the file list's
// context menu: what a press in and beside the Tag column does, and what a
// right press does to the tags, the current row and the menu's items.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "sep_dir_ui_fixture.h"
#include "ui/frame/main_window.h"
#include "ui/frame/program_parts_qt.h"
#include "ui/frame/status_line_bar.h"
#include "support/test_env.h"

namespace {

struct MouseSelectionTest : SepDirUiTest {
    void SetUp() override {
        for (const char* f : {"work/a.txt", "work/b.txt", "work/c.txt", "work/d.txt", "other/o.txt"})
            env.WriteFile(std::string("c/") + f, "data");
        ShowForm(InstallProgramParts, QSize(900, 600));
    }
    static int TagWidth(TSepDir* w) { return w->Header1->sectionSize(0); }
    static void Press(TSepDir* w, Qt::MouseButton button, const QPoint& at, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(w->LB1->viewport(), button, m, at);
        QTest::mouseRelease(w->LB1->viewport(), button, m, at);
    }
    static std::vector<bool> Perform(TSepDir* w) {
        return {w->CopyItem->isEnabled(),   w->MoveItem->isEnabled(), w->ShredItem->isEnabled(),
                w->DeleteItem->isEnabled(), w->AttrItem->isEnabled(), w->RenameItem->isEnabled()};
    }
};

const std::vector<bool> kAllOn(6, true), kAllOff(6, false);

}  // namespace

TEST_F(MouseSelectionTest, APressInTheTagColumnTogglesTheRowAndOneRightOfItOnlyMovesTheCurrentRow) {
    TSepDir* w = Open("C:\\work");
    ASSERT_EQ(w->GetListCount(), 4);
    ASSERT_GT(TagWidth(w), 1);
    const int inside = TagWidth(w) - 1, beside = TagWidth(w);

    Press(w, Qt::LeftButton, RowPoint(w, 1, inside));
    EXPECT_EQ(w->GetCurrentIndex(), 1);
    EXPECT_TRUE(w->IsTagged(1));
    EXPECT_EQ(w->GetTaggedCount(), 1);
    // The first pixel right of the column is no longer the Tag column.
    Press(w, Qt::LeftButton, RowPoint(w, 1, beside));
    EXPECT_TRUE(w->IsTagged(1));
    Press(w, Qt::LeftButton, RowPoint(w, 2, beside + 100));
    EXPECT_EQ(w->GetCurrentIndex(), 2);
    EXPECT_FALSE(w->IsTagged(2));
    // Another row's Tag column: that row, not the one that was current.
    Press(w, Qt::LeftButton, RowPoint(w, 3, 0));
    EXPECT_EQ(w->GetCurrentIndex(), 3);
    EXPECT_TRUE(w->IsTagged(3));
    EXPECT_FALSE(w->IsTagged(2));
    Press(w, Qt::LeftButton, RowPoint(w, 1, inside));
    EXPECT_FALSE(w->IsTagged(1));
    // Below the last row nothing is toggled.
    Press(w, Qt::LeftButton, RowPoint(w, 20, inside));
    EXPECT_EQ(w->GetTaggedCount(), 1);
    EXPECT_TRUE(w->IsTagged(3));
    // The press point is where a drag is measured from.
    EXPECT_EQ(w->DragStartX, inside);
    EXPECT_EQ(w->DragStartY, RowPoint(w, 20, inside).y());
    // The status line follows.
    EXPECT_EQ(form->StatusLine->P_Tags->text().toStdString().substr(0, 3), "1  ");
}

TEST_F(MouseSelectionTest, ARightPressTagsTheRowOnlyWhenNothingIsTaggedAndReadiesTheMenuForIt) {
    TSepDir* w = Open("C:\\work");
    const int x = TagWidth(w) + 40;

    // Nothing tagged: the row under the mouse is tagged and the Perform
    // items act on it.
    Press(w, Qt::RightButton, RowPoint(w, 2, x));
    EXPECT_TRUE(w->IsTagged(2));
    EXPECT_EQ(w->GetTaggedCount(), 1);
    EXPECT_EQ(w->GetCurrentIndex(), 2);
    EXPECT_EQ(Perform(w), kAllOn);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: c.txt");
    EXPECT_TRUE(w->ListTagSingleItem->isEnabled());
    EXPECT_TRUE(w->TagNoneItem->isEnabled());

    // Another row tagged already: the clicked row stays untagged, becomes
    // current, and the menu acts on the tagged row.
    Press(w, Qt::RightButton, RowPoint(w, 0, x));
    EXPECT_FALSE(w->IsTagged(0));
    EXPECT_TRUE(w->IsTagged(2));
    EXPECT_EQ(w->GetCurrentIndex(), 0);
    EXPECT_EQ(Perform(w), kAllOn);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: a.txt");

    // The menu opens where the mouse asked for it.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, RowPoint(w, 0, x),
                           w->LB1->viewport()->mapToGlobal(RowPoint(w, 0, x)));
    QApplication::sendEvent(w->LB1->viewport(), &menu);
    EXPECT_TRUE(w->ListMenu->isVisible());
    w->ListMenu->hide();
    EXPECT_EQ(w->GetTaggedCount(), 1);
}

TEST_F(MouseSelectionTest, ARightPressBelowTheLastRowClearsTheCurrentRowAndDisablesSingle) {
    TSepDir* w = Open("C:\\work");
    const int x = TagWidth(w) + 40;
    Press(w, Qt::LeftButton, RowPoint(w, 1, x));
    ASSERT_EQ(w->GetCurrentIndex(), 1);

    // With nothing tagged nothing is tagged either: there is no row.
    Press(w, Qt::RightButton, RowPoint(w, 30, x));
    EXPECT_EQ(w->GetCurrentIndex(), -1);
    EXPECT_EQ(w->GetTaggedCount(), 0);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: ");
    EXPECT_FALSE(w->ListTagSingleItem->isEnabled());
    for (QAction* a : {w->ListViewAsciiItem, w->ListViewHexItem, w->ListViewPictureItem, w->ListEditItem})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(w->ListEditItem->text(), "&Edit");
    EXPECT_EQ(Perform(w), kAllOff);
    EXPECT_FALSE(w->TagNoneItem->isEnabled());
    EXPECT_TRUE(w->TagAllItem->isEnabled());  // there are entries

    // Tags stay as they are.
    w->TagEntry(3);
    Press(w, Qt::RightButton, RowPoint(w, 30, x));
    EXPECT_EQ(w->GetTaggedCount(), 1);
    EXPECT_EQ(Perform(w), kAllOn);
    EXPECT_TRUE(w->TagNoneItem->isEnabled());
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: ");
}

TEST_F(MouseSelectionTest, ARightPressMakesItsWindowActiveAndAnEmptyWindowDisablesTheTagItems) {
    env.WriteFile("c/empty/.keep", "");
    TSepDir* a = Open("C:\\work");
    TSepDir* b = Open("C:\\other");
    ASSERT_EQ(form->ActiveChild(), b);
    Press(a, Qt::RightButton, RowPoint(a, 0, TagWidth(a) + 40));
    EXPECT_EQ(form->ActiveChild(), a);

    // A window without entries (the dot file is hidden).
    TSepDir* e = Open("C:\\empty");
    ASSERT_EQ(e->GetEntryCount(), 0);
    Press(e, Qt::RightButton, RowPoint(e, 0, 40));
    for (QAction* item : {e->TagAllItem, e->TagReverseItem, e->TagNoneItem, e->TagDateItem,
                          e->TagSizeItem, e->TagWildItem, e->ListTagAttrItem, e->TagCompareItem,
                          e->ListTagSingleItem})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
}

TEST_F(MouseSelectionTest, ShiftRightPressAndTheKeyboardOpenTheMenuWithoutTagging) {
    TSepDir* w = Open("C:\\work");
    const int x = TagWidth(w) + 40;
    Press(w, Qt::LeftButton, RowPoint(w, 1, x));

    // Shift: neither tags nor current row change; the items follow what is.
    Press(w, Qt::RightButton, RowPoint(w, 3, x), Qt::ShiftModifier);
    QContextMenuEvent shifted(QContextMenuEvent::Mouse, RowPoint(w, 3, x), {}, Qt::ShiftModifier);
    QApplication::sendEvent(w->LB1->viewport(), &shifted);
    EXPECT_TRUE(w->ListMenu->isVisible());
    w->ListMenu->hide();
    EXPECT_EQ(w->GetTaggedCount(), 0);
    EXPECT_EQ(w->GetCurrentIndex(), 1);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: b.txt");
    EXPECT_EQ(Perform(w), kAllOff);

    // The menu key: the current row.
    w->TagEntry(0);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          w->LB1->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w->LB1->viewport(), &key);
    EXPECT_TRUE(w->ListMenu->isVisible());
    w->ListMenu->hide();
    EXPECT_EQ(Perform(w), kAllOn);
    EXPECT_EQ(w->GetTaggedCount(), 1);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: b.txt");
}
