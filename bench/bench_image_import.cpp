// Opening a large photo into a 400 x 300 canvas: time and peak memory. Each open runs in a
// child process, so that its high-water mark of resident memory is its own. Full-size decoding
// (an empty rectangle to fit into) is how photos were opened before decoders scaled while
// reading; it is kept here for comparison.

#include "ImageImport.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kPeakMiBTarget = 150;
constexpr Rect kCanvas{0, 0, 300, 400};

struct ChildRun {
    int exitCode = -1;
    double peakMiB = 0;
};

// Runs `job` in a child process; its result is the exit code.
template <typename Job> ChildRun inChild(Job job) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(job());
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return {};
    return ChildRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                    static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// A photo-like JPEG (smooth gradients and fine texture), made once per size in a child so
// that its pixels never weigh on this process.
QString photo(int width, int height) {
    static QTemporaryDir dir;
    static std::map<std::pair<int, int>, QString> made;
    const auto key = std::make_pair(width, height);
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    const QString path = dir.filePath(QStringLiteral("photo-%1x%2.jpg").arg(width).arg(height));
    inChild([&] {
        QImage image(width, height, QImage::Format_RGB888);
        for (int y = 0; y < height; ++y) {
            uchar* row = image.scanLine(y);
            for (int x = 0; x < width; ++x) {
                row[3 * x] = static_cast<uchar>(x * 255 / width);
                row[3 * x + 1] = static_cast<uchar>(y * 255 / height);
                row[3 * x + 2] = static_cast<uchar>((x ^ y) & 0x3F);
            }
        }
        return image.save(path, "JPEG", 85) ? 0 : 1;
    });
    made[key] = path;
    return path;
}

void BM_OpenLargePhoto(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool fitted = state.range(2) != 0;
    const QString path = photo(width, height);
    ChildRun run;
    for (auto _ : state) {
        run = inChild([&] {
            const ImportedImage imported = importImageFile(path, fitted ? kCanvas : Rect{});
            return imported.decoded ? 0 : 3;
        });
    }
    const ChildRun idle = inChild([] { return 0; });
    state.counters["peakMiB"] = run.peakMiB;
    state.counters["idleChildMiB"] = idle.peakMiB;
    state.counters["opened"] = run.exitCode == 0 ? 1 : 0;
    state.SetLabel(QStringLiteral("%1x%2 %3")
                       .arg(width)
                       .arg(height)
                       .arg(fitted ? "fitted" : "full size")
                       .toStdString());
    if (fitted && (run.exitCode != 0 || run.peakMiB > kPeakMiBTarget))
        state.SkipWithError("a fitted photo must open within 150 MiB");
}

} // namespace

BENCHMARK(BM_OpenLargePhoto)
    ->Args({12000, 9000, 1})
    ->Args({12000, 9000, 0})
    ->Args({8000, 6000, 1})
    ->Args({8000, 6000, 0})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
