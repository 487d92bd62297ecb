#include "OvalDrawing.h"

#include "GrafPort.h"
#include "PixelAccess.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

void PaintOval(const Rect& rect) {
    GrafPort& port = GetPort();
    SpanPainter painter(port, port.foreColour);
    if (!painter.canPaint())
        return;
    forEachOvalRow(rect.top, rect.left, rect.bottom, rect.right,
                   [&](int v, int h0, int h1) { painter.fillSpan(v, h0, h1); });
}

namespace {

// Ovals up to this tall keep their rows on the stack.
constexpr int kMostCopiedRows = 256;

struct OvalRows {
    std::array<std::pair<int, int>, kMostCopiedRows> spans{};
    PixelBox extent{}; // of the painted pixels, relative to the top-left corner
};

OvalRows ovalRows(int width, int height) {
    OvalRows rows;
    bool any = false;
    forEachOvalRow(0, 0, height, width, [&](int v, int h0, int h1) {
        rows.spans[std::size_t(v)] = {h0, h1};
        if (h1 <= h0)
            return;
        const PixelBox row{v, h0, v + 1, h1};
        rows.extent = any ? PixelBox{std::min(rows.extent.top, v), std::min(rows.extent.left, h0),
                                     v + 1, std::max(rows.extent.right, h1)}
                          : row;
        any = true;
    });
    return rows;
}

} // namespace

void PaintOvalCopies(int width, int height, const Point* corners, int count) {
    // An oval's rows do not depend on where it stands: its edges are whole pixels.
    const auto fits = [](int value) { return value >= -32768 && value <= 32767; };
    if (height > kMostCopiedRows || width <= 0 || height <= 0) {
        for (int i = 0; i < count; ++i) {
            const Point at = corners[i];
            if (fits(at.h + width) && fits(at.v + height))
                PaintOval(Rect{at.v, at.h, static_cast<std::int16_t>(at.v + height),
                               static_cast<std::int16_t>(at.h + width)});
        }
        return;
    }
    GrafPort& port = GetPort();
    SpanPainter painter(port, port.foreColour);
    if (!painter.canPaint())
        return;
    const OvalRows rows = ovalRows(width, height);
    if (rows.extent.isEmpty())
        return;
    for (int i = 0; i < count; ++i) {
        const Point at = corners[i];
        if (!fits(at.h + width) || !fits(at.v + height))
            continue;
        const PixelBox painted = rows.extent.translated(at.h, at.v);
        if (painter.hasDirectPixels() && painted.intersected(painter.area()) == painted) {
            painter.addPainted(painted);
            const DirectPixels pixels = painter.directPixels();
            for (int y = painted.top - at.v; y < painted.bottom - at.v; ++y) {
                const auto [h0, h1] = rows.spans[std::size_t(y)];
                if (h1 > h0)
                    fillPixels(pixels.row(at.v + y) + (at.h + h0 - pixels.left), h1 - h0,
                               painter.value());
            }
            continue;
        }
        for (int y = 0; y < height; ++y)
            painter.fillSpan(at.v + y, at.h + rows.spans[std::size_t(y)].first,
                             at.h + rows.spans[std::size_t(y)].second);
    }
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
