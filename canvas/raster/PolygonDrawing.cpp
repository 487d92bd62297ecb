#include "PolygonDrawing.h"

#include "FixedPoint.h"
#include "GrafPort.h"
#include "PenDrawing.h"
#include "PixelAccess.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// A polygon becomes a set of inversion points: a pixel is inside when an odd number of
// points lie above and to the left of it (inclusive).
struct InversionPoint {
    int v;
    int h;
    friend auto operator<=>(const InversionPoint&, const InversionPoint&) = default;
};

void addEdge(std::vector<InversionPoint>& points, int h1, int v1, int h2, int v2) {
    if (v1 == v2) {
        points.push_back({v1, h1});
        points.push_back({v2, h2});
        return;
    }
    if (h1 == h2)
        return;
    if (v1 > v2) {
        std::swap(h1, h2);
        std::swap(v1, v2);
    }
    const Fixed64 slope = FixRatio(h2 - h1, v2 - v1);
    Fixed64 x = Fixed64{h1} * kFixedOne + kFixedHalf + (slope >> 1);
    if (slope >= 0 && slope < kFixedOne)
        x += slope;
    if (slope < -kFixedOne)
        x += kFixedOne;
    int previous = h1;
    for (int v = v1; v < v2; ++v) {
        const int current = int(FixFloor(x));
        if (current != previous) {
            points.push_back({v, previous});
            points.push_back({v, current});
        }
        previous = current;
        x += slope;
    }
    if (previous != h2) {
        points.push_back({v2, previous});
        points.push_back({v2, h2});
    }
}

} // namespace

void PaintPoly(const std::vector<Point>& points) {
    if (points.size() < 2)
        return;
    int top = points[0].v, bottom = points[0].v, left = points[0].h, right = points[0].h;
    for (const Point& p : points) {
        top = std::min<int>(top, p.v);
        bottom = std::max<int>(bottom, p.v);
        left = std::min<int>(left, p.h);
        right = std::max<int>(right, p.h);
    }
    if (top == bottom || left == right)
        return;
    GrafPort& port = GetPort();
    SpanPainter painter(port, port.foreColour);
    if (!painter.canPaint())
        return;

    std::vector<InversionPoint> inversions;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        addEdge(inversions, a.h, a.v, b.h, b.v);
    }
    std::sort(inversions.begin(), inversions.end());

    // Sweep the rows: the toggled columns so far, taken in pairs, are the row's spans.
    std::set<int> columns;
    const int endRow = std::min(bottom, painter.area().bottom);
    std::size_t next = 0;
    for (int v = top; v < endRow; ++v) {
        for (; next < inversions.size() && inversions[next].v == v; ++next) {
            const auto [it, inserted] = columns.insert(inversions[next].h);
            if (!inserted)
                columns.erase(it);
        }
        if (v < painter.area().top)
            continue;
        for (auto it = columns.begin(); it != columns.end(); ++it) {
            const int start = *it;
            if (++it == columns.end())
                break;
            painter.fillSpan(v, start, *it);
        }
    }
}

void FramePoly(const std::vector<Point>& points) {
    if (points.empty())
        return;
    MoveTo(points[0].h, points[0].v);
    for (std::size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].h, points[i].v);
}
