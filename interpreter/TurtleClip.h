#pragma once

// Moves far outside the picture. A point of the view is 16-bit, but the turtle may wander much
// further; such a stroke is cut to the square around the picture's centre that holds every
// point whose symmetry images can reach the picture.

#include "Geometry.h"

#include <cstdint>

// Pixels beyond the picture's larger side that the square reaches on each side of the centre:
// room for the widest pen.
constexpr int kClipMargin = 64;

struct ClippedMove {
    bool visible = false;       // some of the stroke lies within the square
    bool startsOutside = false; // entry is not the start
    bool endsOutside = false;   // exit is not the end
    Point entry;
    Point exit;
};

// The part of the stroke from (x0, y0) to (x1, y1) within the square of the frame, worked out in
// double precision.
ClippedMove ClipMoveToPicture(const Rect& frame, double x0, double y0, double x1, double y1);

// Truncated toward zero and clamped to the 16-bit range.
std::int16_t ClampedCoordinate(double c);
// Whether both truncate to 16-bit values without clamping.
bool FitsPoint(double x, double y);
