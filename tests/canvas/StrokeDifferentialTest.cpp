// Strokes drawn by the canvas code, compared byte for byte with the row-at-a-time pen line the
// picture code used before its spans were batched: every pen size, every symmetry mode, clipped
// and unclipped, ends far outside the picture. The reference also gives the damage box.

#include "Brush.h"
#include "CanvasTestSupport.h"
#include "FixedPoint.h"
#include "LanguageTables.h"
#include "OvalDrawing.h"
#include "PixelBox.h"
#include "Reflection.h"
#include "Segments.h"

#include <QRect>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace canvas_test;

namespace {

std::string text(Point p) {
    return std::to_string(p.h) + ',' + std::to_string(p.v);
}

std::int16_t wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}

// The former painter: every row clipped on its own, the painted box grown span by span.
struct ReferencePainter {
    QImage image;
    Rect bounds;
    PixelBox area;
    QRect damage;

    void fillSpan(int v, int h0, int h1) {
        if (v < area.top || v >= area.bottom)
            return;
        h0 = std::max(h0, area.left);
        h1 = std::min(h1, area.right);
        if (h1 <= h0)
            return;
        damage |= QRect(h0, v, h1 - h0, 1);
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(v - bounds.top));
        std::fill(row + (h0 - bounds.left), row + (h1 - bounds.left), 0xFF000000u);
    }

    void penLine(int h1, int v1, int h2, int v2, int penH, int penV) {
        h1 = wrap16(h1), v1 = wrap16(v1), h2 = wrap16(h2), v2 = wrap16(v2);
        penH = std::clamp(penH, 0, 32767), penV = std::clamp(penV, 0, 32767);
        if (penH <= 0 || penV <= 0)
            return;
        const int top = std::min(v1, v2), bottom = std::max(v1, v2) + penV;
        const int left = std::min(h1, h2), right = std::max(h1, h2) + penH;
        if (h1 == h2 || v1 == v2) {
            for (int v = std::max(top, area.top); v < std::min(bottom, area.bottom); ++v)
                fillSpan(v, left, right);
            return;
        }
        if (v1 > v2) {
            std::swap(h1, h2);
            std::swap(v1, v2);
        }
        const Fixed64 slope = FixRatio(h2 - h1, v2 - v1);
        const Fixed64 rise = FixMul(Fixed64{penV} * kFixedOne, slope);
        Fixed64 l = Fixed64{h1} * kFixedOne + kFixedHalf + (slope >> 1);
        Fixed64 r = l + Fixed64{penH} * kFixedOne;
        if (slope >= 0) {
            l -= rise;
            if (slope < kFixedOne)
                l += slope;
            else
                r -= kFixedOne;
        } else {
            r -= rise;
            if (slope < -kFixedOne)
                l += kFixedOne;
            else
                r += slope;
        }
        for (int v = top; v < bottom; ++v, l += slope, r += slope)
            fillSpan(v, int(std::max<std::int64_t>(FixFloor(l), left)),
                     int(std::min<std::int64_t>(FixFloor(r), right)));
    }

    void segment(const PaintState& state, Point end, Point c, int penH, int penV) {
        const std::int32_t m = state.symmetry;
        const SymmetryImages starts = symmetryImages(state.turtlePoint, c, m);
        const SymmetryImages ends = symmetryImages(end, c, m);
        for (int k = 0; k < starts.count; ++k) {
            const Point s = starts[k], e = ends[k];
            int pH = penH, pV = penV;
            if (m == 6 && k >= 2) {
                const PenShape pen = penShapeAcross(s.h - e.h, s.v - e.v, state.penWidth);
                pH = pen.penH, pV = pen.penV;
            } else if (m != 6 && k >= 4) {
                std::swap(pH, pV);
            }
            const int offH = (m != 6 && k >= 4) ? penV >> 1 : pH >> 1;
            const int offV = (m != 6 && k >= 4) ? penH >> 1 : pV >> 1;
            penLine(s.h - offH, s.v - offV, e.h - offH, e.v - offV, pH, pV);
        }
    }

    void dot(const PaintState& state, Point p, Point c) {
        const int r = std::max(state.penWidth >> 1, 1);
        for (const Point q : symmetryImages(p, c, state.symmetry))
            forEachOvalRow(wrap16(q.v - r), wrap16(q.h - r), wrap16(q.v + r), wrap16(q.h + r),
                           [&](int v, int a, int b) { fillSpan(v, a, b); });
    }

    void stroke(const PaintState& state, Point end, Point c) {
        const int w = state.penWidth;
        if (w <= 4)
            return segment(state, end, c, w, w);
        const int dh = state.turtlePoint.h - end.h, dv = state.turtlePoint.v - end.v;
        if (std::int64_t(std::sqrt(double(dh) * dh + double(dv) * dv)) > (w >> 3)) {
            const PenShape pen = penShapeAcross(dh, dv, state.penWidth);
            if (state.strokeStart)
                dot(state, state.turtlePoint, c);
            segment(state, end, c, pen.penH, pen.penV);
        }
        dot(state, end, c);
    }
};

class StrokeDifferentialTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitLanguageTables();
        ResetCurrentPort();
    }
    void TearDown() override { ResetCurrentPort(); }
};

TEST_F(StrokeDifferentialTest, StrokesAndSegmentsPaintWhatTheRowByRowPenPainted) {
    const Rect bounds{-20, -30, 180, 250};
    CGWorld canvas(bounds, 32);
    std::mt19937 random(11);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const std::int32_t modes[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12};
    const auto coordinate = [&] {
        switch (pick(0, 5)) {
        case 0:
            return pick(-32768, 32767); // far off, or wrapping once offset by the pen
        case 1:
            return pick(-200, 400); // crossing the edges
        default:
            return pick(-25, 260);
        }
    };
    for (int i = 0; i < 6000; ++i) {
        PaintState state;
        state.penWidth = static_cast<std::int16_t>(i % 7 == 0 ? pick(-5, 300) : pick(1, 40));
        state.symmetry = modes[std::size_t(pick(0, 11))];
        state.strokeStart = pick(0, 1) == 1;
        state.turtlePoint = Point::at(coordinate(), coordinate());
        const Point end =
            pick(0, 9) == 0 ? state.turtlePoint : Point::at(coordinate(), coordinate());
        const Point c =
            pick(0, 3) == 0 ? Point::at(coordinate(), coordinate()) : Point::at(110, 80);
        const bool clipped = pick(0, 3) == 0;
        const bool wholeStroke = i % 2 == 0;
        const int penH = pick(1, 40), penV = pick(1, 40);
        SCOPED_TRACE(testing::Message()
                     << "case " << i << ": " << text(state.turtlePoint) << " -> " << text(end)
                     << " width " << state.penWidth << " pen " << penH << "x" << penV << " mode "
                     << state.symmetry << (clipped ? " clipped" : "")
                     << (wholeStroke ? " stroke" : " segment"));

        eraseWhite(canvas);
        StGWorldDraw draw(canvas);
        const Rect clip = clipped ? Rect{static_cast<std::int16_t>(pick(-30, 100)),
                                         static_cast<std::int16_t>(pick(-40, 120)),
                                         static_cast<std::int16_t>(pick(0, 200)),
                                         static_cast<std::int16_t>(pick(0, 260))}
                                  : kWideOpenRect;
        ClipRect(clip);
        RGBForeColor(kBlack);
        ReferencePainter reference{canvas.image().copy(),
                                   bounds,
                                   PixelBox::of(bounds).intersected(PixelBox::of(clip)),
                                   {}};
        GetPort().takeDamage();
        if (wholeStroke) {
            drawStroke(state, end, c);
            reference.stroke(state, end, c);
        } else {
            drawSegment(state, end, c, static_cast<std::int16_t>(penH),
                        static_cast<std::int16_t>(penV));
            reference.segment(state, end, c, penH, penV);
        }
        ASSERT_EQ(GetPort().takeDamage(), reference.damage);
        const QImage& drawn = canvas.image();
        for (int y = 0; y < drawn.height(); ++y)
            ASSERT_EQ(std::memcmp(drawn.constScanLine(y), reference.image.constScanLine(y),
                                  std::size_t(drawn.width()) * 4),
                      0)
                << "row " << y + bounds.top;
    }
}

} // namespace
