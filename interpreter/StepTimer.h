#pragma once

// The process-wide tick timer that paces runs: a start and a deadline in ticks.

#include <cstdint>

class StepTimer {
public:
    // Microseconds of a monotonic clock.
    using Clock = std::uint64_t (*)();

    // Expires ticks from now (the deadline wraps with the tick counter).
    void start(std::uint32_t ticks);
    bool expired();
    // The same for a caller that asks before every instruction of a fast run. The clock is read
    // only at every stride-th question; the stride doubles while that many questions take less
    // than a quarter of a millisecond and falls back to one when they take over a millisecond,
    // so the answer comes at most about a millisecond, or one slow instruction, late.
    bool expiredSparingly() { return --mCountdown == 0 && readAndCheck(); }

    // The same, with the time given: the tick counter's value now.
    void startAt(std::uint32_t now, std::uint32_t ticks) {
        mStart = now;
        mDeadline = now + ticks;
    }
    bool expiredAt(std::uint32_t now) {
        // The counter wrapped since the start: the deadline has passed for sure.
        if (now < mStart)
            mDeadline = 0;
        return now >= mDeadline;
    }

    // Another clock for tests, in microseconds, from which the ticks then follow; null puts the
    // system's back.
    void setClock(Clock clock);

private:
    std::uint32_t readTicks();
    bool readAndCheck();

    std::uint32_t mDeadline = 0;
    std::uint32_t mStart = 0;
    Clock mClock = nullptr;
    std::uint64_t mLastRead = 0; // microseconds at the last reading
    std::uint32_t mStride = 1;
    std::uint32_t mCountdown = 1; // questions until the next reading
};

inline StepTimer& TheStepTimer() {
    static StepTimer timer;
    return timer;
}
