#pragma once

// The grey axes of the symmetry mode, an overlay that never enters the picture.

#include "GrafPort.h"

#include <cstdint>

constexpr RGBColour kGuideColour{0xDDDD, 0xDDDD, 0xDDDD};

// Draws the axes of mode m for a view whose local frame is frame into port, 1 pixel wide;
// the port's pen and colours and the current port are left as they were.
void drawGuides(GrafPort& port, const Rect& frame, std::int32_t m);
