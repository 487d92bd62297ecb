// Painting speed on a full-size canvas: wide brush strokes under eight-fold symmetry and
// flood fills of the whole picture.

#include "Brush.h"
#include "CGWorld.h"
#include "FloodFill.h"
#include "GWorldGuards.h"
#include "LanguageTables.h"

#include <benchmark/benchmark.h>

namespace {

constexpr Rect kCanvasBounds{0, 0, 768, 1024};
constexpr Point kCentre = Point::at(512, 384);

void strokeAcross(benchmark::State& run, Point from, Point to) {
    InitLanguageTables();
    CGWorld canvas(kCanvasBounds, 32);
    PaintState state;
    state.penWidth = 32;
    state.symmetry = 8;
    state.penColour = RGBColour{0xFFFF, 0, 0};
    StGWorldDraw draw(canvas, kWhite);
    RGBForeColor(state.penColour);
    for (auto _ : run) {
        state.turtlePoint = from;
        drawStroke(state, to, kCentre);
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations());
}

void BM_WideStrokeDiagonal(benchmark::State& run) {
    strokeAcross(run, Point::at(40, 30), Point::at(980, 740));
}
BENCHMARK(BM_WideStrokeDiagonal)->Unit(benchmark::kMicrosecond);

void BM_WideStrokeHorizontal(benchmark::State& run) {
    strokeAcross(run, Point::at(0, 200), Point::at(1023, 200));
}
BENCHMARK(BM_WideStrokeHorizontal)->Unit(benchmark::kMicrosecond);

void BM_WideStrokeShallow(benchmark::State& run) {
    strokeAcross(run, Point::at(10, 300), Point::at(1000, 420));
}
BENCHMARK(BM_WideStrokeShallow)->Unit(benchmark::kMicrosecond);

// A mouse drag: many short strokes, each with its end dot.
void BM_WideBrushDragSamples(benchmark::State& run) {
    strokeAcross(run, Point::at(300, 300), Point::at(306, 304));
}
BENCHMARK(BM_WideBrushDragSamples)->Unit(benchmark::kMicrosecond);

void BM_FloodFillEmptyCanvas(benchmark::State& run) {
    CGWorld canvas(kCanvasBounds, 32);
    PaintState state;
    std::uint16_t shade = 0;
    for (auto _ : run) {
        // Each fill paints the whole canvas in a colour it does not have yet.
        shade = static_cast<std::uint16_t>(shade + 0x0101);
        state.penColour = RGBColour{shade, 0x8000, 0x4000};
        floodFill(state, canvas, Point::at(500, 400), kCentre);
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_FloodFillEmptyCanvas)->Unit(benchmark::kMillisecond);

} // namespace
