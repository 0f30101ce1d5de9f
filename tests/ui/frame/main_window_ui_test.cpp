// The main window over a real ini file and real child windows: its frame,
// menus and speed bar, window state, Window menu, enabling rules, gauge,
// refresh services and the handling of failing ini writes.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "support/fake_dir_window.h"
#include "core/platform/errors.h"
#include "core/settings/app_ini.h"
#include "ui/frame/help_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/frame/status_line_bar.h"
#include "ui/frame/window_list_dialog.h"
#include "support/main_window_ui_fixture.h"
#include "support/test_env.h"

namespace {

struct MainWindowTest : MainWindowUiTest {
    void SetUp() override { form = std::make_unique<Tmainform>(); }
    void TearDown() override { form.reset(); }

    // A directory window on a real directory of drive C:, made active.
    TFakeDirWindow* AddDir(const std::string& sub, bool result = false) {
        env.WriteFile("c/" + sub + "/keep.txt", "");
        auto* w = new TFakeDirWindow(form.get(), "C:\\" + sub, result);
        form->AddChild(w);
        return w;
    }
    TFakeDirWindow* Active() { return dynamic_cast<TFakeDirWindow*>(form->ActiveChild()); }
    TSpeedBar* Bar() { return form->SpeedBar; }
};

}  // namespace

TEST_F(MainWindowTest, FrameMenusAndSpeedBarCarryTheirCaptionsAndHints) {
    EXPECT_EQ(form->windowTitle(), "Quilby for Windows");
    EXPECT_EQ(Captions(form->menuBar()->actions()), QStringList({"&File", "&Window", "&Help"}));
    EXPECT_EQ(form->FileMenu->menuAction()->statusTip(), "File related commands");
    EXPECT_EQ(form->WindowMenu->menuAction()->statusTip(),
              "Window related commands such as Tile and Cascade");
    EXPECT_EQ(form->HelpMenu->menuAction()->statusTip(), "Help topics");

    EXPECT_EQ(Captions(form->FileMenu->actions()),
              QStringList({"&New directory list", "App&lications ...", "&Quick Directories ...",
                           "D&rive Information", "&Global options ...", "&Edit", "&Drive Search ...",
                           "&Multi Drive Search ...", "D&o ...", "&Run file", "&Print file", "E&xit"}));
    EXPECT_EQ(Captions(form->FileEditMenu->actions()), QStringList({"&Edit", "&New file"}));
    EXPECT_EQ(form->FileNew->statusTip(), "Open a new file list");
    EXPECT_EQ(form->FileGlobalOptions->statusTip(), "Setup main options for Quilby");
    EXPECT_EQ(form->FileRun->statusTip(), "Run the currently selected file.");
    EXPECT_EQ(form->FileExit->statusTip(), "Exit the application");

    EXPECT_EQ(Captions(form->WindowOrganize->actions()),
              QStringList({"&Cascade", "Tile &Vertical", "&Tile Horizontal", "Ma&ximize", "&Arrange Icons"}));
    EXPECT_EQ(form->WindowArrange->statusTip(), "Arrange window icons at bottom of main window");
    EXPECT_EQ(form->WindowItems.size(), 9);
    EXPECT_EQ(form->WindowItems[0]->text(), "&W1");
    EXPECT_EQ(form->WindowItems[8]->text(), "w9");
    EXPECT_EQ(form->WindowMore->text(), "M&ore Windows ...");
    EXPECT_EQ(Captions(form->HelpMenu->actions()), QStringList({"&How Do I?", "&Contents", "&About ..."}));

    // Every speed bar control, left to right, with its hint.
    const std::pair<const char*, const char*> buttons[] = {
        {"SB_New", "Open a new directory window"}, {"SB_DriveSearch", "Drive Search"},
        {"SB_AppList", "Application List"},        {"SB_Copy", "Copy Files"},
        {"SB_Delete", "Delete Files"},             {"SB_QuickDir", "Quick Directory List"},
        {"SB_QuickAdd", "Quick Add to Direcotry List"}, {"SB_TagAll", "Tag all files"},
        {"SB_TagNone", "Clear all tags"},          {"SB_TagWild", "Tag based on wildcards"},
        {"SB_Compare", "Tag against another directory"}, {"SB_Options", "Set Options"},
        {"SB_TileH", "Tile Horizontal"},           {"SB_TileV", "Tile Vertical"},
        {"SB_Maximize", "Maximize windows"}};
    int lastX = -1;
    form->resize(1000, 400);  // wide enough for the whole bar
    form->show();
    for (auto [name, hint] : buttons) {
        auto* b = form->findChild<QToolButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->toolTip(), hint) << name;
        EXPECT_FALSE(b->icon().isNull()) << name;
        EXPECT_GT(b->x(), lastX) << name;
        lastX = b->x();
    }
    auto* sort = form->findChild<QComboBox*>("CB_Sort");
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(sort->toolTip(), "Sort Order");
    EXPECT_EQ(sort->count(), 4);
    EXPECT_EQ(sort->itemText(0), "Type");
    EXPECT_EQ(sort->itemText(3), "Size");
    EXPECT_EQ(form->findChild<QLineEdit*>("E_Pattern")->toolTip(), "File Pattern List");
    EXPECT_NE(form->findChild<QComboBox*>("CB_Category"), nullptr);
    EXPECT_EQ(Captions(Bar()->DockMenu->actions()), QStringList({"&Top", "&Bottom", "&Hide"}));

    // Status line: counter panel, tag panel, hint line with its hidden gauge.
    EXPECT_EQ(form->StatusLine->P_Counter->width(), 95);
    EXPECT_EQ(form->StatusLine->P_Tags->width(), 104);
    EXPECT_EQ(form->StatusLine->P_Counter->toolTip(), "Refresh Current Directory");
    EXPECT_EQ(form->StatusLine->P_Tags->toolTip(), "Reverse Tagged files");
    EXPECT_FALSE(form->StatusLine->Gauge->isVisible());

    // Pictures for the lists and the drive bar come from the resources.
    EXPECT_FALSE(form->B_CHECK.isNull());
    EXPECT_FALSE(form->B_NOCHECK.isNull());
    EXPECT_FALSE(form->B_HARDDISK.isNull());
    EXPECT_FALSE(form->B_FLOPPYDISK.isNull());
}

TEST_F(MainWindowTest, HintsOfControlsGoToTheHintLine) {
    form->show();
    QStatusTipEvent tip(Bar()->SB_Copy->statusTip());
    QApplication::sendEvent(Bar()->SB_Copy, &tip);
    EXPECT_EQ(form->HintText(), "Copy Files");
    form->SetHintText("C: Avail: 1 ");
    EXPECT_EQ(form->StatusLine->P_Hint->text(), "C: Avail: 1 ");
}

TEST_F(MainWindowTest, SettingsAreReadAtCreation) {
    EXPECT_TRUE(form->ShowHint);
    EXPECT_EQ(form->Display().ListFont.family(), "Arial");
    EXPECT_EQ(form->Display().ListFont.pointSize(), 10);
    EXPECT_EQ(form->Display().ExeColor, QColor(Qt::black));
    EXPECT_TRUE(form->Display().ExeBold);
    EXPECT_TRUE(form->Display().DBLClickRun);
    EXPECT_FALSE(form->Display().RDJump);
    EXPECT_TRUE(form->VHexS);
    EXPECT_EQ(form->Tabs, 8);
    form.reset();

    AppIni().WriteString("Application", "FontName", "Courier New");
    AppIni().WriteInteger("Application", "FontSize", 12);
    AppIni().WriteInteger("Mainform", "ExeColor", 0x0000FF);  // red, stored BGR
    AppIni().WriteBool("Mainform", "DBLClickRun", false);
    AppIni().WriteBool("Mainform", "ExeBold", false);
    AppIni().WriteInteger("Application", "Tabs", 4);
    AppIni().WriteBool("Application", "ShowHint", false);
    form = std::make_unique<Tmainform>();
    EXPECT_EQ(form->Display().ListFont.family(), "Courier New");
    EXPECT_EQ(form->Display().ListFont.pointSize(), 12);
    EXPECT_EQ(form->Display().ExeColor, QColor(255, 0, 0));
    EXPECT_FALSE(form->Display().DBLClickRun);
    EXPECT_FALSE(form->Display().ExeBold);
    EXPECT_EQ(form->Tabs, 4);
    EXPECT_FALSE(form->ShowHint);
}

TEST_F(MainWindowTest, WindowStateIsWrittenAtExitAndRestoredAtStart) {
    EXPECT_FALSE(form->isMaximized());  // no "WindowState" key: normal
    form->show();
    form->close();
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", "?"), "N");
    EXPECT_TRUE(form->Closing);

    form = std::make_unique<Tmainform>();
    form->showMaximized();
    form->close();
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", "?"), "X");

    form = std::make_unique<Tmainform>();
    EXPECT_TRUE(form->isMaximized());
    form->show();
    EXPECT_TRUE(form->isMaximized());
}

TEST_F(MainWindowTest, WindowMenuShowsNineChildrenThenMoreWindows) {
    form->show();
    form->WindowMenuOpened();
    for (QAction* item : form->WindowItems) EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(form->WindowSeparator->isVisible());
    EXPECT_FALSE(form->WindowMore->isVisible());

    AddDir("ONE");
    form->WindowMenuOpened();
    EXPECT_TRUE(form->WindowSeparator->isVisible());
    EXPECT_TRUE(form->WindowItems[0]->isVisible());
    EXPECT_EQ(form->WindowItems[0]->text(), "&1: C:\\ONE");
    EXPECT_FALSE(form->WindowItems[1]->isVisible());

    std::vector<TFakeDirWindow*> windows;
    for (int i = 2; i <= 12; ++i) windows.push_back(AddDir("D" + std::to_string(i)));
    form->WindowMenuOpened();
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(form->WindowItems[i]->isVisible()) << i;
        EXPECT_TRUE(form->WindowItems[i]->isEnabled()) << i;
    }
    EXPECT_EQ(form->WindowItems[8]->text(), "&9: C:\\D9");
    EXPECT_TRUE(form->WindowMore->isVisible());
    EXPECT_TRUE(form->WindowMore->isEnabled());

    // An item brings its child by number to the front.
    form->WindowItems[2]->trigger();
    EXPECT_EQ(form->ActiveChild(), form->MDIChildren()[2]);

    // The window list: all twelve, the tenth preselected.
    form->BringToFront(form->MDIChildren()[9]);
    std::unique_ptr<TWindowListDialog> list(form->MakeWindowList());
    EXPECT_EQ(list->windowTitle(), "Window List");
    ASSERT_EQ(list->WindowList->count(), 12);
    EXPECT_EQ(list->WindowList->currentRow(), 9);
    EXPECT_EQ(list->WindowList->item(9)->text(), "C:\\D10");
    EXPECT_EQ(list->WindowList->item(11)->text(), "C:\\D12");
    list.reset();

    // Run modally: a double click on line 5 brings that child to the front;
    // closing the list otherwise changes nothing.
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TWindowListDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        emit dlg->WindowList->itemDoubleClicked(dlg->WindowList->item(4));
    });
    form->WindowMore->trigger();
    EXPECT_EQ(form->ActiveChild(), form->MDIChildren()[4]);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    form->ShowWindowList();
    EXPECT_EQ(form->ActiveChild(), form->MDIChildren()[4]);

    // Fewer children again: More disappears.
    form->CloseAllWindows();
    DeleteClosed();
    EXPECT_TRUE(form->MDIChildren().isEmpty());
    form->WindowMenuOpened();
    EXPECT_FALSE(form->WindowMore->isVisible());
    EXPECT_FALSE(form->WindowSeparator->isVisible());
}

TEST_F(MainWindowTest, DirectoryCommandsFollowTheActiveChild) {
    form->show();
    // No child: nothing that needs one is reachable.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Bar()->SB_Copy, Bar()->SB_Delete, Bar()->SB_TagAll, Bar()->SB_TagNone, Bar()->SB_TagWild,
             Bar()->SB_Compare, Bar()->SB_Options, Bar()->SB_QuickAdd, Bar()->CB_Sort, Bar()->E_Pattern,
             Bar()->CB_Category, Bar()->SB_TileH, Bar()->SB_Maximize})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(form->WindowCascade->isEnabled());
    form->WindowMenuOpened();
    EXPECT_FALSE(form->WindowRefresh->isEnabled());

    // A directory window with two files, one tagged.
    env.WriteFile("c/WORK/a.txt", std::string(2048, 'a'));
    env.WriteFile("c/WORK/b.txt", std::string(1024, 'b'));
    auto* dir = new TFakeDirWindow(form.get(), "C:\\WORK");
    form->AddChild(dir);
    dir->ReadDirectory();
    ASSERT_EQ(dir->GetEntryCount(), 2);
    EXPECT_TRUE(Bar()->SB_TagAll->isEnabled());
    EXPECT_FALSE(Bar()->SB_Copy->isEnabled());  // nothing tagged yet
    EXPECT_FALSE(Bar()->SB_TagNone->isEnabled());
    dir->TagEntry(dir->FindEntry("a.txt"));
    dir->UpdateStatus();
    EXPECT_TRUE(Bar()->SB_Copy->isEnabled());
    EXPECT_TRUE(Bar()->SB_Delete->isEnabled());
    EXPECT_TRUE(Bar()->SB_TagNone->isEnabled());
    EXPECT_TRUE(Bar()->CB_Sort->isEnabled());
    EXPECT_TRUE(Bar()->CB_Category->isEnabled());
    EXPECT_TRUE(form->WindowCascade->isEnabled());
    EXPECT_EQ(form->StatusLine->P_Counter->text(), "2  3K");
    EXPECT_EQ(form->StatusLine->P_Tags->text(), "1  2K");
    EXPECT_EQ(Bar()->E_Pattern->text(), QString::fromStdString(dir->Options.Wildcards));
    form->WindowMenuOpened();
    EXPECT_TRUE(form->WindowRefresh->isEnabled());
    // Commands whose dialogs are not registered stay unreachable.
    EXPECT_FALSE(Bar()->SB_TagWild->isEnabled());
    EXPECT_FALSE(Bar()->SB_Options->isEnabled());

    // The buttons reach the active window.
    Bar()->SB_Copy->click();
    Bar()->SB_Delete->click();
    EXPECT_EQ(dir->copies, 1);
    EXPECT_EQ(dir->deletes, 1);
    QTest::mouseClick(form->StatusLine->P_Tags, Qt::LeftButton);
    EXPECT_EQ(dir->reversals, 1);
    EXPECT_EQ(dir->GetTaggedCount(), 1);  // b.txt now
    int reads = dir->reads;
    QTest::mouseClick(form->StatusLine->P_Counter, Qt::LeftButton);
    EXPECT_EQ(dir->treeReads, 1);
    EXPECT_EQ(dir->reads, reads + 1);

    // Registered dialogs become reachable through the same rules.
    int wildRuns = 0;
    form->RegisterCommand(TCommand::TagByWildcards, [&] { ++wildRuns; });
    form->RegisterCommand(TCommand::WindowOptions, [] {});
    EXPECT_TRUE(Bar()->SB_TagWild->isEnabled());
    EXPECT_TRUE(Bar()->SB_Options->isEnabled());
    int repaints = dir->repaints;
    Bar()->SB_TagWild->click();
    EXPECT_EQ(wildRuns, 1);
    EXPECT_EQ(dir->repaints, repaints + 1);

    // An editor: the category box stays, the directory commands go.
    auto* editor = new TFakeEditorWindow;
    form->AddChild(editor);
    EXPECT_TRUE(Bar()->CB_Category->isEnabled());
    EXPECT_FALSE(Bar()->SB_Copy->isEnabled());
    EXPECT_FALSE(Bar()->SB_TagAll->isEnabled());
    EXPECT_FALSE(Bar()->CB_Sort->isEnabled());
    EXPECT_FALSE(Bar()->SB_Options->isEnabled());
    form->WindowMenuOpened();
    EXPECT_FALSE(form->WindowRefresh->isEnabled());

    // A viewer-like child of another kind: reported to its own handler.
    QMdiSubWindow* seen = nullptr;
    form->OtherChildActivated = [&](QMdiSubWindow* w) { seen = w; };
    auto* viewer = new QMdiSubWindow;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    form->AddChild(viewer);
    EXPECT_EQ(seen, viewer);
    EXPECT_FALSE(Bar()->CB_Category->isEnabled());
    EXPECT_FALSE(Bar()->SB_Delete->isEnabled());

    // Back on the directory window, its state returns (the re-read of the
    // counter panel click cleared the tags).
    form->BringToFront(dir);
    EXPECT_TRUE(Bar()->SB_TagAll->isEnabled());
    EXPECT_FALSE(Bar()->SB_Copy->isEnabled());
    EXPECT_TRUE(Bar()->SB_Options->isEnabled());
}

TEST_F(MainWindowTest, ResultWindowHasNoSortCompareOrQuickAdd) {
    form->show();
    form->RegisterCommand(TCommand::QuickAdd, [] {});
    form->RegisterCommand(TCommand::ComparePaths, [] {});
    auto* split1 = AddDir("S1");
    auto* split2 = AddDir("S2");
    split2->ReadDirectory();
    EXPECT_EQ(form->SplitWindowCount(), 2);
    EXPECT_TRUE(Bar()->SB_QuickAdd->isEnabled());
    EXPECT_TRUE(Bar()->SB_Compare->isEnabled());  // two split windows, entries present
    split1->close();
    DeleteClosed();
    EXPECT_EQ(form->SplitWindowCount(), 1);
    split2->UpdateStatus();
    EXPECT_FALSE(Bar()->SB_Compare->isEnabled());  // one split window left

    auto* result = AddDir("R", true);
    result->ReadDirectory();
    EXPECT_EQ(form->ResultWindowCount(), 1);
    EXPECT_FALSE(Bar()->SB_QuickAdd->isEnabled());
    EXPECT_FALSE(Bar()->SB_Compare->isEnabled());
    EXPECT_FALSE(Bar()->CB_Sort->isEnabled());
    EXPECT_FALSE(Bar()->E_Pattern->isEnabled());
    EXPECT_TRUE(Bar()->SB_TagAll->isEnabled());
}

TEST_F(MainWindowTest, SortBoxRereadsOnlyForANewFirstKey) {
    form->show();
    auto* dir = AddDir("SORT");
    dir->Options.SortKeys = "NED";
    dir->UpdateStatus();
    EXPECT_EQ(Bar()->CB_Sort->currentText(), "Name");
    int reads = dir->reads;
    form->SortBoxChosen(1);  // "Name": already first
    EXPECT_EQ(dir->Options.SortKeys, "NED");
    EXPECT_EQ(dir->reads, reads);
    form->SortBoxChosen(2);  // "Date"
    EXPECT_EQ(dir->Options.SortKeys, "D");
    EXPECT_EQ(dir->reads, reads + 1);
    EXPECT_EQ(Bar()->CB_Sort->currentText(), "Date");
    emit Bar()->CB_Sort->activated(3);  // the user picks "Size"
    EXPECT_EQ(dir->Options.SortKeys, "S");
}

TEST_F(MainWindowTest, FileMenuNamesTheCurrentEntry) {
    form->show();
    form->FileMenuOpened();
    EXPECT_EQ(form->FileRun->text(), "&Run");
    EXPECT_FALSE(form->FileRun->isEnabled());
    EXPECT_FALSE(form->FileEdit->isEnabled());
    EXPECT_FALSE(form->FilePrint->isEnabled());

    env.WriteFile("c/FM/PROG.EXE", "MZ");
    env.WriteFile("c/FM/read.txt", "text");
    // Edit needs an editor to open the entry in.
    form->RegisterCommand(TCommand::EditFile, [] {});
    auto* dir = new TFakeDirWindow(form.get(), "C:\\FM");
    form->AddChild(dir);
    dir->ReadDirectory();
    dir->current = dir->FindEntry("PROG.EXE");
    form->FileMenuOpened();
    EXPECT_EQ(form->FileRun->text(), "&Run: PROG.EXE");
    EXPECT_TRUE(form->FileRun->isEnabled());
    EXPECT_EQ(form->FilePrint->text(), "&Print");
    EXPECT_FALSE(form->FilePrint->isEnabled());
    EXPECT_EQ(form->FileEdit->text(), "&Edit: PROG.EXE");
    EXPECT_TRUE(form->FileEdit->isEnabled());

    dir->current = dir->FindEntry("read.txt");
    form->FileMenuOpened();
    EXPECT_EQ(form->FileRun->text(), "&Run: read.txt");
    EXPECT_EQ(form->FilePrint->text(), "&Print: read.txt");
    EXPECT_TRUE(form->FilePrint->isEnabled());
    form->FileRun->trigger();
    form->FilePrint->trigger();
    form->FileEdit->trigger();
    EXPECT_EQ(dir->opened, dir->current);
    EXPECT_EQ(dir->printed, dir->current);
    EXPECT_EQ(dir->edited, dir->current);
}

TEST_F(MainWindowTest, GaugeMovesAtMostOncePerClockSecond) {
    form->show();
    int second = 5;
    plat::SetClockSecondSource([&] { return second; });
    QProgressBar* gauge = form->StatusLine->Gauge;
    form->SetHintText("old text");
    form->StartProgress(100);
    EXPECT_TRUE(form->HintText().empty());
    EXPECT_TRUE(gauge->isVisible());
    EXPECT_EQ(gauge->maximum(), 100);
    EXPECT_EQ(gauge->value(), 0);
    EXPECT_EQ(gauge->width(), form->StatusLine->P_Hint->width() - 8);

    EXPECT_TRUE(form->StepProgress(1, 4));
    EXPECT_EQ(gauge->value(), 25);
    EXPECT_FALSE(form->StepProgress(2, 4));  // same second
    EXPECT_EQ(gauge->value(), 25);
    second = 6;
    EXPECT_TRUE(form->StepProgress(3, 4));
    EXPECT_EQ(gauge->value(), 75);

    // A new run forgets the second: 0 is its starting value.
    second = 0;
    form->StartProgress(100);
    EXPECT_FALSE(form->StepProgress(1, 2));
    EXPECT_EQ(gauge->value(), 0);
    EXPECT_FALSE(form->StepProgress(1, 0));  // no rows: no division

    form->StopProgress();
    EXPECT_FALSE(gauge->isVisible());
    // The main window is the program's gauge.
    EXPECT_EQ(&Progress(), form.get());
}

TEST_F(MainWindowTest, RefreshReachesTheWindowsShowingAPathOrDrive) {
    form->show();
    auto* a = AddDir("A");
    auto* sub = AddDir("A\\SUB");
    auto* b = AddDir("B");
    env.WriteFile("d/X/keep.txt", "");
    auto* onD = new TFakeDirWindow(form.get(), "D:\\X");
    form->AddChild(onD);
    std::vector<char> drives;
    form->DriveInfoIsOpen = [] { return true; };
    form->DriveInfoRecompute = [&](char d) { drives.push_back(d); };

    form->RefreshWindowsShowing("c:\\a");
    EXPECT_EQ(a->reads, 1);
    EXPECT_EQ(sub->reads, 1);  // below the changed directory
    EXPECT_EQ(b->reads, 0);
    form->RefreshWindowsShowing("C:\\A\\SUB\\\\");
    EXPECT_EQ(a->reads, 1);
    EXPECT_EQ(sub->reads, 2);
    EXPECT_EQ(drives, std::vector<char>({'C', 'C'}));

    form->RefreshWindowsOnDrive('d');
    EXPECT_EQ(onD->treeReads, 1);
    EXPECT_EQ(a->treeReads + b->treeReads + sub->treeReads, 0);
    EXPECT_EQ(drives.back(), 'D');

    EXPECT_TRUE(form->IsPathShown("C:\\A\\"));
    EXPECT_FALSE(form->IsPathShown("C:\\ELSEWHERE\\"));
}

TEST_F(MainWindowTest, ChildMenusMergeByGroupWhileActive) {
    struct MenuDir : TFakeDirWindow {
        QMenu* tag = new QMenu("&Tag", this);
        QMenu* perform = new QMenu("&Perform", this);
        QMenu* apps = new QMenu("&Applications", this);
        explicit MenuDir(TFrameServices* frame) : TFakeDirWindow(frame, "C:\\") {}
        QList<TMergeMenu> MergeMenus() override { return {{32, apps}, {12, tag}, {21, perform}}; }
    };
    form->show();
    auto* dir = new MenuDir(form.get());
    form->AddChild(dir);
    EXPECT_EQ(Captions(form->menuBar()->actions()),
              QStringList({"&File", "&Tag", "&Perform", "&Applications", "&Window", "&Help"}));
    auto* editor = new TFakeEditorWindow;
    form->AddChild(editor);
    EXPECT_EQ(Captions(form->menuBar()->actions()), QStringList({"&File", "&Window", "&Help"}));
    form->BringToFront(dir);
    EXPECT_EQ(form->menuBar()->actions().size(), 6);
    dir->close();
    editor->close();
    DeleteClosed();
    EXPECT_EQ(Captions(form->menuBar()->actions()), QStringList({"&File", "&Window", "&Help"}));
}

TEST_F(MainWindowTest, SpeedBarDocksHidesAndCancelsDrags) {
    form->show();
    EXPECT_EQ(form->toolBarArea(Bar()), Qt::TopToolBarArea);
    Bar()->DockBottom->trigger();
    EXPECT_EQ(form->toolBarArea(Bar()), Qt::BottomToolBarArea);
    Bar()->DockTop->trigger();
    EXPECT_EQ(form->toolBarArea(Bar()), Qt::TopToolBarArea);
    form->WindowMenuOpened();
    EXPECT_FALSE(form->WindowSpeedBar->isEnabled());
    Bar()->DockHide->trigger();
    EXPECT_FALSE(Bar()->isVisible());
    form->WindowMenuOpened();
    EXPECT_TRUE(form->WindowSpeedBar->isEnabled());
    form->WindowSpeedBar->trigger();
    EXPECT_TRUE(Bar()->isVisible());

    // Opening the bar's menu ends a drag in progress.
    auto* dir = AddDir("DRAG");
    form->Drag().Source = dir;
    emit Bar()->ContextMenuOpening();
    EXPECT_EQ(dir->cancels, 1);
    EXPECT_TRUE(form->Drag().Source.isNull());
    // A drag source that has gone is forgotten, not called.
    form->Drag().Source = dir;
    dir->close();
    DeleteClosed();
    form->CancelDrag();
    EXPECT_TRUE(form->Drag().Source.isNull());
}

TEST_F(MainWindowTest, FirstActivationOpensOneWindowUnlessQuickDirectoriesDid) {
    int made = 0;
    form->NewDirectoryWindowFactory = [&](TFrameServices& frame, int) -> TMDIChild* {
        ++made;
        EXPECT_EQ(&frame, form.get());
        return new TFakeDirWindow(&frame, plat::GetCurrentDir());
    };
    form->show();
    QApplication::processEvents();  // the first activation runs once shown
    EXPECT_FALSE(form->FirstActivationPending);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(form->MDIChildren().size(), 1);
    EXPECT_EQ(form->MDIChildren()[0]->windowTitle(), "C:\\");
    form->FirstActivation();  // only once
    EXPECT_EQ(made, 1);

    // Two autoload quick directories: no extra window.
    form = std::make_unique<Tmainform>();
    made = 0;
    form->NewDirectoryWindowFactory = [&](TFrameServices& frame, int) -> TMDIChild* {
        ++made;
        return new TFakeDirWindow(&frame, "C:\\");
    };
    std::vector<int> quick;
    form->OpenAutoloadQuickDirectories = [&] {
        form->OpenQuickDirectory(0);
        quick.push_back(form->QuickDirToOpen());
        form->OpenQuickDirectory(1);
        quick.push_back(form->QuickDirToOpen());
        return 2;
    };
    form->FirstActivation();
    EXPECT_EQ(made, 2);
    EXPECT_EQ(quick, std::vector<int>({0, 1}));
    form->FileNew->trigger();  // the plain command forgets the quick directory
    EXPECT_EQ(form->QuickDirToOpen(), -1);
    EXPECT_EQ(made, 3);
}

TEST_F(MainWindowTest, CommandsOfOtherPartsAreDisabledUntilRegistered) {
    EXPECT_FALSE(form->FileApplications->isEnabled());
    EXPECT_FALSE(Bar()->SB_AppList->isEnabled());
    EXPECT_FALSE(form->FileGlobalOptions->isEnabled());
    EXPECT_FALSE(form->FileDriveInfo->isEnabled());
    EXPECT_FALSE(form->FileNewFile->isEnabled());
    EXPECT_FALSE(form->FileDo->isEnabled());

    std::vector<std::string> categories = {"Editors"};
    form->ApplicationCategories = [&] { return categories; };
    int runs = 0;
    form->RegisterCommand(TCommand::Applications, [&] {
        ++runs;
        categories = {"Editors", "Tools"};
    });
    EXPECT_TRUE(form->FileApplications->isEnabled());
    EXPECT_TRUE(Bar()->SB_AppList->isEnabled());
    form->FileApplications->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(Bar()->CB_Category->count(), 2);  // reloaded afterwards

    // The drive information switch stores whether the window is open now.
    bool open = false;
    form->DriveInfoIsOpen = [&] { return open; };
    form->RegisterCommand(TCommand::DriveInformation, [&] { open = !open; });
    form->FileDriveInfo->trigger();
    EXPECT_TRUE(AppIni().ReadBool("FInfo", "Active", false));
    form->FileMenuOpened();
    EXPECT_TRUE(form->FileDriveInfo->isChecked());
    form->FileDriveInfo->trigger();
    EXPECT_FALSE(AppIni().ReadBool("FInfo", "Active", true));
}

TEST_F(MainWindowTest, UnwritableIniIsReportedAndTheProgramGoesOn) {
    // A settings file below a plain file cannot be written, even by root.
    env.WriteFile("blocker", "not a folder");
    TAppIni unwritable(env.Host("blocker/QUILBY.INI"));
    SetAppIni(&unwritable);
    form->show();

    int after = 0;
    form->RegisterCommand(TCommand::GlobalOptions, [] { AppIni().WriteBool("Mainform", "RDJump", true); });
    form->RegisterCommand(TCommand::RunProgram, [&] { ++after; });
    form->FileGlobalOptions->trigger();
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    EXPECT_EQ(env.prompts.last(), "Unable to write to " + unwritable.FileName());
    EXPECT_EQ(env.prompts.seen.back().icon, MsgIcon::Error);
    form->FileDo->trigger();
    EXPECT_EQ(after, 1);

    // Closing still closes; the failed "WindowState" write is reported.
    EXPECT_TRUE(form->close());
    EXPECT_EQ(env.prompts.seen.size(), 2u);
    EXPECT_EQ(env.prompts.last(), "Unable to write to " + unwritable.FileName());
    EXPECT_TRUE(form->Closing);
    form.reset();
    env.ReopenIni();
}

TEST_F(MainWindowTest, EditorWithUnsavedChangesKeepsTheProgramOpen) {
    form->show();
    auto* editor = new TFakeEditorWindow;
    editor->allowClose = false;
    form->AddChild(editor);
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->Closing);
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", "none"), "none");
    editor->allowClose = true;
    EXPECT_TRUE(form->close());
}

TEST_F(MainWindowTest, TilingArrangesChildrenSideBySideOrStacked) {
    form->resize(800, 600);
    form->show();
    auto* a = AddDir("T1");
    auto* b = AddDir("T2");
    int statusBefore = b->statusUpdates;
    form->TileVertical();
    EXPECT_EQ(a->geometry().top(), b->geometry().top());
    EXPECT_LT(a->geometry().right(), b->geometry().left());
    EXPECT_GT(b->statusUpdates, statusBefore);  // the active window shows its status again
    form->TileHorizontal();
    EXPECT_EQ(a->geometry().left(), b->geometry().left());
    EXPECT_LT(a->geometry().bottom(), b->geometry().top());
    Bar()->SB_Maximize->click();
    EXPECT_TRUE(b->isMaximized());
}

TEST_F(MainWindowTest, HelpTopicsOpenOrSayTheyAreMissing) {
    env.WriteFile("help.hlp", "#topic 9016 How Do I?\nOpen a window.\n#topic 1002 Contents\nAll topics.\n");
    plat::SetHelpFile(env.Host("help.hlp"));
    form->HelpHowDoI->trigger();
    THelpWindow* help = THelpWindow::Instance();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Title->text(), "How Do I?");
    EXPECT_EQ(help->Text->toPlainText().trimmed(), "Open a window.");
    form->HelpContents->trigger();
    EXPECT_EQ(THelpWindow::Instance(), help);  // one help window, showing the new topic
    EXPECT_EQ(help->Topic, 1002);
    EXPECT_TRUE(env.prompts.seen.empty());
    form->ShowHelp(4242);
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    EXPECT_EQ(env.prompts.last(),
              "Help topic 4242 is not in the help file " + env.Host("help.hlp") + ".");
}

TEST(HelpFile, EveryTopicTheProgramOpensIsShipped) {
    TestEnv env;
    std::string file = std::string(QUILBY_SOURCE_DIR) + "/resources/Quilby.hlp";
    plat::SetHelpFile(file);
    // The main window, the option dialogs and every dialog with a Help button.
    for (int topic : {1002, 9016, 1027, 1014, 9011, 1005, 9014, 1007, 9015, 1001, 1021, 9000, 9006,
                      1004, 9009, 9003, 9005, 9002, 9004, 9013, 1033, 1022, 1016, 9007, 9008, 9012}) {
        std::string title;
        auto text = plat::HelpTopic(topic, &title);
        ASSERT_TRUE(text.has_value()) << topic;
        EXPECT_FALSE(title.empty()) << topic;
        EXPECT_FALSE(text->empty()) << topic;
    }
}

TEST_F(MainWindowTest, ApplicationsMenuListsTheChosenCategory) {
    std::map<std::string, std::vector<std::string>> apps = {
        {"Editors", {"Notepad", "Write", "Vi"}},
        {"Tools", {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10", "T11", "T12"}}};
    form->ApplicationCategories = [] { return std::vector<std::string>{"Editors", "Tools"}; };
    form->ApplicationNames = [&](const std::string& c) { return apps[c]; };
    form->ReloadCategoryBox();
    ASSERT_EQ(Bar()->CB_Category->currentText(), "Editors");

    QMenu menu;
    QList<QAction*> items;
    for (int i = 1; i <= 9; ++i) items << menu.addAction(QStringLiteral("&A%1").arg(i));
    QAction* more = menu.addAction("&More ...");
    TFakeDirWindow dir(form.get(), "C:\\");
    dir.FillAppMenu(items, more);
    EXPECT_EQ(items[0]->text(), "&1: Notepad");
    EXPECT_EQ(items[2]->text(), "&3: Vi");
    EXPECT_EQ(items[2]->data().toInt(), 2);
    EXPECT_TRUE(items[2]->isVisible());
    for (int i = 3; i < 9; ++i) {
        EXPECT_FALSE(items[i]->isVisible()) << i;
        EXPECT_FALSE(items[i]->isEnabled()) << i;
    }
    EXPECT_FALSE(more->isVisible());

    Bar()->CB_Category->setCurrentIndex(1);
    dir.FillAppMenu(items, more);
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(items[i]->isVisible()) << i;
    EXPECT_EQ(items[8]->text(), "&9: T9");
    EXPECT_TRUE(more->isVisible());
}

TEST_F(MainWindowTest, HintSettingsApplyToTheApplication) {
    form.reset();
    AppIni().WriteBool("Application", "ShowHint", false);
    AppIni().WriteInteger("Application", "HintColor", 0x00FFFF);  // yellow, stored BGR
    form = std::make_unique<Tmainform>();
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    // Hints off: a tool tip request never reaches the control.
    struct Probe : QWidget {
        int tips = 0;
        bool event(QEvent* e) override {
            if (e->type() == QEvent::ToolTip) ++tips;
            return QWidget::event(e);
        }
    } probe;
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&probe, &help);
    EXPECT_EQ(probe.tips, 0);
    form->ShowHint = true;
    QApplication::sendEvent(&probe, &help);
    EXPECT_EQ(probe.tips, 1);
}

TEST_F(MainWindowTest, ANewChildWiderThanTheFrameStartsWhollyInside) {
    form->resize(456, 367);
    form->show();
    QCoreApplication::processEvents();
    env.WriteFile("c/WIDE/keep.txt", "");
    auto* w = new TFakeDirWindow(form.get(), "C:\\WIDE");
    w->resize(900, 700);
    form->AddChild(w);
    QCoreApplication::processEvents();
    const QSize room = form->MDIArea->viewport()->size();
    EXPECT_GE(w->x(), 0);
    EXPECT_GE(w->y(), 0);
    EXPECT_LE(w->width(), room.width());
    EXPECT_LE(w->height(), room.height());
}
