#pragma once

// An object that asks for idle time: the event loop calls SpendTime when no event is waiting.

#include <vector>

class LPeriodical {
public:
    LPeriodical() = default;
    virtual ~LPeriodical();
    LPeriodical(const LPeriodical&) = delete;
    LPeriodical& operator=(const LPeriodical&) = delete;

    void StartIdling();
    void StopIdling();
    bool IsIdling() const;

    virtual void SpendTime() {}

    // Gives every idler its time once; idlers may start or stop others while it runs. Does
    // nothing while a hold lives.
    static void DevoteTimeToIdlers();

    // While one lives, idlers get no time: events taken inside a handler (as a program run
    // takes them) are not the main loop's idle time.
    class StIdleHold {
    public:
        StIdleHold();
        ~StIdleHold();
        StIdleHold(const StIdleHold&) = delete;
        StIdleHold& operator=(const StIdleHold&) = delete;
    };
};
