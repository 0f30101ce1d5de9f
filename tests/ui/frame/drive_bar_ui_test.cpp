// The drive bar on its own: cells, sizing, the hint under the mouse, a
// click, the selection from the windows and "&Hide".
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "ui/frame/drive_bar.h"

using namespace plat;

namespace {

class DriveBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Drive> drives;
        for (auto [letter, type] : {std::pair{'A', DriveType::Removable}, std::pair{'C', DriveType::Fixed},
                                    std::pair{'D', DriveType::Fixed}}) {
            Drive d;
            d.letter = letter;
            d.hostRoot = letter == 'D' ? env.root + "/missing" : env.hostC;
            d.type = type;
            drives.push_back(d);
        }
        SetDriveTable(drives);
        SetDiskSpaceProbe([this](const std::string& root, int64_t& size, int64_t& freeBytes) {
            if (root != env.hostC) return false;
            size = 1000000000;
            freeBytes = 250000000;
            return true;
        });
        bar = std::make_unique<TDriveBar>(std::vector<std::string>{"A:", "C: []", "D: []"},
                                          QPixmap(16, 11), QPixmap(16, 11));
        bar->resize(bar->width(), 400);
        bar->show();
    }
    void TearDown() override { SetDiskSpaceProbe(nullptr); }

    QPoint CellCenter(int row) { return bar->visualRect(bar->model()->index(row, 0)).center(); }
    QString HintOver(int row) {
        QSignalSpy hints(bar.get(), &TDriveBar::HintChanged);
        // Two positions: a move to where the mouse already is sends nothing.
        QTest::mouseMove(bar->viewport(), CellCenter(row) + QPoint(1, 0));
        QTest::mouseMove(bar->viewport(), CellCenter(row));
        return hints.isEmpty() ? QString() : hints.last().at(0).toString();
    }

    TestEnv env;
    std::unique_ptr<TDriveBar> bar;
};

}  // namespace

TEST_F(DriveBarTest, CellsAreSizedFromThePicture) {
    EXPECT_EQ(bar->rowCount(), 3);
    EXPECT_EQ(bar->rowHeight(0), 2 * 11 + 5);
    EXPECT_EQ(bar->columnWidth(0), 2 * 16 + 8);
    EXPECT_EQ(bar->DriveOfRow(1), 'C');
    EXPECT_EQ(bar->DriveOfRow(3), '\0');
}

TEST_F(DriveBarTest, TheHintNamesTheDriveUnderTheMouse) {
    EXPECT_EQ(HintOver(1), "C: Avail: 250,000,000  Used: 732,421K  Free: 25 % ");
    EXPECT_EQ(HintOver(2), "Not Ready");
    EXPECT_EQ(HintOver(0), "Floppy Disk");
    bar->ShowFloppy = [] { return true; };
    EXPECT_EQ(HintOver(0), "A: Avail: 250,000,000  Used: 732,421K  Free: 25 % ");
}

TEST_F(DriveBarTest, AClickChoosesTheDriveAndTheWindowsSelectTheirs) {
    QSignalSpy chosen(bar.get(), &TDriveBar::DriveChosen);
    QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, CellCenter(1));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<char>(), 'C');
    bar->SelectDrive('d');
    EXPECT_EQ(bar->currentRow(), 2);
    bar->SelectDrive('Q');  // no such drive: the selection stays
    EXPECT_EQ(bar->currentRow(), 2);
}

TEST_F(DriveBarTest, HideFromTheContextMenuLastsForTheRun) {
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->text() == "&Hide") a->trigger();
        menu->close();
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, CellCenter(0), bar->viewport()->mapToGlobal(CellCenter(0)));
    QApplication::sendEvent(bar->viewport(), &e);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(bar->HiddenByUser());
}
