#pragma once

// Colour cycling: the pen colour's hue moves on after drawing steps.

#include "PaintState.h"

#include <cstdint>

// Steps the paint view uses.
constexpr std::uint16_t kHueStepPerTurtleLine = 255;
constexpr std::uint16_t kHueStepPerMouseSample = 15;
constexpr std::uint16_t kHueStepPerFill = 4095;

// Adds step to the pen colour's hue (a 16-bit fraction of a turn, wrapping around).
void advanceHue(PaintState& state, std::uint16_t step);
