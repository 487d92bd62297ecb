#include "CopyBits.h"

#include "LException.h"
#include "PixelAccess.h"

#include <algorithm>
#include <cstring>

namespace {

// 0xRRGGBB of a source pixel, reading a 1-bit source as black for 1 and white for 0.
std::uint32_t sourceRGB(const PixMap& source, int h, int v) {
    if (source.image.format() == QImage::Format_Mono)
        return readRawPixel(source, h, v) != 0 ? 0x000000u : 0xFFFFFFu;
    return packRGB24(readColour(source, h, v));
}

std::uint32_t combine(std::int16_t mode, std::uint32_t s, std::uint32_t d, std::uint32_t fore,
                      std::uint32_t back) {
    const std::uint32_t notS = ~s & 0xFFFFFFu;
    switch (mode) {
    case kSrcOr:
        return (notS & fore) | (s & d);
    case kSrcXor:
        return (d ^ notS) & 0xFFFFFFu;
    case kSrcBic:
        return (notS & back) | (s & d);
    default:
        return (s & back) | (notS & fore);
    }
}

bool isPlainCopy(std::int16_t mode, const GrafPort& port) {
    return mode == kSrcCopy && port.foreColour == kBlack && port.backColour == kWhite;
}

// Same size, 32-bit to 32-bit, black on white: whole rows move unchanged.
void copyRowsDirect(const PixMap& source, PixMap& target, const PixelArea& visible, int dh,
                    int dv) {
    // Within one buffer, a copy downward runs bottom-up so rows are read before overwritten.
    const bool bottomUp = &source == &target && dv > 0;
    for (int i = 0; i < visible.bottom - visible.top; ++i) {
        const int v = bottomUp ? visible.bottom - 1 - i : visible.top + i;
        const int sy = v - dv - source.bounds.top;
        const int sx = visible.left - dh - source.bounds.left;
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.image.constScanLine(sy));
        auto* to = reinterpret_cast<std::uint32_t*>(target.image.scanLine(v - target.bounds.top));
        std::memmove(to + (visible.left - target.bounds.left), from + sx,
                     std::size_t(visible.right - visible.left) * sizeof(std::uint32_t));
    }
}

// Same size, a 1-bit mask ORed onto 32-bit pixels: set bits take the foreground colour.
void orMaskRows(const PixMap& source, PixMap& target, const PixelArea& visible, int dh, int dv,
                std::uint32_t fore) {
    const std::uint32_t value = 0xFF000000u | fore;
    for (int v = visible.top; v < visible.bottom; ++v) {
        const std::uint8_t* bits = source.image.constScanLine(v - dv - source.bounds.top);
        auto* to = reinterpret_cast<std::uint32_t*>(target.image.scanLine(v - target.bounds.top));
        const int sx0 = visible.left - dh - source.bounds.left;
        const int sx1 = visible.right - dh - source.bounds.left;
        const int offset = source.bounds.left + dh - target.bounds.left;
        int sx = sx0;
        while (sx < sx1) {
            const std::uint8_t byte = bits[sx >> 3];
            if ((sx & 7) == 0 && sx + 8 <= sx1 && (byte == 0 || byte == 0xFF)) {
                if (byte == 0xFF)
                    std::fill(to + sx + offset, to + sx + offset + 8, value);
                sx += 8;
                continue;
            }
            if ((byte & (0x80u >> (sx & 7))) != 0)
                to[sx + offset] = value;
            ++sx;
        }
    }
}

} // namespace

std::int16_t CopyBits(const PixMap& source, GrafPort& destination, const Rect& srcRect,
                      const Rect& dstRect, std::int16_t mode) {
    if (mode == kDitherCopy)
        mode = kSrcCopy;
    if (mode < kSrcCopy || mode > kSrcBic || srcRect.isEmpty() || dstRect.isEmpty())
        return kParamError;
    PixMap* target = destination.pixMap;
    if (target == nullptr || source.image.isNull())
        return kNoError;

    const PixelArea sourceArea{source.bounds.top, source.bounds.left,
                               source.bounds.top + source.image.height(),
                               source.bounds.left + source.image.width()};
    PixelArea visible = drawableArea(destination).intersected(PixelArea::of(dstRect));
    const bool sameSize =
        srcRect.width() == dstRect.width() && srcRect.height() == dstRect.height();
    const int dh = int(dstRect.left) - int(srcRect.left);
    const int dv = int(dstRect.top) - int(srcRect.top);
    if (sameSize) {
        // Only destination pixels whose source lies inside the source buffer are written.
        const PixelArea fromSource = PixelArea::of(srcRect).intersected(sourceArea);
        visible = visible.intersected({fromSource.top + dv, fromSource.left + dh,
                                       fromSource.bottom + dv, fromSource.right + dh});
    }
    if (visible.isEmpty())
        return kNoError;

    const std::uint32_t fore = packRGB24(destination.foreColour);
    const std::uint32_t back = packRGB24(destination.backColour);
    const bool targetIs32 = target->image.format() == QImage::Format_RGB32;
    if (sameSize && targetIs32 && source.image.format() == QImage::Format_RGB32 &&
        isPlainCopy(mode, destination)) {
        copyRowsDirect(source, *target, visible, dh, dv);
    } else if (sameSize && targetIs32 && source.image.format() == QImage::Format_Mono &&
               mode == kSrcOr) {
        orMaskRows(source, *target, visible, dh, dv, fore);
    } else {
        const std::int64_t srcW = srcRect.width(), srcH = srcRect.height();
        const std::int64_t dstW = dstRect.width(), dstH = dstRect.height();
        for (int v = visible.top; v < visible.bottom; ++v) {
            const int sv = int(srcRect.top + (std::int64_t(v) - dstRect.top) * srcH / dstH);
            for (int h = visible.left; h < visible.right; ++h) {
                const int sh = int(srcRect.left + (std::int64_t(h) - dstRect.left) * srcW / dstW);
                if (sv < sourceArea.top || sv >= sourceArea.bottom || sh < sourceArea.left ||
                    sh >= sourceArea.right)
                    continue;
                const std::uint32_t s = sourceRGB(source, sh, sv);
                const std::uint32_t d = packRGB24(readColour(*target, h, v));
                const RGBColour result = unpackRGB24(combine(mode, s, d, fore, back));
                const int x = h - target->bounds.left;
                const int y = v - target->bounds.top;
                target->image.setPixel(x, y, encodeColour(*target, result));
            }
        }
    }
    destination.damage |= QRect(visible.left, visible.top, visible.right - visible.left,
                                visible.bottom - visible.top);
    return kNoError;
}
