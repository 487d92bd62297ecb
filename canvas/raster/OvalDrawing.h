#pragma once

// Ovals inscribed in rectangles, in the current port.

#include "Geometry.h"

#include <functional>

void PaintOval(const Rect& rect);
// An outline inside the rectangle, as thick as the pen; solid when the pen fills it.
void FrameOval(const Rect& rect);

// Calls row(v, hStart, hEnd) for every row of the oval in (top, left, bottom, right), with
// the covered pixels hStart .. hEnd - 1 (hStart may equal hEnd).
void forEachOvalRow(int top, int left, int bottom, int right,
                    const std::function<void(int, int, int)>& row);
