#include "DeferredRepaint.h"

#include <QEvent>
#include <QWidget>

DeferredRepaint::DeferredRepaint(QWidget& view) : mView(view) {
    // Showing, hiding or moving to another window changes whose repaint is coming.
    mView.installEventFilter(this);
}

void DeferredRepaint::add(const QRect& r) {
    if (mRequested) {
        mPending |= r;
        return;
    }
    // The first rectangle since the last repaint goes to the widget, which asks its window for
    // a repaint; the rest wait for that request and join it.
    mView.update(r);
    if (!mView.isVisible() || !mView.updatesEnabled())
        return;
    QWidget* const window = mView.window();
    if (window != mWindow) {
        if (mWindow)
            mWindow->removeEventFilter(this);
        window->installEventFilter(this);
        mWindow = window;
    }
    mRequested = true;
}

void DeferredRepaint::handOver() {
    mRequested = false;
    if (mPending.isEmpty())
        return;
    const QRect pending = mPending;
    mPending = QRect();
    mView.update(pending);
}

bool DeferredRepaint::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((watched == mWindow && type == QEvent::UpdateRequest) ||
        (watched == &mView &&
         (type == QEvent::Show || type == QEvent::Hide || type == QEvent::ParentChange)))
        handOver();
    return QObject::eventFilter(watched, event);
}
