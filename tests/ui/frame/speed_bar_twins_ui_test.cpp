// The speed bar's buttons that stand for a command of the frame's menus:
// each is enabled exactly when its menu twin is, and a click chooses the
// twin (Maximize keeps its own click).
#include <QAction>
#include <QSignalSpy>
#include <QToolButton>
#include <memory>

#include <gtest/gtest.h>

#include "support/main_window_ui_fixture.h"
#include "ui/frame/main_window.h"

namespace {

struct SpeedBarTwinsTest : MainWindowUiTest {
    void SetUp() override { form = std::make_unique<Tmainform>(); }
    void TearDown() override { form.reset(); }
    template <class T>
    T* Find(const char* name) {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

struct Twin {
    const char* button;
    const char* action;
    bool clickChoosesTwin;
};

const Twin kTwins[] = {{"SB_New", "FileNew", true},         {"SB_DriveSearch", "FileDriveSearch", true},
                       {"SB_AppList", "FileApplications", true}, {"SB_QuickDir", "FileQuickDirs", true},
                       {"SB_TileH", "WindowTileH", true},     {"SB_TileV", "WindowTileV", true},
                       {"SB_Maximize", "WindowMaximize", false}};

}  // namespace

TEST_F(SpeedBarTwinsTest, EachButtonFollowsItsMenuTwin) {
    form->show();
    for (const Twin& t : kTwins) {
        SCOPED_TRACE(t.button);
        auto* button = Find<QToolButton>(t.button);
        auto* action = Find<QAction>(t.action);
        ASSERT_TRUE(button && action);
        for (bool on : {true, false, true}) {
            action->setEnabled(on);
            EXPECT_EQ(button->isEnabled(), on);
        }
        // A click reaches the command through its twin, never around it.
        QSignalSpy chosen(action, &QAction::triggered);
        const bool wasEnabled = action->isEnabled();
        // The twin's own handler must not run here: only count the choice.
        action->disconnect(form.get());
        button->click();
        EXPECT_EQ(chosen.count(), t.clickChoosesTwin ? 1 : 0);
        action->setEnabled(false);
        button->click();
        EXPECT_EQ(chosen.count(), t.clickChoosesTwin ? 1 : 0) << "a disabled twin is not chosen";
        action->setEnabled(wasEnabled);
    }
}

TEST_F(SpeedBarTwinsTest, RegisteringACommandEnablesButtonAndItemTogether) {
    auto* button = Find<QToolButton>("SB_DriveSearch");
    auto* item = Find<QAction>("FileDriveSearch");
    ASSERT_TRUE(button && item);
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    int runs = 0;
    form->RegisterCommand(TCommand::DriveSearch, [&] { ++runs; });
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    button->click();
    EXPECT_EQ(runs, 1);
    form->RegisterCommand(TCommand::DriveSearch, TCommandRegistry::Handler());
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(button->isEnabled());
}
