#include "ui/viewers/picture_loading.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "core/search/byte_search.h"
#include "core/viewers/metafile_svg.h"
#include "core/viewers/picture_bitmap_header.h"

namespace {

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
    throw EInvalidGraphic("Cannot show the picture " + fileName + ": " + reason);
}

QByteArray ReadWhole(const std::string& fileName) {
    const int64_t size = SearchFileSize(fileName);
    if (size > kMaxPictureFileBytes) Refuse(fileName, "the file is too large");
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    const size_t got = BlockRead(fileName, 0, bytes.data(), static_cast<size_t>(size));
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

void CheckSize(const std::string& fileName, QSize size) {
    if (size.isEmpty()) Refuse(fileName, "the picture has no size");
    if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        Refuse(fileName, "the picture is too large (" + std::to_string(size.width()) + " x " +
                             std::to_string(size.height()) + " pixels)");
}

QImage DrawSvg(const std::string& fileName, const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) Refuse(fileName, "the drawing is damaged");
    QSize size = renderer.defaultSize();
    if (size.isEmpty()) size = renderer.viewBox().size();
    CheckSize(fileName, size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) Refuse(fileName, "there is not enough memory");
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace

TPicture LoadPicture(const std::string& fileName) {
    const QByteArray bytes = ReadWhole(fileName);
    TPicture picture;
    const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
    const TMetafileKind kind = MetafileKind(view);
    if (kind != TMetafileKind::None) {
        std::string svg, reason;
        if (!MetafileToSvg(view, svg, reason)) Refuse(fileName, reason);
        picture.Svg = QByteArray::fromStdString(svg);
        picture.Image = DrawSvg(fileName, picture.Svg);
        picture.SourceMime = kind == TMetafileKind::Emf ? "image/emf" : "image/wmf";
        picture.Source = bytes;
        return picture;
    }

    TBitmapFacts bitmap;
    if (ReadBitmapFacts(view, bitmap)) {
        if (bitmap.Width > 0 && bitmap.Height > 0 && bitmap.Width * bitmap.Height > kMaxPicturePixels)
            Refuse(fileName, "the picture is too large (" + std::to_string(bitmap.Width) + " x " +
                                 std::to_string(bitmap.Height) + " pixels)");
        if (!bitmap.RowsComplete) Refuse(fileName, "the picture is damaged");
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead()) Refuse(fileName, "it is no picture of a known format");
    if (reader.format() == "svg" || reader.format() == "svgz") {
        picture.Svg = reader.format() == "svg" ? bytes : QByteArray();
        if (!picture.Svg.isEmpty()) {
            picture.Image = DrawSvg(fileName, picture.Svg);
            picture.SourceMime = "image/svg+xml";
            picture.Source = bytes;
            return picture;
        }
    }
    const QSize size = reader.size();
    if (size.isValid()) CheckSize(fileName, size);
    // The reader's own limit guards formats that do not tell their size.
    reader.setAllocationLimit(int(kMaxPicturePixels * 4 >> 20) + 1);
    picture.Image = reader.read();
    if (picture.Image.isNull()) Refuse(fileName, "the picture is damaged");
    CheckSize(fileName, picture.Image.size());
    return picture;
}
