#include "ImageImport.h"

#include "CGWorld.h"
#include "PictTestSupport.h"
#include "PictWriter.h"
#include "PictureFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using picttest::firstDifference;
using picttest::patternImage;

constexpr QRgb kWhitePx = 0xFFFFFFFFU;
const QString kHalvesGif = QStringLiteral(TURTLESCOPE_TEST_DATA "/pict/halves-40x20.gif");

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Two halves, red left and blue right, with a green top-left pixel to find the orientation.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(0, 255, 0));
    return image;
}

class ImageImportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDir.isValid()); }
    QString path(const QString& name) const { return mDir.filePath(name); }

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
    QTemporaryDir mDir;
    CGWorld mWorld;
    int mRemakes = 0;
};

TEST_F(ImageImportTest, TypeComesFromContentFirstThenTheExtension) {
    const QImage image = patternImage(9, 9);
    ASSERT_TRUE(image.save(path("png.dat"), "PNG"));
    ASSERT_TRUE(image.save(path("jpeg.pict"), "JPEG")); // content wins over the name
    ASSERT_TRUE(QFile::copy(kHalvesGif, path("gif.bin")));
    ASSERT_TRUE(image.save(path("tiff"), "TIFF"));
    ASSERT_EQ(writePictureFile(image, path("doc")), 0);
    const auto picture = recordPicture(image);
    writeBytes(path("bare"), QByteArray(reinterpret_cast<const char*>(picture.data()),
                                        static_cast<qsizetype>(picture.size())));
    writeBytes(path("broken.PCT"), "short");
    writeBytes(path("program.turtle"), "forward 10");
    writeBytes(path("notes"), "forward 10");

    EXPECT_EQ(detectFileType(path("png.dat")), kFileTypePNG);
    EXPECT_EQ(detectFileType(path("jpeg.pict")), kFileTypeJPEG);
    EXPECT_EQ(detectFileType(path("gif.bin")), kFileTypeGIF);
    EXPECT_EQ(detectFileType(path("tiff")), kFileTypeTIFF);
    EXPECT_EQ(detectFileType(path("doc")), kFileTypePICT);
    EXPECT_EQ(detectFileType(path("bare")), kFileTypePICT);
    EXPECT_EQ(detectFileType(path("broken.PCT")), kFileTypePICT);
    EXPECT_EQ(detectFileType(path("program.turtle")), kFileTypeTEXT);
    EXPECT_EQ(detectFileType(path("notes")), kFileTypeUnknown);
    EXPECT_EQ(detectFileType(path("does-not-exist.txt")), kFileTypeTEXT);
}

TEST_F(ImageImportTest, DecodesEveryOfferedFormatWithItsPixels) {
    const QImage image = halves(40, 20);
    for (const char* format : {"PNG", "TIFF"}) {
        const QString file = path(QString("image.") + format);
        ASSERT_TRUE(image.save(file, format)) << format;
        const ImportedImage imported = importImageFile(file);
        ASSERT_EQ(imported.status, 0) << format;
        ASSERT_TRUE(imported.decoded) << format;
        EXPECT_EQ(firstDifference(imported.image, image), "") << format;
    }
    const ImportedImage gif = importImageFile(kHalvesGif);
    ASSERT_TRUE(gif.decoded);
    EXPECT_EQ(firstDifference(gif.image, image), "") << "GIF";

    ASSERT_TRUE(image.save(path("image.jpg"), "JPEG", 100));
    const ImportedImage jpeg = importImageFile(path("image.jpg"));
    ASSERT_TRUE(jpeg.decoded);
    EXPECT_EQ(jpeg.image.size(), image.size());
    EXPECT_GT(qRed(jpeg.image.pixel(5, 10)), 200);
    EXPECT_GT(qBlue(jpeg.image.pixel(35, 10)), 200);
}

TEST_F(ImageImportTest, TransparencyIsPutOnWhite) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 128));
    ASSERT_TRUE(image.save(path("alpha.png")));
    const ImportedImage imported = importImageFile(path("alpha.png"));
    ASSERT_TRUE(imported.decoded);
    EXPECT_EQ(imported.image.pixel(0, 0), kWhitePx);
    EXPECT_EQ(imported.image.pixel(1, 0), qRgb(127, 127, 127));
}

TEST_F(ImageImportTest, SavedPictureReopensWithTheSamePixels) {
    const QImage image = patternImage(400, 300, 9);
    ASSERT_EQ(writePictureFile(image, path("same.pict")), 0);
    paintCanvasGrey();
    ASSERT_EQ(readPictureFile(path("same.pict"), remake()), 0);
    EXPECT_EQ(mRemakes, 1);
    EXPECT_EQ(firstDifference(mWorld.image(), image), "");
}

TEST_F(ImageImportTest, ImagesAreFittedAndCentredIntoTheCanvas) {
    // 200 x 100 into 400 x 300: drawn doubled into (50, 0, 250, 400).
    ASSERT_TRUE(halves(200, 100).save(path("wide.png")));
    ASSERT_EQ(readPictureFile(path("wide.png"), remake()), 0);
    const QImage& canvas = mWorld.image();
    EXPECT_EQ(canvas.pixel(0, 49), kWhitePx);
    EXPECT_EQ(canvas.pixel(0, 50), qRgb(0, 255, 0));
    EXPECT_EQ(canvas.pixel(1, 51), qRgb(0, 255, 0));
    EXPECT_EQ(canvas.pixel(2, 50), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(199, 249), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(200, 249), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(399, 249), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(399, 250), kWhitePx);

    // 100 x 100 into 400 x 300: tripled into (0, 50, 300, 350).
    ASSERT_TRUE(halves(100, 100).save(path("square.tif"), "TIFF"));
    ASSERT_EQ(readPictureFile(path("square.tif"), remake()), 0);
    EXPECT_EQ(mWorld.image().pixel(49, 150), kWhitePx);
    EXPECT_EQ(mWorld.image().pixel(50, 0), qRgb(0, 255, 0));
    EXPECT_EQ(mWorld.image().pixel(52, 2), qRgb(0, 255, 0));
    EXPECT_EQ(mWorld.image().pixel(53, 0), qRgb(255, 0, 0));
    EXPECT_EQ(mWorld.image().pixel(349, 299), qRgb(0, 0, 255));
    EXPECT_EQ(mWorld.image().pixel(350, 299), kWhitePx);
}

TEST_F(ImageImportTest, NothingDecodableReturnsZeroAndLeavesTheCanvas) {
    paintCanvasGrey();
    writeBytes(path("notes.txt"), "forward 10\nright 90\n");
    writeBytes(path("random"), QByteArray(2000, '\x5A'));
    for (const char* name : {"notes.txt", "random"}) {
        EXPECT_EQ(readPictureFile(path(name), remake()), 0) << name;
        EXPECT_EQ(mRemakes, 0) << name;
        EXPECT_EQ(mWorld.image().pixel(10, 10), qRgb(90, 90, 90)) << name;
    }
}

TEST_F(ImageImportTest, BrokenPicturesAndMissingFilesAreErrorsThatLeaveTheCanvas) {
    paintCanvasGrey();
    ASSERT_EQ(writePictureFile(patternImage(100, 80), path("whole.pict")), 0);
    QFile whole(path("whole.pict"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    writeBytes(path("cut.pict"), whole.read(whole.size() / 2));
    writeBytes(path("cut.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));

    EXPECT_EQ(readPictureFile(path("cut.pict"), remake()), kBadPictureData);
    EXPECT_EQ(readPictureFile(path("cut.png"), remake()), kBadPictureData);
    EXPECT_EQ(readPictureFile(path("absent.png"), remake()), kFileNotFound);
    EXPECT_EQ(mRemakes, 0);
    EXPECT_EQ(mWorld.image().pixel(99, 79), qRgb(90, 90, 90));
}

TEST_F(ImageImportTest, AnEmptyPictureClearsTheCanvasAndDrawsNothing) {
    paintCanvasGrey();
    picttest::PictBuilder b(picttest::rect(0, 0, 0, 50));
    const auto picture = b.end();
    QByteArray file(512, '\0');
    file.append(reinterpret_cast<const char*>(picture.data()),
                static_cast<qsizetype>(picture.size()));
    writeBytes(path("empty.pict"), file);
    EXPECT_EQ(readPictureFile(path("empty.pict"), remake()), 0);
    EXPECT_EQ(mRemakes, 1);
    EXPECT_EQ(mWorld.image().pixel(200, 150), kWhitePx);
}

TEST_F(ImageImportTest, ACanvasThatCannotBeMadeIsAnError) {
    ASSERT_TRUE(halves(4, 4).save(path("small.png")));
    EXPECT_EQ(readPictureFile(path("small.png"), [] { return static_cast<CGWorld*>(nullptr); }),
              kMemoryFull);
}

} // namespace
