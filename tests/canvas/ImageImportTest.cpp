#include "ImageImport.h"

#include "CGWorld.h"
#include "CanvasTestSupport.h"
#include "PictTestSupport.h"
#include "PictWriter.h"
#include "PictureFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace picttest;

constexpr QRgb kWhitePx = 0xFFFFFFFFU;
const QString kHalvesGif = QStringLiteral(TURTLESCOPE_TEST_DATA "/pict/halves-40x20.gif");

// Two halves, red left and blue right, with a green top-left pixel to find the orientation.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter(&image).fillRect(0, 0, width / 2, height, QColor(255, 0, 0));
    image.setPixel(0, 0, qRgb(0, 255, 0));
    return image;
}

QByteArray bigEndian(std::uint32_t value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

QByteArray encoded(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A JPEG of `image` whose orientation tag says how to turn it upright.
QByteArray jpegWithOrientation(const QImage& image, std::uint32_t orientation) {
    const QByteArray jpeg = encoded(image, "JPEG");
    const QByteArray exif =
        QByteArray("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 24) +
        bigEndian(orientation << 16, 4) + bigEndian(0, 4);
    return jpeg.left(2) + "\xFF\xE1" + bigEndian(exif.size() + 2, 2) + exif + jpeg.mid(2);
}

// Small images whose headers claim width × height (the PNG header's checksum made good).
QByteArray pngClaiming(std::uint32_t width, std::uint32_t height, bool interlaced) {
    QByteArray png = encoded(halves(8, 8), "PNG");
    png.replace(16, 8, bigEndian(width, 4) + bigEndian(height, 4))
        .replace(28, 1, interlaced ? "\x01" : "\0");
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : png.mid(12, 17)) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
    return png.replace(29, 4, bigEndian(~crc, 4));
}
QByteArray jpegClaiming(std::uint32_t width, std::uint32_t height, bool progressive) {
    QByteArray jpeg = encoded(halves(16, 16), "JPEG", progressive);
    const qsizetype frame = jpeg.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    return jpeg.replace(frame + 5, 4, bigEndian(height, 2) + bigEndian(width, 2));
}
QByteArray bmpClaiming(std::uint32_t width, std::uint32_t height) {
    QByteArray sides = bigEndian(height, 4) + bigEndian(width, 4);
    std::reverse(sides.begin(), sides.end()); // little-endian width, then height
    return encoded(halves(8, 8), "BMP").replace(18, 8, sides);
}

class ImageImportTest : public TempFolderTest {
protected:
    // The canvas and its remaking, as the paint view does it: a fresh white world.
    std::function<CGWorld*()> remake() {
        return [this]() -> CGWorld* {
            ++mRemakes;
            if (mWorld.allocate(kBounds, 32) != 0)
                return nullptr;
            mWorld.image().fill(kWhitePx);
            return &mWorld;
        };
    }
    void paintCanvasGrey() {
        ASSERT_EQ(mWorld.allocate(kBounds, 32), 0);
        mWorld.image().fill(qRgb(90, 90, 90));
    }

    static constexpr Rect kBounds{0, 0, 300, 400};
    CGWorld mWorld;
    int mRemakes = 0;
};

TEST_F(ImageImportTest, TypeComesFromContentFirstThenTheExtension) {
    const QImage image = patternImage(9, 9);
    const auto pict = recordPicture(image);
    const QByteArray bare = asBytes(pict);
    const struct {
        const char* name;
        QByteArray bytes; // not written when null
        FourCharCode type;
    } cases[] = {
        {"png.dat", encoded(image, "PNG"), kFileTypePNG},
        {"jpeg.pict", encoded(image, "JPEG"), kFileTypeJPEG}, // content wins over the name
        {"gif.bin", fileBytes(kHalvesGif), kFileTypeGIF},
        {"doc", QByteArray(512, '\0') + bare, kFileTypePICT},
        {"bare", bare, kFileTypePICT},
        {"broken.PCT", "short", kFileTypePICT},
        {"program.turtle", "forward 10", kFileTypeTEXT},
        {"notes", "forward 10", kFileTypeUnknown},
        {"does-not-exist.txt", {}, kFileTypeTEXT},
        {"cut.bmp", "BM", kFileTypeBMP},
        {"pixmap.turtle", "P3 2 1 255\n0 0 0 9 9 9\n", kFileTypeTEXT}, // a pixmap by content too
        {"a.webp", {}, FourCC("WEBP")},
    };
    for (const auto& c : cases) {
        if (!c.bytes.isNull())
            writeBytes(path(c.name), c.bytes);
        EXPECT_EQ(detectFileType(path(c.name)), c.type) << c.name;
    }
}

// PNG, TIFF, JPEG and BMP land fitted below; a GIF decodes to its exact pixels, transparency on
// white.
TEST_F(ImageImportTest, DecodesAGifExactlyAndTransparencyOnWhite) {
    const ImportedImage gif = importImageFile(kHalvesGif);
    EXPECT_TRUE(gif.decoded && gif.status == 0);
    EXPECT_EQ(firstDifference(gif.image, halves(40, 20)), "");
    QImage alpha(2, 1, QImage::Format_ARGB32);
    alpha.setPixel(0, 0, qRgba(0, 0, 0, 0));
    alpha.setPixel(1, 0, qRgba(0, 0, 0, 128));
    writeBytes(path("alpha.png"), encoded(alpha, "PNG"));
    EXPECT_EQ(rowOf(importImageFile(path("alpha.png")).image, 0),
              (std::vector<QRgb>{kWhitePx, qRgb(127, 127, 127)}));
}

TEST_F(ImageImportTest, AnEmptyPictureClearsTheCanvas) {
    paintCanvasGrey();
    const auto empty = PictBuilder(rect(0, 0, 0, 50)).end();
    writeBytes(path("empty.pict"), QByteArray(512, '\0') + asBytes(empty));
    EXPECT_EQ(readPictureFile(path("empty.pict"), kBounds, remake()), 0);
    EXPECT_EQ(mRemakes, 1);
    EXPECT_EQ(mWorld.image().pixel(200, 150), kWhitePx);
    // A canvas that cannot be made is an error.
    writeBytes(path("small.png"), encoded(halves(4, 4), "PNG"));
    EXPECT_EQ(
        readPictureFile(path("small.png"), kBounds, [] { return static_cast<CGWorld*>(nullptr); }),
        kMemoryFull);
}

TEST_F(ImageImportTest, RefusalsLeaveTheCanvasAndSayWhy) {
    paintCanvasGrey();
    ASSERT_EQ(writePictureFile(patternImage(100, 80), path("whole.pict")), 0);
    const QByteArray whole = fileBytes(path("whole.pict"));
    ASSERT_TRUE(QDir(mDir.path()).mkdir("folder"));
    struct Case {
        const char* name;
        QByteArray bytes; // not written when null
        std::int16_t status;
        const char* reason;
    };
    const Case cases[] = {
        {"absent.png", {}, kFileNotFound, "the file does not exist"},
        {"folder", {}, kIOError, "it is a folder, not a file"},
        {"nothing.png", "", 0, "the file is empty"},
        {"notes.txt", "forward 10\nright 90\n", 0, "it is a program text, not a picture"},
        {"random", QByteArray(2000, '\x5A'), 0, "no installed image reader recognises"},
        {"cut.pict", whole.left(whole.size() / 2), kBadPictureData, "picture data is damaged"},
        {"cut.png", encoded(patternImage(64, 64), "PNG").left(300), kBadPictureData,
         "its PNG data is damaged or cut short"},
        {"zero.jpg", jpegClaiming(0, 5, false), kBadPictureData, "damaged or cut short"},
        {"huge.jpg", jpegClaiming(30000, 30000, false), kBadPictureData,
         "the image is 30000 x 30000 pixels, more than can be opened"},
        {"interlaced.png", pngClaiming(10000, 8000, true), kBadPictureData,
         "the image is 10000 x 8000 pixels, more than can be opened"},
        {"huge.bmp", bmpClaiming(9000, 9000), kBadPictureData,
         "the image is 9000 x 9000 pixels, more than can be opened"},
        {"progressive.jpg", jpegClaiming(11000, 11000, true), kBadPictureData,
         "the image is 11000 x 11000 pixels, more than can be opened"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.isNull())
            writeBytes(path(c.name), c.bytes);
        QString refusal;
        EXPECT_EQ(readPictureFile(path(c.name), kBounds, remake(), &refusal), c.status);
        EXPECT_TRUE(refusal.contains(QLatin1String(c.reason))) << refusal.toStdString();
        EXPECT_EQ(mRemakes, 0);
        EXPECT_EQ(mWorld.image().pixel(99, 79), qRgb(90, 90, 90));
    }
}

// Images are fitted and centred; photos are turned upright as their orientation tag says; large
// images are decoded straight at their fitted size where the decoder can scale while reading.
TEST_F(ImageImportTest, ImagesLandUprightAndFittedWhateverTheirSize) {
    // `size` upright, `decoded` held in memory; `red` shows the stored image's left half.
    const auto check = [this](const char* name, const QByteArray& bytes, QSize size, QSize decoded,
                              int drawnPixels, QPoint red, QPoint blue) {
        SCOPED_TRACE(name);
        writeBytes(path(name), bytes);
        const ImportedImage imported = importImageFile(path(name), kBounds);
        EXPECT_EQ(imported.size, size);
        EXPECT_EQ(imported.image.size(), decoded);
        ASSERT_EQ(readPictureFile(path(name), kBounds, remake()), 0);
        const QRgb r = mWorld.image().pixel(red), b = mWorld.image().pixel(blue);
        EXPECT_TRUE(qRed(r) > 200 && qBlue(r) < 60 && qBlue(b) > 200 && qRed(b) < 60);
        EXPECT_EQ(400 * 300 - canvas_test::countOf(mWorld, kWhite), drawnPixels);
    };
    // 200 x 100 into 400 x 300: doubled into (50, 0, 250, 400).
    check("wide.tif", encoded(halves(200, 100), "TIFF"), {200, 100}, {200, 100}, 400 * 200,
          {199, 50}, {200, 249});
    const QImage small = halves(40, 20);
    check("turned3.jpg", jpegWithOrientation(small, 3), {40, 20}, {40, 20}, 400 * 200, {300, 150},
          {100, 150});
    check("turned6.jpg", jpegWithOrientation(small, 6), {20, 40}, {20, 40}, 150 * 300, {200, 75},
          {200, 225});
    check("turned8.jpg", jpegWithOrientation(small, 8), {20, 40}, {20, 40}, 150 * 300, {200, 225},
          {200, 75});
    const QImage band = halves(20000, 100);
    check("band.png", encoded(band, "PNG"), {20000, 100}, {400, 2}, 400 * 2, {10, 149}, {390, 150});
    check("band.bmp", encoded(band, "BMP"), {20000, 100}, {20000, 100}, 400 * 2, {10, 150},
          {390, 149});
    check("photo.jpg", encoded(halves(4000, 3000), "JPEG"), {4000, 3000}, {400, 300}, 400 * 300,
          {10, 10}, {390, 290});
}

} // namespace
