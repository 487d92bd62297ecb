#include "Brush.h"

#include "OvalDrawing.h"
#include "Reflection.h"
#include "Segments.h"

#include <array>
#include <cmath>

void paintDot(const PaintState& state, Point p, Point c) {
    int r = state.penWidth >> 1;
    if (r < 1)
        r = 1;
    std::array<Point, SymmetryImages::kMaxImages> corners{};
    int copies = 0;
    for (const Point q : symmetryImages(p, c, state.symmetry)) {
        if (q.v - r >= -32768 && q.h - r >= -32768 && q.v + r <= 32767 && q.h + r <= 32767) {
            corners[std::size_t(copies++)] = Point::at(q.h - r, q.v - r);
            continue;
        }
        // An edge wraps around: the oval is whatever rectangle the wrapped edges make.
        const auto edge = [](int value) {
            return static_cast<std::int16_t>(
                static_cast<std::uint16_t>(static_cast<unsigned>(value)));
        };
        PaintOval(Rect{edge(q.v - r), edge(q.h - r), edge(q.v + r), edge(q.h + r)});
    }
    // All in one colour, so the order in which the images are painted makes no difference.
    PaintOvalCopies(2 * r, 2 * r, corners.data(), copies);
}

void drawStroke(const PaintState& state, Point end, Point c) {
    const std::int16_t w = state.penWidth;
    if (w <= 4) {
        drawSegment(state, end, c, w, w);
        return;
    }
    const Point start = state.turtlePoint;
    const int dh = int(start.h) - end.h;
    const int dv = int(start.v) - end.v;
    const auto dist =
        static_cast<std::int64_t>(std::sqrt(double(dh) * double(dh) + double(dv) * double(dv)));
    if (dist > (w >> 3)) {
        const PenShape pen = penShapeAcross(dh, dv, w);
        if (state.strokeStart)
            paintDot(state, start, c);
        drawSegment(state, end, c, pen.penH, pen.penV);
    }
    paintDot(state, end, c);
}
