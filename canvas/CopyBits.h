#pragma once

// Block copies between pixel maps with the transfer modes the picture needs.

#include "GrafPort.h"

#include <cstdint>

enum TransferMode : std::int16_t {
    kSrcCopy = 0,
    kSrcOr = 1,
    kSrcXor = 2,
    kSrcBic = 3,
    kDitherCopy = 64, // a copy; dithering only matters when reducing depth
};

// Copies srcRect of source into dstRect of the destination port's pixels, scaling by
// nearest pixel when the sizes differ, clipped to the port's clip and pixels. The port's
// foreground and background colours colourise the copy (black on white copies plainly); a
// 1-bit source pixel 1 is black, 0 white. Returns kParamError for an unknown mode or empty
// rectangles, else 0.
std::int16_t CopyBits(const PixMap& source, GrafPort& destination, const Rect& srcRect,
                      const Rect& dstRect, std::int16_t mode);
