#pragma once

// Straight segments with a rectangular pen, repeated for every symmetry image.

#include "Geometry.h"
#include "PaintState.h"

#include <cstdint>

struct PenShape {
    std::int16_t penH = 1;
    std::int16_t penV = 1;
};

// Degrees per radian as the pen angles use it: slightly below the true value, so that an
// exact 45 degree segment gets the angle 44.
constexpr double kPenDegreesPerRadian = 57.2957763671875;

// A pen of thickness width across the direction from -> to, from the whole-degree tables.
PenShape penShapeAcross(int dh, int dv, std::int16_t width);

struct PenHalves {
    std::int16_t halfH = 0;
    std::int16_t halfV = 0;
};

// Sets the current port's pen for a line of thickness width across from -> to and returns
// the half sizes that centre the pen on the line.
PenHalves penForSegment(Point from, Point to, std::int16_t width);

// From the turtle point to end with a penH x penV pen, for every image around c, into the
// current port in its foreground colour.
void drawSegment(const PaintState& state, Point end, Point c, std::int16_t penH, std::int16_t penV);
