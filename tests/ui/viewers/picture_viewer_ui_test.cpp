// The picture viewer: the entry points of a directory window, one viewer
// replacing its picture, metafiles drawn for real, failures that keep the
// previous picture, damaged and oversized files, the clipboard and the
// document-window placement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>

#include "support/fake_dir_window.h"
#include "support/main_window_ui_fixture.h"
#include "support/metafile_samples.h"
#include "ui/viewers/picture_viewer.h"
#include "ui/viewers/viewers_binary_qt.h"

namespace {

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes.toStdString();
}

// The CRC of a PNG chunk.
uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A BMP header that declares width × height at 24 bits and carries
// pixelBytes bytes of pixels.
std::string BmpHeader(int32_t width, int32_t height, uint32_t pixelBytes) {
    std::string s = "BM";
    samples::PutDWord(s, 54 + pixelBytes);
    samples::PutDWord(s, 0);
    samples::PutDWord(s, 54);
    samples::PutDWord(s, 40);
    samples::PutDWord(s, static_cast<uint32_t>(width));
    samples::PutDWord(s, static_cast<uint32_t>(height));
    samples::PutWord(s, 1);
    samples::PutWord(s, 24);
    for (int i = 0; i < 6; ++i) samples::PutDWord(s, 0);
    return s + std::string(pixelBytes, '\x7F');
}

struct PictureViewerTest : MainWindowUiTest {
    TFakeDirWindow* dir = nullptr;
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallBinaryViewers(*form);
        const QColor red(255, 0, 0), blue(0, 0, 255);
        env.WriteFile("c/pics/A.TXT", "just some text\n");
        env.WriteFile("c/pics/RED.BMP", Encoded(Filled(40, 30, red), "BMP"));
        env.WriteFile("c/pics/BLUE.BMP", Encoded(Filled(600, 500, blue), "BMP"));
        env.WriteFile("c/pics/GREEN.ICO", Encoded(Filled(32, 32, QColor(0, 255, 0)), "ICO"));
        env.WriteFile("c/pics/DRAW.WMF", samples::Wmf(20, 10, 60, 40, samples::ColorRef(0, 0, 255)));
        env.WriteFile("c/pics/DRAW.EMF", samples::Emf(20, 10, 60, 40, samples::ColorRef(255, 0, 0)));
        env.WriteFile("c/pics/photo.png", Encoded(Filled(20, 10, red), "PNG"));
        dir = new TFakeDirWindow(form.get(), "C:\\pics");
        dir->ReadDirectory();
        form->AddChild(dir);
    }
    int Entry(const std::string& name) {
        const int i = dir->FindEntry(name);
        EXPECT_GE(i, 0) << name;
        return i;
    }
    TViewForm* Viewer() { return OpenPictureViewer(*form); }
    QRgb Pixel(int x, int y) { return Viewer()->Picture().Image.pixel(x, y) & 0xFFFFFF; }
};

}  // namespace

TEST_F(PictureViewerTest, ViewIfPictureIgnoresOtherExtensions) {
    dir->ViewIfPicture(Entry("A.TXT"));
    dir->ViewIfPicture(Entry("photo.png"));
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(PictureViewerTest, WindowsMetafilesAreDrawn) {
    dir->ViewIfPicture(Entry("DRAW.WMF"));
    ASSERT_TRUE(Viewer()) << env.prompts.last();
    EXPECT_EQ(Viewer()->windowTitle().toStdString(), "Picture: C:\\pics\\DRAW.WMF");
    const QSize wmfSize = Viewer()->Picture().Image.size();
    EXPECT_EQ(wmfSize, QSize(100, 50));
    EXPECT_EQ(Pixel(40, 25), 0x0000FFu);  // inside the rectangle
    EXPECT_EQ(Pixel(5, 5), 0xFFFFFFu);    // the page around it
    EXPECT_EQ(Pixel(90, 45), 0xFFFFFFu);

    dir->ViewIfPicture(Entry("DRAW.EMF"));
    ASSERT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(Viewer()->windowTitle().toStdString(), "Picture: C:\\pics\\DRAW.EMF");
    EXPECT_EQ(Pixel(40, 25), 0xFF0000u);
    EXPECT_EQ(Pixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(Pixel(80, 45), 0xFFFFFFu);
}

TEST_F(PictureViewerTest, EachPictureReplacesThePreviousInOneWindow) {
    dir->ViewIfPicture(Entry("RED.BMP"));
    TViewForm* viewer = Viewer();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(viewer->Image->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
    dir->ViewIfPicture(Entry("BLUE.BMP"));
    EXPECT_EQ(Viewer(), viewer);
    EXPECT_EQ(Pixel(599, 499), 0x0000FFu);
    // The scroll ranges cover the picture's width and height.
    EXPECT_EQ(viewer->Image->size(), QSize(600, 500));
    viewer->resize(200, 150);
    QApplication::processEvents();
    EXPECT_GT(viewer->Scroller->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(viewer->Scroller->verticalScrollBar()->maximum(), 0);
    dir->ViewIfPicture(Entry("GREEN.ICO"));
    EXPECT_EQ(Viewer(), viewer);
    EXPECT_EQ(Pixel(16, 16), 0x00FF00u);
    EXPECT_EQ(form->findChildren<TViewForm*>().size(), 1);
}

TEST_F(PictureViewerTest, ViewPictureOnTextReportsAndKeepsThePicture) {
    dir->ViewPicture(Entry("RED.BMP"));
    ASSERT_TRUE(Viewer());
    dir->ViewPicture(Entry("A.TXT"));
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Cannot show the picture C:\\pics\\A.TXT: it is no picture of a known format"});
    EXPECT_EQ(Viewer()->windowTitle().toStdString(), "Picture: C:\\pics\\RED.BMP");
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
    // Any format the image plug-ins read.
    dir->ViewPicture(Entry("photo.png"));
    EXPECT_EQ(Viewer()->Picture().Image.size(), QSize(20, 10));
}

TEST_F(PictureViewerTest, NoViewerIsLeftByAFileThatIsNoPicture) {
    dir->ViewPicture(Entry("A.TXT"));
    DeleteClosed();
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(env.prompts.seen.size(), 1u);
}

TEST_F(PictureViewerTest, DamagedAndHugeFilesAreRefused) {
    const std::string bmp = Encoded(Filled(40, 30, Qt::red), "BMP");
    const std::string ico = Encoded(Filled(32, 32, Qt::red), "ICO");
    const std::string wmf = samples::Wmf(1, 1, 9, 9, 0);
    const std::string emf = samples::Emf(1, 1, 9, 9, 0);
    std::string wmfBadRecord = wmf, emfBadRecord = emf, emfHugeRecord = emf;
    wmfBadRecord[22 + 18] = '\x01';  // the first record claims one word
    wmfBadRecord[22 + 19] = 0;
    emfBadRecord[88 + 4] = '\x09';   // a size that is no multiple of four
    emfHugeRecord[88 + 7] = '\x7F';  // a record of two gigabytes
    std::string png = Encoded(Filled(8, 8, Qt::red), "PNG");
    // The width and height in the PNG's header: 30,000 × 30,000.
    const std::string side = std::string("\x00\x00\x75\x30", 4);
    std::string ihdr = "IHDR" + side + side + png.substr(24, 5);
    std::string hugePng = png.substr(0, 12) + ihdr;
    const uint32_t crc = Crc32(ihdr);
    for (int shift : {24, 16, 8, 0}) hugePng += static_cast<char>(crc >> shift & 0xFF);
    hugePng += png.substr(33);
    struct Case {
        const char* name;
        std::string content;
        std::string reason;
    };
    const Case cases[] = {
        {"CUT.BMP", bmp.substr(0, 40), "the picture is damaged"},
        {"SHORT.BMP", bmp.substr(0, bmp.size() / 2), "the picture is damaged"},
        {"WIDE.BMP", BmpHeader(30000, 30000, 64), "the picture is too large (30000 x 30000 pixels)"},
        {"CUT.ICO", ico.substr(0, 30), "the picture is damaged"},
        {"CUT.WMF", wmf.substr(0, wmf.size() - 6), "the file ends without its end record"},
        {"HEAD.WMF", wmf.substr(0, 30), "the file is shorter than its header"},
        {"SIZE.WMF", wmfBadRecord, "a record has a wrong size"},
        {"CUT.EMF", emf.substr(0, emf.size() - 20), "the file ends without its end record"},
        {"PART.EMF", emf.substr(0, 100), "a record runs past the end of the file"},
        {"SIZE.EMF", emfBadRecord, "a record has a wrong size"},
        {"HUGE.EMF", emfHugeRecord, "a record runs past the end of the file"},
        {"HUGE.PNG", hugePng, "the picture is too large (30000 x 30000 pixels)"},
    };
    env.WriteFile("c/pics/GOOD.BMP", bmp);
    for (const Case& c : cases) env.WriteFile(std::string("c/pics/") + c.name, c.content);
    dir->ReadDirectory();
    dir->ViewPicture(Entry("GOOD.BMP"));
    ASSERT_TRUE(Viewer());
    for (const Case& c : cases) {
        env.prompts.seen.clear();
        dir->ViewPicture(Entry(c.name));
        EXPECT_EQ(env.prompts.last(), std::string("Cannot show the picture C:\\pics\\") + c.name + ": " + c.reason);
        EXPECT_EQ(Viewer()->windowTitle().toStdString(), "Picture: C:\\pics\\GOOD.BMP") << c.name;
    }
}

TEST_F(PictureViewerTest, MetafileWithHugeDimensionsIsRefused) {
    // A WMF whose page is 32,000 units square at one unit an inch.
    std::string wmf = samples::Wmf(0, 0, 30000, 30000, 0);
    wmf[10] = '\x00', wmf[11] = '\x7D';  // right: 32,000
    wmf[12] = '\x00', wmf[13] = '\x7D';  // bottom: 32,000
    env.WriteFile("c/pics/BIG.WMF", wmf);
    dir->ReadDirectory();
    dir->ViewIfPicture(Entry("BIG.WMF"));
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    EXPECT_EQ(env.prompts.last().rfind("Cannot show the picture C:\\pics\\BIG.WMF: the picture is too large (", 0), 0u)
        << env.prompts.last();
    EXPECT_EQ(Viewer(), nullptr);
}

TEST_F(PictureViewerTest, CopyPutsThePictureOnTheClipboard) {
    dir->ViewPicture(Entry("DRAW.WMF"));
    ASSERT_TRUE(Viewer());
    QApplication::clipboard()->clear();
    Viewer()->EditCopy->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(copied.size(), QSize(100, 50));
    EXPECT_EQ(data->data("image/wmf").toStdString(), samples::Wmf(20, 10, 60, 40, samples::ColorRef(0, 0, 255)));
}

TEST_F(PictureViewerTest, CloseLetsTheNextPictureMakeANewViewer) {
    dir->ViewPicture(Entry("RED.BMP"));
    TViewForm* first = Viewer();
    ASSERT_TRUE(first);
    first->PictureClose->trigger();
    DeleteClosed();
    EXPECT_EQ(Viewer(), nullptr);
    dir->ViewPicture(Entry("BLUE.BMP"));
    EXPECT_NE(Viewer(), nullptr);
}

TEST_F(PictureViewerTest, DocumentWindowWhenNotFreeStanding) {
    form->VPicS = false;
    dir->ViewPicture(Entry("RED.BMP"));
    ASSERT_TRUE(Viewer());
    EXPECT_FALSE(Viewer()->isWindow());
    EXPECT_EQ(form->MDIArea->subWindowList().size(), 2);  // the directory window and the viewer
    form->show();
    EXPECT_TRUE(Viewer()->isVisible());
}
