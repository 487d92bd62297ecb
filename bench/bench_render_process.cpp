// The whole turtlescope-render process on a 300 000-segment spiral at speed 100 into a
// 1024 x 768 picture, written as a PNG: start-up, parse, run, encode and exit.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr char kSpiral[] = "speed 100\n"
                           "repeat 300000 [\n"
                           "let n = n + 1\n"
                           "let d = n % 200\n"
                           "forward d\n"
                           "right 91\n"
                           "]\n";

void BM_RenderSpiralProcess(benchmark::State& state) {
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("spiral.turtle"));
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(kSpiral) < 0) {
        state.SkipWithError("cannot write the program");
        return;
    }
    file.close();
    const QString output = folder.filePath(QStringLiteral("spiral.png"));
    const QString renderer = QStringLiteral(TURTLESCOPE_BIN_DIR "/turtlescope-render");
    for (auto _ : state) {
        QProcess process;
        process.start(renderer, {QStringLiteral("--languages"), folder.path(),
                                 QStringLiteral("-o"), output, program});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("the renderer failed");
            return;
        }
    }
}
BENCHMARK(BM_RenderSpiralProcess)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace
