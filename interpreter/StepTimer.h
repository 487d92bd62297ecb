#pragma once

// The process-wide tick timer that paces runs: a start and a deadline in ticks.

#include <cstdint>

class StepTimer {
public:
    // Expires ticks from now (the deadline wraps with the tick counter).
    void start(std::uint32_t ticks);
    bool expired();

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

private:
    std::uint32_t mDeadline = 0;
    std::uint32_t mStart = 0;
};

StepTimer& TheStepTimer();
