// Where the main window opens: on a first start wide enough for its whole
// menu bar (with a directory window's menus) and speed bar, centred on the
// screen; otherwise exactly where and as large as it was at the last exit.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <array>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "support/test_env.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/frame/main_window.h"
#include "ui/frame/window_placement_qt.h"

namespace {

struct FirstStartTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form;

    void SetUp() override {
        env.WriteFile("c/work/a.txt", "data");
        ASSERT_TRUE(plat::SetCurrentDir("C:\\work"));
    }
    void TearDown() override { form.reset(); }

    // Shows the main window and runs its first activation, which opens a
    // directory window whose menus join the menu bar.
    void Start() {
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
        form->show();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    // The overflow buttons of the menu bar and the speed bar that hide
    // what does not fit.
    bool SomethingOverflows() const {
        for (QToolButton* b : form->findChildren<QToolButton*>())
            if ((b->objectName() == "qt_menubar_ext_button" || b->objectName() == "qt_toolbar_ext_button") &&
                b->isVisible())
                return true;
        return false;
    }
    void Store(const std::string& state, const std::string& left, const std::string& top,
               const std::string& width, const std::string& height) {
        AppIni().WriteString("Mainform", "WindowState", state);
        AppIni().WriteString("Mainform", "Left", left);
        AppIni().WriteString("Mainform", "Top", top);
        AppIni().WriteString("Mainform", "Width", width);
        AppIni().WriteString("Mainform", "Height", height);
    }
};

}  // namespace

TEST_F(FirstStartTest, AFirstStartShowsTheWholeMenuBarAndSpeedBarCentred) {
    Start();
    ASSERT_GT(form->menuBar()->actions().size(), 3);  // the directory window's menus joined
    EXPECT_GT(BarsWidth(*form), 456);                  // the classic size is too narrow for them
    EXPECT_GE(form->width(), BarsWidth(*form));
    EXPECT_FALSE(SomethingOverflows());
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(form->geometry().center().y() - screen.center().y()), 1);
    EXPECT_TRUE(screen.contains(form->geometry()));

    // The narrow classic size does hide items: the check can fail.
    form->resize(456, 367);
    QApplication::processEvents();
    EXPECT_TRUE(SomethingOverflows());
}

TEST_F(FirstStartTest, TheStoredPositionAndSizeComeBackExactly) {
    Store("N", "37", "45", "701", "503");
    Start();
    EXPECT_EQ(form->geometry(), QRect(37, 45, 701, 503));
    EXPECT_FALSE(form->isMaximized());

    // Moved and resized, then closed: the next start has it there.
    form->setGeometry(60, 70, 640, 480);
    QApplication::processEvents();
    form->close();
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", "?"), "N");
    Start();
    EXPECT_EQ(form->geometry(), QRect(60, 70, 640, 480));
}

TEST_F(FirstStartTest, AMaximizedWindowComesBackMaximizedOverItsNormalPlace) {
    Store("X", "37", "45", "701", "503");
    Start();
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->normalGeometry(), QRect(37, 45, 701, 503));
    form->close();
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", "?"), "X");
    EXPECT_EQ(AppIni().ReadInteger("Mainform", "Width", 0), 701);
    EXPECT_EQ(AppIni().ReadInteger("Mainform", "Left", 0), 37);
}

TEST_F(FirstStartTest, UnusableStoredValuesCountAsAFirstStart) {
    for (auto values : {std::array<const char*, 4>{"10", "10", "wide", "400"},
                        std::array<const char*, 4>{"10", "10", "0", "400"},
                        std::array<const char*, 4>{"10", "", "600", "400"}}) {
        SCOPED_TRACE(std::string(values[0]) + "," + values[1] + "," + values[2] + "," + values[3]);
        Store("N", values[0], values[1], values[2], values[3]);
        Start();
        EXPECT_GE(form->width(), BarsWidth(*form));
        EXPECT_FALSE(SomethingOverflows());
        form.reset();
    }
}
