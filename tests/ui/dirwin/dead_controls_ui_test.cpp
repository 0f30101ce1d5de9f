// No control looks alive and does nothing: with the program's real parts
// and no window, one window or two, a speed button is enabled only when its
// command can run, and the items of parts not there yet stay disabled.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

#include "sep_dir_ui_fixture.h"
#include "ui/frame/program_parts_qt.h"

namespace {

struct DeadControlsTest : SepDirUiTest {
    void SetUp() override {
        for (const char* f : {"work/a.txt", "work/b.txt", "other/o.txt"}) env.WriteFile(std::string("c/") + f, "data");
        ShowForm(InstallProgramParts, QSize(900, 600));
    }
    bool Enabled(const char* name) {
        auto* b = form->findChild<QToolButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b && b->isEnabled();
    }
    // Every speed button's state, in one line per window count.
    std::string Buttons() {
        std::string out;
        for (const char* name : {"SB_New", "SB_DriveSearch", "SB_AppList", "SB_QuickDir", "SB_TileH", "SB_TileV",
                                 "SB_Maximize", "SB_Copy", "SB_Delete", "SB_QuickAdd", "SB_TagAll", "SB_TagNone",
                                 "SB_TagWild", "SB_Compare", "SB_Options"})
            out += std::string(name + 3) + (Enabled(name) ? "+ " : "- ");
        return out;
    }
};

}  // namespace

TEST_F(DeadControlsTest, ButtonsFollowWhatCanRunWithNoneOneAndTwoWindows) {
    // Drive search needs no window; quick add needs a split window; the
    // compare needs two.
    EXPECT_EQ(Buttons(),
              "New+ DriveSearch+ AppList+ QuickDir+ TileH- TileV- Maximize- Copy- Delete- QuickAdd- TagAll- "
              "TagNone- TagWild- Compare- Options- ");
    for (const char* item : {"WindowCascade", "WindowTileH", "WindowTileV", "WindowMaximize", "WindowArrange"})
        EXPECT_FALSE(form->findChild<QAction*>(item)->isEnabled()) << item;

    TSepDir* one = Open("C:\\work");
    EXPECT_EQ(Buttons(),
              "New+ DriveSearch+ AppList+ QuickDir+ TileH+ TileV+ Maximize+ Copy- Delete- QuickAdd+ TagAll+ "
              "TagNone- TagWild+ Compare- Options+ ");
    one->TagAll();
    EXPECT_EQ(Buttons(),
              "New+ DriveSearch+ AppList+ QuickDir+ TileH+ TileV+ Maximize+ Copy+ Delete+ QuickAdd+ TagAll+ "
              "TagNone+ TagWild+ Compare- Options+ ");

    Open("C:\\other");
    EXPECT_EQ(Buttons(),
              "New+ DriveSearch+ AppList+ QuickDir+ TileH+ TileV+ Maximize+ Copy- Delete- QuickAdd+ TagAll+ "
              "TagNone- TagWild+ Compare+ Options+ ");
}

TEST_F(DeadControlsTest, EditAndApplicationItemsWaitForTheirParts) {
    // The applications are installed: take them away to see the menus wait.
    form->RegisterCommand(TCommand::StartApplication, TCommandRegistry::Handler());
    TSepDir* w = Open("C:\\work");
    w->LB1->SetCurrentRow(0);
    // Without an editor registered.
    form->RegisterCommand(TCommand::EditFile, TCommandRegistry::Handler());
    auto* fileEdit = form->findChild<QAction*>("FileEdit");
    ASSERT_NE(fileEdit, nullptr);
    emit form->FileMenu->aboutToShow();
    EXPECT_EQ(fileEdit->text(), "&Edit: a.txt");
    EXPECT_FALSE(fileEdit->isEnabled());
    EXPECT_FALSE(w->AppMenu->menuAction()->isEnabled());
    EXPECT_FALSE(w->ListAppMenu->menuAction()->isEnabled());

    std::vector<std::string> edited;
    form->RegisterCommand(TCommand::EditFile, OnPath([&](const std::string& p) { edited.push_back(p); }));
    form->RegisterCommand(TCommand::StartApplication, [] {});
    emit form->FileMenu->aboutToShow();
    EXPECT_TRUE(fileEdit->isEnabled());
    fileEdit->trigger();
    EXPECT_EQ(edited, std::vector<std::string>{"C:\\work\\a.txt"});
    EXPECT_TRUE(w->AppMenu->menuAction()->isEnabled());
}
