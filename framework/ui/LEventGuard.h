#pragma once

// One failing handler must not end the event loop: each event is handled inside a guard that
// catches every exception, so only that event's handling ends.

#include <QApplication>
#include <exception>
#include <functional>

// A QApplication whose every event delivery is guarded.
class LGuardedApplication : public QApplication {
    Q_OBJECT
public:
    LGuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs step; any exception is reported (on the debug stream) and swallowed. False when one was.
bool RunGuarded(const std::function<void()>& step) noexcept;

// The number of exceptions swallowed by the guards since the start (for tests and diagnostics).
unsigned long GuardedExceptionCount() noexcept;
