#pragma once

// The symmetry images of a point: 1, 2, 4, 6 or 8 reflections around a centre.

#include "Geometry.h"

#include <array>
#include <cstdint>

// tan 60 degrees in single precision, as the 6-fold symmetry and its guides use it.
float tan60();

// One mapping k of symmetry mode m: reflections across the vertical, horizontal or
// diagonal lines through c (16-bit arithmetic that wraps), or for m = 6 across lines at 30
// degrees to the horizontal (single precision, truncated toward zero).
Point reflectPoint(Point p, Point c, std::int32_t k, std::int32_t m);

// The images of a point in the order the marks are made.
struct SymmetryImages {
    // Modes above 8 (other than 6) only repeat images; drawing each repeat once more would
    // paint the same pixels again, so the list stops at 8.
    static constexpr int kMaxImages = 8;
    std::array<Point, kMaxImages> points{};
    int count = 0;

    const Point* begin() const { return points.data(); }
    const Point* end() const { return points.data() + count; }
    const Point& operator[](int k) const { return points[std::size_t(k)]; }
};
SymmetryImages symmetryImages(Point p, Point c, std::int32_t m);
