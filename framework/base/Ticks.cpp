#include "Ticks.h"

#include <QElapsedTimer>

namespace {
// One process-wide clock, started on first use.
const QElapsedTimer& processClock() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return clock;
}
} // namespace

std::uint32_t TickCount() {
    const auto ms = static_cast<std::uint64_t>(processClock().elapsed());
    return static_cast<std::uint32_t>(ms * kTicksPerSecond / 1000);
}
