#pragma once

// How the turtle looks: a triangle in the pen colour framed in black, and the colour icon of
// the current colour beside it while the pen is down.

#include "GrafPort.h"

#include <QImage>
#include <QRect>
#include <cstdint>

struct TurtleShape {
    Point tip{};  // the turtle point
    Point back{}; // 20 pixels behind the tip
    Point side{}; // 12 more pixels round the corner
};

TurtleShape turtleShape(Point at, float heading);

// The 32 x 32 rectangle whose bottom-left corner is the turtle point.
Rect turtleIconRect(Point at);

// The colour icon of a colour command (3000 to 3009, clamped), loaded once; null when missing.
const QImage& turtleIcon(std::int32_t colourCommand);

// Everything the turtle may paint, for invalidation.
QRect turtleExtent(const TurtleShape& shape, bool withIcon);

// Draws the turtle into the port's pixels; the current port and the port's pen and colours are
// left as they were.
void drawTurtleLook(GrafPort& port, const TurtleShape& shape, const RGBColour& penColour,
                    bool withIcon, std::int32_t colourCommand);
