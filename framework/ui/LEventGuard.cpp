#include "LEventGuard.h"

#include "LException.h"

#include <QDebug>
#include <new>

namespace {

unsigned long& swallowedCount() {
    static unsigned long count = 0;
    return count;
}

void reportSwallowed() noexcept {
    ++swallowedCount();
    try {
        throw;
    } catch (const LException& e) {
        qWarning("An event handler failed with error %d", static_cast<int>(e.code()));
    } catch (const std::exception& e) {
        qWarning("An event handler failed: %s", e.what());
    } catch (...) {
        qWarning("An event handler failed");
    }
}

} // namespace

LGuardedApplication::LGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LGuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportSwallowed();
        return false;
    }
}

bool RunGuarded(const std::function<void()>& step) noexcept {
    try {
        step();
        return true;
    } catch (...) {
        reportSwallowed();
        return false;
    }
}

unsigned long GuardedExceptionCount() noexcept {
    return swallowedCount();
}
