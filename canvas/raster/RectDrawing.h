#pragma once

// Rectangles in the current port: painted in the foreground colour, erased in the
// background colour, framed with the pen.

#include "Geometry.h"

void PaintRect(const Rect& rect);
void EraseRect(const Rect& rect);
// An outline inside the rectangle, penH wide at the sides and penV tall at top and bottom.
void FrameRect(const Rect& rect);
