#include "Reflection.h"

#include <cmath>
#include <limits>

namespace {

std::int16_t wrap16(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}

Point acrossVertical(Point p, Point c) {
    return Point::at(wrap16(2 * c.h - p.h), p.v);
}

Point acrossHorizontal(Point p, Point c) {
    return Point::at(p.h, wrap16(2 * c.v - p.v));
}

Point acrossDiagonal(Point p, Point c) {
    return Point::at(wrap16(c.h + (p.v - c.v)), wrap16(c.v + (p.h - c.h)));
}

// Truncates toward zero and wraps to 16 bits; values beyond 32 bits (never reached from
// 16-bit points) are clamped first so the conversion stays defined.
std::int16_t truncateToCoordinate(float value) {
    if (!std::isfinite(value))
        return 0;
    const double clamped =
        std::fmax(std::fmin(double(value), double(std::numeric_limits<std::int32_t>::max())),
                  double(std::numeric_limits<std::int32_t>::min()));
    return wrap16(static_cast<int>(clamped));
}

// Reflects p across the line through a and b, in single precision.
Point acrossLine(Point p, float ah, float av, float bh, float bv) {
    float dh = bh - ah;
    float dv = bv - av;
    const float length = std::sqrt(dh * dh + dv * dv);
    dh /= length;
    dv /= length;
    const float ph = float(p.h);
    const float pv = float(p.v);
    const float t = 2.0f * ((ph - ah) * dh + (pv - av) * dv);
    const float h = 2.0f * ah - ph + dh * t;
    const float v = 2.0f * av - pv + dv * t;
    return Point{truncateToCoordinate(v), truncateToCoordinate(h)};
}

Point sixFold(Point p, Point c, std::int32_t k) {
    if (k == 0)
        return p;
    if (k == 1)
        return acrossVertical(p, c);
    const float reach = tan60() * 1000.0f;
    const float ch = float(c.h);
    const float cv = float(c.v);
    if (k == 2 || k == 5)
        return acrossLine(p, ch + reach, cv + 1000.0f, ch - reach, cv - 1000.0f);
    return acrossLine(p, ch - reach, cv + 1000.0f, ch + reach, cv - 1000.0f);
}

} // namespace

float tan60() {
    static const float value = std::tan(1.0471976f);
    return value;
}

Point reflectPoint(Point p, Point c, std::int32_t k, std::int32_t m) {
    switch (m) {
    case 2:
        return acrossVertical(p, c);
    case 4:
        return (k == 2 || k == 6) ? acrossHorizontal(p, c) : acrossVertical(p, c);
    case 8:
        if (k == 4)
            return acrossDiagonal(p, c);
        return (k == 2 || k == 6) ? acrossHorizontal(p, c) : acrossVertical(p, c);
    case 6:
        return sixFold(p, c, k);
    default:
        return p;
    }
}

SymmetryImages symmetryImages(Point p, Point c, std::int32_t m) {
    SymmetryImages images;
    if (m <= 0)
        return images;
    if (m == 1) {
        images.points[0] = p;
        images.count = 1;
        return images;
    }
    if (m == 6) {
        const Point q1 = reflectPoint(p, c, 1, 6);
        const Point q2 = reflectPoint(p, c, 2, 6);
        const Point q4 = reflectPoint(q1, c, 4, 6);
        images.points = {p, q1, q2, reflectPoint(q2, c, 3, 6), q4, reflectPoint(q4, c, 5, 6)};
        images.count = 6;
        return images;
    }
    images.count = m < SymmetryImages::kMaxImages ? int(m) : SymmetryImages::kMaxImages;
    images.points[0] = reflectPoint(p, c, 0, m);
    for (int k = 1; k < images.count; ++k)
        images.points[std::size_t(k)] = reflectPoint(images.points[std::size_t(k - 1)], c, k, m);
    return images;
}
