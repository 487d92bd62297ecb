#pragma once

// Fitting an imported picture's bounds into the canvas: scale keeping the proportions, then
// centre.

#include "Geometry.h"

// Scales r, keeping its top-left corner and its proportions, so that it fills `into` in one
// direction (single precision, truncated). An empty r, or an empty `into`, leaves r empty at
// its top-left corner: there is nothing to draw.
void fitRect(Rect& r, const Rect& into);

// Moves r so that its centre lies on the centre of `into`.
void centreRect(Rect& r, const Rect& into);
