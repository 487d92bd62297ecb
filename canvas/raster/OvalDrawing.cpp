#include "OvalDrawing.h"

#include "FixedPoint.h"
#include "GrafPort.h"
#include "PixelAccess.h"

#include <algorithm>
#include <vector>

void forEachOvalRow(int top, int left, int bottom, int right,
                    const std::function<void(int, int, int)>& row) {
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

void PaintOval(const Rect& rect) {
    GrafPort& port = GetPort();
    SpanPainter painter(port, port.foreColour);
    if (!painter.canPaint())
        return;
    forEachOvalRow(rect.top, rect.left, rect.bottom, rect.right,
                   [&](int v, int h0, int h1) { painter.fillSpan(v, h0, h1); });
}

void FrameOval(const Rect& rect) {
    GrafPort& port = GetPort();
    const int penH = port.penSize.h;
    const int penV = port.penSize.v;
    if (penH <= 0 || penV <= 0)
        return;
    SpanPainter painter(port, port.foreColour);
    if (!painter.canPaint())
        return;
    const int innerTop = rect.top + penV;
    const int innerBottom = rect.bottom - penV;
    const int innerLeft = rect.left + penH;
    const int innerRight = rect.right - penH;
    if (innerRight <= innerLeft || innerBottom <= innerTop) {
        PaintOval(rect);
        return;
    }
    struct Span {
        int start = 0;
        int end = 0;
    };
    std::vector<Span> inner(std::size_t(innerBottom - innerTop));
    forEachOvalRow(innerTop, innerLeft, innerBottom, innerRight, [&](int v, int h0, int h1) {
        inner[std::size_t(v - innerTop)] = {h0, h1};
    });
    forEachOvalRow(rect.top, rect.left, rect.bottom, rect.right, [&](int v, int h0, int h1) {
        if (v < innerTop || v >= innerBottom) {
            painter.fillSpan(v, h0, h1);
            return;
        }
        const Span hole = inner[std::size_t(v - innerTop)];
        if (hole.end <= hole.start) {
            painter.fillSpan(v, h0, h1);
            return;
        }
        painter.fillSpan(v, h0, hole.start);
        painter.fillSpan(v, hole.end, h1);
    });
}
