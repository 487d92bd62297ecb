#pragma once

// The hexcone colour model on 16-bit fractions: hue is a fraction of a full turn with red
// at 0 (so 16-bit wrap-around rotates it), saturation and value are fractions of 65535.

#include "Geometry.h"

#include <cstdint>

struct HSVColour {
    std::uint16_t hue = 0;
    std::uint16_t saturation = 0;
    std::uint16_t value = 0;
    friend constexpr bool operator==(const HSVColour&, const HSVColour&) = default;
};

HSVColour RGB2HSV(const RGBColour& colour);
RGBColour HSV2RGB(const HSVColour& colour);
