// Segments and dots drawn by the canvas code, compared byte for byte, and by painted box, with the
// row-at-a-time pen line the picture code used before its spans were batched.

#include "Brush.h"
#include "CanvasTestSupport.h"
#include "FixedPoint.h"
#include "LanguageTables.h"
#include "OvalDrawing.h"
#include "PixelBox.h"
#include "Reflection.h"
#include "Segments.h"

#include <gtest/gtest.h>
#include <random>

using namespace canvas_test;

namespace {

int wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}

// The former painter: every row clipped on its own, the painted box grown span by span.
struct ReferencePainter {
    QImage image;
    Rect bounds;
    PixelBox area;
    QRect damage;

    void fillSpan(int v, int h0, int h1) {
        h0 = std::max(h0, area.left), h1 = std::min(h1, area.right);
        if (v < area.top || v >= area.bottom || h1 <= h0)
            return;
        damage |= QRect(h0, v, h1 - h0, 1);
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(v - bounds.top));
        std::fill(row + (h0 - bounds.left), row + (h1 - bounds.left), 0xFF000000u);
    }
    void penLine(int h1, int v1, int h2, int v2, int penH, int penV) {
        h1 = wrap16(h1), v1 = wrap16(v1), h2 = wrap16(h2), v2 = wrap16(v2);
        if (penH <= 0 || penV <= 0)
            return;
        const int top = std::min(v1, v2), bottom = std::max(v1, v2) + penV;
        const int left = std::min(h1, h2), right = std::max(h1, h2) + penH;
        if (v1 > v2) {
            std::swap(h1, h2);
            std::swap(v1, v2);
        }
        const Fixed64 slope = h1 == h2 || v1 == v2 ? 0 : FixRatio(h2 - h1, v2 - v1);
        Fixed64 l = Fixed64{h1} * kFixedOne + kFixedHalf + (slope >> 1);
        Fixed64 r = l + Fixed64{penH} * kFixedOne;
        const Fixed64 rise = FixMul(Fixed64{penV} * kFixedOne, slope);
        if (slope > 0) {
            l -= rise;
            if (slope < kFixedOne)
                l += slope;
            else
                r -= kFixedOne;
        } else if (slope < 0) {
            r -= rise;
            if (slope < -kFixedOne)
                l += kFixedOne;
            else
                r += slope;
        }
        for (int v = top; v < bottom; ++v, l += slope, r += slope)
            fillSpan(v, slope == 0 ? left : int(std::max<std::int64_t>(FixFloor(l), left)),
                     slope == 0 ? right : int(std::min<std::int64_t>(FixFloor(r), right)));
    }
    void segment(const PaintState& state, Point end, Point c, int penH, int penV) {
        const std::int32_t m = state.symmetry;
        const SymmetryImages starts = symmetryImages(state.turtlePoint, c, m);
        const SymmetryImages ends = symmetryImages(end, c, m);
        for (int k = 0; k < starts.count; ++k) {
            const Point s = starts[k], e = ends[k];
            const bool turned = m == 6 && k >= 2, exchanged = m != 6 && k >= 4;
            const PenShape own = penShapeAcross(s.h - e.h, s.v - e.v, state.penWidth);
            const int pH = turned ? own.penH : exchanged ? penV : penH;
            const int pV = turned ? own.penV : exchanged ? penH : penV;
            const int offH = exchanged ? penV >> 1 : pH >> 1,
                      offV = exchanged ? penH >> 1 : pV >> 1;
            penLine(s.h - offH, s.v - offV, e.h - offH, e.v - offV, pH, pV);
        }
    }
    void dot(const PaintState& state, Point p, Point c) {
        const int r = std::max(state.penWidth >> 1, 1);
        for (const Point q : symmetryImages(p, c, state.symmetry))
            forEachOvalRow(wrap16(q.v - r), wrap16(q.h - r), wrap16(q.v + r), wrap16(q.h + r),
                           [&](int v, int a, int b) { fillSpan(v, a, b); });
    }
};

TEST(StrokeDifferentialTest, SegmentsAndDotsPaintWhatTheRowByRowPenPainted) {
    InitLanguageTables();
    ResetCurrentPort();
    const Rect bounds{-20, -30, 180, 250};
    CGWorld canvas(bounds, 32);
    std::mt19937 random(11);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    // Far off (wrapping once the pen offsets them), across the edges, or inside.
    const auto coordinate = [&] {
        return pick(0, 5) == 0 ? pick(-32768, 32767)
               : pick(0, 1)    ? pick(-200, 400)
                               : pick(-25, 260);
    };
    const std::int32_t modes[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12};
    for (int i = 0; i < 6000; ++i) {
        PaintState state;
        state.penWidth = static_cast<std::int16_t>(i % 7 == 0 ? pick(-5, 300) : pick(1, 40));
        state.symmetry = modes[std::size_t(pick(0, 11))];
        state.turtlePoint = Point::at(coordinate(), coordinate());
        const Point end =
            pick(0, 9) == 0 ? state.turtlePoint : Point::at(coordinate(), coordinate());
        const Point c =
            pick(0, 3) == 0 ? Point::at(coordinate(), coordinate()) : Point::at(110, 80);
        const int penH = pick(1, 40), penV = pick(1, 40);
        const auto edge = [&](int lo) { return static_cast<std::int16_t>(pick(lo, lo + 150)); };
        const Rect clip = i % 4 ? kWideOpenRect : Rect{edge(-30), edge(-40), edge(50), edge(110)};
        SCOPED_TRACE(i);
        eraseWhite(canvas);
        StGWorldDraw draw(canvas);
        ClipRect(clip);
        RGBForeColor(kBlack);
        const PixelBox area = PixelBox::of(bounds).intersected(PixelBox::of(clip));
        ReferencePainter reference{canvas.image().copy(), bounds, area, {}};
        GetPort().takeDamage();
        if (i % 3 == 0) {
            paintDot(state, end, c);
            reference.dot(state, end, c);
        } else {
            drawSegment(state, end, c, static_cast<std::int16_t>(penH),
                        static_cast<std::int16_t>(penV));
            reference.segment(state, end, c, penH, penV);
        }
        ASSERT_EQ(GetPort().takeDamage(), reference.damage);
        ASSERT_TRUE(canvas.image() == reference.image);
    }
    ResetCurrentPort();
}

} // namespace
