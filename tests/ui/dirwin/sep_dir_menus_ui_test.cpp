// The split window's menus, keys, mouse and navigation: merging into the
// main window's menu bar, the enabling rules, the dialogs reached through
// the registered commands, the tree's right click, the splitter, the header
// widths, the shell, the viewers and the applications.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
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
#include "support/test_env.h"

namespace {

struct SepDirMenusTest : SepDirUiTest {
    std::vector<std::string> calls;  // "<command> <directory> <tagged names>"

    void SetUp() override {
        for (const char* f : {"work/a.txt", "work/b.txt", "work/pic.bmp", "work/tool.exe", "work/sub/s.txt",
                              "other/o.txt"})
            env.WriteFile(std::string("c/") + f, "data");
        ShowForm(InstallDirectoryWindows, QSize(900, 600));
    }
    // A command that notes what it was asked to work on: the directory (for
    // directory commands the selected one) and the tagged names.
    TCommandRegistry::Handler Recorder(const std::string& name, bool selected = false) {
        return OnWindow([this, name, selected](TMDIChild& w) {
            std::vector<std::string> tagged;
            w.GetTaggedNames(tagged);
            std::string line = name + " " + (selected ? w.GetSelectedDirectory() : w.GetDirectory());
            for (const std::string& t : tagged) line += " " + t;
            calls.push_back(line);
        });
    }
    void RegisterAll() {
        const std::pair<TCommand, TCommandRegistry::Handler> all[] = {
            {TCommand::Copy, Recorder("copy")},
            {TCommand::Move, Recorder("move")},
            {TCommand::Delete, Recorder("delete")},
            {TCommand::Shred, Recorder("shred")},
            {TCommand::Attributes, Recorder("attributes")},
            {TCommand::Rename, Recorder("rename")},
            {TCommand::CreateDirectory, Recorder("create", true)},
            {TCommand::RemoveDirectory, Recorder("remove", true)},
            {TCommand::CopyDirectory, Recorder("copydir", true)},
            {TCommand::RenameDirectory, Recorder("renamedir", true)},
            {TCommand::TagByDate, Recorder("tagdate")},
            {TCommand::TagBySize, Recorder("tagsize")},
            {TCommand::TagByAttribute, Recorder("tagattr")},
            {TCommand::TagByWildcards, Recorder("tagwild")}};
        for (const auto& [command, handler] : all) form->RegisterCommand(command, handler);
    }
};

}  // namespace

TEST_F(SepDirMenusTest, MenusMergeIntoTheMainMenuBarWhileTheWindowIsActive) {
    TSepDir* w = Open("C:\\work");
    EXPECT_EQ(Captions(form->menuBar()->actions()),
              QStringList({"&File", "&Tag", "&Perform", "&Directory", "&Options", "&Viewers", "&Applications",
                           "&Window", "&Help"}));
    EXPECT_EQ(Captions(w->TagMenu->actions()),
              QStringList({"&All", "&Reverse", "&None", "by &Date range ...", "by &Size ...", "by &Wildcards ...",
                           "by Attr&ibute ...", "&Compare Paths ...", "Search &Text ..."}));
    EXPECT_EQ(Captions(w->PerformMenu->actions()),
              QStringList({"&Copy ...", "&Move ...", "&Shred ...", "&Delete ...", "&Attributes ...", "&Rename ..."}));
    EXPECT_EQ(w->CopyItem->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(w->DeleteItem->shortcut(), QKeySequence("Ctrl+Del"));
    EXPECT_EQ(w->RenameItem->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(Captions(w->DirectoryMenu->actions()),
              QStringList({"&Create ...", "&Remove  ...", "&Copy ...", "&View", "Vie&w new", "&Back one level",
                           "Re&name directory ..."}));
    EXPECT_EQ(w->DirCreateItem->shortcut(), QKeySequence("Shift+Ins"));
    EXPECT_EQ(Captions(w->OptionsMenu->actions()),
              QStringList({"&Sort", "&Wildcards ...", "&All options ...", "Show &Drive list"}));
    EXPECT_EQ(Captions(w->SortMenu->actions()), QStringList({"&Name", "&Type", "&Date", "&Size"}));
    EXPECT_EQ(Captions(w->ViewersMenu->actions()), QStringList({"&Ascii", "&Hex", "&Pictures"}));
    EXPECT_EQ(Captions(w->TreeMenu->actions()),
              QStringList({"&View", "Vie&w New", "&Back a level", "&Create ...", "&Remove ...", "C&opy ...",
                           "Re&name ..."}));
    EXPECT_EQ(Captions(w->ListMenu->actions()),
              QStringList({"&Edit", "&Viewers", "&Applications", "&Tag", "&Perform", "&Wildcards ...", "&Sort"}));
    EXPECT_EQ(Captions(w->ListSortMenu->actions()), QStringList({"&Name", "T&ype", "&Date", "&Size"}));
    EXPECT_EQ(w->LB1->property("Tag").toInt(), 1426);
    EXPECT_EQ(w->PSplitter->property("Tag").toInt(), 122);
    EXPECT_EQ(w->LB1->toolTip(), "Select files to process");
    EXPECT_EQ(w->DLB1->toolTip(), "Select a directory to view");
    EXPECT_EQ(w->Header1->toolTip(), "Adjust column sizes");

    w->close();
    DeleteClosed();
    QApplication::processEvents();
    EXPECT_EQ(Captions(form->menuBar()->actions()), QStringList({"&File", "&Window", "&Help"}));
    EXPECT_EQ(form->SplitWindowCount(), 0);
}

TEST_F(SepDirMenusTest, PerformItemsNeedTagsAndTheirDialog) {
    TSepDir* w = Open("C:\\work");
    w->LB1->SetCurrentRow(0);
    w->TagEntry(0);
    w->UpdateStatus();
    EXPECT_FALSE(w->CopyItem->isEnabled());  // no copy dialog registered yet
    RegisterAll();
    w->TagNone();
    EXPECT_FALSE(w->CopyItem->isEnabled());
    w->LB1->setFocus();
    QTest::keyClick(w->LB1, Qt::Key_Space);  // tags "pic.bmp"
    for (QAction* a : {w->CopyItem, w->MoveItem, w->ShredItem, w->DeleteItem, w->AttrItem, w->RenameItem})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : {w->CopyItem, w->MoveItem, w->ShredItem, w->DeleteItem, w->AttrItem, w->RenameItem})
        a->trigger();
    EXPECT_EQ(calls, (std::vector<std::string>{"copy C:\\work pic.bmp", "move C:\\work pic.bmp",
                                               "shred C:\\work pic.bmp", "delete C:\\work pic.bmp",
                                               "attributes C:\\work pic.bmp", "rename C:\\work pic.bmp"}));
    calls.clear();
    w->TagDateItem->trigger();
    w->TagSizeItem->trigger();
    w->TagWildItem->trigger();
    w->TagAttrItem->trigger();
    EXPECT_EQ(calls, (std::vector<std::string>{"tagdate C:\\work pic.bmp", "tagsize C:\\work pic.bmp",
                                               "tagwild C:\\work pic.bmp", "tagattr C:\\work pic.bmp"}));
}

TEST_F(SepDirMenusTest, DeleteKeyTagsTheCurrentRowWhenNothingIsAndOpensTheDeleteDialog) {
    RegisterAll();
    TSepDir* w = Open("C:\\work");
    // "bmp", "exe", "txt", "txt"
    w->LB1->setFocus();
    w->LB1->SetCurrentRow(2);
    QTest::keyClick(w->LB1, Qt::Key_Delete);
    EXPECT_EQ(calls, (std::vector<std::string>{"delete C:\\work a.txt"}));
    // With a tag set already, Delete acts on the tagged rows only.
    w->LB1->SetCurrentRow(3);
    QTest::keyClick(w->LB1, Qt::Key_Delete);
    EXPECT_EQ(calls.back(), "delete C:\\work a.txt");
    EXPECT_FALSE(w->IsTagged(3));
}

TEST_F(SepDirMenusTest, ListMouseAndContextMenuActOnTheRowUnderTheMouse) {
    RegisterAll();
    TSepDir* w = Open("C:\\work");
    // A press in the Tag column toggles; right of it only moves the row.
    QTest::mouseClick(w->LB1->viewport(), Qt::LeftButton, {}, RowPoint(w, 1, 3));
    EXPECT_EQ(w->GetCurrentIndex(), 1);
    EXPECT_TRUE(w->IsTagged(1));
    QTest::mouseClick(w->LB1->viewport(), Qt::LeftButton, {}, RowPoint(w, 1, 200));
    EXPECT_TRUE(w->IsTagged(1));
    QTest::mouseClick(w->LB1->viewport(), Qt::LeftButton, {}, RowPoint(w, 1, 3));
    EXPECT_FALSE(w->IsTagged(1));

    // Nothing tagged: the right-clicked row is tagged for the menu.
    w->PrepareListMenu(RowPoint(w, 2));
    EXPECT_TRUE(w->IsTagged(2));
    EXPECT_EQ(w->GetCurrentIndex(), 2);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: a.txt");
    EXPECT_TRUE(w->ListTagSingleItem->isEnabled());
    EXPECT_TRUE(w->CopyItem->isEnabled());
    EXPECT_TRUE(w->TagNoneItem->isEnabled());
    EXPECT_EQ(w->ListEditItem->text(), "&Edit: a.txt");
    EXPECT_FALSE(w->ListEditItem->isEnabled());  // no editor yet
    EXPECT_FALSE(w->TagCompareItem->isEnabled());  // one split window
    EXPECT_TRUE(w->ListSortTypeItem->isChecked());  // "END"
    // Something tagged: another row stays untagged.
    w->PrepareListMenu(RowPoint(w, 3));
    EXPECT_FALSE(w->IsTagged(3));
    EXPECT_EQ(w->GetTaggedCount(), 1);
    w->ListTagAttrItem->trigger();  // here: the attribute dialog
    EXPECT_EQ(calls.back(), "attributes C:\\work a.txt");
    // Below the last row: no row, tags alone.
    w->PrepareListMenu(RowPoint(w, 30));
    EXPECT_EQ(w->GetCurrentIndex(), -1);
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: ");
    EXPECT_FALSE(w->ListTagSingleItem->isEnabled());
    EXPECT_FALSE(w->ListViewHexItem->isEnabled());
    EXPECT_EQ(w->ListEditItem->text(), "&Edit");
    EXPECT_EQ(w->GetTaggedCount(), 1);
    w->TagReverseItem->trigger();
    EXPECT_EQ(w->GetTaggedCount(), 3);
}

TEST_F(SepDirMenusTest, DoubleClickRunsOrTagsByTheGlobalOption) {
    std::vector<std::string> shell;
    int answer = 42;
    plat::SetShellHook([&](const std::string& verb, const std::string& file, const std::string& params,
                           const std::string& dir) {
        shell.push_back(verb + "|" + file + "|" + params + "|" + dir);
        return answer;
    });
    TSepDir* w = Open("C:\\work");
    QTest::mouseDClick(w->LB1->viewport(), Qt::LeftButton, {}, RowPoint(w, 2));
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0], "open|C:\\work\\a.txt||C:\\work");
    EXPECT_FALSE(w->IsTagged(2));
    form->Display().DBLClickRun = false;
    QTest::mouseDClick(w->LB1->viewport(), Qt::LeftButton, {}, RowPoint(w, 2));
    EXPECT_EQ(shell.size(), 1u);
    EXPECT_TRUE(w->IsTagged(2));

    // The shell's failures, in the program's words.
    answer = 31;
    w->OpenEntry(2);
    EXPECT_EQ(env.prompts.last(), "No Association found for: a.txt");
    answer = 2;
    w->PrintEntry(3);
    EXPECT_EQ(env.prompts.last(), "Error processing: b.txt");
    EXPECT_EQ(shell.back(), "print|C:\\work\\b.txt||C:\\work");
    const size_t seen = env.prompts.seen.size();
    answer = 33;
    w->PrintEntry(3);
    EXPECT_EQ(env.prompts.seen.size(), seen);

    // The File menu names the current entry.
    w->LB1->SetCurrentRow(1);
    form->FileMenuOpened();
    EXPECT_EQ(form->FileRun->text(), "&Run: tool.exe");
    EXPECT_FALSE(form->FilePrint->isEnabled());
}

TEST_F(SepDirMenusTest, DirectoryItemsFollowTheSelectionAndEveryWindowsDirectory) {
    RegisterAll();
    Open("C:\\work\\sub");
    TSepDir* w = Open("C:\\");
    w->DLB1->SelectPath("C:\\work");
    emit w->DirectoryMenu->aboutToShow();
    EXPECT_EQ(w->SelectedDir, "C:\\work");
    EXPECT_TRUE(w->DirViewItem->isEnabled());
    EXPECT_TRUE(w->DirViewNewItem->isEnabled());
    EXPECT_TRUE(w->DirCopyItem->isEnabled());
    EXPECT_FALSE(w->DirRemoveItem->isEnabled());  // another window shows C:\work\sub
    EXPECT_FALSE(w->DirRenameItem->isEnabled());
    EXPECT_FALSE(w->DirBackItem->isEnabled());  // at the root
    w->DLB1->SelectPath("C:\\other");
    emit w->DirectoryMenu->aboutToShow();
    EXPECT_TRUE(w->DirRemoveItem->isEnabled());
    EXPECT_TRUE(w->DirRenameItem->isEnabled());
    w->DirRemoveItem->trigger();
    EXPECT_EQ(calls.back(), "remove C:\\other");
    w->DLB1->SelectPath("C:\\");
    emit w->DirectoryMenu->aboutToShow();
    EXPECT_FALSE(w->DirViewItem->isEnabled());  // it is the current directory
    EXPECT_FALSE(w->DirRemoveItem->isEnabled());  // a root

    // View goes there; the window re-reads and re-captions.
    w->DLB1->SelectPath("C:\\other");
    emit w->DirectoryMenu->aboutToShow();
    w->DirViewItem->trigger();
    EXPECT_EQ(w->GetDirectory(), "C:\\other");
    EXPECT_EQ(w->windowTitle(), "C:\\other");
    EXPECT_EQ(w->GetEntryName(0), "o.txt");
    EXPECT_TRUE(w->DLB1->isEnabled());
    emit w->DirectoryMenu->aboutToShow();
    EXPECT_TRUE(w->DirBackItem->isEnabled());
    w->DirBackItem->trigger();
    EXPECT_EQ(w->GetDirectory(), "C:\\");
    w->BackOneLevel();
    EXPECT_EQ(w->GetDirectory(), "C:\\");

    // View new opens another window there.
    w->DLB1->SelectPath("C:\\work");
    emit w->DirectoryMenu->aboutToShow();
    w->DirViewNewItem->trigger();
    auto* created = qobject_cast<TSepDir*>(form->ActiveChild());
    ASSERT_NE(created, w);
    EXPECT_EQ(created->GetDirectory(), "C:\\work");
    EXPECT_EQ(form->SplitWindowCount(), 3);
}

TEST_F(SepDirMenusTest, RightClickInTheTreeByTheGlobalOptions) {
    TSepDir* w = Open("C:\\work");
    // The menu: the item under the mouse is selected and picked.
    w->PrepareTreeMenu(TreePoint(w, "C:\\work\\sub"));
    EXPECT_EQ(w->SelectedDir, "C:\\work\\sub");
    EXPECT_EQ(w->DLB1->SelectedPath(), "C:\\work\\sub");
    EXPECT_TRUE(w->TreeViewItem->isEnabled());
    EXPECT_TRUE(w->TreeBackItem->isEnabled());
    EXPECT_FALSE(w->TreeRemoveItem->isEnabled());  // nothing registered
    w->PrepareTreeMenu(QPoint(5, w->DLB1->viewport()->height() - 3));  // empty space
    EXPECT_FALSE(w->TreeViewItem->isEnabled());
    EXPECT_FALSE(w->TreeViewNewItem->isEnabled());
    EXPECT_TRUE(w->TreeBackItem->isEnabled());
    w->TreeViewNewItem->trigger();  // disabled: nothing happens
    EXPECT_EQ(form->SplitWindowCount(), 1);

    // Jumping instead of the menu.
    form->Display().RD_Menu = false;
    form->Display().RDJump = true;
    w->TreeRightClick(TreePoint(w, "C:\\work\\sub"), Qt::NoModifier);
    EXPECT_EQ(w->GetDirectory(), "C:\\work\\sub");
    w->TreeRightClick(QPoint(5, w->DLB1->viewport()->height() - 3), Qt::NoModifier);
    EXPECT_EQ(w->GetDirectory(), "C:\\work");
    w->TreeRightClick(TreePoint(w, "C:\\work\\sub"), Qt::ControlModifier);
    EXPECT_EQ(form->SplitWindowCount(), 2);
    EXPECT_EQ(w->GetDirectory(), "C:\\work");
    EXPECT_EQ(form->ActiveDirectoryWindow()->GetDirectory(), "C:\\work\\sub");
    form->Display().RDBack = false;
    w->TreeRightClick(QPoint(5, w->DLB1->viewport()->height() - 3), Qt::NoModifier);
    EXPECT_EQ(w->GetDirectory(), "C:\\work");
}

TEST_F(SepDirMenusTest, TheSplitterKeepsAHundredPixelTreeAndIsSharedByLaterWindows) {
    TSepDir* w = Open("C:\\work");
    const int gap = w->LB1->x() - w->PSplitter->x();
    w->ApplySplit(40);
    w->LayoutControls();
    EXPECT_EQ(w->DLB1->width(), 100);
    EXPECT_EQ(w->PSplitter->x(), w->DLB1->x() + 100);
    EXPECT_EQ(w->LB1->x() - w->PSplitter->x(), gap);
    EXPECT_EQ(w->Header1->x(), w->LB1->x());
    EXPECT_EQ(AppIni().ReadInteger("Header", "DIRSplit", 0), 104);
    EXPECT_EQ(w->LB1->x() + w->LB1->width(), w->Client->width() - 5);

    // Dragging the splitter itself.
    QTest::mousePress(w->PSplitter, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(w->PSplitter, QPoint(102, 50));
    QTest::mouseRelease(w->PSplitter, Qt::LeftButton, {}, QPoint(102, 50));
    EXPECT_EQ(w->PSplitter->x(), 204);
    EXPECT_EQ(AppIni().ReadInteger("Header", "DIRSplit", 0), 204);
    TSepDir* next = Open("C:\\work");
    EXPECT_EQ(next->PSplitter->x(), 204);
    EXPECT_EQ(next->DLB1->width(), 200);
}

TEST_F(SepDirMenusTest, ColumnWidthsAreSharedThroughTheHeaderSection) {
    TSepDir* w = Open("C:\\work");
    const int unit = w->CharWidth();
    EXPECT_EQ(w->Options.DFields, "*FEDTSA");
    EXPECT_EQ(w->Options.TFields, 7);
    EXPECT_EQ(w->Header1->sectionSize(0), 4 * unit);
    EXPECT_EQ(w->Header1->sectionSize(1), 8 * unit);
    // A finished resize stores every shown width under its caption.
    w->Header1->resizeSection(1, 211);
    QTest::mouseRelease(w->Header1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(AppIni().ReadInteger("Header", "Filename", 0), 211);
    EXPECT_EQ(AppIni().ReadInteger("Header", "Tag", 0), 4 * unit);
    EXPECT_EQ(AppIni().ReadInteger("Header", "Attribute", 0), 5 * unit);
    EXPECT_EQ(AppIni().ReadString("Header2", "Filename", "none"), "none");
    TSepDir* next = Open("C:\\work");
    EXPECT_EQ(next->Header1->sectionSize(1), 211);

    // Options without some columns rebuild a shorter header.
    next->Options.Date = "(none)";
    next->Options.ShowAttr = false;
    next->Options.SplitExe = false;
    next->SetupHeader();
    EXPECT_EQ(next->Options.DFields, "*FTS");
    EXPECT_EQ(next->Header1->count(), 4);
    EXPECT_EQ(next->Header1->model()->headerData(3, Qt::Horizontal).toString(), "Size");
    EXPECT_EQ(next->GetColumnText(0, 'F'), "pic.bmp");
}

TEST_F(SepDirMenusTest, SortItemsViewersAndApplications) {
    TSepDir* w = Open("C:\\work");
    w->SortDateItem->trigger();
    EXPECT_EQ(w->Options.SortKeys, "D   ");
    emit w->OptionsMenu->aboutToShow();
    EXPECT_TRUE(w->SortDateItem->isChecked());
    EXPECT_FALSE(w->SortTypeItem->isChecked());
    w->ListSortNameItem->trigger();
    EXPECT_EQ(w->Options.SortKeys, "N   ");
    EXPECT_EQ(w->GetEntryName(0), "a.txt");

    // Viewers: enabled with a current row and a viewer to show it in.
    std::vector<std::string> shown;
    emit w->ViewersMenu->aboutToShow();
    EXPECT_FALSE(w->ViewAsciiItem->isEnabled());
    form->RegisterCommand(TCommand::ViewText, OnPath([&](const std::string& p) { shown.push_back("text " + p); }));
    form->RegisterCommand(TCommand::ViewPicture,
                          OnPath([&](const std::string& p) { shown.push_back("picture " + p); }));
    emit w->ViewersMenu->aboutToShow();
    EXPECT_FALSE(w->ViewAsciiItem->isEnabled());
    w->LB1->SetCurrentRow(0);
    emit w->ViewersMenu->aboutToShow();
    EXPECT_TRUE(w->ViewAsciiItem->isEnabled());
    EXPECT_FALSE(w->ViewHexItem->isEnabled());
    w->ViewAsciiItem->trigger();
    // The key 8 shows pictures only.
    w->LB1->setFocus();
    QTest::keyClick(w->LB1, Qt::Key_8);
    w->LB1->SetCurrentRow(2);  // "pic.bmp" by name
    QTest::keyClick(w->LB1, Qt::Key_8);
    EXPECT_EQ(shown, (std::vector<std::string>{"text C:\\work\\a.txt", "picture C:\\work\\pic.bmp"}));

    // Applications of the chosen category, started on this window.
    form->ApplicationCategories = [] { return std::vector<std::string>{"Tools"}; };
    form->ApplicationNames = [](const std::string&) {
        return std::vector<std::string>{"Editor", "Viewer", "Packer"};
    };
    form->ReloadCategoryBox();
    std::vector<int> started;
    form->RegisterCommand(TCommand::StartApplication, TCommandRegistry::Handler([&](const TCommandTarget& t) {
        EXPECT_EQ(t.Window, w);
        started.push_back(t.Index);
    }));
    emit w->AppMenu->aboutToShow();
    EXPECT_EQ(w->AppItems[1]->text(), "&2: Viewer");
    EXPECT_TRUE(w->AppItems[2]->isVisible());
    EXPECT_FALSE(w->AppItems[3]->isVisible());
    EXPECT_FALSE(w->AppMoreItem->isVisible());
    w->AppItems[1]->trigger();
    EXPECT_EQ(started, std::vector<int>{1});
}

TEST_F(SepDirMenusTest, ANewListFontChangesRowsAndHeaderOnce) {
    TSepDir* w = Open("C:\\work");
    EXPECT_FALSE(w->ApplyListFont());
    const int rowHeight = w->LB1->RowHeight();
    form->Display().ListFont.setPointSize(form->Display().ListFont.pointSize() * 2);
    EXPECT_TRUE(w->ApplyListFont());
    EXPECT_GT(w->LB1->RowHeight(), rowHeight);
    EXPECT_EQ(w->font().pointSize(), form->Display().ListFont.pointSize());
    EXPECT_EQ(w->Header1->sectionSize(0), 4 * w->CharWidth());
    EXPECT_FALSE(w->ApplyListFont());
}
