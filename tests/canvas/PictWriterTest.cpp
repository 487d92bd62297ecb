#include "PictWriter.h"

#include "LException.h"
#include "PictReader.h"
#include "PictTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using picttest::firstDifference;
using picttest::patternImage;

// Where the first pixel copy's fields stand: size word, frame, version, header, clip, opcode and
// base address come before rowBytes; the rest of the pixmap, the rectangles and the mode before
// the pixel data.
constexpr std::size_t kRowBytesAt = 2 + 8 + 4 + 26 + 12 + 2 + 4;
constexpr std::size_t kPackTypeAt = kRowBytesAt + 2 + 8 + 2;
constexpr std::size_t kPixDataAt = kRowBytesAt + 2 + 8 + 36 + 8 + 8 + 2;

// A 3 x 2 picture laid out byte by byte as the recorder writes it (without the optional
// DefHilite): size and frame, version, extended header, clip region, then the direct copy's
// opcode, base address, rowBytes, bounds, the rest of the pixmap, source, destination, mode, two
// packed rows of R, G and B planes, and the end.
TEST(PictWriter, SmallPictureIsByteExact) {
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb pixels[] = {0x000000, 0x2505FF, 0x4A0A00, 0x0B00FF, 0x300500, 0x550AFF};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, pixels[i]);
    EXPECT_EQ(
        picttest::asBytes(recordPicture(image)).toHex(' '),
        QByteArray::fromHex(
            "00920000000000020003 001102ff 0c00fffe00000048000000480000000000000002000300000000"
            "0001000a0000000000020003 009a 000000ff 800c 0000000000020003"
            "000000040000000000480000004800000010002000030008000000000000000000000000"
            "0000000000020003 0000000000020003 0040"
            "0a 08 00254a 00050a 00ff00 0a 08 0b3055 00050a ff00ff 00ff")
            .toHex(' '));
}

// 62 pixels: rowBytes 248, a white row's 186 plane bytes in runs of 128 and 58 with a count
// byte; 63 pixels: rowBytes 252 and count words; one pixel: packType 1, rows unpacked.
TEST(PictWriter, RowFramingFollowsTheRowBytes) {
    const auto at = [](const QImage& image, std::size_t from, std::size_t n) {
        const Bytes pict = recordPicture(image);
        return Bytes(pict.begin() + from, pict.begin() + from + n);
    };
    QImage white(63, 1, QImage::Format_RGB32);
    white.fill(qRgb(255, 255, 255));
    EXPECT_EQ(at(white.copy(0, 0, 62, 1), kRowBytesAt, 2), (Bytes{0x80, 248}));
    EXPECT_EQ(at(white.copy(0, 0, 62, 1), kPixDataAt, 3), (Bytes{4, 0x81, 0xFF}));
    EXPECT_EQ(at(white, kRowBytesAt, 2), (Bytes{0x80, 252}));
    EXPECT_EQ(at(white, kPixDataAt, 4), (Bytes{0, 4, 0x81, 0xFF}));
    QImage one(1, 2, QImage::Format_RGB32);
    one.setPixel(0, 0, qRgb(1, 2, 3));
    one.setPixel(0, 1, qRgb(4, 5, 6));
    EXPECT_EQ(at(one, kRowBytesAt, 2), (Bytes{0x80, 4}));
    EXPECT_EQ(at(one, kPackTypeAt, 2), (Bytes{0, 1}));
    EXPECT_EQ(at(one, kPixDataAt, 8), (Bytes{0, 1, 2, 3, 0, 4, 5, 6}));
}

TEST(PictWriter, RoundTripsThroughTheReaderAtManyWidths) {
    for (const int width : {1, 2, 3, 7, 8, 50, 62, 63, 64, 66, 67, 100, 201, 251, 400}) {
        const QImage image = patternImage(width, 5, static_cast<unsigned>(width));
        EXPECT_EQ(firstDifference(decodePicture(recordPicture(image)).image, image), "") << width;
    }
    // Canvases wider than one pixel map are recorded in bands; a large picture's size word wraps
    // and its rowBytes has the top bit.
    const QImage wide = patternImage(kMaxPictBandWidth + 10, 3, 5);
    const Bytes pict = recordPicture(wide);
    EXPECT_EQ(firstDifference(decodePicture(pict).image, wide), "");
    EXPECT_EQ(
        Bytes(pict.begin() + 2, pict.begin() + 10),
        (Bytes{0, 0, 0, 0, 0, 3, std::uint8_t(wide.width() >> 8), std::uint8_t(wide.width())}));
    // Other formats are recorded as their 32-bit pixels.
    QImage indexed(10, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0)});
    indexed.fill(1);
    EXPECT_EQ(decodePicture(recordPicture(indexed)).image.pixel(9, 1), qRgb(200, 100, 0));
}

TEST(PictWriter, RefusesWhatPictureCoordinatesCannotHold) {
    EXPECT_THROW(recordPicture(QImage()), LException);
    EXPECT_THROW(recordPicture(QImage(0x8000, 1, QImage::Format_RGB32)), LException);
}

} // namespace
