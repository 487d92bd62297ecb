#pragma once

// Helpers for pixel tests: white canvases and the painted rows of a colour as spans.

#include "CGWorld.h"
#include "GWorldGuards.h"
#include "PenDrawing.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace canvas_test {

constexpr RGBColour kRed{0xFFFF, 0, 0};
constexpr RGBColour kGreen{0, 0xFFFF, 0};
constexpr RGBColour kBlue{0, 0, 0xFFFF};

inline void eraseWhite(CGWorld& world) {
    StGWorldDraw erase(world, kWhite);
}

// row -> list of [start, end) spans of pixels that have the colour (or, `except`, do not).
using Spans = std::map<int, std::vector<std::pair<int, int>>>;

inline Spans spansOf(const CGWorld& world, const RGBColour& colour, bool except = false) {
    Spans spans;
    const Rect b = world.getBounds();
    for (int v = b.top; v < b.bottom; ++v) {
        int h = b.left;
        while (h < b.right) {
            if ((world.pixel(h, v) == colour) == except) {
                ++h;
                continue;
            }
            const int start = h;
            while (h < b.right && (world.pixel(h, v) == colour) != except)
                ++h;
            spans[v].push_back({start, h});
        }
    }
    return spans;
}

inline int countOf(const CGWorld& world, const RGBColour& colour) {
    int count = 0;
    for (const auto& [row, list] : spansOf(world, colour))
        for (const auto& [start, end] : list)
            count += end - start;
    return count;
}

// A readable form of spans, "v:[a,b) v:[a,b)", so failures show the shape.
inline std::string describe(const Spans& spans) {
    std::string text;
    for (const auto& [row, list] : spans)
        for (const auto& [start, end] : list)
            text += std::to_string(row) + ":[" + std::to_string(start) + "," + std::to_string(end) +
                    ") ";
    return text;
}

// Bounding box (top, left, bottom, right) of a colour (or of all others); all 0 when absent.
inline Rect extentOf(const CGWorld& world, const RGBColour& colour, bool except = false) {
    const Spans spans = spansOf(world, colour, except);
    if (spans.empty())
        return {};
    int left = 1 << 20, right = -(1 << 20);
    for (const auto& [row, list] : spans) {
        left = std::min(left, list.front().first);
        right = std::max(right, list.back().second);
    }
    return Rect{static_cast<std::int16_t>(spans.begin()->first), static_cast<std::int16_t>(left),
                static_cast<std::int16_t>(spans.rbegin()->first + 1),
                static_cast<std::int16_t>(right)};
}

// A white canvas that is the current port, drawing in black.
class CanvasTest : public ::testing::Test {
protected:
    explicit CanvasTest(const Rect& bounds) : canvas(bounds, 32) {}
    void SetUp() override {
        ResetCurrentPort();
        eraseWhite(canvas);
        SetPort(*canvas.getPort());
        RGBForeColor(kBlack);
    }
    void TearDown() override { ResetCurrentPort(); }

    CGWorld canvas;
};

} // namespace canvas_test
