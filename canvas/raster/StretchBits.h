#pragma once

// The block-copy engine under CopyBits, picture playback and image import: nearest-pixel
// stretching from one image onto another with a transfer mode, in exact integer arithmetic so
// that every machine draws the same pixels.

#include "PixelBox.h"
#include "TransferMode.h"

#include <QImage>

// Where a copy comes from and where it goes, each in its own image's pixel coordinates.
struct Stretch {
    PixelBox source;      // may reach outside the source image
    PixelBox destination; // the source box is stretched to fill it
    PixelBox clip;        // destination pixels outside it are never touched
};

// The destination pixels `stretch` writes: those inside the clip, the destination box and the
// destination image whose nearest source pixel (the one under the pixel's centre) lies inside
// the source image. Nearest pixels keep their order, so this is a box. Empty when either box is.
PixelBox stretchedArea(const QImage& dest, const QImage& source, const Stretch& stretch);

// Draws `stretch` with `mode` (kSrcCopy .. kNotSrcBic) and returns the area written. Any pixel
// format: a Format_Mono source reads 1 as black and 0 as white, whatever its colour table, and
// each result is stored as the destination format's nearest value. `source` may be `dest`
// itself, overlapping or not.
PixelBox stretchBits(QImage& dest, const QImage& source, const Stretch& stretch, TransferMode mode,
                     const TransferColours& colours);
