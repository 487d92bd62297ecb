#pragma once

// Reading image files as pictures: the file type from content first and extension second, and
// decoding by our picture reader or Qt's image readers.

#include "FileType.h"
#include "Geometry.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

struct ImportedImage {
    std::int16_t status = 0; // an error code, or 0
    bool decoded = false;    // false: nothing in the file could be decoded
    // Format_RGB32, upright, transparency put on white; null for an empty image. Smaller than
    // `size` when the decoder scaled it while reading.
    QImage image;
    QSize size;      // the picture's own size, upright: what it is fitted by
    QString refusal; // when nothing was decoded: why, in words for the person who chose the file
};

// Decodes an image file, turned upright as its orientation tag says. An image larger than
// `fitInto` is decoded straight at its fitted size where the decoder can scale while reading, so
// that a huge photo costs little memory; an empty `fitInto` decodes at full size. A file that
// is not an image we know gives status 0 and decoded false; a picture or image that is
// recognised but broken gives an error status. Either way `refusal` says why.
ImportedImage importImageFile(const QString& path, const Rect& fitInto = {});

// Transparent pixels composed onto white, as they appear on the white canvas.
QImage flattenOnWhite(const QImage& image);

// Draws `image` into `canvas` (whose pixel (0, 0) is canvasBounds' top-left corner), scaled
// by nearest pixel into the rectangle that a picture of `size` (the image's own size when
// empty) takes fitted and centred in canvasBounds. An empty image draws nothing.
void drawFittedImage(QImage& canvas, const Rect& canvasBounds, const QImage& image,
                     QSize size = {});
// The rectangle a picture of `size` takes in `canvasBounds`: fitted, then centred.
Rect fittedImageRect(QSize size, const Rect& canvasBounds);
