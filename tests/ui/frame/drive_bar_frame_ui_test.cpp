// The drive bar in the frame: made at the first activation from the drive
// table, a click activating the first window on the drive or opening one,
// and the active window selecting its drive.
#include <gtest/gtest.h>

#include <QDockWidget>

#include "support/fake_dir_window.h"
#include "support/main_window_ui_fixture.h"
#include "ui/frame/drive_bar.h"

namespace {

struct DriveBarFrameTest : MainWindowUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        form->NewDirectoryWindowFactory = [this](TFrameServices& frame, int) -> TMDIChild* {
            ++opened;
            auto* w = new TFakeDirWindow(&frame, plat::GetCurrentDir());
            form->AddChild(w);
            return w;
        };
        form->FirstActivation();  // opens one window on the current directory, C:
        ASSERT_NE(form->DriveBar, nullptr);
        opened = 0;
    }
    TFakeDirWindow* Add(const std::string& dir) {
        auto* w = new TFakeDirWindow(form.get(), dir);
        form->AddChild(w);
        return w;
    }
    int opened = 0;
};

}  // namespace

TEST_F(DriveBarFrameTest, TheBarListsTheDrivesOnce) {
    EXPECT_EQ(form->DriveList, (std::vector<std::string>{"C: []", "D: []"}));
    EXPECT_EQ(form->DriveBar->rowCount(), 2);
    EXPECT_EQ(form->dockWidgetArea(form->DriveDock), Qt::LeftDockWidgetArea);
}

TEST_F(DriveBarFrameTest, AClickActivatesTheFirstWindowOnTheDriveOrOpensOne) {
    TMDIChild* first = form->ActiveDirectoryWindow();
    ASSERT_NE(first, nullptr);
    Add("C:\\");
    TFakeDirWindow* onD = Add("D:\\");
    EXPECT_EQ(form->DriveBar->currentRow(), 1);  // the active window's drive
    emit form->DriveBar->DriveChosen('C');
    EXPECT_EQ(form->ActiveDirectoryWindow(), first);
    EXPECT_EQ(form->DriveBar->currentRow(), 0);
    EXPECT_EQ(opened, 0);
    onD->close();
    DeleteClosed();
    emit form->DriveBar->DriveChosen('D');
    EXPECT_EQ(opened, 1);
    ASSERT_NE(form->ActiveDirectoryWindow(), nullptr);
    EXPECT_EQ(form->ActiveDirectoryWindow()->GetDrive(), 'D');
}

TEST_F(DriveBarFrameTest, LeftRightAndHide) {
    emit form->DriveBar->DockRequested(false);
    EXPECT_EQ(form->dockWidgetArea(form->DriveDock), Qt::RightDockWidgetArea);
    emit form->DriveBar->DockRequested(true);
    EXPECT_EQ(form->dockWidgetArea(form->DriveDock), Qt::LeftDockWidgetArea);
    emit form->DriveBar->HideRequested();
    EXPECT_TRUE(form->DriveDock->isHidden());
}
