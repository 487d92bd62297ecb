#pragma once

// Reading image files as pictures: the file type from content first and extension second, and
// decoding by our picture reader or Qt's image readers.

#include "FourCharCode.h"
#include "Geometry.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <span>

constexpr FourCharCode kFileTypePICT = FourCC("PICT");
constexpr FourCharCode kFileTypePNG = FourCC("PNG ");
constexpr FourCharCode kFileTypeJPEG = FourCC("JPEG");
constexpr FourCharCode kFileTypeGIF = FourCC("GIFf");
constexpr FourCharCode kFileTypeTIFF = FourCC("TIFF");
constexpr FourCharCode kFileTypeTEXT = FourCC("TEXT");
constexpr FourCharCode kFileTypeUnknown = FourCC("????");

// The type by the file's first bytes (at least 528 of them to recognise a picture document);
// kFileTypeUnknown when no signature matches.
FourCharCode fileTypeFromContent(std::span<const std::uint8_t> head);
// By name: .pict and .pct are pictures, .txt and .turtle program texts.
FourCharCode fileTypeFromExtension(const QString& path);
// Content first, then extension, else kFileTypeUnknown.
FourCharCode detectFileType(const QString& path);

struct ImportedImage {
    std::int16_t status = 0; // an error code, or 0
    bool decoded = false;    // false: nothing in the file could be decoded
    QImage image;            // Format_RGB32, transparency put on white; null for an empty image
};

// Decodes an image file. A file that is not an image we know gives status 0 and decoded
// false; a picture or image that is recognised but broken gives an error status.
ImportedImage importImageFile(const QString& path);

// Transparent pixels composed onto white, as they appear on the white canvas.
QImage flattenOnWhite(const QImage& image);

// Draws `image` into `canvas` (whose pixel (0, 0) is canvasBounds' top-left corner), scaled
// by nearest pixel to fit canvasBounds and centred. An empty image draws nothing.
void drawFittedImage(QImage& canvas, const Rect& canvasBounds, const QImage& image);
