#include "PollUserAbort.h"

#include "Ticks.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QResizeEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Windows closed from their title bar during a run, closed for real once it has ended.
std::vector<QPointer<QWidget>>& heldCloses() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

QWidget* asWindow(QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    return widget->isWindow() ? widget : nullptr;
}

// Installed on the application for as long as it lives; sees every event before its receiver.
class StPressSwallower : public QObject {
public:
    explicit StPressSwallower(QCoreApplication& application)
        : mApplication(application), mWidgets(qobject_cast<QApplication*>(&application) != nullptr),
          mModal(mWidgets ? QApplication::activeModalWidget() : nullptr),
          mPopup(mWidgets ? QApplication::activePopupWidget() : nullptr) {
        mApplication.installEventFilter(this);
    }
    ~StPressSwallower() override { mApplication.removeEventFilter(this); }
    StPressSwallower(const StPressSwallower&) = delete;
    StPressSwallower& operator=(const StPressSwallower&) = delete;

    bool pressed() const { return mPressed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (inNestedModalLoop())
            return false;
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
        case QEvent::Close:
            // Only the window system's close is spontaneous; the program's own closes go on.
            if (QWidget* window = asWindow(watched); window && event->spontaneous()) {
                heldCloses().emplace_back(window);
                mPressed = true;
                event->ignore(); // the window stays until then
                return true;
            }
            break;
        case QEvent::Resize:
            // The window manager's resize cannot be held back: the window has its new size
            // already. The run stops before it draws into the new canvas.
            if (asWindow(watched) && event->spontaneous()) {
                const auto* resize = static_cast<const QResizeEvent*>(event);
                mPressed = mPressed || resize->size() != resize->oldSize();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // A dialog or menu opened by an event dispatched here runs its own loop inside the poll.
    bool inNestedModalLoop() const {
        return mWidgets && (QApplication::activeModalWidget() != mModal ||
                            QApplication::activePopupWidget() != mPopup);
    }

    QCoreApplication& mApplication;
    const bool mWidgets;
    const QPointer<QWidget> mModal;
    const QPointer<QWidget> mPopup;
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
        if (swallower.pressed() || !heldCloses().empty())
            return true;
        if (waitTicks == 0 || TickCount() >= deadline)
            return false;
        RestBetweenPolls();
    }
}

void DiscardPendingInput() {
    QCoreApplication* const application = QCoreApplication::instance();
    if (!application)
        return;
    const StPressSwallower swallower(*application);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CarryOutHeldWindowRequests() {
    for (const QPointer<QWidget>& window : std::exchange(heldCloses(), {})) {
        if (window)
            QTimer::singleShot(0, window.data(), [window] {
                if (window)
                    window->close();
            });
    }
}

void RestBetweenPolls() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
