#pragma once

// The bit-copy opcodes of a picture: their BitMap or PixMap description, colour table,
// rectangles, transfer mode, mask region and packed pixel rows, decoded into a 32-bit image.

#include "Geometry.h"
#include "PictBytes.h"

#include <QImage>
#include <cstdint>

// Bounds on what a picture may make us allocate and draw.
struct PictLimits {
    int maxSide = 16384;
    std::int64_t maxPixelBytes = std::int64_t{256} << 20; // 32-bit pixels
};

struct PictBits {
    Rect bounds;
    Rect srcRect;
    Rect dstRect;
    std::uint16_t mode = 0;
    bool isBitMap = false; // one bit a pixel: black = 1, white = 0
    bool hasMask = false;
    Rect maskBox;  // bounding box of the mask region, when there is one
    QImage pixels; // Format_RGB32, bounds-sized; null when the bounds hold no pixels
};

bool isBitsOpcode(std::uint16_t opcode);

// Reads the operands of a bit-copy opcode (0090, 0091, 0098, 0099, 009A, 009B) and decodes
// its pixel rows. Where the row framing is ambiguous (writers disagree on when row counts are
// two bytes, and some pack rows that should be raw) the framing whose rows decode exactly and
// after which the opcode stream goes on sensibly wins. Throws LException on bad data.
PictBits readBits(PictCursor& cursor, std::uint16_t opcode, int version, const PictLimits& limits);

// Steps over a pixel pattern operand (0012 to 0014).
void skipPixPat(PictCursor& cursor);

// True when an opcode stream plausibly starts at the cursor: it parses up to its end opcode,
// up to a bit-copy opcode or for a good number of opcodes.
bool opcodeStreamContinues(PictCursor cursor, int version);
