#include "ColourModel.h"

#include <algorithm>

namespace {

constexpr std::int64_t kFull = 65535; // saturation and value of 1
constexpr std::int64_t kTurn = 65536; // one full turn of hue

// num / den rounded to nearest, for non-negative operands.
constexpr std::int64_t roundedDivide(std::int64_t num, std::int64_t den) {
    return (num + den / 2) / den;
}

std::uint16_t channel(std::int64_t value) {
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(value, 0, kFull));
}

} // namespace

HSVColour RGB2HSV(const RGBColour& colour) {
    const std::int64_t r = colour.red, g = colour.green, b = colour.blue;
    const std::int64_t maximum = std::max({r, g, b});
    const std::int64_t minimum = std::min({r, g, b});
    const std::int64_t delta = maximum - minimum;
    HSVColour result;
    result.value = channel(maximum);
    if (maximum == 0 || delta == 0)
        return result; // grey: no saturation, hue 0
    result.saturation = channel(roundedDivide(delta * kFull, maximum));
    // Position on the hexagon in units of delta: each sixth of the turn is one delta.
    std::int64_t sixths;
    if (r == maximum)
        sixths = g - b;
    else if (g == maximum)
        sixths = 2 * delta + (b - r);
    else
        sixths = 4 * delta + (r - g);
    if (sixths < 0)
        sixths += 6 * delta;
    result.hue = static_cast<std::uint16_t>(roundedDivide(sixths * kTurn, 6 * delta) % kTurn);
    return result;
}

RGBColour HSV2RGB(const HSVColour& colour) {
    const std::int64_t v = colour.value;
    const std::int64_t s = colour.saturation;
    if (s == 0)
        return RGBColour{channel(v), channel(v), channel(v)};
    const std::int64_t position = std::int64_t{colour.hue} * 6; // sixths, 16-bit fraction
    const std::int64_t sextant = position >> 16;
    const std::int64_t f = position & 0xFFFF;
    // p, q, t as fractions of kFull, rounded once at the end.
    const std::int64_t p = roundedDivide(v * (kFull - s), kFull);
    const std::int64_t q = roundedDivide(v * (kFull * kTurn - s * f), kFull * kTurn);
    const std::int64_t t = roundedDivide(v * (kFull * kTurn - s * (kTurn - f)), kFull * kTurn);
    switch (sextant) {
    case 0:
        return {channel(v), channel(t), channel(p)};
    case 1:
        return {channel(q), channel(v), channel(p)};
    case 2:
        return {channel(p), channel(v), channel(t)};
    case 3:
        return {channel(p), channel(q), channel(v)};
    case 4:
        return {channel(t), channel(p), channel(v)};
    default:
        return {channel(v), channel(p), channel(q)};
    }
}
