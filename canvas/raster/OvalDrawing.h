#pragma once

// Ovals inscribed in rectangles, in the current port.

#include "FixedPoint.h"
#include "Geometry.h"

#include <algorithm>
#include <cstdint>

void PaintOval(const Rect& rect);
// The oval of width x height whose top-left corner is each of the given points, painted as
// PaintOval would paint each; the rows are worked out once for all of them.
void PaintOvalCopies(int width, int height, const Point* corners, int count);
// An outline inside the rectangle, as thick as the pen; solid when the pen fills it.
void FrameOval(const Rect& rect);

// Calls row(v, hStart, hEnd) for every row of the oval in (top, left, bottom, right), with
// the covered pixels hStart .. hEnd - 1 (hStart may equal hEnd). A template, so that a brush's
// dots pay no call per row.
template <typename Row> void forEachOvalRow(int top, int left, int bottom, int right, Row&& row) {
    const std::int64_t w = std::max(right - left, 0);
    const std::int64_t h = std::max(bottom - top, 0);
    if (w == 0 || h == 0)
        return;
    // The edge moves out or in by half pixels while a running sum of the ellipse equation
    // (in 32.32, hence 128 bits for tall thin ovals) tracks the target for the row.
    Fixed64 l = Fixed64{left} * kFixedOne + w * kFixedHalf;
    Fixed64 r = Fixed64{right} * kFixedOne - w * kFixedHalf + kFixedHalf;
    const __int128 ratio = FixRatio(h, w);
    __int128 term = ratio * ratio;
    const __int128 step = 2 * term;
    __int128 sum = 0;
    std::int64_t oddY = 1 - h;
    std::int64_t target = 2 * h - 1;
    for (int v = top; v < bottom; ++v) {
        const std::int64_t yy = oddY;
        oddY += 2;
        while ((sum >> 32) < target) {
            r += kFixedHalf;
            l -= kFixedHalf;
            sum += term;
            term += step;
        }
        while ((sum >> 32) > target) {
            r -= kFixedHalf;
            l += kFixedHalf;
            term -= step;
            sum -= term;
        }
        target -= 4 * (yy + 1);
        const int spanLeft = int(std::max<std::int64_t>(FixFloor(l), left));
        const int spanRight = int(std::min<std::int64_t>(FixFloor(r), right));
        row(v, spanLeft, std::max(spanLeft, spanRight));
    }
}
