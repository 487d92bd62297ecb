#include "StretchBits.h"

#include "PixelAccess.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kRGB = 0xFFFFFFu;
constexpr std::uint32_t kOpaque = 0xFF000000u;

// Nearest pixels along one axis: destination pixel destStart + d of destExtent takes source
// pixel srcStart + floor((2d + 1) * srcExtent / (2 * destExtent)), the one under its centre.
// Symmetric, and a plain offset when the extents agree.
struct NearestAxis {
    std::int64_t destStart;
    std::int64_t destExtent;
    std::int64_t srcStart;
    std::int64_t srcExtent;

    // x is never left of destStart.
    std::int64_t sourceOf(int x) const {
        const std::int64_t d = x - destStart;
        return srcStart + (2 * d + 1) * srcExtent / (2 * destExtent);
    }

    // The first x of [lo, hi) whose source pixel is at least `bound`; hi when there is none.
    int firstReaching(int lo, int hi, std::int64_t bound) const {
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (sourceOf(mid) >= bound)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // The part of [lo, hi) whose source pixels lie in [0, sourceSize).
    std::pair<int, int> covered(int lo, int hi, int sourceSize) const {
        const int first = firstReaching(lo, hi, 0);
        return {first, firstReaching(first, hi, sourceSize)};
    }
};

NearestAxis horizontal(const Stretch& s) {
    return {s.destination.left, std::int64_t{s.destination.right} - s.destination.left,
            s.source.left, std::int64_t{s.source.right} - s.source.left};
}

NearestAxis vertical(const Stretch& s) {
    return {s.destination.top, std::int64_t{s.destination.bottom} - s.destination.top, s.source.top,
            std::int64_t{s.source.bottom} - s.source.top};
}

bool is32Bit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// Same size, 32-bit to 32-bit, black on white: whole rows move unchanged.
void copyRows(QImage& dest, const QImage& source, const PixelBox& area, int dh, int dv) {
    // Within one buffer, a copy downward runs bottom-up so rows are read before overwritten.
    const bool bottomUp = &source == &dest && dv > 0;
    const std::size_t bytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int i = 0; i < area.height(); ++i) {
        const int y = bottomUp ? area.bottom - 1 - i : area.top + i;
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y - dv));
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y));
        std::memmove(to + area.left, from + (area.left - dh), bytes);
    }
}

// Same size, a 1-bit mask ORed onto 32-bit pixels: set bits take the foreground colour.
void orMaskRows(QImage& dest, const QImage& mask, const PixelBox& area, int dh, int dv,
                std::uint32_t fore) {
    const QRgb value = kOpaque | fore;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint8_t* bits = mask.constScanLine(y - dv);
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y));
        const int sx1 = area.right - dh;
        int sx = area.left - dh;
        while (sx < sx1) {
            const std::uint8_t byte = bits[sx >> 3];
            if ((sx & 7) == 0 && sx + 8 <= sx1) {
                QRgb* eight = to + sx + dh;
                if (byte == 0xFF) {
                    std::fill(eight, eight + 8, value);
                } else if (byte != 0) {
                    for (int bit = 0; bit < 8; ++bit) {
                        // All ones where the bit is set: no branch on noisy masks.
                        const QRgb set = 0u - ((byte >> (7 - bit)) & 1u);
                        eight[bit] = (value & set) | (eight[bit] & ~set);
                    }
                }
                sx += 8;
                continue;
            }
            if ((byte & (0x80u >> (sx & 7))) != 0)
                to[sx + dh] = value;
            ++sx;
        }
    }
}

// 0xRRGGBB of the source pixels at `columns` of row y.
void gatherRow(const QImage& source, int y, const std::vector<int>& columns,
               std::vector<std::uint32_t>& out) {
    if (is32Bit(source)) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (std::size_t i = 0; i < columns.size(); ++i)
            out[i] = row[columns[i]] & kRGB;
    } else if (source.format() == QImage::Format_Mono) {
        const std::uint8_t* bits = source.constScanLine(y);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int x = columns[i];
            out[i] = (bits[x >> 3] & (0x80u >> (x & 7))) != 0 ? 0u : kRGB;
        }
    } else {
        for (std::size_t i = 0; i < columns.size(); ++i)
            out[i] = source.pixel(columns[i], y) & kRGB;
    }
}

template <TransferMode Mode>
void combineRow32(QRgb* to, const std::vector<std::uint32_t>& from, const TransferColours& c) {
    for (std::size_t i = 0; i < from.size(); ++i)
        to[i] = kOpaque | combine(Mode, from[i], to[i] & kRGB, c);
}

using RowCombiner = void (*)(QRgb*, const std::vector<std::uint32_t>&, const TransferColours&);

RowCombiner combinerFor(TransferMode mode) {
    switch (mode) {
    case kSrcOr:
        return combineRow32<kSrcOr>;
    case kSrcXor:
        return combineRow32<kSrcXor>;
    case kSrcBic:
        return combineRow32<kSrcBic>;
    case kNotSrcCopy:
        return combineRow32<kNotSrcCopy>;
    case kNotSrcOr:
        return combineRow32<kNotSrcOr>;
    case kNotSrcXor:
        return combineRow32<kNotSrcXor>;
    case kNotSrcBic:
        return combineRow32<kNotSrcBic>;
    default:
        return combineRow32<kSrcCopy>;
    }
}

// Any destination format, pixel by pixel.
void combineRowAnyFormat(QImage& dest, int y, int left, const std::vector<std::uint32_t>& from,
                         TransferMode mode, const TransferColours& c) {
    for (std::size_t i = 0; i < from.size(); ++i) {
        const int x = left + int(i);
        const std::uint32_t result = combine(mode, from[i], dest.pixel(x, y) & kRGB, c);
        dest.setPixel(x, y, encodePixel(dest, result));
    }
}

// The general path: any size, format, mode and colours.
void blendArea(QImage& dest, const QImage& source, const Stretch& s, const PixelBox& area,
               TransferMode mode, const TransferColours& colours) {
    const NearestAxis across = horizontal(s);
    const NearestAxis down = vertical(s);
    std::vector<int> columns(std::size_t(area.width()));
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = int(across.sourceOf(area.left + int(i)));

    const RowCombiner combineRow = combinerFor(mode);
    const bool direct = is32Bit(dest);
    // The common stretch, a plain copy between 32-bit images, goes in one pass.
    const bool plain = direct && is32Bit(source) && mode == kSrcCopy && colours.isPlain();
    std::vector<std::uint32_t> sourceRow(plain ? 0 : columns.size());
    int gathered = -1;
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = int(down.sourceOf(y));
        if (plain) {
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
            QRgb* to = reinterpret_cast<QRgb*>(dest.scanLine(y)) + area.left;
            for (std::size_t i = 0; i < columns.size(); ++i)
                to[i] = kOpaque | from[columns[i]];
            continue;
        }
        if (sy != gathered) {
            gatherRow(source, sy, columns, sourceRow);
            gathered = sy;
        }
        if (direct)
            combineRow(reinterpret_cast<QRgb*>(dest.scanLine(y)) + area.left, sourceRow, colours);
        else
            combineRowAnyFormat(dest, y, area.left, sourceRow, mode, colours);
    }
}

} // namespace

PixelBox stretchedArea(const QImage& dest, const QImage& source, const Stretch& stretch) {
    if (stretch.source.isEmpty() || stretch.destination.isEmpty() || source.isNull() ||
        dest.isNull())
        return {};
    const PixelBox visible =
        stretch.clip.intersected(stretch.destination).intersected(PixelBox::of(dest));
    if (visible.isEmpty())
        return {};
    const auto [left, right] =
        horizontal(stretch).covered(visible.left, visible.right, source.width());
    const auto [top, bottom] =
        vertical(stretch).covered(visible.top, visible.bottom, source.height());
    const PixelBox area{top, left, bottom, right};
    return area.isEmpty() ? PixelBox{} : area;
}

PixelBox stretchBits(QImage& dest, const QImage& source, const Stretch& stretch, TransferMode mode,
                     const TransferColours& colours) {
    const PixelBox area = stretchedArea(dest, source, stretch);
    if (area.isEmpty())
        return {};
    const NearestAxis across = horizontal(stretch);
    const NearestAxis down = vertical(stretch);
    const bool sameSize =
        across.destExtent == across.srcExtent && down.destExtent == down.srcExtent;
    // With equal extents the offsets are small: written pixels have sources in the image.
    const int dh = int(across.destStart - across.srcStart);
    const int dv = int(down.destStart - down.srcStart);
    const bool toRGB32 = dest.format() == QImage::Format_RGB32;
    if (sameSize && toRGB32 && source.format() == QImage::Format_RGB32 && mode == kSrcCopy &&
        colours.isPlain()) {
        copyRows(dest, source, area, dh, dv);
    } else if (sameSize && toRGB32 && source.format() == QImage::Format_Mono && mode == kSrcOr) {
        orMaskRows(dest, source, area, dh, dv, colours.fore);
    } else if (&source == &dest) {
        // Writing detaches dest from this copy, which keeps the pixels as they were.
        const QImage before = source;
        blendArea(dest, before, stretch, area, mode, colours);
    } else {
        blendArea(dest, source, stretch, area, mode, colours);
    }
    return area;
}
