#include "PixelAccess.h"

#include <algorithm>
#include <limits>

namespace {

int luminance(const RGBColour& c) {
    return (299 * int(c.red) + 587 * int(c.green) + 114 * int(c.blue)) / 1000;
}

int nearestIndex(const QImage& image, std::uint32_t rgb) {
    const QList<QRgb> table = image.colorTable();
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < int(table.size()); ++i) {
        const long dr = long(qRed(table[i])) - long((rgb >> 16) & 0xFF);
        const long dg = long(qGreen(table[i])) - long((rgb >> 8) & 0xFF);
        const long db = long(qBlue(table[i])) - long(rgb & 0xFF);
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

bool isInside(const PixMap& pixMap, int x, int y) {
    return x >= 0 && y >= 0 && x < pixMap.image.width() && y < pixMap.image.height();
}

} // namespace

std::uint32_t encodeColour(const PixMap& pixMap, const RGBColour& colour) {
    // The full 16 bits decide which side of the threshold a colour falls.
    if (pixMap.image.format() == QImage::Format_Mono)
        return luminance(colour) < 0x8000 ? 1u : 0u;
    return encodePixel(pixMap.image, packRGB24(colour));
}

std::uint32_t encodePixel(const QImage& image, std::uint32_t rgb) {
    switch (image.format()) {
    case QImage::Format_Mono:
        return luminance(unpackRGB24(rgb)) < 0x8000 ? 1u : 0u;
    case QImage::Format_Indexed8:
        return std::uint32_t(nearestIndex(image, rgb));
    default:
        return 0xFF000000u | rgb;
    }
}

std::uint32_t readRawPixel(const PixMap& pixMap, int h, int v) {
    const int x = h - pixMap.bounds.left;
    const int y = v - pixMap.bounds.top;
    if (!isInside(pixMap, x, y))
        return 0;
    const QImage& image = pixMap.image;
    switch (image.format()) {
    case QImage::Format_RGB32:
        return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFFu;
    case QImage::Format_Mono:
    case QImage::Format_Indexed8:
        return std::uint32_t(image.pixelIndex(x, y));
    default:
        return image.pixel(x, y) & 0xFFFFFFu;
    }
}

RGBColour readColour(const PixMap& pixMap, int h, int v) {
    const int x = h - pixMap.bounds.left;
    const int y = v - pixMap.bounds.top;
    if (!isInside(pixMap, x, y))
        return kWhite;
    return unpackRGB24(pixMap.image.pixel(x, y) & 0xFFFFFFu);
}

PixelBox drawableArea(const GrafPort& port) {
    if (port.pixMap == nullptr || port.pixMap->image.isNull())
        return {};
    const Rect& b = port.pixMap->bounds;
    const PixelBox bounds{b.top, b.left, b.top + port.pixMap->image.height(),
                          b.left + port.pixMap->image.width()};
    return bounds.intersected(PixelBox::of(port.clipRect));
}

void setMonoBits(std::uint8_t* row, int x0, int x1, bool value) {
    if (x1 <= x0)
        return;
    auto applyMask = [&](int index, std::uint8_t mask) {
        row[index] = value ? std::uint8_t(row[index] | mask) : std::uint8_t(row[index] & ~mask);
    };
    const int firstByte = x0 >> 3;
    const int lastByte = (x1 - 1) >> 3;
    const std::uint8_t headMask = std::uint8_t(0xFFu >> (x0 & 7));
    const std::uint8_t tailMask = std::uint8_t(0xFFu << (7 - ((x1 - 1) & 7)));
    if (firstByte == lastByte) {
        applyMask(firstByte, std::uint8_t(headMask & tailMask));
        return;
    }
    applyMask(firstByte, headMask);
    std::fill(row + firstByte + 1, row + lastByte, value ? std::uint8_t{0xFF} : std::uint8_t{0});
    applyMask(lastByte, tailMask);
}

SpanPainter::SpanPainter(GrafPort& port, const RGBColour& colour)
    : mPort(port), mPixMap(port.pixMap), mArea(drawableArea(port)), mValue(0) {
    if (mPixMap == nullptr || mArea.isEmpty())
        return;
    // Every image accessor is a call into the library: each is asked once per painter.
    QImage& image = mPixMap->image;
    mFormat = image.format();
    mValue = mFormat == QImage::Format_RGB32 ? 0xFF000000u | packRGB24(colour)
                                             : encodeColour(*mPixMap, colour);
    mBits = image.bits();
    mStride = image.bytesPerLine();
}

SpanPainter::~SpanPainter() {
    if (!mPaintedAny)
        return;
    mPort.damage |= QRect(mPainted.left, mPainted.top, mPainted.right - mPainted.left,
                          mPainted.bottom - mPainted.top);
}

void SpanPainter::fillRect(const PixelBox& box) {
    const PixelBox visible = box.intersected(mArea);
    if (visible.isEmpty())
        return;
    addPainted(visible);
    if (hasDirectPixels()) {
        const DirectPixels pixels = directPixels();
        for (int v = visible.top; v < visible.bottom; ++v)
            fillPixels(pixels.row(v) + (visible.left - pixels.left), visible.width(), mValue);
        return;
    }
    for (int v = visible.top; v < visible.bottom; ++v)
        writeRow(v - mPixMap->bounds.top, visible.left - mPixMap->bounds.left,
                 visible.right - mPixMap->bounds.left);
}

void SpanPainter::writeOtherRow(int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
        mPixMap->image.setPixel(x, y, mValue);
}
