// Names with ':' and '\' inside a host name, in the frame: the caption of
// the window on such a directory, the Window menu and the window list, and
// the File menu's and the file list menu's items that carry the current
// name show the characters as the user named them.
#include <QAction>
#include <QListWidget>
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "ui/dirwin/sep_dir_ui_fixture.h"
#include "ui/frame/program_parts_qt.h"
#include "ui/frame/window_list_dialog.h"

namespace {

struct WindowNamesTest : SepDirUiTest {
    void SetUp() override {
        std::filesystem::create_directories(env.Host("c/x:y"));
        for (const char* n : {"a:b.txt", "back\\slash.txt"}) std::ofstream(env.Host("c/x:y/") + n) << "data";
        ShowForm(InstallProgramParts, QSize(900, 600));
    }
};

}  // namespace

TEST_F(WindowNamesTest, CaptionWindowMenuAndWindowListShowTheOriginalCharacters) {
    TSepDir* w = Open("C:\\" + plat::HostNameToWin("x:y"));
    ASSERT_NE(w, nullptr);
    const QString caption = w->windowTitle();
    EXPECT_TRUE(caption.startsWith("C:\\x:y")) << caption.toStdString();

    form->WindowMenuOpened();
    EXPECT_EQ(form->WindowItems[0]->text(), "&1: " + caption);

    std::unique_ptr<TWindowListDialog> list(form->MakeWindowList());
    ASSERT_EQ(list->WindowList->count(), 1);
    EXPECT_EQ(list->WindowList->item(0)->text(), caption);
}

TEST_F(WindowNamesTest, MenuItemsNamingTheCurrentFileShowTheOriginalCharacters) {
    TSepDir* w = Open("C:\\" + plat::HostNameToWin("x:y"));
    ASSERT_NE(w, nullptr);
    const int colon = w->FindEntry(plat::HostNameToWin("a:b.txt"));
    const int slash = w->FindEntry(plat::HostNameToWin("back\\slash.txt"));
    ASSERT_GE(colon, 0);
    ASSERT_GE(slash, 0);

    w->LB1->SetCurrentRow(colon);
    form->FileMenuOpened();
    EXPECT_EQ(form->FileEdit->text(), "&Edit: a:b.txt");
    EXPECT_EQ(form->FileRun->text(), "&Run: a:b.txt");
    EXPECT_EQ(form->FilePrint->text(), "&Print: a:b.txt");

    w->PrepareListMenu(RowPoint(w, slash));
    EXPECT_EQ(w->ListTagSingleItem->text(), "&Single: back\\slash.txt");
}
