#pragma once

// Reading and writing the pixels of a PixMap in port coordinates, and the span painter that
// every raster operation paints through. Nothing here ever writes outside the image.

#include "GrafPort.h"
#include "PixelBox.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

// The pixel value that stands for a colour in this buffer's format (for a 32-bit buffer
// 0xFFRRGGBB; for a 1-bit buffer 1 = dark, 0 = light; for indexed buffers the nearest entry).
std::uint32_t encodeColour(const PixMap& pixMap, const RGBColour& colour);
// The same for a colour given as 0xRRGGBB.
std::uint32_t encodePixel(const QImage& image, std::uint32_t rgb);
// The colour of a pixel at port coordinates; white outside the buffer.
RGBColour readColour(const PixMap& pixMap, int h, int v);
// The raw value of a pixel at port coordinates (0 outside the buffer); equal values mean
// equal colours.
std::uint32_t readRawPixel(const PixMap& pixMap, int h, int v);

// 0xRRGGBB of a 16-bit colour, keeping each channel's high byte.
constexpr std::uint32_t packRGB24(const RGBColour& colour) {
    return (std::uint32_t{colour.red} >> 8) << 16 | (std::uint32_t{colour.green} >> 8) << 8 |
           (std::uint32_t{colour.blue} >> 8);
}
constexpr RGBColour unpackRGB24(std::uint32_t rgb) {
    return RGBColour{static_cast<std::uint16_t>(((rgb >> 16) & 0xFF) * 257),
                     static_cast<std::uint16_t>(((rgb >> 8) & 0xFF) * 257),
                     static_cast<std::uint16_t>((rgb & 0xFF) * 257)};
}

// Where a port may draw: its pixel map's bounds within its clip. Empty without pixels.
PixelBox drawableArea(const GrafPort& port);

// Sets or clears bits x0 .. x1 - 1 of a most-significant-bit-first row.
void setMonoBits(std::uint8_t* row, int x0, int x1, bool value);

// Fills pixels [0, count) with value. Narrow spans, the common case of thin pen lines, go
// without the set-up of a general fill; wide ones four pixels to a store, the last four
// overlapping the ones before them.
inline void fillPixels(std::uint32_t* pixels, std::int64_t count, std::uint32_t value) {
    if (count <= 4) {
        if (count <= 1) {
            if (count == 1)
                pixels[0] = value;
            return;
        }
        // Two, three or four pixels: the first pair and the last, overlapping when three.
        const std::uint64_t pair = std::uint64_t{value} << 32 | value;
        std::memcpy(pixels, &pair, sizeof pair);
        std::memcpy(pixels + count - 2, &pair, sizeof pair);
        return;
    }
    const std::array<std::uint32_t, 4> quad{value, value, value, value};
    for (std::int64_t i = 0; i + 4 <= count; i += 4)
        std::memcpy(pixels + i, quad.data(), sizeof quad);
    std::memcpy(pixels + count - 4, quad.data(), sizeof quad);
}

// The rows of a 32-bit buffer in port coordinates: pixel (h, v) is row(v)[h - left].
struct DirectPixels {
    std::uint8_t* bits;
    qsizetype stride;
    int top;
    int left;

    std::uint32_t* row(int v) const {
        return reinterpret_cast<std::uint32_t*>(bits + (v - top) * stride);
    }
};

// Paints horizontal spans in one colour into a port, clipped to drawableArea; records the
// painted extent in the port's damage when it goes away.
class SpanPainter {
public:
    SpanPainter(GrafPort& port, const RGBColour& colour);
    ~SpanPainter();
    SpanPainter(const SpanPainter&) = delete;
    SpanPainter& operator=(const SpanPainter&) = delete;

    const PixelBox& area() const { return mArea; }
    bool canPaint() const { return !mArea.isEmpty(); }

    // Pixels hStart .. hEnd - 1 of row v, clipped here. Inline: ovals and polygons call it for
    // every row.
    void fillSpan(int v, int hStart, int hEnd) {
        if (v < mArea.top || v >= mArea.bottom)
            return;
        hStart = std::max(hStart, mArea.left);
        hEnd = std::min(hEnd, mArea.right);
        if (hEnd <= hStart)
            return;
        addPainted({v, hStart, v + 1, hEnd});
        writeRow(v - mPixMap->bounds.top, hStart - mPixMap->bounds.left,
                 hEnd - mPixMap->bounds.left);
    }
    // Clipped once, its rows written without further checks.
    void fillRect(const PixelBox& box);

    // The pixels of a 32-bit buffer, for painters that clip a whole primitive at once (see
    // hasDirectPixels): the caller writes only inside area() and reports what it painted.
    DirectPixels directPixels() const {
        return {mBits, mStride, mPixMap->bounds.top, mPixMap->bounds.left};
    }
    bool hasDirectPixels() const { return mFormat == QImage::Format_RGB32; }
    std::uint32_t value() const { return mValue; }
    void addPainted(const PixelBox& box) {
        if (!mPaintedAny) {
            mPainted = box;
            mPaintedAny = true;
        } else {
            mPainted = {std::min(mPainted.top, box.top), std::min(mPainted.left, box.left),
                        std::max(mPainted.bottom, box.bottom), std::max(mPainted.right, box.right)};
        }
    }

private:
    void writeRow(int y, int x0, int x1) {
        std::uint8_t* row = mBits + y * mStride;
        if (mFormat == QImage::Format_RGB32) {
            fillPixels(reinterpret_cast<std::uint32_t*>(row) + x0, x1 - x0, mValue);
        } else if (mFormat == QImage::Format_Mono) {
            setMonoBits(row, x0, x1, mValue != 0);
        } else {
            writeOtherRow(y, x0, x1);
        }
    }
    void writeOtherRow(int y, int x0, int x1);

    GrafPort& mPort;
    PixMap* mPixMap;
    PixelBox mArea;
    std::uint32_t mValue;
    PixelBox mPainted{};
    bool mPaintedAny = false;
    // The rows, taken once: asking the image per row costs a detach check each time.
    std::uint8_t* mBits = nullptr;
    qsizetype mStride = 0;
    QImage::Format mFormat = QImage::Format_Invalid;
};
