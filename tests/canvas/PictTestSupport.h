#pragma once

// Building small pictures byte by byte for the picture codec tests.

#include "PackBits.h"
#include "PictBytes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>
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

// A version 2 picture under construction, written big-endian; `end` closes it.
class PictBuilder {
public:
    // The extended header gives the resolution (16.16 dpi) of the space the opcodes address.
    explicit PictBuilder(const Rect& frame, std::uint32_t resolution = 0x00480000,
                         const Rect* source = nullptr) {
        u16(0).rect(frame).u16(0x0011).u16(0x02FF).u16(0x0C00).u16(0xFFFE).u16(0);
        u32(resolution).u32(resolution).rect(source ? *source : frame).u32(0);
    }

    // `n` bytes of `v`, `times` times.
    PictBuilder& put(std::uint64_t v, int n, std::size_t times = 1) {
        for (std::size_t t = 0; t < times; ++t)
            for (int i = n - 1; i >= 0; --i)
                mBytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    PictBuilder& op(std::uint16_t opcode) { return put(0, 1, mBytes.size() % 2).u16(opcode); }
    PictBuilder& u8(std::uint8_t v) { return put(v, 1); }
    PictBuilder& u16(std::uint16_t v) { return put(v, 2); }
    PictBuilder& u32(std::uint32_t v) { return put(v, 4); }
    PictBuilder& zeros(std::size_t n) { return put(0, 1, n); }
    PictBuilder& rect(const Rect& r) {
        return put(r.top, 2).put(r.left, 2).put(r.bottom, 2).put(r.right, 2);
    }
    PictBuilder& bytes(std::span<const std::uint8_t> data) {
        mBytes.insert(mBytes.end(), data.begin(), data.end());
        return *this;
    }
    PictBuilder& bytes(std::initializer_list<std::uint8_t> data) {
        return bytes(std::span(data.begin(), data.size()));
    }

    // PixMap fields after rowBytes and bounds (36 bytes).
    PictBuilder& pixMapFields(std::uint16_t packType, std::uint16_t pixelType,
                              std::uint16_t pixelSize, std::uint16_t cmpCount,
                              std::uint16_t cmpSize) {
        u16(0).u16(packType).u32(0).u32(0x00480000).u32(0x00480000).u16(pixelType);
        return u16(pixelSize).u16(cmpCount).u16(cmpSize).zeros(12);
    }
    PictBuilder& colourTable(const std::vector<QRgb>& colours, bool device = false,
                             std::uint16_t firstValue = 0) {
        u32(0).u16(device ? 0x8000 : 0).u16(static_cast<std::uint16_t>(colours.size() - 1));
        for (std::uint16_t value = firstValue; const QRgb c : colours)
            u16(device ? 0 : value++).u16(qRed(c) * 257).u16(qGreen(c) * 257).u16(qBlue(c) * 257);
        return *this;
    }
    // Rows with byte or word counts, each packed on its own.
    PictBuilder& packedRows(const std::vector<std::vector<std::uint8_t>>& rows, bool wordCounts) {
        for (const auto& row : rows) {
            std::vector<std::uint8_t> packed;
            packBits(row, packed);
            put(packed.size(), wordCounts ? 2 : 1).bytes(packed);
        }
        return *this;
    }
    std::vector<std::uint8_t> end() {
        op(0x00FF);
        mBytes[0] = static_cast<std::uint8_t>(mBytes.size() >> 8);
        mBytes[1] = static_cast<std::uint8_t>(mBytes.size());
        return mBytes;
    }
    std::vector<std::uint8_t>& data() { return mBytes; }

private:
    std::vector<std::uint8_t> mBytes;
};

// A deterministic image with some flat areas and some noise.
inline QImage patternImage(int width, int height, unsigned seed = 1) {
    QImage image(width, height, QImage::Format_RGB32);
    unsigned state = seed * 2654435761U + 1U;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525U + 1013904223U;
            const bool flat = ((x / 5 + y / 3) % 3) == 0;
            image.setPixel(x, y,
                           flat ? 0xFFFFFFFFU : (state >> 8 & 0xFFFF00U) | ((x * 7 + y) & 255));
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

inline QByteArray asBytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Files in a temporary folder of the test's own.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDir.isValid()); }
    QString path(const QString& name) const { return mDir.filePath(name); }
    QStringList entries() const {
        return QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir mDir;
};

} // namespace picttest
