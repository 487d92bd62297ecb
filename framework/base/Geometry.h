#pragma once

// The picture's geometry and colour types: 16-bit points and rectangles, 16-bit colour channels.

#include <algorithm>
#include <cstdint>

struct Point {
    std::int16_t v = 0; // vertical first, as stored
    std::int16_t h = 0;

    static constexpr Point at(int h, int v) {
        return Point{static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)};
    }
    friend constexpr bool operator==(Point, Point) = default;
};

// Covers the pixels from (left, top) up to but not including (right, bottom).
struct Rect {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    constexpr int width() const { return int(right) - int(left); }
    constexpr int height() const { return int(bottom) - int(top); }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct RGBColour {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    friend constexpr bool operator==(const RGBColour&, const RGBColour&) = default;
};

constexpr RGBColour kBlack{0, 0, 0};
constexpr RGBColour kWhite{0xFFFF, 0xFFFF, 0xFFFF};

// A coordinate held to the signed 16-bit range.
constexpr std::int16_t clampToInt16(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(value, -32768, 32767));
}

// The centre by arithmetic halving of the extent (rounds toward minus infinity).
constexpr Point rectCentre(const Rect& r) {
    const int h = r.left + ((int(r.right) - int(r.left)) >> 1);
    const int v = r.top + ((int(r.bottom) - int(r.top)) >> 1);
    return Point::at(h, v);
}
