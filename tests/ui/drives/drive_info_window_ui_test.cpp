// The drive information window in the frame: toggled by its File menu item
// with the check mark, the grid in bytes, kilobytes and megabytes with its
// widths and alignment, drives that are not ready or do not answer, the
// removable drives, reopening at the next start, the refresh after a copy
// and its place above the drive list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QMenu>
#include <QTableWidget>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "support/dialog_test_fixture.h"
#include "support/fake_dir_window.h"
#include "support/main_window_ui_fixture.h"
#include "ui/drives/drive_info_qt.h"
#include "ui/drives/drive_info_window.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/frame/drive_bar.h"

using namespace plat;

namespace {

// A file system that holds every question until released.
struct HangingMount {
    std::mutex mutex;
    std::condition_variable released;
    bool open = false;
    void Release() {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        released.notify_all();
    }
    void Wait() {
        std::unique_lock<std::mutex> lock(mutex);
        released.wait(lock, [this] { return open; });
    }
};

std::string Cell(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* cell = grid->item(row, column);
    return cell ? cell->text().toStdString() : std::string();
}

// Every drive kind: A: removable, C: a drive of 1,000,000 bytes with
// 250,000 free, H: a network mount that never answers, N: remote over a
// folder that is gone.
struct DriveInfoTest : MainWindowUiTest {
    void SetUp() override {
        // letter, host root, type, file system, network name
        std::vector<Drive> drives;
        drives.push_back({'A', env.hostD, DriveType::Removable, "", ""});
        drives.push_back({'C', env.hostC, DriveType::Fixed, "", ""});
        drives.push_back({'H', env.root + "/hanging", DriveType::Remote, "", "//slow/share"});
        drives.push_back({'N', env.root + "/missing", DriveType::Remote, "", "//Server/Odd*Share?<|>"});
        SetDriveTable(drives);
        hanging = std::make_shared<HangingMount>();
        std::shared_ptr<HangingMount> mount = hanging;
        const std::string hangingRoot = env.root + "/hanging";
        SetDiskSpaceProbe([this, mount, hangingRoot](const std::string& root, int64_t& size, int64_t& freeBytes) {
            if (root == hangingRoot) mount->Wait();
            if (root == env.hostD) ++floppyQuestions;
            if (root != env.hostC && root != env.hostD) return false;
            size = 1000000;
            freeBytes = 250000;
            return true;
        });
        StartFrame();
    }
    void TearDown() override {
        form.reset();
        DeleteClosed();
        hanging->Release();
        SetDiskSpaceProbe(nullptr);
    }
    // A new main window, as at a start of the program.
    void StartFrame() {
        form.reset();
        DeleteClosed();
        form = std::make_unique<Tmainform>();
        form->NewDirectoryWindowFactory = [this](TFrameServices& frame, int) -> TMDIChild* {
            auto* w = new TFakeDirWindow(&frame, plat::GetCurrentDir());
            form->AddChild(w);
            return w;
        };
        InstallDriveInformation(*form);
        form->show();
        form->FirstActivation();
    }
    Tfinfo* Info() const { return form->findChild<Tfinfo*>(); }
    Tfinfo* Open() {
        if (!Info()) form->FileDriveInfo->trigger();
        return Info();
    }
    bool Checked() {
        emit form->FileMenu->aboutToShow();
        return form->FileDriveInfo->isChecked();
    }
    std::string Ini(const char* section, const char* key) { return AppIni().ReadString(section, key, "-"); }

    std::shared_ptr<HangingMount> hanging;
    std::atomic<int> floppyQuestions{0};
};

}  // namespace

TEST_F(DriveInfoTest, TheMenuItemOpensAndClosesTheWindowWithItsCheckMark) {
    ASSERT_TRUE(form->FileDriveInfo->isEnabled());
    EXPECT_FALSE(Checked());
    Tfinfo* info = Open();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), "Drive Information");
    EXPECT_TRUE(Checked());
    EXPECT_EQ(Ini("FInfo", "Active"), "1");

    form->FileDriveInfo->trigger();
    DeleteClosed();
    EXPECT_EQ(Info(), nullptr);
    EXPECT_FALSE(Checked());
    EXPECT_EQ(Ini("FInfo", "Active"), "0");

    // Closed by its own close button: not open at the next start either.
    Open();
    EXPECT_EQ(Ini("FInfo", "Active"), "1");
    Info()->close();
    EXPECT_FALSE(Checked());
    EXPECT_EQ(Ini("FInfo", "Active"), "0");
    // Chosen again before the closed window is gone: a new one opens.
    form->FileDriveInfo->trigger();
    EXPECT_TRUE(Checked());
    EXPECT_EQ(Ini("FInfo", "Active"), "1");
}

TEST_F(DriveInfoTest, ExitingWithTheWindowOpenOpensItAtTheNextStart) {
    Open();
    form->close();
    EXPECT_EQ(Ini("FInfo", "Active"), "1");
    StartFrame();
    ASSERT_NE(Info(), nullptr);
    EXPECT_TRUE(Info()->isVisible());
    EXPECT_TRUE(Checked());

    Info()->close();
    DeleteClosed();
    form->close();
    StartFrame();
    EXPECT_EQ(Info(), nullptr);
}

TEST_F(DriveInfoTest, FiguresInEveryUnitRightAlignedInColumnsWideEnough) {
    Tfinfo* info = Open();
    QTableWidget* grid = info->Grid;
    ASSERT_EQ(grid->rowCount(), 4);
    ASSERT_EQ(grid->columnCount(), 4);
    QStringList titles;
    for (int c = 0; c < 4; ++c) titles << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(titles, QStringList({"Drive name", "Disk Size", "Free Space", "% Free"}));

    struct Case {
        QAction* item;
        const char *stored, *size, *freeSpace;
    };
    for (const Case& c : {Case{info->OptKilobytes, "K", "976K", "244K"}, Case{info->OptMegabytes, "M", "0M", "0M"},
                          Case{info->OptBytes, "B", "1,000,000 ", "250,000 "}}) {
        c.item->trigger();
        int checked = 0;
        for (QAction* unit : {info->OptBytes, info->OptKilobytes, info->OptMegabytes}) checked += unit->isChecked();
        EXPECT_TRUE(c.item->isChecked()) << c.stored;
        EXPECT_EQ(checked, 1) << c.stored;
        EXPECT_EQ(Ini("Finfo", "Format"), c.stored);
        EXPECT_EQ(Cell(grid, 1, 0), "C: []");
        EXPECT_EQ(Cell(grid, 1, 1), c.size);
        EXPECT_EQ(Cell(grid, 1, 2), c.freeSpace);
        EXPECT_EQ(Cell(grid, 1, 3), "25 % ");
    }
    const QFontMetrics fm = grid->fontMetrics();
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < grid->rowCount(); ++r) {
            QTableWidgetItem* cell = grid->item(r, c);
            if (!cell) continue;
            EXPECT_GE(grid->columnWidth(c), fm.horizontalAdvance(cell->text() + "WW")) << r << "," << c;
            const Qt::Alignment side = Qt::Alignment(cell->textAlignment()) & Qt::AlignHorizontal_Mask;
            EXPECT_EQ(side, c == 0 ? Qt::AlignLeft : Qt::AlignRight) << r << "," << c;
        }
    }
    const int rowHeight = fm.height() + fm.height() / 4;
    EXPECT_EQ(grid->rowHeight(1), rowHeight);
    EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight);
    // The whole grid shows without scrolling.
    QApplication::processEvents();
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_GE(grid->viewport()->width(), grid->horizontalHeader()->length());
    EXPECT_GE(grid->viewport()->height(), grid->verticalHeader()->length());
}

TEST_F(DriveInfoTest, TheStoredUnitIsRestoredAndJunkMeansBytes) {
    struct Case {
        const char* stored;
        const char* size;
    };
    for (const Case& c : {Case{"M", "0M"}, Case{"k", "976K"}, Case{"X", "1,000,000 "}, Case{"", "1,000,000 "},
                          Case{"KB", "1,000,000 "}}) {
        AppIni().WriteString("Finfo", "Format", c.stored);
        Tfinfo* info = Open();
        EXPECT_EQ(Cell(info->Grid, 1, 1), c.size) << c.stored;
        EXPECT_EQ(info->OptMegabytes->isChecked(), c.size[std::string(c.size).size() - 1] == 'M') << c.stored;
        info->close();
        DeleteClosed();
    }
}

TEST_F(DriveInfoTest, DrivesThatAreGoneOrDoNotAnswerAreNotReadyWithoutWaiting) {
    QElapsedTimer clock;
    clock.start();
    Tfinfo* info = Open();
    // Two drives asked, each bounded: the hanging one costs one wait.
    EXPECT_LT(clock.elapsed(), 5 * kDiskSpaceWaitMs);
    QTableWidget* grid = info->Grid;
    EXPECT_EQ(Cell(grid, 2, 0), "H: //SLOW/SHARE");
    EXPECT_EQ(Cell(grid, 2, 1), "Not ready");
    EXPECT_EQ(Cell(grid, 2, 2), "");
    EXPECT_EQ(Cell(grid, 3, 0), "N: //SERVER/ODD*SHARE?<|>");
    EXPECT_EQ(Cell(grid, 3, 1), "Not ready");
    EXPECT_EQ(Cell(grid, 3, 3), "");
    // Asking again while the mount is still silent does not wait again.
    clock.restart();
    info->OptRefresh->trigger();
    info->RefreshDrive('h');
    EXPECT_LT(clock.elapsed(), kDiskSpaceWaitMs);
    EXPECT_EQ(Cell(grid, 2, 1), "Not ready");
}

TEST_F(DriveInfoTest, RemovableDrivesAreMeasuredOnlyWhenAskedFor) {
    Tfinfo* info = Open();
    QTableWidget* grid = info->Grid;
    EXPECT_EQ(Cell(grid, 0, 0), "A:");
    EXPECT_EQ(Cell(grid, 0, 1), "");
    EXPECT_EQ(floppyQuestions.load(), 0);

    info->OptShowFloppy->trigger();
    EXPECT_EQ(Ini("FINFO", "SHOWFLOPPY"), "1");
    EXPECT_EQ(Cell(grid, 0, 1), "1,000,000 ");
    emit info->OptionsMenu->aboutToShow();
    EXPECT_TRUE(info->OptShowFloppy->isChecked());

    // Switched off: stored, and the figures stay until the next filling.
    info->OptShowFloppy->trigger();
    EXPECT_EQ(Ini("FINFO", "SHOWFLOPPY"), "0");
    EXPECT_FALSE(info->OptShowFloppy->isChecked());
    EXPECT_EQ(Cell(grid, 0, 1), "1,000,000 ");
    const int asked = floppyQuestions.load();
    info->OptRefresh->trigger();
    EXPECT_EQ(floppyQuestions.load(), asked);
    // A change on the drive measures it whatever the flag says.
    form->RefreshWindowsOnDrive('a');
    EXPECT_EQ(floppyQuestions.load(), asked + 1);
}

TEST_F(DriveInfoTest, TheWindowSitsAboveTheDriveListAtTheLeftEdge) {
    form->setGeometry(100, 500, 800, 300);
    QApplication::processEvents();
    Tfinfo* info = Open();
    const int listTop = form->DriveBar->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_EQ(info->frameGeometry().left(), form->frameGeometry().left());
    EXPECT_EQ(info->frameGeometry().bottom() + 1, listTop);
    // The window manager places the frame late: the window goes along.
    form->move(150, 520);
    QApplication::processEvents();
    EXPECT_EQ(info->frameGeometry().left(), form->frameGeometry().left());
    EXPECT_EQ(info->frameGeometry().bottom() + 1, form->DriveBar->mapToGlobal(QPoint(0, 0)).y());
    info->close();
    DeleteClosed();

    // Not enough room above the list: the window starts at the top.
    form->setGeometry(100, 20, 800, 300);
    QApplication::processEvents();
    info = Open();
    EXPECT_EQ(info->frameGeometry().top(), 0);
}

// A real copy through the copy dialog onto D: changes D:'s row.
class DriveInfoCopyTest : public TransferDialogTest {
protected:
    void SetUp() override {
        TransferDialogTest::SetUp();
        // D: has 10,000,000 bytes less what its files hold.
        const std::string hostD = env.hostD;
        SetDiskSpaceProbe([hostD](const std::string& root, int64_t& size, int64_t& freeBytes) {
            size = 10000000;
            freeBytes = size;
            if (root != hostD) return true;
            for (const auto& e : std::filesystem::recursive_directory_iterator(root))
                if (e.is_regular_file()) freeBytes -= static_cast<int64_t>(e.file_size());
            return true;
        });
        InstallDriveInformation(*form);
        form->FirstActivation();
    }
    void TearDown() override { SetDiskSpaceProbe(nullptr); }
};

TEST_F(DriveInfoCopyTest, ACopyOntoADriveRefreshesItsRow) {
    form->FileDriveInfo->trigger();
    Tfinfo* info = form->findChild<Tfinfo*>();
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(Cell(info->Grid, 1, 0), "D: []");
    EXPECT_EQ(Cell(info->Grid, 1, 2), "10,000,000 ");

    TFCopy dlg(*src);
    dlg.CB_Destination->setEditText("D:\\DST");
    dlg.OKBtnClick();
    ASSERT_TRUE(Exists("d/DST/B.TXT"));
    EXPECT_EQ(Cell(info->Grid, 1, 2), "9,999,990 ");  // "alpha" and "bravo"
    EXPECT_EQ(Cell(info->Grid, 0, 2), "10,000,000 ");
}
