#include "PictBlit.h"

#include <algorithm>
#include <vector>

PixelBox PixelBox::intersected(const PixelBox& other) const {
    return PixelBox{std::max(left, other.left), std::max(top, other.top),
                    std::min(right, other.right), std::min(bottom, other.bottom)};
}

namespace {

constexpr QRgb kBlackPixel = 0xFF000000U;

// Source coordinate for destination offset d of n destination pixels over m source pixels:
// the source pixel under the destination pixel's centre.
int nearestSource(int srcStart, int d, int m, int n) {
    const std::int64_t num = (2 * std::int64_t{d} + 1) * std::int64_t{m};
    return srcStart + static_cast<int>(num / (2 * std::int64_t{n}));
}

QRgb invert(QRgb d) {
    return 0xFF000000U | (~d & 0x00FFFFFFU);
}

QRgb combine(BitTransfer transfer, QRgb s, QRgb d, const TransferColours& c) {
    const bool one = (s & 0x00FFFFFFU) == (kBlackPixel & 0x00FFFFFFU);
    switch (transfer) {
    case BitTransfer::Copy:
        return s;
    case BitTransfer::SrcCopy:
        return one ? c.fore : c.back;
    case BitTransfer::SrcOr:
        return one ? c.fore : d;
    case BitTransfer::SrcXor:
        return one ? invert(d) : d;
    case BitTransfer::SrcBic:
        return one ? c.back : d;
    case BitTransfer::NotSrcCopy:
        return one ? c.back : c.fore;
    case BitTransfer::NotSrcOr:
        return one ? d : c.fore;
    case BitTransfer::NotSrcXor:
        return one ? d : invert(d);
    case BitTransfer::NotSrcBic:
        return one ? d : c.back;
    }
    return s;
}

} // namespace

std::int64_t drawScaledCost(const QImage& dest, const PixelBox& destBox, const PixelBox& clip) {
    return destBox.intersected(clip).intersected(PixelBox::of(dest)).area();
}

void drawScaled(QImage& dest, const PixelBox& destBox, const QImage& source, const PixelBox& srcBox,
                const PixelBox& clip, BitTransfer transfer, TransferColours colours) {
    if (destBox.isEmpty() || srcBox.isEmpty() || source.isNull() || dest.isNull())
        return;
    const PixelBox visible = destBox.intersected(clip).intersected(PixelBox::of(dest));
    if (visible.isEmpty())
        return;

    std::vector<int> columns(static_cast<std::size_t>(visible.width()));
    for (int x = visible.left; x < visible.right; ++x)
        columns[static_cast<std::size_t>(x - visible.left)] =
            nearestSource(srcBox.left, x - destBox.left, srcBox.width(), destBox.width());

    const int sourceWidth = source.width();
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sy =
            nearestSource(srcBox.top, y - destBox.top, srcBox.height(), destBox.height());
        if (sy < 0 || sy >= source.height())
            continue;
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y)) + visible.left;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int sx = columns[i];
            if (sx < 0 || sx >= sourceWidth)
                continue;
            to[i] = combine(transfer, from[sx], to[i], colours);
        }
    }
}
