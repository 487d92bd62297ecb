#pragma once

// Plays a picture (version 1 or 2) back into a 32-bit image the size of its frame: the bit-copy
// opcodes are drawn, every other opcode is stepped over. The input is untrusted: bad data gives
// an error status, never a read outside the buffer.

#include "Geometry.h"
#include "PictPixMap.h"

#include <QImage>
#include <cstdint>
#include <span>

struct PictDecodeResult {
    std::int16_t status = 0; // 0, kBadPictureData or kMemoryFull
    Rect frame;              // the picture frame, when the header could be read
    QImage image;            // Format_RGB32 on white; null for a frame without pixels
};

// `picture` starts at the size word.
PictDecodeResult decodePicture(std::span<const std::uint8_t> picture,
                               const PictLimits& limits = {});

// A picture document file: this many zero bytes, then the picture.
constexpr std::size_t kPictureFileHeaderSize = 512;

// Where the picture starts in a file's bytes: 512 for a picture document, 0 for a bare picture,
// -1 when neither form holds a version opcode where it should be.
int pictureOffset(std::span<const std::uint8_t> file);

// A picture document or bare picture file's bytes.
PictDecodeResult decodePictureFileData(std::span<const std::uint8_t> file,
                                       const PictLimits& limits = {});
