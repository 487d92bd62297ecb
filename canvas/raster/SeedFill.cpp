#include "SeedFill.h"

#include "LException.h"
#include "PixelAccess.h"

#include <cstring>
#include <vector>

namespace {

// Rows of a 32-bit source, read straight from memory.
class DirectSource {
public:
    explicit DirectSource(const PixMap& source)
        : mBits(source.image.constBits()), mStride(source.image.bytesPerLine()),
          mTop(source.bounds.top), mLeft(source.bounds.left) {}

    struct Row {
        const std::uint32_t* pixels; // indexed by h
        std::uint32_t operator[](int h) const { return pixels[h] & 0xFFFFFFu; }
    };
    Row row(int v) const {
        return {reinterpret_cast<const std::uint32_t*>(mBits + qsizetype(v - mTop) * mStride) -
                mLeft};
    }

private:
    const std::uint8_t* mBits;
    qsizetype mStride;
    int mTop;
    int mLeft;
};

// Rows of any other source, through the general pixel reader.
class GeneralSource {
public:
    explicit GeneralSource(const PixMap& source) : mSource(source) {}

    struct Row {
        const PixMap* source;
        int v;
        std::uint32_t operator[](int h) const { return readRawPixel(*source, h, v); }
    };
    Row row(int v) const { return {&mSource, v}; }

private:
    const PixMap& mSource;
};

// The mask's bits in source coordinates.
class MaskBits {
public:
    MaskBits(PixMap& mask, int maskDh, int maskDv)
        : mBits(mask.image.bits()), mStride(mask.image.bytesPerLine()),
          mOffsetH(maskDh - mask.bounds.left), mOffsetV(maskDv - mask.bounds.top) {}

    std::uint8_t* row(int v) const { return mBits + qsizetype(v + mOffsetV) * mStride; }
    bool isSet(const std::uint8_t* row, int h) const {
        const int x = h + mOffsetH;
        return (row[x >> 3] & (0x80u >> (x & 7))) != 0;
    }
    // True when h is the first of the eight pixels of a mask byte.
    bool startsByte(int h) const { return ((h + mOffsetH) & 7) == 0; }
    std::uint8_t byteAt(const std::uint8_t* row, int h) const { return row[(h + mOffsetH) >> 3]; }
    void set(std::uint8_t* row, int h0, int h1) const {
        setMonoBits(row, h0 + mOffsetH, h1 + mOffsetH, true);
    }

private:
    std::uint8_t* mBits;
    qsizetype mStride;
    int mOffsetH;
    int mOffsetV;
};

// Whether pixels h .. h + 7 of a row all have the colour match; no early exit, so that the
// compiler can compare them side by side.
template <typename Row> bool eightMatch(const Row& row, int h, std::uint32_t match) {
    bool all = true;
    for (int k = 0; k < 8; ++k)
        all &= row[h + k] == match;
    return all;
}

struct Seed {
    int h;
    int v;
};

// Scanline flood: each popped seed grows into its whole run, and each run of matching,
// unfilled pixels in the rows above and below gets one seed.
template <typename Source>
void floodFrom(const Source& source, const MaskBits& mask, const PixelBox& area, Seed start) {
    const std::uint32_t match = source.row(start.v)[start.h];
    std::vector<Seed> stack{start};
    while (!stack.empty()) {
        const Seed seed = stack.back();
        stack.pop_back();
        std::uint8_t* maskRow = mask.row(seed.v);
        const auto pixels = source.row(seed.v);
        if (mask.isSet(maskRow, seed.h) || pixels[seed.h] != match)
            continue;
        int h0 = seed.h;
        while (h0 > area.left && pixels[h0 - 1] == match)
            --h0;
        int h1 = seed.h + 1;
        while (h1 < area.right && pixels[h1] == match)
            ++h1;
        mask.set(maskRow, h0, h1);
        for (const int v : {seed.v - 1, seed.v + 1}) {
            if (v < area.top || v >= area.bottom)
                continue;
            const std::uint8_t* neighbourMask = mask.row(v);
            const auto neighbour = source.row(v);
            bool inRun = false;
            for (int h = h0; h < h1;) {
                if (h + 8 <= h1 && mask.startsByte(h)) {
                    const std::uint8_t byte = mask.byteAt(neighbourMask, h);
                    if (byte == 0xFF) {
                        inRun = false; // the row we came from: nothing left to find there
                        h += 8;
                        continue;
                    }
                    if (byte == 0 && eightMatch(neighbour, h, match)) {
                        // Eight open pixels: a run starts at the first or goes on through all.
                        if (!inRun)
                            stack.push_back({h, v});
                        inRun = true;
                        h += 8;
                        continue;
                    }
                }
                const bool open = !mask.isSet(neighbourMask, h) && neighbour[h] == match;
                if (open && !inRun)
                    stack.push_back({h, v});
                inRun = open;
                ++h;
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
    const PixelBox sourceArea{source.bounds.top, source.bounds.left,
                              source.bounds.top + source.image.height(),
                              source.bounds.left + source.image.width()};
    const PixelBox maskArea{mask.bounds.top - maskDv, mask.bounds.left - maskDh,
                            mask.bounds.top + mask.image.height() - maskDv,
                            mask.bounds.left + mask.image.width() - maskDh};
    const PixelBox area = PixelBox::of(srcRect).intersected(sourceArea).intersected(maskArea);
    if (area.isEmpty() || seedH < area.left || seedH >= area.right || seedV < area.top ||
        seedV >= area.bottom)
        return kNoError;
    const MaskBits bits(mask, maskDh, maskDv);
    if (source.image.format() == QImage::Format_RGB32)
        floodFrom(DirectSource(source), bits, area, {seedH, seedV});
    else
        floodFrom(GeneralSource(source), bits, area, {seedH, seedV});
    return kNoError;
}
