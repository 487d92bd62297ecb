#include "Segments.h"

#include "GrafPort.h"
#include "LanguageTables.h"
#include "PenDrawing.h"
#include "PixelAccess.h"
#include "Reflection.h"

#include <cmath>
#include <cstdlib>

namespace {

std::int16_t atLeastOne(float value) {
    const float truncated = std::trunc(value);
    if (!(truncated >= 1.0f))
        return 1;
    return truncated > 32767.0f ? std::int16_t{32767} : static_cast<std::int16_t>(truncated);
}

std::int16_t wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}

// From `from` to `to` with a penH x penV pen whose top-left corner is offset by the halves, as
// MoveTo and LineTo would draw it, leaving the port's pen where they would.
void lineWithPen(SpanPainter& painter, GrafPort& port, Point from, Point to, int penH, int penV,
                 int offsetH, int offsetV) {
    const Point start = Point::at(wrap16(from.h - offsetH), wrap16(from.v - offsetV));
    const Point finish = Point::at(wrap16(to.h - offsetH), wrap16(to.v - offsetV));
    paintPenLine(painter, start.h, start.v, finish.h, finish.v, penH, penV);
    port.penLocation = finish;
}

} // namespace

PenShape penShapeAcross(int dh, int dv, std::int16_t width) {
    if (dh == 0)
        return {width, 1};
    if (dv == 0)
        return {1, width};
    InitLanguageTables();
    const float ratio = float(std::abs(dv)) / float(std::abs(dh));
    const int angle = int(std::atan(double(ratio)) * kPenDegreesPerRadian);
    const float w = float(width);
    return {atLeastOne(w * SineTable()[angle]), atLeastOne(w * CosineTable()[angle])};
}

PenHalves penForSegment(Point from, Point to, std::int16_t width) {
    const PenShape pen = penShapeAcross(int(to.h) - from.h, int(to.v) - from.v, width);
    PenSize(pen.penH, pen.penV);
    return {static_cast<std::int16_t>(pen.penH >> 1), static_cast<std::int16_t>(pen.penV >> 1)};
}

void drawSegment(const PaintState& state, Point end, Point c, std::int16_t penH,
                 std::int16_t penV) {
    const std::int32_t m = state.symmetry;
    const SymmetryImages starts = symmetryImages(state.turtlePoint, c, m);
    const SymmetryImages ends = symmetryImages(end, c, m);
    const int halfH = penH >> 1;
    const int halfV = penV >> 1;
    PenSize(penH, penV);
    GrafPort& port = GetPort();
    // One painter for every image: they share the port, its clip and the colour.
    SpanPainter painter(port, port.foreColour);
    for (int k = 0; k < starts.count; ++k) {
        const Point s = starts[k];
        const Point e = ends[k];
        if (m == 6 && k >= 2) {
            // These images run in other directions than the segment: each gets its own pen.
            const PenHalves halves = penForSegment(e, s, state.penWidth);
            lineWithPen(painter, port, s, e, port.penSize.h, port.penSize.v, halves.halfH,
                        halves.halfV);
        } else if (m != 6 && k >= 4) {
            if (k == 4)
                PenSize(penV, penH);
            lineWithPen(painter, port, s, e, port.penSize.h, port.penSize.v, halfV, halfH);
        } else {
            lineWithPen(painter, port, s, e, port.penSize.h, port.penSize.v, halfH, halfV);
        }
    }
}
