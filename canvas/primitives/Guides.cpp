#include "Guides.h"

#include "GWorldGuards.h"
#include "PenDrawing.h"
#include "Reflection.h"

#include <algorithm>

namespace {

void line(int h1, int v1, int h2, int v2) {
    MoveTo(h1, v1);
    LineTo(h2, v2);
}

} // namespace

void drawGuides(GrafPort& port, const Rect& frame, std::int32_t m) {
    if (m != 2 && m != 4 && m != 6 && m != 8)
        return;
    StGWorldRestorer restorer;
    SetPort(port);
    const PenColourState saved = capturePenColourState(port);
    PenSize(1, 1);
    port.foreColour = kGuideColour;
    const Point c = rectCentre(frame);
    const int reach = std::max(frame.width(), frame.height());
    const auto vertical = [&] { line(c.h, frame.top, c.h, frame.bottom); };
    const auto horizontal = [&] { line(frame.left, c.v, frame.right, c.v); };
    switch (m) {
    case 2:
        vertical();
        break;
    case 4:
        horizontal();
        vertical();
        break;
    case 6: {
        const int k = int(float(reach) * tan60());
        line(c.h, c.v - reach, c.h, c.v + reach);
        line(c.h + k, c.v + reach, c.h - k, c.v - reach);
        line(c.h - k, c.v + reach, c.h + k, c.v - reach);
        break;
    }
    default:
        line(c.h - reach, c.v - reach, c.h + reach, c.v + reach);
        line(c.h + reach, c.v - reach, c.h - reach, c.v + reach);
        horizontal();
        vertical();
        break;
    }
    restorePenColourState(port, saved);
}
