#pragma once

// Picture document files: 512 zero bytes, then the recorded picture.

#include "PictReader.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

class CGWorld;

// The whole file's bytes for an image.
std::vector<std::uint8_t> pictureFileBytes(const QImage& image);

// Writes the image as a picture document. The bytes go to a temporary file beside the target,
// which replaces the target only once everything is written, so a failure never leaves a
// half-written file in place of a good one. Returns 0, kMemoryFull for a null or empty image
// (or one too large to record), or a file error code.
std::int16_t writePictureFile(const QImage& image, const QString& path);
std::int16_t writePictureFile(const CGWorld& canvas, const QString& path);

// Reads a picture document or a bare picture file.
PictDecodeResult readPictureFileData(const QString& path, const PictLimits& limits = {});

// Opens an image file (picture document, bare picture, PNG, JPEG, GIF, TIFF or anything else
// Qt's readers decode) into the canvas. `fitInto` is the rectangle the canvas will be remade at;
// a large image is decoded straight at the size it takes there. When something was decoded,
// `clearPicture` remakes the canvas white at its bounds and returns it (null when it could not
// be made); the image is drawn into it fitted and centred. Returns 0 also when the file holds
// nothing decodable, in which case the canvas is not touched; an error code for a broken
// picture file or an unreadable file. Whenever nothing was drawn, `refusal` (when given) is set
// to the reason in words for the user; otherwise it is cleared.
std::int16_t readPictureFile(const QString& path, const Rect& fitInto,
                             const std::function<CGWorld*()>& clearPicture,
                             QString* refusal = nullptr);
