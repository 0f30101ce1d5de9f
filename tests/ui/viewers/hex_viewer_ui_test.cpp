// The hex viewer window: rows and bytes per row with the stored "cols",
// lower case, the labels, the search with "find &Again", a file whose rows
// are more than an int counts, a file that vanishes while it scrolls, and
// the one viewer of the frame, free-standing or a document window.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <ctime>
#include <deque>
#include <tuple>

#include "core/settings/app_ini.h"
#include "core/viewers/hex_pager.h"
#include "support/main_window_ui_fixture.h"
#include "support/test_env.h"
#include "ui/viewers/hex_grid.h"
#include "ui/viewers/hex_viewer.h"
#include "ui/viewers/viewers_binary_qt.h"

namespace {

struct HexViewerTest : ::testing::Test {
    TestEnv env;
    TfVHex* viewer = nullptr;
    // The searches the dialog answers, in order.
    std::deque<std::tuple<std::string, bool, bool>> searches;

    void TearDown() override {
        delete viewer;
        DeleteClosed();
    }
    std::string Make(const std::string& name, const std::string& content) {
        env.WriteFile("c/" + name, content);
        return "C:\\" + name;
    }
    TfVHex* Open(const std::string& name) {
        viewer = new TfVHex;
        viewer->AskSearch = [this](std::string& bytes, bool& caseSensitive, bool& fromTop) {
            if (searches.empty()) return false;
            std::tie(bytes, caseSensitive, fromTop) = searches.front();
            searches.pop_front();
            return true;
        };
        viewer->resize(600, 300);
        viewer->show();
        viewer->LoadFile(name);
        return viewer;
    }
    std::string Ini(const std::string& section, const std::string& key) {
        return AppIni().ReadString(section, key, "<none>");
    }
    std::string Header(int column) {
        return viewer->Grid->Header()->model()->headerData(column, Qt::Horizontal).toString().toStdString();
    }
};

}  // namespace

TEST_F(HexViewerTest, SeventeenBytesMakeTwoRows) {
    Open(Make("17.bin", "ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(viewer->Grid->RowCount(), 3);  // the header and two data rows
    EXPECT_EQ(viewer->Grid->Header()->count(), 18);
    EXPECT_EQ(viewer->windowTitle().toStdString(), "Hex Viewer: C:\\17.bin");
    EXPECT_EQ(viewer->SizeLabel->text().toStdString(), "17");
}

TEST_F(HexViewerTest, ThirtyTwoBytesARowHalveTheRowsAndAreStored) {
    Open(Make("64.bin", std::string(64, 'x')));
    ASSERT_EQ(viewer->Grid->RowCount(), 5);
    viewer->View32->trigger();
    EXPECT_EQ(viewer->Grid->RowCount(), 3);
    EXPECT_EQ(Ini("VHex", "cols"), "32");
    EXPECT_TRUE(viewer->View32->isChecked());
    EXPECT_FALSE(viewer->View16->isChecked());
    EXPECT_EQ(viewer->Grid->Header()->count(), 34);
    EXPECT_EQ(Header(1), "0");
    EXPECT_EQ(Header(32), "1F");
    EXPECT_EQ(Header(33), "--- ASCII ---");
    // The next viewer starts with 32.
    delete viewer;
    Open(Make("64b.bin", std::string(64, 'y')));
    EXPECT_EQ(viewer->Grid->RowCount(), 3);
}

TEST_F(HexViewerTest, StoredColumnsOfZeroReadAsSixteen) {
    AppIni().WriteString("VHex", "cols", "0");
    Open(Make("z.bin", std::string(40, 'z')));
    EXPECT_EQ(viewer->Pager.BytesPerRow(), 16);
    EXPECT_TRUE(viewer->View16->isChecked());
    EXPECT_EQ(Ini("VHex", "cols"), "16");
}

TEST_F(HexViewerTest, LowerCaseIsStoredAndSparesTheFixedTexts) {
    Open(Make("l.bin", std::string(16, 'q') + "\xAB"));
    viewer->ViewLower->trigger();
    EXPECT_EQ(Ini("VHex", "LCH"), "1");
    EXPECT_TRUE(viewer->ViewLower->isChecked());
    EXPECT_EQ(Header(0), "Offset");
    EXPECT_EQ(Header(15), "e");
    EXPECT_EQ(Header(17), "--- ASCII ---");
    EXPECT_EQ(viewer->Pager.CellText(2, 1), "ab");
    viewer->ViewLower->trigger();
    EXPECT_EQ(Ini("VHex", "LCH"), "0");
    EXPECT_EQ(Header(15), "E");
}

TEST_F(HexViewerTest, AdjustGivesEveryByteColumnTheFirstOnesWidth) {
    Open(Make("a.bin", "abc"));
    QHeaderView* header = viewer->Grid->Header();
    header->resizeSection(1, 57);
    viewer->ViewAdjust->trigger();
    for (int c = 1; c <= 16; ++c) EXPECT_EQ(header->sectionSize(c), 57) << c;
    EXPECT_NE(header->sectionSize(17), 57);
}

TEST_F(HexViewerTest, EmptyFileIsShownWithItsSizeAndDate) {
    const std::string name = Make("empty.bin", "");
    std::tm when{};
    when.tm_year = 124, when.tm_mon = 2, when.tm_mday = 5, when.tm_hour = 14, when.tm_min = 7, when.tm_isdst = -1;
    const utimbuf times{std::mktime(&when), std::mktime(&when)};
    ASSERT_EQ(utime(env.Host("c/empty.bin").c_str(), &times), 0);
    Open(name);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_FALSE(viewer->Closed());
    EXPECT_EQ(viewer->Grid->RowCount(), 1);
    EXPECT_EQ(viewer->SizeLabel->text().toStdString(), "0");
    EXPECT_EQ(viewer->DateLabel->text().toStdString(), "3/5/24 2:07 PM");
}

TEST_F(HexViewerTest, SizeIsGroupedByThousands) {
    Open(Make("k.bin", std::string(1234567, 'k')));
    EXPECT_EQ(viewer->SizeLabel->text().toStdString(), "1,234,567");
}

TEST_F(HexViewerTest, MissingFileIsReportedAndTheWindowCloses) {
    Open("C:\\missing.bin");
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error reading file: C:\\missing.bin"});
    EXPECT_TRUE(viewer->Closed());
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(HexViewerTest, SearchHitAcrossAWindowEdgeBecomesTheTopRow) {
    std::string content(3 * kHexWindowBytes, '.');
    content.replace(kHexWindowBytes - 3, 6, "NeEdLe");
    Open(Make("s.bin", content));
    searches.push_back({"needle", false, true});
    viewer->SearchFind->trigger();
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(viewer->Grid->TopRow(), (kHexWindowBytes - 3) / 16);
    EXPECT_TRUE(viewer->FindAgainEnabled);
    EXPECT_EQ(viewer->Grid->CurrentRow(), (kHexWindowBytes - 3) / 16);
    const int64_t top = viewer->Grid->TopRow() + 1;  // as the grid counts rows
    EXPECT_EQ(viewer->Pager.CellText(top, 14), "4E");      // "N" before the edge
    EXPECT_EQ(viewer->Pager.WindowOffset(), 0);
    EXPECT_EQ(viewer->Pager.CellText(top + 1, 2), "4C");   // "L" past it
    EXPECT_EQ(viewer->Pager.WindowOffset(), kHexWindowBytes);

    // Case sensitive, the same text is not there.
    searches.push_back({"needle", true, true});
    viewer->SearchFind->trigger();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Search string not found!"});
    EXPECT_FALSE(viewer->FindAgainEnabled);
    viewer->SearchMenu->aboutToShow();
    EXPECT_FALSE(viewer->SearchAgain->isEnabled());
}

TEST_F(HexViewerTest, FindAgainContinuesBelowTheTopRow) {
    // Hits at rows 100 (twice), 101 and 200 of 16 bytes; the last screen
    // holds the end of the file.
    std::string content(16 * 400, '-');
    content.replace(100 * 16 + 2, 2, "@@");
    content.replace(100 * 16 + 9, 2, "@@");
    content.replace(101 * 16, 2, "@@");
    content.replace(200 * 16 + 15, 2, "@@");
    Open(Make("again.bin", content));
    searches.push_back({"@@", true, false});
    viewer->SearchFind->trigger();
    EXPECT_EQ(viewer->Grid->TopRow(), 100);
    viewer->SearchMenu->aboutToShow();
    EXPECT_TRUE(viewer->SearchAgain->isEnabled());
    viewer->SearchAgain->trigger();  // the second hit in row 100 is skipped
    EXPECT_EQ(viewer->Grid->TopRow(), 101);
    viewer->GridMenu->aboutToShow();
    ASSERT_TRUE(viewer->GridNext->isEnabled());
    viewer->GridNext->trigger();
    EXPECT_EQ(viewer->Grid->TopRow(), 200);
    viewer->SearchAgain->trigger();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Search string not found!"});
    EXPECT_FALSE(viewer->FindAgainEnabled);

    // A cancelled dialog turns searching off.
    viewer->Grid->SetTopRow(0);
    searches.push_back({"@@", true, false});
    viewer->SearchFind->trigger();
    ASSERT_TRUE(viewer->FindAgainEnabled);
    viewer->SearchFind->trigger();  // no answer: Cancel
    EXPECT_FALSE(viewer->FindAgainEnabled);
}

TEST_F(HexViewerTest, HitsInTheLastScreenAreEachFoundOnce) {
    std::string content(16 * 50, '-');
    content.replace(46 * 16, 1, "#");
    content.replace(47 * 16, 1, "#");
    content.replace(49 * 16, 1, "#");
    Open(Make("tail.bin", content));
    ASSERT_LT(viewer->Grid->VisibleRows(), 40);
    searches.push_back({"#", true, true});
    viewer->SearchFind->trigger();
    const int64_t top = viewer->Grid->TopRow();
    EXPECT_LT(top, 46);  // the grid cannot put row 46 on top
    EXPECT_EQ(viewer->Grid->CurrentRow(), 46);
    viewer->SearchAgain->trigger();
    EXPECT_EQ(viewer->Grid->CurrentRow(), 47);
    viewer->SearchAgain->trigger();
    EXPECT_EQ(viewer->Grid->CurrentRow(), 49);
    viewer->SearchAgain->trigger();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Search string not found!"});
}

TEST_F(HexViewerTest, RowsBeyondAnIntScrollToTheLastByte) {
    // 100 GiB at 4 bytes a row: 26,843,545,600 rows.
    const std::string host = env.WriteFile("c/huge.bin", "");
    const int64_t size = int64_t(100) << 30;
    ASSERT_EQ(truncate(host.c_str(), size), 0);
    AppIni().WriteInteger("VHex", "cols", 4);
    Open("C:\\huge.bin");
    ASSERT_FALSE(viewer->Closed()) << env.prompts.last();
    EXPECT_EQ(viewer->Grid->RowCount(), size / 4 + 1);
    QScrollBar* bar = viewer->Grid->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int64_t rows = size / 4;
    EXPECT_EQ(viewer->Grid->TopRow(), rows - viewer->Grid->VisibleRows());
    bar->setValue(bar->maximum() / 2);
    EXPECT_NEAR(double(viewer->Grid->TopRow()), double(rows) / 2, double(rows) / 1e6);
    QTest::keyClick(viewer->Grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(viewer->Grid->CurrentRow(), rows - 1);
    viewer->Grid->viewport()->grab();  // draws the rows
    EXPECT_EQ(viewer->Pager.CellText(rows, 0), "18FFFFFFFC");
    EXPECT_EQ(viewer->Pager.WindowOffset(), size - kHexWindowBytes);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(HexViewerTest, FileThatVanishesWhileScrollingIsReportedOnce) {
    const std::string name = Make("gone.bin", std::string(4 * kHexWindowBytes, 'g'));
    Open(name);
    ASSERT_EQ(unlink(env.Host("c/gone.bin").c_str()), 0);
    viewer->Grid->SetTopRow(3 * kHexWindowBytes / 16);
    viewer->Grid->viewport()->grab();  // draws the rows
    viewer->Grid->SetTopRow(2 * kHexWindowBytes / 16);
    viewer->Grid->viewport()->grab();  // draws the rows
    QApplication::processEvents();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Bad open of: " + name});
    EXPECT_FALSE(viewer->Closed());
}

// ---------------------------------------------------------------- in the frame

struct HexInFrameTest : MainWindowUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallBinaryViewers(*form);
    }
    std::string Make(const std::string& name, const std::string& content) {
        env.WriteFile("c/" + name, content);
        return "C:\\" + name;
    }
};

TEST_F(HexInFrameTest, OneViewerTakesEachFile) {
    ASSERT_TRUE(form->HasCommand(TCommand::ViewHex));
    form->RunCommand(TCommand::ViewHex, {nullptr, Make("one.bin", "1")});
    TfVHex* first = OpenHexViewer(*form);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isWindow());
    first->View8->trigger();
    form->RunCommand(TCommand::ViewHex, {nullptr, Make("two.bin", "22")});
    EXPECT_EQ(OpenHexViewer(*form), first);
    EXPECT_EQ(first->windowTitle().toStdString(), "Hex Viewer: C:\\two.bin");
    EXPECT_EQ(first->Pager.BytesPerRow(), 8);  // kept across files
    first->GridClose->trigger();
    DeleteClosed();
    EXPECT_EQ(OpenHexViewer(*form), nullptr);
    form->RunCommand(TCommand::ViewHex, {nullptr, Make("three.bin", "333")});
    EXPECT_NE(OpenHexViewer(*form), nullptr);
}

TEST_F(HexInFrameTest, DocumentWindowWhenNotFreeStanding) {
    form->VHexS = false;
    form->RunCommand(TCommand::ViewHex, {nullptr, Make("doc.bin", "doc")});
    TfVHex* viewer = OpenHexViewer(*form);
    ASSERT_TRUE(viewer);
    EXPECT_FALSE(viewer->isWindow());
    ASSERT_EQ(form->MDIArea->subWindowList().size(), 1);
    EXPECT_EQ(form->MDIArea->subWindowList().first()->widget(), viewer);
    form->show();
    EXPECT_TRUE(viewer->isVisible());
    viewer->GridClose->trigger();
    DeleteClosed();
    EXPECT_TRUE(form->MDIArea->subWindowList().isEmpty());
    EXPECT_EQ(OpenHexViewer(*form), nullptr);
}

TEST_F(HexInFrameTest, FailedLoadLeavesNoViewer) {
    form->RunCommand(TCommand::ViewHex, {nullptr, "C:\\none.bin"});
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error reading file: C:\\none.bin"});
    DeleteClosed();
    EXPECT_EQ(OpenHexViewer(*form), nullptr);
}
