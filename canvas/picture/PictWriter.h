#pragma once

// Records a 32-bit image as an extended version 2 picture: one direct-pixel copy of the whole
// image (packed component planes), as the picture recorder writes a canvas copy.

#include <QImage>
#include <cstdint>
#include <vector>

// Widest pixel map one copy can carry: 4 bytes a pixel within the 14-bit row length.
constexpr int kMaxPictBandWidth = 0x3FFE / 4;

// The picture's bytes, from the size word through the end opcode. Images wider than
// kMaxPictBandWidth are recorded as side-by-side bands. Throws LException with kParamError
// when the image is null or larger than picture coordinates can address.
std::vector<std::uint8_t> recordPicture(const QImage& image);
