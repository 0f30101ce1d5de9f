// Columns within reach: the file list scrolls sideways when its columns are
// wider than it, together with the header; a text is cut with an ellipsis
// at its column's edge; the last column takes the room left at the right,
// while the width stored for it stays its own.
#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "core/settings/app_ini.h"
#include "sep_dir_ui_fixture.h"
#include "ui/dirwin/column_header.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"

namespace {

struct ListScrollTest : SepDirUiTest {
    TSepDir* w = nullptr;
    void SetUp() override {
        env.WriteFile("c/work/caf\xC3\xA9 r\xC3\xA9sum\xC3\xA9.txt", "data");
        ShowForm(InstallDirectoryWindows, QSize(1200, 850));
        w = Open("C:\\work");
    }
    QScrollBar* Sideways() const { return w->LB1->horizontalScrollBar(); }
    int Columns() const { return w->Header1->ColumnsWidth(); }
    void ResizeClient(int width) {
        w->resize(width + (w->width() - w->Client->width()), w->height());
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(ListScrollTest, TheListScrollsSidewaysByWhatOfItsColumnsDoesNotFit) {
    ResizeClient(400);
    const int view = w->LB1->viewport()->width();
    ASSERT_GT(Columns(), view);
    EXPECT_EQ(Sideways()->maximum(), Columns() - view);
    EXPECT_TRUE(Sideways()->isVisible());
    // The header moves with the list.
    Sideways()->setValue(Sideways()->maximum());
    EXPECT_EQ(w->Header1->offset(), Sideways()->maximum());
    // A wider column widens the range.
    const int before = Sideways()->maximum();
    w->Header1->resizeSection(1, w->Header1->sectionSize(1) + 50);
    EXPECT_EQ(Sideways()->maximum(), before + 50);

    // With room for every column nothing scrolls.
    ResizeClient(1100);
    EXPECT_GT(w->Header1->length(), w->LB1->viewport()->width());  // the last column fills the room
    EXPECT_EQ(Sideways()->maximum(), 0);
    EXPECT_EQ(w->Header1->offset(), 0);
    EXPECT_FALSE(Sideways()->isVisible());
}

TEST_F(ListScrollTest, TheLastColumnTakesTheRoomLeftButStoresItsOwnWidth) {
    const int last = w->Header1->count() - 1;
    const int own = w->Header1->OwnSectionSize(last);
    ResizeClient(1100);
    const int room = w->Header1->viewport()->width() - w->Header1->sectionPosition(last);
    ASSERT_GT(room, own);
    EXPECT_EQ(w->Header1->sectionSize(last), room);
    const QFontMetrics metrics(w->Header1->font());
    EXPECT_GE(w->Header1->sectionSize(last), metrics.horizontalAdvance("Attribute"));

    // The user's finished resize stores the last column's own width.
    w->Header1->resizeSection(1, w->Header1->sectionSize(1) + 20);
    QTest::mouseRelease(w->Header1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(AppIni().ReadInteger("Header", "Attribute", 0), own);
    EXPECT_EQ(w->Header1->sectionSize(last), room - 20);

    // Without room it keeps its own width, but never cuts its caption.
    ResizeClient(300);
    EXPECT_GE(w->Header1->sectionSize(last), own);
    EXPECT_GE(w->Header1->sectionSize(last), metrics.horizontalAdvance("Attribute"));
    EXPECT_EQ(w->Header1->ColumnsWidth(), w->Header1->length());
}

TEST(ElideToColumn, ATextWiderThanItsColumnIsCutWithAnEllipsis) {
    const QFontMetrics metrics(QApplication::font());
    const QString name = QString::fromUtf8("caf\xC3\xA9 r\xC3\xA9sum\xC3\xA9.txt");
    const int whole = metrics.horizontalAdvance(name);
    struct Case {
        int width;
        bool cut;
    };
    for (const Case c : {Case{whole, false}, Case{whole + 30, false}, Case{whole - 1, true}, Case{whole / 2, true}}) {
        SCOPED_TRACE(c.width);
        const QString shown = ElideToColumn(name, metrics, c.width);
        EXPECT_LE(metrics.horizontalAdvance(shown), c.width);
        if (c.cut) {
            EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
            EXPECT_TRUE(name.startsWith(shown.chopped(1))) << shown.toStdString();
        } else {
            EXPECT_EQ(shown, name);
        }
    }
    EXPECT_EQ(ElideToColumn(name, metrics, 0), QString());
    EXPECT_EQ(ElideToColumn(name, metrics, -5), QString());
    EXPECT_EQ(ElideToColumn(QString(), metrics, 0), QString());
}
