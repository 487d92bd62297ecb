#pragma once

// The paint view's pen and turtle fields that the drawing primitives read.

#include "Geometry.h"

#include <cstdint>

struct PaintState {
    std::int16_t penWidth = 1;    // brush width in pixels
    RGBColour penColour = kBlack; // colour of every mark
    std::int32_t symmetry = 1;    // number of reflected images: 1, 2, 4, 6 or 8
    Point turtlePoint{};          // where the last stroke ended
    bool strokeStart = true;      // the next brush stroke first stamps a dot
    bool colourCycling = false;   // the pen colour's hue advances after drawing steps
};
