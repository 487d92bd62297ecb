#include "CPaintAction.h"

#include "CPaintWindow.h"
#include "CopyBits.h"
#include "GWorldGuards.h"

#include <algorithm>

namespace {

constexpr std::int16_t kSnapshotDepth = 32;

// Plain copy of a source rectangle onto a destination rectangle of the same size.
void copyPlain(const CGWorld& source, const Rect& from, CGWorld& destination, const Rect& to) {
    GrafPort& port = *destination.getPort();
    port.foreColour = kBlack;
    port.backColour = kWhite;
    CopyBits(*source.getPixMap(), port, from, to, kSrcCopy);
}

// The rectangle of a given size at a buffer's top-left corner.
Rect atTopLeft(const Rect& bounds, int width, int height) {
    return Rect{bounds.top, bounds.left, static_cast<std::int16_t>(bounds.top + height),
                static_cast<std::int16_t>(bounds.left + width)};
}

} // namespace

CPaintAction::CPaintAction(CPaintWindow* view, std::int16_t stringIndex)
    : LAction(kPaintActionStringsID, stringIndex, true), mPaintView(view) {
    if (view == nullptr || !view->canvas().isValid())
        return;
    CGWorld& canvas = view->canvas();
    const Rect bounds = canvas.getBounds();
    if (mPaintSnapshot.allocate(bounds, kSnapshotDepth) != 0)
        return;
    StGWorldDraw snapshotDraw(mPaintSnapshot);
    StGWorldDraw canvasDraw(canvas);
    copyPlain(canvas, bounds, mPaintSnapshot, bounds);
    mPaintSnapshot.getPort()->takeDamage();
    canvas.getPort()->takeDamage();
}

CPaintAction::~CPaintAction() = default;

bool CPaintAction::canSwap() const {
    return mPaintView != nullptr && mPaintSnapshot.isValid();
}

bool CPaintAction::CanUndo() const {
    return canSwap() && IsDone();
}

bool CPaintAction::CanRedo() const {
    return canSwap() && !IsDone();
}

void CPaintAction::swapSnapshot() {
    if (mPaintView == nullptr || !mPaintSnapshot.isValid())
        return;
    CGWorld& canvas = mPaintView->canvas();
    if (!canvas.isValid())
        return;
    const Rect canvasBounds = canvas.getBounds();
    const Rect snapshotBounds = mPaintSnapshot.getBounds();
    const int width = std::min(canvasBounds.width(), snapshotBounds.width());
    const int height = std::min(canvasBounds.height(), snapshotBounds.height());
    const Rect onCanvas = atTopLeft(canvasBounds, width, height);
    const Rect onSnapshot = atTopLeft(snapshotBounds, width, height);
    const Rect onTemporary = atTopLeft(Rect{}, width, height);

    CGWorld temporary;
    if (temporary.allocate(onTemporary, kSnapshotDepth) != 0)
        return;
    {
        StGWorldDraw temporaryDraw(temporary);
        StGWorldDraw snapshotDraw(mPaintSnapshot);
        StGWorldDraw canvasDraw(canvas);
        copyPlain(canvas, onCanvas, temporary, onTemporary);
        copyPlain(mPaintSnapshot, onSnapshot, canvas, onCanvas);
        copyPlain(temporary, onTemporary, mPaintSnapshot, onSnapshot);
        canvas.getPort()->takeDamage();
        mPaintSnapshot.getPort()->takeDamage();
    }
    mPaintView->invalidateView();
}
