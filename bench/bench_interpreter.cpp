// The interpreter's hot loop: (b) a million assignments with a view that draws nothing, and
// (c) the share of a 300 000-segment spiral's run time spent taking events at level 0, drawn
// into a real paint view.

#include "CPaintWindow.h"
#include "LUndoer.h"
#include "LanguageTables.h"
#include "NullTurtleView.h"
#include "ResourceChain.h"
#include "RunContext.h"
#include "RunControl.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr const char* kCountingLoop = "speed 100\nrepeat 1000000 [ let n = n + 1\n]";
// Per pass the loop paces three nodes: the assignment, and the variable and '+' of its list.
constexpr std::int64_t kInstructionsPerPass = 3;

constexpr const char* kSpiral = "speed 100\nrepeat 300000 [\nlet n = n + 1\nlet d = n % 200\n"
                                "forward d\nright 91\n]";

void BM_AssignmentLoop(benchmark::State& state) {
    NullTurtleView view;
    for (auto _ : state) {
        RunContext context(kCountingLoop, 0, &view, nullptr);
        ExecuteRun(context);
        benchmark::DoNotOptimize(context.variables[0]->value);
    }
    state.SetItemsProcessed(state.iterations() * 1000000 * kInstructionsPerPass);
}
BENCHMARK(BM_AssignmentLoop)->Unit(benchmark::kMillisecond);

void BM_SpiralPollingShare(benchmark::State& state) {
    LCommander root;
    root.SetUndoer(std::make_unique<LUndoer>());
    CPaintWindow view(nullptr, &root);
    view.resize(1024, 768);
    view.show();
    QCoreApplication::processEvents();
    double pollSeconds = 0;
    double runSeconds = 0;
    std::uint64_t polls = 0;
    for (auto _ : state) {
        RunContext context(kSpiral, 0, &view, nullptr);
        const auto began = std::chrono::steady_clock::now();
        ExecuteRun(context);
        runSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        pollSeconds += static_cast<double>(context.pollStatistics.nanoseconds) * 1e-9;
        polls += context.pollStatistics.polls;
    }
    state.counters["poll_share_percent"] = 100.0 * pollSeconds / runSeconds;
    state.counters["polls"] = static_cast<double>(polls) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * 300000);
}
BENCHMARK(BM_SpiralPollingShare)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
