// The owner-drawn file list: a million entries cost one draw per visible
// row and nothing per row otherwise, keys move the current row, and rows
// are drawn from the entries with the executable colour and the tag marks.
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "ui/frame/main_window.h"
#include "support/test_env.h"

namespace {

// A split window that counts the rows it is asked to draw.
class TCountingSepDir : public TSepDir {
public:
    using TSepDir::TSepDir;
    std::set<int> drawn;
    int draws = 0;
    void DrawEntry(QPainter& painter, int index, QHeaderView* header, QStyle::State state,
                   const QRect& rect) override {
        ++draws;
        drawn.insert(index);
        TSepDir::DrawEntry(painter, index, header, state, rect);
    }
};

struct FileListViewTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form;
    TCountingSepDir* w = nullptr;

    void SetUp() override {
        form = std::make_unique<Tmainform>();
        form->resize(900, 600);
        form->show();
        env.WriteFile("c/big/keep.txt", "");
        plat::SetCurrentDir("C:\\big");
        w = new TCountingSepDir(form.get());
        form->AddChild(w);
        w->resize(700, 420);
        QApplication::processEvents();
    }
    void TearDown() override { form.reset(); }

    // Paints the list's viewport once and answers how many rows were drawn.
    int PaintOnce() {
        w->draws = 0;
        w->drawn.clear();
        w->LB1->viewport()->grab();
        return w->draws;
    }
    void Fill(int count) {
        w->FileList.ClearEntries();
        plat::FindData f;
        for (int i = 0; i < count; ++i) {
            f.name = "F" + std::to_string(i) + ".DAT";
            f.size = i;
            w->FileList.AppendEntry(f, 0);
        }
        w->SyncListRows();
    }
};

}  // namespace

TEST_F(FileListViewTest, AMillionEntriesAreDrawnOnlyWhereTheyAreSeen) {
    Fill(1000000);
    ASSERT_EQ(w->LB1->RowCount(), 1000000);
    const int visible = w->LB1->PageRows();
    ASSERT_GT(visible, 5);
    ASSERT_LT(visible, 100);

    // A paint draws the rows in view (the last may be cut), no more.
    int n = PaintOnce();
    EXPECT_GE(n, visible);
    EXPECT_LE(n, visible + 1);
    EXPECT_EQ(*w->drawn.begin(), 0);

    // Scrolled to the end: the last rows, and again only they.
    w->LB1->verticalScrollBar()->setValue(w->LB1->verticalScrollBar()->maximum());
    n = PaintOnce();
    EXPECT_GE(n, visible);
    EXPECT_LE(n, visible + 1);
    EXPECT_EQ(*w->drawn.rbegin(), 999999);
    EXPECT_EQ(*w->drawn.begin(), 1000000 - visible);

    // End and Home by key move the current row and the view with it.
    w->LB1->setFocus();
    QTest::keyClick(w->LB1, Qt::Key_Home);
    EXPECT_EQ(w->GetCurrentIndex(), 0);
    EXPECT_EQ(w->LB1->TopRow(), 0);
    QTest::keyClick(w->LB1, Qt::Key_End);
    EXPECT_EQ(w->GetCurrentIndex(), 999999);
    EXPECT_EQ(w->LB1->TopRow(), 1000000 - visible);
    QTest::keyClick(w->LB1, Qt::Key_PageUp);
    EXPECT_EQ(w->GetCurrentIndex(), 999999 - visible);
    QTest::keyClick(w->LB1, Qt::Key_Up);
    EXPECT_EQ(w->GetCurrentIndex(), 999998 - visible);

    // Tagging them all and drawing stays as cheap.
    w->TagAll();
    EXPECT_EQ(w->GetTaggedCount(), 1000000);
    EXPECT_LE(PaintOnce(), visible + 1);
}

TEST_F(FileListViewTest, RowsAtPointsAndTheCurrentRow) {
    Fill(3);
    const int h = w->LB1->RowHeight();
    EXPECT_EQ(w->LB1->RowAt(QPoint(10, 0)), 0);
    EXPECT_EQ(w->LB1->RowAt(QPoint(10, 2 * h + 1)), 2);
    EXPECT_EQ(w->LB1->RowAt(QPoint(10, 3 * h + 1)), -1);  // below the last row
    w->LB1->SetCurrentRow(2);
    Fill(2);  // a shorter list drops a current row it no longer has
    EXPECT_EQ(w->GetCurrentIndex(), -1);
    w->LB1->setFocus();
    QTest::keyClick(w->LB1, Qt::Key_Down);  // from none to the first
    EXPECT_EQ(w->GetCurrentIndex(), 0);
    QTest::keyClick(w->LB1, Qt::Key_PageDown);
    EXPECT_EQ(w->GetCurrentIndex(), 1);
    Fill(0);
    QTest::keyClick(w->LB1, Qt::Key_Down);
    EXPECT_EQ(w->GetCurrentIndex(), -1);
    EXPECT_EQ(PaintOnce(), 0);
}

TEST_F(FileListViewTest, RowsAreDrawnFromTheirEntriesWithExecutableColourAndTagMarks) {
    form->Display().ExeColor = QColor(255, 0, 0);
    env.WriteFile("c/big/run.bat", "");
    env.WriteFile("c/big/plain.txt", "");
    w->ReadDirectory();
    ASSERT_EQ(w->GetEntryName(0), "run.bat");  // "bat" before "txt"
    ASSERT_EQ(w->GetEntryName(2), "plain.txt");
    const int h = w->LB1->RowHeight();

    auto redPixels = [&](int row) {
        const QImage image = w->LB1->viewport()->grab().toImage();
        int red = 0;
        for (int y = row * h; y < (row + 1) * h; ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++red;
            }
        return red;
    };
    EXPECT_GT(redPixels(0), 10);
    EXPECT_EQ(redPixels(2), 0);

    // A tagged row carries the check mark in the Tag column.
    auto tagColumn = [&](int row) {
        return w->LB1->viewport()->grab().toImage().copy(0, row * h, w->Header1->sectionSize(0), h);
    };
    const QImage untagged = tagColumn(2);
    w->TagEntry(2);
    w->RepaintList();
    EXPECT_NE(tagColumn(2), untagged);
    w->UntagEntry(2);
    EXPECT_EQ(tagColumn(2), untagged);

    // The current row is drawn in the selection colour.
    const QColor highlight = w->LB1->palette().color(QPalette::Highlight);
    w->LB1->SetCurrentRow(2);
    const QImage image = w->LB1->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 3, 2 * h + h / 2), highlight);
    EXPECT_NE(image.pixelColor(image.width() - 3, h / 2), highlight);
}
