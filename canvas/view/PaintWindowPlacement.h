#pragma once

// Where a new picture window goes: a pure function of the main screen's rectangle.

#include "Geometry.h"

// The content rectangle of a new picture window on a screen: inset by 8, clear of the
// palettes at the top and left, and no larger than 1024 x 768.
Rect paintWindowContentRect(const Rect& screen);
