#pragma once

// The brush: dots and strokes capped by dots, for every symmetry image.

#include "Geometry.h"
#include "PaintState.h"

// A disc as wide as the pen (at least 2 pixels) at every image of p around c.
void paintDot(const PaintState& state, Point p, Point c);

// A segment from the turtle point to end with a pen turned across its direction, with a dot
// at the end (and at the start when the stroke-start flag is set). Pens of 4 and less are
// square and get no dots. The caller moves the turtle point afterwards.
void drawStroke(const PaintState& state, Point end, Point c);
