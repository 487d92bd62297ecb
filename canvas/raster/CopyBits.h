#pragma once

// Block copies between pixel maps with the transfer modes the picture needs.

#include "GrafPort.h"
#include "TransferMode.h"

#include <cstdint>

// Copies srcRect of source into dstRect of the destination port's pixels, scaling by
// nearest pixel when the sizes differ, clipped to the port's clip and pixels. The port's
// foreground and background colours colourise the copy (black on white copies plainly); a
// 1-bit source pixel 1 is black, 0 white. Modes: kSrcCopy, kSrcOr, kSrcXor, kSrcBic and
// kDitherCopy. Returns kParamError for any other mode or empty rectangles, else 0.
std::int16_t CopyBits(const PixMap& source, GrafPort& destination, const Rect& srcRect,
                      const Rect& dstRect, std::int16_t mode);
