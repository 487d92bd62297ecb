#include "RectDrawing.h"

#include "GrafPort.h"
#include "PixelAccess.h"

#include <algorithm>

namespace {

void fillWith(const Rect& rect, const RGBColour& colour) {
    GrafPort& port = GetPort();
    SpanPainter painter(port, colour);
    painter.fillRect(PixelBox::of(rect));
}

} // namespace

void PaintRect(const Rect& rect) {
    fillWith(rect, GetPort().foreColour);
}

void EraseRect(const Rect& rect) {
    fillWith(rect, GetPort().backColour);
}

void FrameRect(const Rect& rect) {
    if (rect.isEmpty())
        return;
    GrafPort& port = GetPort();
    const int penH = port.penSize.h;
    const int penV = port.penSize.v;
    if (penH <= 0 || penV <= 0)
        return;
    SpanPainter painter(port, port.foreColour);
    const PixelBox box = PixelBox::of(rect);
    if (penH * 2 >= box.right - box.left || penV * 2 >= box.bottom - box.top) {
        painter.fillRect(box);
        return;
    }
    painter.fillRect({box.top, box.left, box.top + penV, box.right});
    painter.fillRect({box.bottom - penV, box.left, box.bottom, box.right});
    painter.fillRect({box.top + penV, box.left, box.bottom - penV, box.left + penH});
    painter.fillRect({box.top + penV, box.right - penH, box.bottom - penV, box.right});
}
