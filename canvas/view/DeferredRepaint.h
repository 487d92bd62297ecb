#pragma once

// Gathers what a view invalidates between two visits of the event loop and hands it to the
// widget as one rectangle just before its window repaints. A run draws hundreds of thousands
// of strokes between polls; asking the widget to repaint each of them costs more than drawing.

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

class DeferredRepaint : public QObject {
public:
    explicit DeferredRepaint(QWidget& view);

    // Repaints r (view coordinates) at the next repaint of the view's window, or at once when
    // no repaint is coming.
    void add(const QRect& r);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handOver();

    QWidget& mView;
    QPointer<QWidget> mWindow; // whose repaint request carries what is pending
    QRect mPending;
    bool mRequested = false; // the window has a repaint request coming
};
