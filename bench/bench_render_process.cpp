// The whole turtlescope-render process on a 300 000-segment spiral at speed 100 into a
// 1024 x 768 picture, written as a PNG: start-up, parse, run, encode and exit. The same run
// without a picture written, and a one-segment program for what every process pays.

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kSpiral[] = "speed 100\n"
                           "repeat 300000 [\n"
                           "let n = n + 1\n"
                           "let d = n % 200\n"
                           "forward d\n"
                           "right 91\n"
                           "]\n";

constexpr char kOneSegment[] = "forward 1\n";

// Runs the renderer and waits for it; false when it could not start or failed.
bool runRenderer(const std::vector<std::string>& arguments, rusage& usage) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

double seconds(const timeval& t) {
    return double(t.tv_sec) + double(t.tv_usec) * 1e-6;
}

// Runs the renderer on a program until the time is up, writing a PNG if asked to. Besides the
// wall time it reports the processor time the renderer used, which other work on the machine
// disturbs far less, and its peak resident memory.
void renderProcess(benchmark::State& state, const char* text, bool writePicture) {
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("program.turtle"));
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0) {
        state.SkipWithError("cannot write the program");
        return;
    }
    file.close();
    // TURTLESCOPE_RENDERER names another build's renderer, for a side-by-side comparison.
    const char* const other = std::getenv("TURTLESCOPE_RENDERER");
    std::vector<std::string> arguments{other ? other : TURTLESCOPE_BIN_DIR "/turtlescope-render",
                                       "--languages", folder.path().toStdString()};
    if (writePicture) {
        arguments.push_back("-o");
        arguments.push_back(folder.filePath(QStringLiteral("picture.png")).toStdString());
    }
    arguments.push_back(program.toStdString());
    double processorSeconds = 0;
    long peakKiB = 0;
    for (auto _ : state) {
        rusage usage{};
        if (!runRenderer(arguments, usage)) {
            state.SkipWithError("the renderer failed");
            return;
        }
        processorSeconds += seconds(usage.ru_utime) + seconds(usage.ru_stime);
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    state.counters["cpu_ms"] =
        benchmark::Counter(processorSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["peak_MiB"] = double(peakKiB) / 1024.0;
}

void BM_RenderSpiralProcess(benchmark::State& state) {
    renderProcess(state, kSpiral, true);
}
BENCHMARK(BM_RenderSpiralProcess)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_RenderSpiralProcessNoPicture(benchmark::State& state) {
    renderProcess(state, kSpiral, false);
}
BENCHMARK(BM_RenderSpiralProcessNoPicture)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();

void BM_RenderOneSegmentProcess(benchmark::State& state) {
    renderProcess(state, kOneSegment, true);
}
BENCHMARK(BM_RenderOneSegmentProcess)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace
