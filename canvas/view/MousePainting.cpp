// Painting with the mouse. The steps of one click run across the press, move and release
// events: a press posts the undo copy and stamps the first dot, moves (and a timer, while the
// pointer rests) paint samples, and the release (or, in the release-to-start mode, the next
// press anywhere) ends the stroke. Meanwhile the rest of the input waits (StrokeInput).

#include "Brush.h"
#include "CPaintAction.h"
#include "CPaintWindow.h"
#include "GWorldGuards.h"
#include "HueCycling.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

namespace {

Point localPoint(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return Point{clampToInt16(p.y()), clampToInt16(p.x())};
}

} // namespace

void CPaintWindow::mousePressEvent(QMouseEvent* event) {
    // (While painting in release-to-start mode, presses never get here: StrokeInput ends it.)
    if (mTracking == Tracking::HeldPainting || mTracking == Tracking::AwaitingRelease) {
        event->accept(); // another button during a held click does nothing
        return;
    }
    if (event->button() != Qt::LeftButton) {
        LView::mousePressEvent(event);
        return;
    }
    event->accept();
    beginClick(localPoint(*event));
    if (mTracking == Tracking::HeldPainting)
        paintSample(mClickPoint, event->modifiers());
}

void CPaintWindow::mouseMoveEvent(QMouseEvent* event) {
    const bool painting =
        (mTracking == Tracking::HeldPainting && (event->buttons() & Qt::LeftButton)) ||
        mTracking == Tracking::FreePainting;
    if (!painting) {
        LView::mouseMoveEvent(event);
        return;
    }
    event->accept();
    paintSample(localPoint(*event), event->modifiers());
}

void CPaintWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        LView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const Point p = localPoint(*event);
    switch (mTracking) {
    case Tracking::AwaitingRelease:
        startPainting(mClickPoint, event->modifiers());
        paintSample(mClickPoint, event->modifiers());
        mTracking = Tracking::FreePainting;
        // The stroke follows the pointer outside the view too, and ends at the next press
        // wherever it is made.
        setMouseTracking(true);
        grabMouse();
        mStrokeInput.endOnPress([this] { finishPainting(); });
        if (!(p == mClickPoint))
            paintSample(p, event->modifiers());
        break;
    case Tracking::HeldPainting:
        if (!(p == mLastSample))
            paintSample(p, event->modifiers());
        finishPainting();
        break;
    case Tracking::Idle:
    case Tracking::FreePainting:
        break;
    }
}

void CPaintWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click comes only as this event.
    mousePressEvent(event);
}

void CPaintWindow::beginClick(Point p) {
    StopIdling();
    mModes = currentModes();
    SwitchTarget(this);
    PostAction(std::make_unique<CPaintAction>(this));
    mClickPoint = p;
    if (mFillMode) {
        fillAt(p);
        // The fill changed the picture as much as a stroke does.
        markDocumentModified();
        mTracking = Tracking::Idle;
        return;
    }
    mAnchor = p;
    mStrokeInput.begin(/*holdKeys=*/!mModes.mouseMode);
    if (mModes.mouseMode) {
        mTracking = Tracking::AwaitingRelease;
        return;
    }
    startPainting(p, Qt::NoModifier);
    mTracking = Tracking::HeldPainting;
}

void CPaintWindow::startPainting(Point p, Qt::KeyboardModifiers /*modifiers*/) {
    moveTurtleTo(p, 0.0f);
    forgetCanvasDamage();
    {
        StGWorldDraw draw(mCanvas);
        if (draw.isActive()) {
            RGBForeColor(mPaint.penColour);
            paintDot(mPaint, p, frameCentre());
        }
    }
    showCanvasDamage();
    mLastSample = p;
    mRestSampler.start();
}

void CPaintWindow::paintSample(Point q, Qt::KeyboardModifiers modifiers) {
    mLastSample = q;
    if (mRestSampler.isActive())
        mRestSampler.start(); // the next rest sample a full interval after this one
    if (modifiers & Qt::ShiftModifier) {
        // Keep to the line through the anchor along which the pointer has moved further.
        if (std::abs(int(mAnchor.h) - int(q.h)) < std::abs(int(mAnchor.v) - int(q.v)))
            q.h = mAnchor.h;
        else
            q.v = mAnchor.v;
    } else {
        mAnchor = q;
    }
    const Point c = frameCentre();
    forgetCanvasDamage();
    {
        StGWorldDraw draw(mCanvas);
        if (draw.isActive()) {
            RGBForeColor(mPaint.penColour);
            if (mModes.connectMode)
                drawStroke(mPaint, q, c);
            else
                paintDot(mPaint, q, c);
        }
    }
    showCanvasDamage();
    mPaint.turtlePoint = q;
    if (mPaint.colourCycling)
        advanceHue(mPaint, kHueStepPerMouseSample);
}

void CPaintWindow::sampleAtRest() {
    if (mTracking == Tracking::HeldPainting || mTracking == Tracking::FreePainting)
        paintSample(mLastSample, QGuiApplication::keyboardModifiers());
}

void CPaintWindow::finishPainting() {
    // The guides are an overlay of every repaint, so they are already back on the screen.
    mRestSampler.stop();
    if (mouseGrabber() == this)
        releaseMouse();
    setMouseTracking(false);
    mTracking = Tracking::Idle;
    markDocumentModified();
    mStrokeInput.finish();
}
