// The paint event: the canvas under the exposed rectangle, then the overlays that never enter
// the picture (turtle, symmetry guides, the circles of a clear animation).

#include "CPaintWindow.h"
#include "GWorldGuards.h"
#include "Guides.h"
#include "OvalDrawing.h"
#include "PenDrawing.h"
#include "TurtleLook.h"

#include <QPainter>
#include <cstring>

namespace {

// Copies the canvas pixels under area into scratch, whose pixel (0, 0) is area's top-left.
void copyCanvasPixels(const CGWorld& canvas, QImage& scratch, const QRect& area) {
    const Rect b = canvas.getBounds();
    const QRect common = area.intersected(QRect(b.left, b.top, b.width(), b.height()));
    if (common.isEmpty())
        return;
    const QImage& source = canvas.image();
    const auto bytes = std::size_t(common.width()) * sizeof(std::uint32_t);
    for (int y = common.top(); y <= common.bottom(); ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.constScanLine(y - b.top)) +
                           (common.left() - b.left);
        auto* to = reinterpret_cast<std::uint32_t*>(scratch.scanLine(y - area.top())) +
                   (common.left() - area.left());
        std::memcpy(to, from, bytes);
    }
}

Rect wipeRing(Point centre, int ring) {
    const int grow = 4 * ring;
    return Rect{clampToInt16(centre.v - grow), clampToInt16(centre.h - grow),
                clampToInt16(centre.v + grow), clampToInt16(centre.h + grow)};
}

} // namespace

void CPaintWindow::DrawSelf(QPainter& painter, const QRect& area) {
    const QRect exposed = area.intersected(rect());
    if (exposed.isEmpty())
        return;
    QImage scratch(exposed.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    if (mCanvas.isValid())
        copyCanvasPixels(mCanvas, scratch, exposed);
    paintOverlays(scratch, exposed);
    painter.drawImage(exposed.topLeft(), scratch);
}

void CPaintWindow::paintOverlays(QImage& scratch, const QRect& area) const {
    PixMap pixels;
    pixels.image = scratch;
    scratch = QImage(); // the port's copy is the only one, so drawing does not detach
    pixels.bounds =
        Rect{static_cast<std::int16_t>(area.top()), static_cast<std::int16_t>(area.left()),
             static_cast<std::int16_t>(area.top() + area.height()),
             static_cast<std::int16_t>(area.left() + area.width())};
    GrafPort port(&pixels);

    if (mTurtleShown)
        drawTurtleLook(port, turtleShape(mPaint.turtlePoint, mHeading), mPaint.penColour,
                       !mPenIconFlag, mColourCommand);
    drawGuides(port, CalcLocalFrameRect(), mPaint.symmetry);
    if (mWipeRings > 0) {
        StGWorldRestorer restorer;
        SetPort(port);
        PenSize(1, 1);
        RGBForeColor(kBlack);
        const Point centre = frameCentre();
        for (int ring = 1; ring <= mWipeRings; ++ring)
            FrameOval(wipeRing(centre, ring));
    }
    scratch = pixels.image;
}

int CPaintWindow::wipeRingCount() const {
    return mWipeRings;
}

QRect CPaintWindow::wipeRingRect(int ring) const {
    const Rect r = wipeRing(frameCentre(), ring);
    return QRect(r.left, r.top, r.width(), r.height());
}
