// Interoperability with picture code no one here wrote: files written by ImageMagick and by
// netpbm's ppmtopict (committed, made by make-data.sh), and our files read back by ImageMagick.

#include "PictReader.h"
#include "PictTestSupport.h"
#include "PictureFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using namespace picttest;

const QString kDataDir = QStringLiteral(TURTLESCOPE_TEST_DATA "/pict");

QImage loadPng(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

bool run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The widths around 250 row bytes and under 8 carry the row framings writers disagree on: when
// counts take two bytes and whether narrow rows are packed.
TEST(PictInterop, CommittedFilesOfOtherWritersReadWithTheRightPixels) {
    const QStringList picts = QDir(kDataDir).entryList({"*.pict"}, QDir::Files, QDir::Name);
    ASSERT_GE(picts.size(), 30);
    for (const QString& name : picts) {
        const QString base = kDataDir + "/" + name.chopped(5);
        const QImage expected = loadPng(base + ".png");
        ASSERT_FALSE(expected.isNull()) << name.toStdString();
        const PictDecodeResult r = readPictureFileData(base + ".pict");
        ASSERT_EQ(r.status, 0) << name.toStdString();
        EXPECT_EQ(firstDifference(r.image, expected), "") << name.toStdString();
    }
}

class LiveTools : public TempFolderTest {};

TEST_F(LiveTools, ImageMagickReadsOurPictureFilesWithTheSamePixels) {
    if (QStandardPaths::findExecutable("convert").isEmpty())
        GTEST_SKIP() << "ImageMagick is not installed";
    // ImageMagick reads the picture document form (it needs the 512-byte header); widths from
    // 67 up avoid its own count-size rule, which differs from the documented one.
    for (const int width : {67, 100, 250, 400}) {
        const QImage image = patternImage(width, 7, static_cast<unsigned>(width));
        const QString pict = path(QString("ours-%1.pict").arg(width));
        const QString png = path(QString("ours-%1.png").arg(width));
        ASSERT_EQ(writePictureFile(image, pict), 0);
        ASSERT_TRUE(run("convert", {pict, png})) << width;
        EXPECT_EQ(firstDifference(loadPng(png), image), "") << "width " << width;
    }
}

} // namespace
