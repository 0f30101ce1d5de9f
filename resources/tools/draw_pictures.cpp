// Draws the program's small pictures (tag marks, drive pictures, speed bar
// glyphs, drag pictures) into resources/pictures. Run once after changing a
// drawing:
//   g++ -std=c++20 -fPIC draw_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw
//   QT_QPA_PLATFORM=offscreen /tmp/draw resources/pictures
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

QString outDir;

void Draw(const QString& name, int w, int h, const std::function<void(QPainter&)>& paint) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paint(p);
    p.end();
    img.save(outDir + "/" + name + ".png");
}

const QColor kInk(0, 0, 0), kNavy(0, 0, 128), kYellow(255, 255, 0), kFolder(230, 200, 60),
    kGray(128, 128, 128), kSilver(192, 192, 192), kWhite(255, 255, 255), kRed(200, 0, 0),
    kGreen(0, 128, 0), kTeal(0, 128, 128);

void Folder(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(kFolder);
    p.drawRect(x, y + 2, 12, 8);
    p.drawRect(x, y, 5, 2);
}

void Page(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawRect(x, y, 8, 10);
    p.setPen(kGray);
    for (int r = 2; r <= 8; r += 2) p.drawLine(x + 2, y + r, x + 6, y + r);
}

void Check(QPainter& p, int x, int y, const QColor& c) {
    p.setPen(QPen(c, 2));
    p.drawLine(x, y + 3, x + 2, y + 6);
    p.drawLine(x + 2, y + 6, x + 7, y);
}

void Box(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawRect(x, y, 6, 6);
}

void Window(QPainter& p, int x, int y, int w, int h) {
    p.setPen(kInk);
    p.setBrush(kWhite);
    p.drawRect(x, y, w, h);
    p.fillRect(x + 1, y + 1, w - 1, 2, kNavy);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? argv[1] : ".";

    // Tag marks of the file lists.
    Draw("B_CHECK", 12, 12, [](QPainter& p) { Check(p, 2, 2, kRed); });
    Draw("B_NOCHECK", 12, 12, [](QPainter&) {});

    // Drive bar pictures.
    Draw("B_HARDDISK", 16, 11, [](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(kSilver);
        p.drawRect(0, 3, 15, 7);
        p.fillRect(1, 4, 14, 2, kWhite);
        p.fillRect(11, 7, 2, 2, kGreen);
    });
    Draw("B_FLOPPYDISK", 16, 11, [](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(kSilver);
        p.drawRect(0, 3, 15, 7);
        p.fillRect(3, 6, 10, 2, kInk);
        p.fillRect(12, 8, 2, 1, kYellow);
    });

    // Speed bar glyphs, 16 x 16.
    auto glyph = [](const char* name, const std::function<void(QPainter&)>& f) { Draw(name, 16, 16, f); };
    glyph("SB_New", [](QPainter& p) {
        Folder(p, 1, 4);
        p.setPen(QPen(kGreen, 2));
        p.drawLine(12, 1, 12, 7);
        p.drawLine(9, 4, 15, 4);
    });
    glyph("SB_DriveSearch", [](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(kSilver);
        p.drawRect(0, 9, 11, 5);
        p.setBrush(kWhite);
        p.drawEllipse(6, 1, 7, 7);
        p.setPen(QPen(kInk, 2));
        p.drawLine(12, 8, 15, 11);
    });
    glyph("SB_AppList", [](QPainter& p) {
        Window(p, 1, 1, 13, 13);
        p.setPen(kTeal);
        for (int r = 6; r <= 12; r += 3) p.drawLine(3, r, 12, r);
    });
    glyph("SB_Copy", [](QPainter& p) {
        Page(p, 1, 1);
        Page(p, 6, 5);
    });
    glyph("SB_Delete", [](QPainter& p) {
        Page(p, 1, 2);
        p.setPen(QPen(kRed, 2));
        p.drawLine(7, 7, 14, 14);
        p.drawLine(14, 7, 7, 14);
    });
    glyph("SB_QuickDir", [](QPainter& p) {
        Folder(p, 1, 5);
        p.setPen(QPen(kNavy, 2));
        p.drawLine(10, 1, 10, 5);
        p.drawLine(12, 1, 12, 5);
        p.drawLine(14, 1, 14, 5);
    });
    glyph("SB_QuickAdd", [](QPainter& p) {
        Folder(p, 1, 5);
        p.setPen(QPen(kNavy, 2));
        p.drawLine(12, 0, 12, 6);
        p.drawLine(9, 3, 15, 3);
    });
    glyph("SB_TagAll", [](QPainter& p) {
        Check(p, 1, 1, kRed);
        Check(p, 7, 5, kRed);
        Check(p, 1, 9, kRed);
    });
    glyph("SB_TagNone", [](QPainter& p) {
        Box(p, 1, 1);
        Box(p, 8, 5);
        Box(p, 1, 9);
    });
    glyph("SB_TagWild", [](QPainter& p) {
        QFont f("Arial");
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kNavy);
        p.drawText(QRect(0, 2, 10, 16), Qt::AlignCenter, "*");
        Check(p, 8, 3, kRed);
    });
    glyph("SB_Compare", [](QPainter& p) {
        Page(p, 0, 3);
        Page(p, 7, 3);
        p.setPen(QPen(kRed, 1));
        p.drawLine(5, 1, 10, 1);
        p.drawLine(5, 14, 10, 14);
    });
    glyph("SB_Options", [](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(kWhite);
        p.drawRect(1, 1, 13, 13);
        Box(p, 3, 3);
        Check(p, 3, 3, kInk);
        p.setPen(kGray);
        p.drawLine(11, 5, 12, 5);
        p.setPen(kInk);
        p.drawRect(3, 9, 4, 3);
    });
    glyph("SB_TileH", [](QPainter& p) {
        Window(p, 1, 1, 13, 6);
        Window(p, 1, 8, 13, 6);
    });
    glyph("SB_TileV", [](QPainter& p) {
        Window(p, 1, 1, 6, 13);
        Window(p, 8, 1, 6, 13);
    });
    glyph("SB_Maximize", [](QPainter& p) {
        Window(p, 1, 1, 13, 13);
        p.setPen(kInk);
        p.drawLine(5, 9, 7, 6);
        p.drawLine(7, 6, 9, 9);
    });

    // Drag pictures, shown below and right of the mouse pointer: one item,
    // several items.
    Draw("DRAG_SINGLE", 12, 14, [](QPainter& p) { Page(p, 1, 1); });
    Draw("DRAG_MULTI", 18, 20, [](QPainter& p) {
        Page(p, 1, 1);
        Page(p, 4, 4);
        Page(p, 7, 7);
    });

    // A search result window's own file drag pictures: one file, several
    // files, each copied (a plus) or moved (an arrow).
    // A white square with a mark in colour c: a plus, or an arrow.
    const auto badge = [](QPainter& p, int x, int y, const QColor& c, bool arrow) {
        p.fillRect(x, y, 9, 9, kWhite);
        p.setPen(kInk);
        p.drawRect(x, y, 8, 8);
        p.setPen(QPen(c, 2));
        p.drawLine(x + 2, y + 4, x + 6, y + 4);
        p.drawLine(x + 4, y + 2, arrow ? x + 6 : x + 4, arrow ? y + 4 : y + 6);
        if (arrow) p.drawLine(x + 4, y + 6, x + 6, y + 4);
    };
    const auto plus = [&](QPainter& p, int x, int y) { badge(p, x, y, kGreen, false); };
    const auto arrow = [&](QPainter& p, int x, int y) { badge(p, x, y, kNavy, true); };
    const auto several = [](QPainter& p) {
        Page(p, 1, 1);
        Page(p, 4, 4);
        Page(p, 7, 7);
    };
    Draw("DRAG_1", 20, 20, [&](QPainter& p) { Page(p, 1, 1); plus(p, 10, 10); });
    Draw("DRAG_2", 24, 24, [&](QPainter& p) { several(p); plus(p, 14, 14); });
    Draw("DRAG_3", 20, 20, [&](QPainter& p) { Page(p, 1, 1); arrow(p, 10, 10); });
    Draw("DRAG_4", 24, 24, [&](QPainter& p) { several(p); arrow(p, 14, 14); });

    // Program icon: a folder with a tagged page.
    Draw("Quilby", 32, 32, [](QPainter& p) {
        p.scale(2, 2);
        Folder(p, 1, 4);
        Page(p, 6, 5);
        Check(p, 7, 8, kRed);
    });
    return 0;
}
