#pragma once

// A half-open box of pixel coordinates: (left, top) up to but not including (right, bottom).
// int, so that it holds any clipped intersection and scaled picture coordinates.

#include "Geometry.h"

#include <QImage>
#include <algorithm>
#include <cstdint>

struct PixelBox {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr std::int64_t area() const {
        return isEmpty() ? 0 : (std::int64_t{right} - left) * (std::int64_t{bottom} - top);
    }
    constexpr PixelBox intersected(const PixelBox& other) const {
        return {std::max(top, other.top), std::max(left, other.left),
                std::min(bottom, other.bottom), std::min(right, other.right)};
    }
    constexpr PixelBox translated(int dh, int dv) const {
        return {top + dv, left + dh, bottom + dv, right + dh};
    }
    static constexpr PixelBox of(const Rect& r) { return {r.top, r.left, r.bottom, r.right}; }
    static PixelBox of(const QImage& image) { return {0, 0, image.height(), image.width()}; }
    friend constexpr bool operator==(const PixelBox&, const PixelBox&) = default;
};
