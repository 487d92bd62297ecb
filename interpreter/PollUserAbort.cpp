#include "PollUserAbort.h"

#include "Ticks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <chrono>
#include <thread>

namespace {

// Installed on the application for as long as it lives; sees every event before its receiver.
class StPressSwallower : public QObject {
public:
    explicit StPressSwallower(QCoreApplication& application) : mApplication(application) {
        mApplication.installEventFilter(this);
    }
    ~StPressSwallower() override { mApplication.removeEventFilter(this); }
    StPressSwallower(const StPressSwallower&) = delete;
    StPressSwallower& operator=(const StPressSwallower&) = delete;

    bool pressed() const { return mPressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claimed, so that a key bound to a menu command arrives as a plain press (which
            // stops the run) instead of carrying out the command.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            mPressed = true;
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QCoreApplication& mApplication;
    bool mPressed = false;
};

} // namespace

bool PollUserAbort(std::uint32_t waitTicks) {
    QCoreApplication* const application = QCoreApplication::instance();
    if (!application)
        return false;
    const StPressSwallower swallower(*application);
    const std::uint32_t deadline = TickCount() + waitTicks;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (swallower.pressed())
            return true;
        if (waitTicks == 0 || TickCount() >= deadline)
            return false;
        RestBetweenPolls();
    }
}

void DiscardPendingInput() {
    if (!QCoreApplication::instance())
        return;
    for (const QEvent::Type type :
         {QEvent::KeyPress, QEvent::MouseButtonPress, QEvent::MouseButtonDblClick})
        QCoreApplication::removePostedEvents(nullptr, type);
}

void RestBetweenPolls() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
