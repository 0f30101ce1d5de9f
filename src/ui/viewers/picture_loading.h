// Reads a picture file for the picture viewer: bitmaps, icons and every
// format Qt's image plug-ins read, SVG, and Windows metafiles (drawn from
// their SVG form). A file that is no picture, a damaged one or one too
// large to hold raises EInvalidGraphic with a message naming the file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <stdexcept>
#include <string>

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPicture {
    QImage Image;          // at its natural size
    QByteArray Svg;        // the drawing behind a vector picture, else empty
    QByteArray SourceMime; // the file's own format on the clipboard ("image/x-wmf" ...), else empty
    QByteArray Source;     // the file's bytes for that format
};

// Largest picture held, in pixels (400 MB of memory).
constexpr qint64 kMaxPicturePixels = 100000000;
// Largest picture file read.
constexpr qint64 kMaxPictureFileBytes = qint64(256) << 20;

TPicture LoadPicture(const std::string& fileName);
