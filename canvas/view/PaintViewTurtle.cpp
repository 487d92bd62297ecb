// The turtle operations: every mark goes into the canvas, then the touched rectangle is
// repainted from it.

#include "Brush.h"
#include "CPaintWindow.h"
#include "FloodFill.h"
#include "GWorldGuards.h"
#include "HueCycling.h"
#include "PenDrawing.h"
#include "TurtleLook.h"

namespace {

// The rectangle eraseTurtle has always covered around the turtle point.
QRect classicEraseRect(Point p) {
    return QRect(QPoint(p.h - 21, p.v - 33), QPoint(p.h + 33 - 1, p.v + 21 - 1));
}

} // namespace

Point CPaintWindow::turtlePoint() const {
    return mPaint.turtlePoint;
}

QRect CPaintWindow::turtleScreenRect() const {
    // The whole turtle, whichever way it points, so no piece of it is left behind.
    const TurtleShape shape = turtleShape(mPaint.turtlePoint, mHeading);
    return classicEraseRect(mPaint.turtlePoint) | turtleExtent(shape, !mPenIconFlag);
}

void CPaintWindow::showTurtle(bool shown) {
    // Hiding must repaint where the turtle was, or it would linger on the screen.
    if (mTurtleShown && !shown)
        invalidateRect(turtleScreenRect());
    mTurtleShown = shown;
    drawTurtle();
}

void CPaintWindow::drawTurtle() {
    if (mTurtleShown)
        invalidateRect(turtleScreenRect());
}

void CPaintWindow::eraseTurtle() {
    if (mTurtleShown)
        invalidateRect(turtleScreenRect());
}

void CPaintWindow::setHeading(float degrees) {
    mHeading = degrees;
    eraseTurtle();
}

void CPaintWindow::setPenIconFlag(bool penUp) {
    // The icon that goes away must be repainted too.
    eraseTurtle();
    mPenIconFlag = penUp;
    drawTurtle();
}

void CPaintWindow::lineTurtleTo(Point p, float heading) {
    mHeading = heading;
    eraseTurtle();
    const Point c = frameCentre();
    forgetCanvasDamage();
    {
        StGWorldDraw draw(mCanvas);
        if (draw.isActive()) {
            RGBForeColor(mPaint.penColour);
            drawStroke(mPaint, p, c);
        }
    }
    showCanvasDamage();
    if (mPaint.colourCycling)
        advanceHue(mPaint, kHueStepPerTurtleLine);
    mPaint.strokeStart = false;
    mPaint.turtlePoint = p;
    drawTurtle();
}

void CPaintWindow::moveTurtleTo(Point p, float heading) {
    mHeading = heading;
    eraseTurtle();
    mPaint.turtlePoint = p;
    mPaint.strokeStart = true;
    drawTurtle();
    if (GrafPort* port = mCanvas.getPort())
        port->penLocation = p;
}

void CPaintWindow::writeText(const LStr255& text, std::int16_t h, std::int16_t v) {
    forgetCanvasDamage();
    {
        StGWorldDraw draw(mCanvas);
        if (draw.isActive())
            ::writeText(mPaint, text, h, v, mText);
    }
    showCanvasDamage();
}

void CPaintWindow::fillAt(Point p) {
    floodFill(mPaint, mCanvas, p, frameCentre());
    forgetCanvasDamage();
    if (mPaint.colourCycling)
        advanceHue(mPaint, kHueStepPerFill);
    invalidateView();
}

void CPaintWindow::clearPicture() {
    const Rect frame = CalcLocalFrameRect();
    if (mCanvas.allocate(frame, 32) == 0) {
        StGWorldDraw erase(mCanvas, kWhite);
    }
    forgetCanvasDamage();
    mWipeRings = 0;
    invalidateView();
    mPaint.strokeStart = true;
}

void CPaintWindow::setPenSize(std::int16_t width) {
    mPaint.penWidth = width;
    mPaint.strokeStart = true;
    updateCursor();
}

void CPaintWindow::setSymmetry(std::int32_t mode) {
    mPaint.symmetry = mode;
    invalidateView();
}

void CPaintWindow::setTextFont(std::int16_t font) {
    mText.font = font;
}

void CPaintWindow::setTextSize(std::int16_t size) {
    mText.size = size;
}

void CPaintWindow::setTextStyle(std::int16_t style) {
    mText.face = static_cast<std::uint8_t>(style);
}
