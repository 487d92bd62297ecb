#pragma once

// Building small pictures byte by byte for the picture codec tests.

#include "PackBits.h"
#include "PictBytes.h"

#include <QImage>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace picttest {

inline Rect rect(int top, int left, int bottom, int right) {
    return Rect{static_cast<std::int16_t>(top), static_cast<std::int16_t>(left),
                static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right)};
}

// A version 2 picture under construction; `end` closes it.
class PictBuilder {
public:
    // The extended header gives the resolution (16.16 dpi) of the space the opcodes address.
    explicit PictBuilder(const Rect& frame, bool extendedHeader = true,
                         std::uint32_t resolution = 0x00480000, const Rect* source = nullptr)
        : mSink(mBytes) {
        mSink.u16(0);
        mSink.rect(frame);
        mSink.u16(0x0011);
        mSink.u16(0x02FF);
        if (!extendedHeader)
            return;
        mSink.u16(0x0C00);
        mSink.i16(-2);
        mSink.u16(0);
        mSink.u32(resolution);
        mSink.u32(resolution);
        mSink.rect(source != nullptr ? *source : frame);
        mSink.u32(0);
    }

    PictBuilder& op(std::uint16_t opcode) {
        mSink.padEven();
        mSink.u16(opcode);
        return *this;
    }
    PictBuilder& u8(std::uint8_t v) {
        mSink.u8(v);
        return *this;
    }
    PictBuilder& u16(std::uint16_t v) {
        mSink.u16(v);
        return *this;
    }
    PictBuilder& u32(std::uint32_t v) {
        mSink.u32(v);
        return *this;
    }
    PictBuilder& rect(const Rect& r) {
        mSink.rect(r);
        return *this;
    }
    PictBuilder& bytes(std::span<const std::uint8_t> data) {
        mBytes.insert(mBytes.end(), data.begin(), data.end());
        return *this;
    }
    PictBuilder& bytes(std::initializer_list<std::uint8_t> data) {
        mBytes.insert(mBytes.end(), data.begin(), data.end());
        return *this;
    }
    PictBuilder& zeros(std::size_t n) {
        mSink.zeros(n);
        return *this;
    }

    // PixMap fields after rowBytes and bounds (36 bytes).
    PictBuilder& pixMapFields(std::int16_t packType, std::int16_t pixelType, std::int16_t pixelSize,
                              std::int16_t cmpCount, std::int16_t cmpSize) {
        mSink.u16(0);
        mSink.i16(packType);
        mSink.u32(0);
        mSink.u32(0x00480000);
        mSink.u32(0x00480000);
        mSink.i16(pixelType);
        mSink.i16(pixelSize);
        mSink.i16(cmpCount);
        mSink.i16(cmpSize);
        mSink.zeros(12);
        return *this;
    }
    PictBuilder& colourTable(const std::vector<QRgb>& colours, bool device = false,
                             std::uint16_t firstValue = 0) {
        mSink.u32(0);
        mSink.u16(device ? 0x8000 : 0);
        mSink.u16(static_cast<std::uint16_t>(colours.size() - 1));
        for (std::size_t i = 0; i < colours.size(); ++i) {
            mSink.u16(static_cast<std::uint16_t>(device ? 0 : firstValue + i));
            mSink.u16(static_cast<std::uint16_t>(qRed(colours[i]) * 257));
            mSink.u16(static_cast<std::uint16_t>(qGreen(colours[i]) * 257));
            mSink.u16(static_cast<std::uint16_t>(qBlue(colours[i]) * 257));
        }
        return *this;
    }
    // Rows with byte or word counts, each packed on its own.
    PictBuilder& packedRows(const std::vector<std::vector<std::uint8_t>>& rows, bool wordCounts) {
        for (const auto& row : rows) {
            std::vector<std::uint8_t> packed;
            packBits(row, packed);
            if (wordCounts)
                mSink.u16(static_cast<std::uint16_t>(packed.size()));
            else
                mSink.u8(static_cast<std::uint8_t>(packed.size()));
            bytes(packed);
        }
        return *this;
    }
    std::vector<std::uint8_t> end() {
        op(0x00FF);
        mSink.patch16(0, static_cast<std::uint16_t>(mBytes.size()));
        return mBytes;
    }
    std::vector<std::uint8_t>& data() { return mBytes; }

private:
    std::vector<std::uint8_t> mBytes;
    PictSink mSink;
};

// A deterministic image with some flat areas and some noise.
inline QImage patternImage(int width, int height, unsigned seed = 1) {
    QImage image(width, height, QImage::Format_RGB32);
    unsigned state = seed * 2654435761U + 1U;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525U + 1013904223U;
            const bool flat = ((x / 5 + y / 3) % 3) == 0;
            row[x] = flat ? qRgb(255, 255, 255)
                          : qRgb(static_cast<int>(state >> 24),
                                 static_cast<int>((state >> 16) & 255U), (x * 7 + y) & 255);
        }
    }
    return image;
}

// The pixels of one row (opaque), or nothing for a null image: whole rows compare at once.
inline std::vector<QRgb> rowOf(const QImage& image, int y) {
    std::vector<QRgb> row;
    for (int x = 0; !image.isNull() && x < image.width(); ++x)
        row.push_back(image.pixel(x, y) | 0xFF000000U);
    return row;
}

// A row from a string of '1' and '0' pixels.
inline std::vector<QRgb> bitsRow(std::string_view bits, QRgb one = 0xFF000000U,
                                 QRgb zero = 0xFFFFFFFFU) {
    std::vector<QRgb> row;
    for (const char c : bits)
        row.push_back(c == '1' ? one : zero);
    return row;
}

// First differing pixel as text, or empty when the images agree.
inline std::string firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFFU) != (b.pixel(x, y) & 0xFFFFFFU))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return {};
}

} // namespace picttest
