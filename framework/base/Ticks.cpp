#include "Ticks.h"

#include <ctime>

namespace {

// Milliseconds of the coarse monotonic clock: a tick is 16.7 ms, so the clock's few
// milliseconds of resolution are plenty, and reading it costs a fraction of the precise one,
// which matters to a run that looks at the time before every instruction.
std::uint64_t monotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

// Ticks count from the first use in the process.
const std::uint64_t processStart = monotonicMilliseconds();

} // namespace

std::uint32_t TickCount() {
    const std::uint64_t ms = monotonicMilliseconds() - processStart;
    return static_cast<std::uint32_t>(ms * kTicksPerSecond / 1000);
}
