// Writing and reading a 1024 x 768 picture document: a drawn picture (white with coloured
// strokes) and noise as the worst case for packing.

#include "PictReader.h"
#include "PictWriter.h"
#include "PictureFile.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

QImage drawnPicture() {
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QColor colours[] = {Qt::black, Qt::red,     Qt::darkGreen,
                              Qt::blue,  Qt::magenta, QColor(255, 128, 0)};
    for (int i = 0; i < 60; ++i) {
        QPen pen(colours[i % 6], 2 + (i % 5) * 3);
        painter.setPen(pen);
        const double a = i * 0.37;
        painter.drawLine(QPointF(512 + 400 * std::cos(a), 384 + 300 * std::sin(a)),
                         QPointF(512 + 150 * std::cos(a * 3), 384 + 120 * std::sin(a * 2)));
    }
    painter.setBrush(QColor(30, 144, 255));
    painter.drawEllipse(QPoint(300, 250), 90, 60);
    return image;
}

QImage noise() {
    QImage image(1024, 768, QImage::Format_RGB32);
    std::uint32_t s = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            s = s * 1664525U + 1013904223U;
            row[x] = 0xFF000000U | (s >> 8);
        }
    }
    return image;
}

const QImage& picture(int which) {
    static const QImage drawn = drawnPicture();
    static const QImage noisy = noise();
    return which == 0 ? drawn : noisy;
}

// Size of ImageMagick's PICT of the same image, for comparison; 0 when it is not installed.
double imageMagickSize(const QImage& image, const QTemporaryDir& dir) {
    if (QStandardPaths::findExecutable("convert").isEmpty())
        return 0;
    const QString png = dir.filePath("im.png");
    const QString pict = dir.filePath("im.pict");
    image.save(png);
    QProcess process;
    process.start("convert", {png, pict});
    process.waitForFinished(60000);
    return static_cast<double>(QFileInfo(pict).size());
}

void BM_WritePictureFile(benchmark::State& state) {
    const QImage& image = picture(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.pict");
    for (auto _ : state)
        benchmark::DoNotOptimize(writePictureFile(image, path));
    state.counters["fileBytes"] = static_cast<double>(QFileInfo(path).size());
    state.counters["imageMagickBytes"] = imageMagickSize(image, dir);
    state.SetLabel(state.range(0) == 0 ? "drawn" : "noise");
}

void BM_ReadPictureFile(benchmark::State& state) {
    const QImage& image = picture(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.pict");
    writePictureFile(image, path);
    for (auto _ : state) {
        const PictDecodeResult result = readPictureFileData(path);
        if (result.status != 0)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(result.image.constBits());
    }
    state.SetLabel(state.range(0) == 0 ? "drawn" : "noise");
}

void BM_RecordPicture(benchmark::State& state) {
    const QImage& image = picture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(recordPicture(image).size());
    state.SetLabel(state.range(0) == 0 ? "drawn" : "noise");
}

} // namespace

BENCHMARK(BM_WritePictureFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPictureFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
