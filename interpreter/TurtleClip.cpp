#include "TurtleClip.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
constexpr double kHighest = std::numeric_limits<std::int16_t>::max();

// Narrows [t0, t1] to where p * t <= q holds. False when nothing is left.
bool narrow(double p, double q, double& t0, double& t1) {
    if (p == 0)
        return q >= 0;
    const double r = q / p;
    if (p < 0) {
        if (r > t1)
            return false;
        t0 = std::max(t0, r);
    } else {
        if (r < t0)
            return false;
        t1 = std::min(t1, r);
    }
    return true;
}

Point pointAt(double x, double y) {
    return Point::at(ClampedCoordinate(x), ClampedCoordinate(y));
}

} // namespace

std::int16_t ClampedCoordinate(double c) {
    if (!(c > kLowest)) // NaN included
        return std::numeric_limits<std::int16_t>::min();
    if (c >= kHighest)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(c);
}

bool FitsPoint(double x, double y) {
    return x > kLowest - 1 && x < kHighest + 1 && y > kLowest - 1 && y < kHighest + 1;
}

ClippedMove ClipMoveToPicture(const Rect& frame, double x0, double y0, double x1, double y1) {
    const Point centre = rectCentre(frame);
    const double half = std::max(frame.width(), frame.height()) + kClipMargin;
    const double left = centre.h - half;
    const double right = centre.h + half;
    const double top = centre.v - half;
    const double bottom = centre.v + half;

    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double t0 = 0;
    double t1 = 1;
    ClippedMove move;
    if (!narrow(-dx, x0 - left, t0, t1) || !narrow(dx, right - x0, t0, t1) ||
        !narrow(-dy, y0 - top, t0, t1) || !narrow(dy, bottom - y0, t0, t1))
        return move;
    move.visible = true;
    move.startsOutside = t0 > 0;
    move.endsOutside = t1 < 1;
    move.entry = move.startsOutside ? pointAt(x0 + t0 * dx, y0 + t0 * dy) : pointAt(x0, y0);
    move.exit = move.endsOutside ? pointAt(x0 + t1 * dx, y0 + t1 * dy) : pointAt(x1, y1);
    return move;
}
