// One action per command in the split window: the Perform and Tag items of
// the file list's context menu are the menu bar's own actions; the items
// the context menus name differently (viewers, the tree's directory items)
// are enabled with their menu-bar twins; and the speed bar's directory
// buttons agree with the items they stand for.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "sep_dir_ui_fixture.h"
#include "ui/frame/program_parts_qt.h"

namespace {

struct ActionTwinsTest : SepDirUiTest {
    void SetUp() override {
        for (const char* f : {"work/a.txt", "work/b.txt", "work/sub/s.txt", "other/o.txt", "empty/.keep"})
            env.WriteFile(std::string("c/") + f, "data");
        ShowForm(InstallProgramParts, QSize(900, 600));
        for (TCommand c : {TCommand::ComparePaths, TCommand::WindowOptions, TCommand::ViewText, TCommand::ViewPicture})
            form->RegisterCommand(c, [] {});
    }
    QToolButton* Button(const char* name) { return form->findChild<QToolButton*>(name); }

    // The twins of w, each pair as (menu bar, elsewhere), agree.
    void ExpectTwinsAgree(TSepDir* w) {
        const std::pair<QAction*, QAction*> items[] = {
            {w->ViewAsciiItem, w->ListViewAsciiItem}, {w->ViewHexItem, w->ListViewHexItem},
            {w->ViewPicturesItem, w->ListViewPictureItem}};
        for (const auto& [bar, context] : items)
            EXPECT_EQ(bar->isEnabled(), context->isEnabled()) << context->text().toStdString();
        const std::pair<const char*, QAction*> buttons[] = {
            {"SB_Copy", w->CopyItem},       {"SB_Delete", w->DeleteItem},     {"SB_TagAll", w->TagAllItem},
            {"SB_TagNone", w->TagNoneItem}, {"SB_TagWild", w->TagWildItem}, {"SB_Compare", w->TagCompareItem},
            {"SB_Options", w->AllOptionsItem}};
        for (const auto& [name, item] : buttons) {
            QToolButton* b = Button(name);
            ASSERT_NE(b, nullptr) << name;
            EXPECT_EQ(b->isEnabled(), item->isEnabled()) << name;
        }
    }
    // The tree's menu opened on dir and the Directory menu opened with the
    // same selection enable their twins alike.
    void ExpectDirectoryTwinsAgree(TSepDir* w, const std::string& dir) {
        w->PrepareTreeMenu(TreePoint(w, dir));
        emit w->DirectoryMenu->aboutToShow();
        ASSERT_EQ(w->SelectedDir, dir);
        const std::pair<QAction*, QAction*> items[] = {
            {w->DirViewItem, w->TreeViewItem},     {w->DirViewNewItem, w->TreeViewNewItem},
            {w->DirCopyItem, w->TreeCopyItem},     {w->DirCreateItem, w->TreeCreateItem},
            {w->DirRemoveItem, w->TreeRemoveItem}, {w->DirRenameItem, w->TreeRenameItem},
            {w->DirBackItem, w->TreeBackItem}};
        for (const auto& [bar, tree] : items)
            EXPECT_EQ(bar->isEnabled(), tree->isEnabled()) << tree->text().toStdString() << " on " << dir;
    }
};

// The actions of menu, separators and those named left out.
QList<QAction*> Items(QMenu* menu, const QList<QAction*>& except = {}) {
    QList<QAction*> out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator() && !except.contains(a)) out << a;
    return out;
}

}  // namespace

TEST_F(ActionTwinsTest, TheContextMenuShowsTheMenuBarsPerformAndTagActions) {
    TSepDir* w = Open("C:\\work");
    EXPECT_EQ(Items(w->ListPerformMenu), Items(w->PerformMenu));
    // "&Single" is the context menu's own; "by Attribute" there opens the
    // attribute dialog, a command of its own.
    EXPECT_EQ(Items(w->ListTagMenu, {w->ListTagSingleItem, w->ListTagAttrItem}),
              Items(w->TagMenu, {w->TagAttrItem}));
    // One action per command: nothing else in the window carries a Perform
    // caption.
    for (QAction* item : Items(w->PerformMenu)) {
        int copies = 0;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->text() == item->text() && a->parent() != w->DirectoryMenu && a->parent() != w->TreeMenu)
                ++copies;
        EXPECT_EQ(copies, 1) << item->text().toStdString();
        // The keys are the menu bar's; the context menu does not show them.
        EXPECT_FALSE(item->isShortcutVisibleInContextMenu()) << item->text().toStdString();
    }
    EXPECT_EQ(w->CopyItem->shortcut(), QKeySequence("Ctrl+C"));
}

TEST_F(ActionTwinsTest, TwinsAreEnabledTogetherAtEveryMoment) {
    Open("C:\\other");  // a second split window, so Compare Paths can be offered
    struct State {
        const char* name;
        const char* dir;
        bool tagOne;
        bool copy, tagAll;  // what the file list's rule gives, so the agreement is not vacuous
    };
    const State states[] = {{"nothing tagged", "C:\\work", false, false, true},
                            {"some tagged", "C:\\work", true, true, true},
                            {"empty list", "C:\\empty", false, false, false}};
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        TSepDir* w = Open(s.dir);
        ASSERT_NE(w, nullptr);
        if (s.tagOne) w->TagEntry(0);

        // A status update.
        w->UpdateStatus();
        EXPECT_EQ(w->CopyItem->isEnabled(), s.copy);
        EXPECT_EQ(w->TagAllItem->isEnabled(), s.tagAll);
        ExpectTwinsAgree(w);

        // A key press in the list and in the tree.
        w->LB1->setFocus();
        QTest::keyClick(w->LB1, Qt::Key_Home);
        ExpectTwinsAgree(w);
        QTest::keyClick(w->DLB1, Qt::Key_Shift);
        ExpectTwinsAgree(w);

        // Activation: another window and back.
        w->mdiArea()->activatePreviousSubWindow();
        w->mdiArea()->setActiveSubWindow(w);
        ExpectTwinsAgree(w);

        // The file list's menu on the first row (it tags the row when
        // nothing is tagged) and below the last one.
        w->PrepareListMenu(RowPoint(w, 0));
        ExpectTwinsAgree(w);
        w->PrepareListMenu(RowPoint(w, 40));
        ExpectTwinsAgree(w);

        ExpectDirectoryTwinsAgree(w, s.dir);
        ExpectDirectoryTwinsAgree(w, "C:\\other");
        w->close();
        DeleteClosed();
    }
}

TEST_F(ActionTwinsTest, TheMenuBarsTagMenuOffersItsItemsOnAnEmptyList) {
    TSepDir* w = Open("C:\\empty");
    ASSERT_EQ(w->GetEntryCount(), 0);
    emit w->TagMenu->aboutToShow();
    for (QAction* a : {w->TagAllItem, w->TagReverseItem, w->TagNoneItem, w->TagDateItem, w->TagSizeItem})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    // The same actions in the file list's menu follow its rule.
    w->PrepareListMenu(RowPoint(w, 0));
    for (QAction* a : {w->TagAllItem, w->TagReverseItem, w->TagNoneItem, w->TagDateItem, w->TagSizeItem})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}
