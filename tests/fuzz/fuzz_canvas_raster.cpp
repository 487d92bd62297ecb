// Random raster operations with arbitrary 16-bit coordinates on a small canvas: nothing may
// write outside the buffer (the sanitizers watch), and the pixels outside the clip stay white.

#include "Brush.h"
#include "CGWorld.h"
#include "FloodFill.h"
#include "FuzzInput.h"
#include "GWorldGuards.h"
#include "LanguageTables.h"
#include "OvalDrawing.h"
#include "PenDrawing.h"
#include "PolygonDrawing.h"
#include "RectDrawing.h"
#include "Segments.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Mostly near the canvas, sometimes anywhere.
std::int16_t nearCoordinate(FuzzInput& in) {
    return in.nearOr(200, [&in] { return static_cast<std::int16_t>(in.word()); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InitLanguageTables();
    ResetCurrentPort();
    FuzzInput in(data, size);
    CGWorld canvas(Rect{0, 0, 48, 64}, 32);
    StGWorldDraw draw(canvas, kWhite);
    const Rect clip{4, 4, 44, 60};
    ClipRect(clip);
    RGBForeColor(RGBColour{0, 0, 0});
    PaintState state;
    for (int operations = 1; !in.empty() && operations < 64; ++operations) {
        // Every operation reads the same fields and uses what it needs.
        const std::uint8_t op = in.byte(), a = in.byte(), b = in.byte();
        const Rect r{nearCoordinate(in), nearCoordinate(in), nearCoordinate(in),
                     nearCoordinate(in)};
        const Point from = Point::at(r.left, r.top), to = Point::at(r.right, r.bottom);
        switch (op % 8) {
        case 0:
            PenSize(a % 40, b % 40);
            MoveTo(from.h, from.v);
            LineTo(to.h, to.v);
            break;
        case 1:
            PaintOval(r);
            break;
        case 2:
            PenSize(a % 8, b % 8);
            FrameOval(r);
            break;
        case 3: {
            std::vector<Point> points(a % 7);
            for (Point& p : points)
                p = Point{nearCoordinate(in), nearCoordinate(in)};
            PaintPoly(points);
            break;
        }
        case 4:
            state.penWidth = static_cast<std::int16_t>(a % 40);
            state.symmetry = static_cast<std::int32_t>(b % 10) - 1;
            state.turtlePoint = Point{nearCoordinate(in), nearCoordinate(in)};
            state.strokeStart = (op & 8) != 0;
            drawStroke(state, from, to);
            break;
        case 5:
            state.symmetry = static_cast<std::int32_t>(b % 10);
            state.penColour = RGBColour{std::uint16_t(a << 8), 0, 0};
            floodFill(state, canvas, from, to);
            break;
        case 6:
            RGBForeColor(RGBColour{std::uint16_t(a << 8), 0x1111, 0x2222});
            break;
        default:
            PaintRect(r);
        }
    }
    for (int v = 0; v < 48; ++v)
        for (int h = 0; h < 64; ++h)
            if ((v < clip.top || v >= clip.bottom || h < clip.left || h >= clip.right) &&
                !(canvas.pixel(h, v) == kWhite))
                std::abort();
    return 0;
}
