#include "SeedFill.h"

#include "LException.h"
#include "PixelAccess.h"

#include <cstring>
#include <vector>

namespace {

// Reads source pixels as comparable values and tracks the filled bits, both indexed by
// position within the fill area.
class FillArea {
public:
    FillArea(const PixMap& source, PixMap& mask, const PixelArea& area, int maskDh, int maskDv)
        : mSource(source), mMask(mask), mArea(area), mMaskDh(maskDh), mMaskDv(maskDv),
          mFast(source.image.format() == QImage::Format_RGB32) {}

    std::uint32_t value(int h, int v) const {
        if (mFast) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                mSource.image.constScanLine(v - mSource.bounds.top));
            return row[h - mSource.bounds.left] & 0xFFFFFFu;
        }
        return readRawPixel(mSource, h, v);
    }
    const std::uint8_t* maskRow(int v) const {
        return mMask.image.constScanLine(v + mMaskDv - mMask.bounds.top);
    }
    bool filled(const std::uint8_t* row, int h) const {
        const int x = h + mMaskDh - mMask.bounds.left;
        return (row[x >> 3] & (0x80u >> (x & 7))) != 0;
    }
    void fill(int v, int h0, int h1) {
        const int offset = mMaskDh - mMask.bounds.left;
        setMonoBits(mMask.image.scanLine(v + mMaskDv - mMask.bounds.top), h0 + offset, h1 + offset,
                    true);
    }
    const PixelArea& area() const { return mArea; }

private:
    const PixMap& mSource;
    PixMap& mMask;
    PixelArea mArea;
    int mMaskDh;
    int mMaskDv;
    bool mFast;
};

struct Seed {
    int h;
    int v;
};

// Scanline flood: each popped seed grows into its whole run, and each run of matching,
// unfilled pixels in the rows above and below gets one seed.
void floodFrom(FillArea& fill, Seed start, std::uint32_t match) {
    const PixelArea& area = fill.area();
    std::vector<Seed> stack{start};
    while (!stack.empty()) {
        const Seed seed = stack.back();
        stack.pop_back();
        const std::uint8_t* maskRow = fill.maskRow(seed.v);
        if (fill.filled(maskRow, seed.h) || fill.value(seed.h, seed.v) != match)
            continue;
        int h0 = seed.h;
        while (h0 > area.left && fill.value(h0 - 1, seed.v) == match)
            --h0;
        int h1 = seed.h + 1;
        while (h1 < area.right && fill.value(h1, seed.v) == match)
            ++h1;
        fill.fill(seed.v, h0, h1);
        for (const int v : {seed.v - 1, seed.v + 1}) {
            if (v < area.top || v >= area.bottom)
                continue;
            const std::uint8_t* row = fill.maskRow(v);
            bool inRun = false;
            for (int h = h0; h < h1; ++h) {
                const bool open = !fill.filled(row, h) && fill.value(h, v) == match;
                if (open && !inRun)
                    stack.push_back({h, v});
                inRun = open;
            }
        }
    }
}

} // namespace

std::int16_t SeedCFill(const PixMap& source, PixMap& mask, const Rect& srcRect, const Rect& dstRect,
                       int seedH, int seedV) {
    if (mask.image.format() != QImage::Format_Mono || srcRect.width() != dstRect.width() ||
        srcRect.height() != dstRect.height())
        return kParamError;
    mask.image.fill(0);
    const int maskDh = int(dstRect.left) - int(srcRect.left);
    const int maskDv = int(dstRect.top) - int(srcRect.top);
    const PixelArea sourceArea{source.bounds.top, source.bounds.left,
                               source.bounds.top + source.image.height(),
                               source.bounds.left + source.image.width()};
    const PixelArea maskArea{mask.bounds.top - maskDv, mask.bounds.left - maskDh,
                             mask.bounds.top + mask.image.height() - maskDv,
                             mask.bounds.left + mask.image.width() - maskDh};
    const PixelArea area = PixelArea::of(srcRect).intersected(sourceArea).intersected(maskArea);
    if (area.isEmpty() || seedH < area.left || seedH >= area.right || seedV < area.top ||
        seedV >= area.bottom)
        return kNoError;
    FillArea fill(source, mask, area, maskDh, maskDv);
    floodFrom(fill, {seedH, seedV}, fill.value(seedH, seedV));
    return kNoError;
}
