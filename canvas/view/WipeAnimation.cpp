// The clear animation: growing black circles over the picture, 16 pixels per tick, shown by
// repaints inside the one event; clearPicture then removes them with the picture.

#include "CPaintAction.h"
#include "CPaintWindow.h"
#include "Ticks.h"

#include <QThread>
#include <algorithm>

namespace {

constexpr int kRingsPerTick = 4;

void waitForTick(std::uint32_t deadline) {
    while (TickCount() < deadline)
        QThread::usleep(500);
}

} // namespace

void CPaintWindow::wipePicture() {
    PostAction(std::make_unique<CPaintAction>(this));
    std::uint32_t deadline = TickCount() + 1;
    const Rect frame = CalcLocalFrameRect();
    const int rings = std::max(frame.width(), frame.height()) >> 2;
    // Nobody could watch a hidden view: it skips the pauses.
    const bool shown = isVisible();
    for (int ring = 1; ring <= rings; ++ring) {
        mWipeRings = ring;
        if (ring % kRingsPerTick == 0 && shown) {
            repaint(wipeRingRect(ring).adjusted(-1, -1, 1, 1).intersected(rect()));
            waitForTick(deadline);
            deadline = TickCount() + 1;
        }
    }
    if (shown)
        update(wipeRingRect(rings).intersected(rect()));
    mPaint.strokeStart = true;
}
