#pragma once

// The drawing step of writing text into the picture.

#include "LString.h"
#include "PaintState.h"

#include <cstdint>

// The text settings a program sets on the paint view's port.
struct TextSettings {
    std::int16_t font = 0;
    std::int16_t size = 0;
    std::uint8_t face = 0;
};

// Draws the string into the current port in the pen colour and the given settings, its
// baseline starting at (h, v).
void writeText(const PaintState& state, const LStr255& text, std::int16_t h, std::int16_t v,
               const TextSettings& settings);
