// Block copies of a full-size canvas: the plain same-size copy, scaled and tinted copies, a
// 1-bit mask in colour, and a large imported image fitted onto the canvas.

#include "CGWorld.h"
#include "CopyBits.h"
#include "ImageImport.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr Rect kCanvasBounds{0, 0, 768, 1024};

void fillWithNoise(QImage& image) {
    std::uint32_t s = 2024;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            s = s * 1664525U + 1013904223U;
            row[x] = 0xFF000000U | (s >> 8);
        }
    }
}

void copyCanvas(benchmark::State& run, const Rect& destination, const RGBColour& fore,
                std::int16_t sourceDepth, std::int16_t mode) {
    CGWorld source(kCanvasBounds, sourceDepth);
    QImage noise(kCanvasBounds.width(), kCanvasBounds.height(), QImage::Format_RGB32);
    fillWithNoise(noise);
    source.image() = noise.convertToFormat(source.image().format(), Qt::ThresholdDither);
    CGWorld target(destination, 32);
    target.image().fill(Qt::white);
    GrafPort& port = *target.getPort();
    port.foreColour = fore;
    for (auto _ : run) {
        CopyBits(*source.getPixMap(), port, kCanvasBounds, destination, mode);
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations() * destination.width() * destination.height());
}

void BM_CopySameSize(benchmark::State& run) {
    copyCanvas(run, kCanvasBounds, kBlack, 32, kSrcCopy);
}
BENCHMARK(BM_CopySameSize)->Unit(benchmark::kMicrosecond);

void BM_CopyScaledDown(benchmark::State& run) {
    copyCanvas(run, Rect{0, 0, 600, 800}, kBlack, 32, kSrcCopy);
}
BENCHMARK(BM_CopyScaledDown)->Unit(benchmark::kMicrosecond);

void BM_CopyScaledUp(benchmark::State& run) {
    copyCanvas(run, Rect{0, 0, 1152, 1536}, kBlack, 32, kSrcCopy);
}
BENCHMARK(BM_CopyScaledUp)->Unit(benchmark::kMicrosecond);

void BM_CopyTinted(benchmark::State& run) {
    copyCanvas(run, kCanvasBounds, RGBColour{0xFFFF, 0, 0}, 32, kSrcCopy);
}
BENCHMARK(BM_CopyTinted)->Unit(benchmark::kMicrosecond);

void BM_MaskCopyInColour(benchmark::State& run) {
    copyCanvas(run, kCanvasBounds, RGBColour{0, 0, 0xFFFF}, 1, kSrcCopy);
}
BENCHMARK(BM_MaskCopyInColour)->Unit(benchmark::kMicrosecond);

void BM_MaskOrSameSize(benchmark::State& run) {
    copyCanvas(run, kCanvasBounds, RGBColour{0, 0, 0xFFFF}, 1, kSrcOr);
}
BENCHMARK(BM_MaskOrSameSize)->Unit(benchmark::kMicrosecond);

void BM_FitLargeImage(benchmark::State& run) {
    QImage image(1600, 1200, QImage::Format_RGB32);
    fillWithNoise(image);
    QImage canvas(1024, 768, QImage::Format_RGB32);
    for (auto _ : run) {
        drawFittedImage(canvas, kCanvasBounds, image);
        benchmark::ClobberMemory();
    }
    run.SetItemsProcessed(run.iterations() * 1024 * 768);
}
BENCHMARK(BM_FitLargeImage)->Unit(benchmark::kMicrosecond);

} // namespace
