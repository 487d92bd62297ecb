#include "OvalDrawing.h"

#include "GrafPort.h"
#include "PixelAccess.h"

#include <algorithm>
#include <vector>

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
