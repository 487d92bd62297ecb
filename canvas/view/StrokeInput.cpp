#include "StrokeInput.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

StrokeInput::~StrokeInput() {
    uninstall();
}

void StrokeInput::begin(bool holdKeys) {
    mActive = true;
    mHoldKeys = holdKeys;
    mEndStroke = nullptr;
    install();
}

void StrokeInput::endOnPress(std::function<void()> endStroke) {
    mEndStroke = std::move(endStroke);
}

void StrokeInput::finish() {
    mActive = false;
    mEndStroke = nullptr;
    if (!mHeldKeys.empty()) {
        // After the event that ended the stroke, as the keys would have come had the stroke
        // not held them.
        auto keys = std::make_shared<std::vector<HeldKey>>(std::exchange(mHeldKeys, {}));
        QTimer::singleShot(0, this, [keys] {
            for (const HeldKey& key : *keys)
                deliver(key);
        });
    }
    if (mReleasesToSwallow == Qt::NoButton)
        uninstall();
}

void StrokeInput::install() {
    if (!mInstalled && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        mInstalled = true;
    }
}

void StrokeInput::uninstall() {
    if (mInstalled && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    mInstalled = false;
}

void StrokeInput::deliver(const HeldKey& key) {
    QWidget* const receiver = key.receiver;
    if (receiver == nullptr)
        return;
    // The key may be a menu command's shortcut, which the window system's key path would have
    // carried out.
    const QKeySequence sequence(key.event->keyCombination());
    for (QAction* action : receiver->window()->findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcuts().contains(sequence)) {
            action->trigger();
            return;
        }
    }
    QCoreApplication::sendEvent(receiver, key.event.get());
}

bool StrokeInput::eventFilter(QObject* watched, QEvent* event) {
    // Widgets get the events their windows pass on; the windows' own copies go by.
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!mActive)
            return false;
        // Claimed, so that a shortcut comes as a plain key press, which is held or dropped.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!mActive)
            return false;
        if (mHoldKeys) {
            mHeldKeys.push_back(
                HeldKey{static_cast<QWidget*>(watched),
                        std::unique_ptr<QKeyEvent>(static_cast<QKeyEvent*>(event->clone()))});
        }
        return true;
    case QEvent::KeyRelease:
        return mActive;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!mActive || !mEndStroke)
            return false;
        mReleasesToSwallow |= static_cast<QMouseEvent*>(event)->button();
        std::exchange(mEndStroke, nullptr)();
        return true;
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (!(mReleasesToSwallow & button))
            return false;
        mReleasesToSwallow &= ~Qt::MouseButtons(button);
        if (!mActive && mReleasesToSwallow == Qt::NoButton)
            uninstall();
        return true;
    }
    default:
        return false;
    }
}
