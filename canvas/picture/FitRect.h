#pragma once

// Fitting an imported picture's bounds into the canvas: scale keeping the proportions, then
// centre.

#include "Geometry.h"

// The width and height of a width × height picture fitted into `into`: it fills `into` in one
// direction and keeps its proportions (single precision, truncated, at least 1). Any size,
// beyond 16-bit coordinates too; an empty picture or an empty `into` gives 0 × 0.
struct FittedSize {
    int width = 0;
    int height = 0;
};
FittedSize fittedSize(int width, int height, const Rect& into);

// Scales r by fittedSize, keeping its top-left corner. An empty r, or an empty `into`, leaves r
// empty at its top-left corner: there is nothing to draw.
void fitRect(Rect& r, const Rect& into);

// Moves r so that its centre lies on the centre of `into`.
void centreRect(Rect& r, const Rect& into);
