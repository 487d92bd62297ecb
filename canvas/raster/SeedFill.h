#pragma once

// The seed fill: which pixels paint poured at one pixel would reach.

#include "GrafPort.h"

#include <cstdint>

// Makes mask (a 1-bit buffer) 1 at every pixel of srcRect connected to the seed through
// pixels of exactly the seed pixel's colour, by 4-neighbour steps, and 0 everywhere else.
// dstRect must have srcRect's size; mask pixel (dstRect.left + x, dstRect.top + y) stands for
// source pixel (srcRect.left + x, srcRect.top + y). A seed outside srcRect or the source
// leaves the mask all 0. Returns kParamError for mismatched rectangles or a mask that is
// not 1-bit, else 0.
std::int16_t SeedCFill(const PixMap& source, PixMap& mask, const Rect& srcRect, const Rect& dstRect,
                       int seedH, int seedV);
