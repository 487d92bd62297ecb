#include "PenDrawing.h"

#include "FixedPoint.h"
#include "GrafPort.h"
#include "PixelAccess.h"

#include <algorithm>
#include <utility>

namespace {

std::int16_t wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}

} // namespace

void paintPenLine(SpanPainter& painter, int h1, int v1, int h2, int v2, int penH, int penV) {
    if (penH <= 0 || penV <= 0 || !painter.canPaint())
        return;
    const int top = std::min(v1, v2);
    const int bottom = std::max(v1, v2) + penV;
    const int left = std::min(h1, h2);
    const int right = std::max(h1, h2) + penH;
    if (h1 == h2 || v1 == v2) {
        painter.fillRect({top, left, bottom, right});
        return;
    }
    if (v1 > v2) {
        std::swap(h1, h2);
        std::swap(v1, v2);
    }
    // Each row's span walks along the line in 16.16 fixed point; the start and end are
    // widened by the pen so that the union of pen rectangles comes out row by row.
    const Fixed64 slope = FixRatio(h2 - h1, v2 - v1);
    const Fixed64 rise = FixMul(Fixed64{penV} * kFixedOne, slope);
    Fixed64 l = Fixed64{h1} * kFixedOne + kFixedHalf + (slope >> 1);
    Fixed64 r = l + Fixed64{penH} * kFixedOne;
    if (slope >= 0) {
        l -= rise;
        if (slope < kFixedOne)
            l += slope;
        else
            r -= kFixedOne;
    } else {
        r -= rise;
        if (slope < -kFixedOne)
            l += kFixedOne;
        else
            r += slope;
    }
    const PixelBox box{top, left, bottom, right};
    const PixelBox& area = painter.area();
    if (painter.hasDirectPixels() && box.intersected(area) == box) {
        // Wholly inside: no row needs clipping, and as the pen rectangles at both ends reach the
        // box's sides and consecutive ones overlap, the painted extent is the box itself.
        painter.addPainted(box);
        const std::uint32_t value = painter.value();
        const DirectPixels pixels = painter.directPixels();
        qsizetype rowOffset = (top - pixels.top) * pixels.stride;
        for (int v = top; v < bottom; ++v) {
            const std::int64_t spanLeft = std::max<std::int64_t>(FixFloor(l), left);
            const std::int64_t spanRight = std::min<std::int64_t>(FixFloor(r), right);
            if (spanLeft < spanRight)
                fillPixels(reinterpret_cast<std::uint32_t*>(pixels.bits + rowOffset) +
                               (spanLeft - pixels.left),
                           spanRight - spanLeft, value);
            l += slope;
            r += slope;
            rowOffset += pixels.stride;
        }
        return;
    }
    const int firstRow = std::max(top, area.top);
    const int endRow = std::min(bottom, area.bottom);
    if (firstRow >= endRow)
        return;
    l += slope * (firstRow - top);
    r += slope * (firstRow - top);
    for (int v = firstRow; v < endRow; ++v) {
        const auto spanLeft = std::max<std::int64_t>(FixFloor(l), left);
        const auto spanRight = std::min<std::int64_t>(FixFloor(r), right);
        if (spanLeft < spanRight)
            painter.fillSpan(v, int(spanLeft), int(spanRight));
        l += slope;
        r += slope;
    }
}

void PenSize(int width, int height) {
    GetPort().penSize = Point::at(std::clamp(width, 0, 32767), std::clamp(height, 0, 32767));
}

void MoveTo(int h, int v) {
    GetPort().penLocation = Point{wrap16(v), wrap16(h)};
}

void Move(int dh, int dv) {
    const Point at = GetPort().penLocation;
    MoveTo(at.h + dh, at.v + dv);
}

void LineTo(int h, int v) {
    GrafPort& port = GetPort();
    const Point from = port.penLocation;
    const Point to{wrap16(v), wrap16(h)};
    {
        SpanPainter painter(port, port.foreColour);
        paintPenLine(painter, from.h, from.v, to.h, to.v, port.penSize.h, port.penSize.v);
    }
    port.penLocation = to;
}

void Line(int dh, int dv) {
    const Point at = GetPort().penLocation;
    LineTo(at.h + dh, at.v + dv);
}
