#include "StepTimer.h"

#include "Ticks.h"

#include <chrono>

namespace {

constexpr std::uint64_t kMicrosecondsPerSecond = 1000000;
// Between two readings at full speed: grow the stride below this, start over above that.
constexpr std::uint64_t kShortStride = 250;
constexpr std::uint64_t kLongStride = 1000;
constexpr std::uint32_t kLongestStride = 1024;

std::uint64_t systemMicroseconds() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

} // namespace

std::uint32_t StepTimer::readTicks() {
    if (mClock) {
        mLastRead = mClock();
        return static_cast<std::uint32_t>(mLastRead * kTicksPerSecond / kMicrosecondsPerSecond);
    }
    // The ticks are the process's tick count, which other waits compare with; the finer clock
    // only sets the stride.
    mLastRead = systemMicroseconds();
    return TickCount();
}

void StepTimer::start(std::uint32_t ticks) {
    startAt(readTicks(), ticks);
    mStride = 1;
    mCountdown = 1;
}

bool StepTimer::expired() {
    return expiredAt(readTicks());
}

bool StepTimer::readAndCheck() {
    const std::uint64_t previous = mLastRead;
    const std::uint32_t now = readTicks();
    const std::uint64_t took = mLastRead - previous;
    if (took > kLongStride)
        mStride = 1;
    else if (took < kShortStride && mStride < kLongestStride)
        mStride *= 2;
    mCountdown = mStride;
    return expiredAt(now);
}

void StepTimer::setClock(Clock clock) {
    mClock = clock;
}
