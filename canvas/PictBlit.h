#pragma once

// Nearest-neighbour stretching copy between 32-bit images, in exact integer arithmetic so that
// every machine draws the same pixels.

#include "Geometry.h"

#include <QImage>
#include <cstdint>

// A half-open box of pixel coordinates, wide enough for scaled picture coordinates.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr std::int64_t area() const {
        return isEmpty() ? 0 : std::int64_t{width()} * std::int64_t{height()};
    }
    PixelBox intersected(const PixelBox& other) const;
    static PixelBox of(const Rect& r) { return PixelBox{r.left, r.top, r.right, r.bottom}; }
    static PixelBox of(const QImage& image) {
        return PixelBox{0, 0, image.width(), image.height()};
    }
    friend constexpr bool operator==(const PixelBox&, const PixelBox&) = default;
};

// How source pixels combine with the destination. Copy for colour sources; the others are the
// eight source modes for one-bit sources, whose black pixels are 1 and white pixels 0.
enum class BitTransfer : std::uint8_t {
    Copy,
    SrcCopy,
    SrcOr,
    SrcXor,
    SrcBic,
    NotSrcCopy,
    NotSrcOr,
    NotSrcXor,
    NotSrcBic,
};

struct TransferColours {
    QRgb fore = 0xFF000000U;
    QRgb back = 0xFFFFFFFFU;
};

// Stretches `srcBox` of `source` onto `destBox` of `dest`, touching only pixels inside `clip`
// and inside `dest`. Source pixels outside `source` leave the destination as it was.
// Both images must be Format_RGB32 or Format_ARGB32; an empty box draws nothing.
void drawScaled(QImage& dest, const PixelBox& destBox, const QImage& source, const PixelBox& srcBox,
                const PixelBox& clip, BitTransfer transfer = BitTransfer::Copy,
                TransferColours colours = {});

// The number of destination pixels drawScaled would visit.
std::int64_t drawScaledCost(const QImage& dest, const PixelBox& destBox, const PixelBox& clip);
