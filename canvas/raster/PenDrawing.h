#pragma once

// The rectangular pen in the current port: the pen hangs below and to the right of its
// location, and a line paints the pen rectangle at every pixel of the one-pixel line.

#include "Geometry.h"

class SpanPainter;

void PenSize(int width, int height);
// Coordinates wrap to 16 bits, as the port keeps them.
void MoveTo(int h, int v);
void Move(int dh, int dv);
// Draws from the pen location to (h, v) and moves the pen there.
void LineTo(int h, int v);
void Line(int dh, int dv);

// The pixels a pen of penH x penV paints along (h1, v1) -> (h2, v2), as spans.
void paintPenLine(SpanPainter& painter, int h1, int v1, int h2, int v2, int penH, int penV);
