#include "StepTimer.h"

#include "Ticks.h"

void StepTimer::start(std::uint32_t ticks) {
    startAt(TickCount(), ticks);
}

bool StepTimer::expired() {
    return expiredAt(TickCount());
}

StepTimer& TheStepTimer() {
    static StepTimer timer;
    return timer;
}
