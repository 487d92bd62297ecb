// turtlescope-render running programs: pictures and final states out of programs in.

#include "RenderToolSupport.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kRedPixel = 0xFFFF0000;

class RenderRun : public RenderTool {
protected:
    // Runs the program into out.png (plus any options) and loads the picture.
    QImage renderPng(const QByteArray& program, QStringList options = {}) {
        const QString output = pathOf(QStringLiteral("out.png"));
        QFile::remove(output);
        options << QStringLiteral("-o") << output << writeProgram(program);
        const RunResult result = run(options);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QImage(output).convertToFormat(QImage::Format_RGB32);
    }

    QJsonObject state(const QByteArray& program, QStringList options = {}) {
        options << QStringLiteral("--state") << writeProgram(program);
        const RunResult result = run(options);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.endsWith('\n'));
        return QJsonDocument::fromJson(result.out).object();
    }
};

TEST_F(RenderRun, ForwardDrawsAPenLineUpFromTheCentre) {
    const QImage picture = renderPng("forward 100");
    ASSERT_EQ(picture.size(), QSize(1024, 768));
    // The default brush is 2 pixels wide, centred on the path.
    EXPECT_EQ(picture.pixel(512, 334), kBlackPixel);
    EXPECT_EQ(picture.pixel(511, 300), kBlackPixel);
    EXPECT_EQ(picture.pixel(510, 334), kWhitePixel);
    EXPECT_EQ(picture.pixel(513, 334), kWhitePixel);
    EXPECT_EQ(picture.pixel(512, 282), kWhitePixel);
    EXPECT_EQ(picture.pixel(512, 390), kWhitePixel);
}

TEST_F(RenderRun, SizeAndPaletteOptionsShapeThePicture) {
    const QImage picture = renderPng(
        "forward 50", {QStringLiteral("--size"), QStringLiteral("200x100"), QStringLiteral("--pen"),
                       QStringLiteral("2003"), QStringLiteral("--colour"), QStringLiteral("3001"),
                       QStringLiteral("--symmetry"), QStringLiteral("4001"),
                       QStringLiteral("--heading"), QStringLiteral("90")});
    ASSERT_EQ(picture.size(), QSize(200, 100));
    // A 16-pixel red bar from the centre (100, 50) to the right, and its mirror image on the
    // left.
    EXPECT_EQ(picture.pixel(140, 55), kRedPixel);
    EXPECT_EQ(picture.pixel(60, 55), kRedPixel);
    EXPECT_EQ(picture.pixel(140, 30), kWhitePixel);
    EXPECT_EQ(picture.pixel(10, 55), kWhitePixel);
}

TEST_F(RenderRun, StateReportsTurtlePaletteCommandsAndVariables) {
    const QJsonObject s = state("let size = 10\nlet turns = 3\nlet shade = 12\nright 90\n"
                                "forward size\npensize 5\ncolor shade\nsymmetry turns\npenup\n",
                                {QStringLiteral("--heading"), QStringLiteral("-180")});
    EXPECT_EQ(s.value("x").toDouble(), 502.0);
    EXPECT_EQ(s.value("y").toDouble(), 384.0);
    EXPECT_EQ(s.value("h").toInt(), 502);
    EXPECT_EQ(s.value("v").toInt(), 384);
    EXPECT_EQ(s.value("heading").toInt(), 270);
    EXPECT_EQ(s.value("penUp").toInt(), 1);
    EXPECT_EQ(s.value("penSizeCommand").toInt(), 2002);
    EXPECT_EQ(s.value("colourCommand").toInt(), 3003);
    EXPECT_EQ(s.value("symmetryCommand").toInt(), 4002);
    EXPECT_FALSE(s.value("stopped").toBool());
    const QJsonObject variables = s.value("variables").toObject();
    EXPECT_EQ(variables.value("size").toInt(), 10);
    EXPECT_EQ(variables.value("turns").toInt(), 3);
    EXPECT_EQ(variables.value("shade").toInt(), 12);
    EXPECT_EQ(variables.size(), 3);
}

TEST_F(RenderRun, StateKeepsSinglePrecisionPositions) {
    const QJsonObject s = state("right 45\nforward 10\nforward 10");
    // 512 + 20 sin 45° and 384 - 20 cos 45°, in single precision; the view holds them truncated.
    EXPECT_NEAR(s.value("x").toDouble(), 526.1421, 1e-3);
    EXPECT_NEAR(s.value("y").toDouble(), 369.8579, 1e-3);
    EXPECT_EQ(s.value("h").toInt(), 526);
    EXPECT_EQ(s.value("v").toInt(), 369);
}

TEST_F(RenderRun, DivisionByZeroStopsTheRun) {
    const QJsonObject s = state("forward 10\nlet a = 5 / 0\nforward 10");
    EXPECT_TRUE(s.value("stopped").toBool());
    EXPECT_EQ(s.value("y").toDouble(), 374.0);
}

TEST_F(RenderRun, TheColourPickerKeepsTheColourHeadless) {
    const QImage picture =
        renderPng("color 0\nforward 20", {QStringLiteral("--colour"), QStringLiteral("3001")});
    EXPECT_EQ(picture.pixel(512, 374), kRedPixel);
    const QJsonObject s = state("color 0");
    EXPECT_EQ(s.value("colourCommand").toInt(), 3009);
}

TEST_F(RenderRun, PictureFilesRoundTripThroughOpen) {
    const QString program = writeProgram("pensize 8\ncolor 3\nright 30\nforward 200\nfill");
    const QString pict = pathOf(QStringLiteral("out.pict"));
    const QString direct = pathOf(QStringLiteral("direct.png"));
    ASSERT_EQ(run({QStringLiteral("-o"), pict, program}).exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("-o"), direct, program}).exitCode, 0);
    QFile file(pict);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 512 + 10);
    EXPECT_EQ(bytes.left(512), QByteArray(512, '\0'));

    // Opening the picture and drawing nothing gives the same pixels as the direct run.
    const QImage reopened = renderPng("", {QStringLiteral("--open"), pict});
    const QImage expected = QImage(direct).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(reopened.size(), expected.size());
    EXPECT_TRUE(reopened == expected);
}

TEST_F(RenderRun, OpenFitsAndCentresAnImage) {
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    const QString png = pathOf(QStringLiteral("blue.png"));
    ASSERT_TRUE(source.save(png));
    const QImage picture = renderPng(
        "", {QStringLiteral("--size"), QStringLiteral("200x100"), QStringLiteral("--open"), png});
    ASSERT_EQ(picture.size(), QSize(200, 100));
    EXPECT_EQ(picture.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(picture.pixel(199, 99), 0xFF0000FFu);
}

TEST_F(RenderRun, OpenTakesEveryFormatTheImageReadersDecodeAndRefusalsSayWhy) {
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    const QString bmp = pathOf(QStringLiteral("blue.bmp"));
    ASSERT_TRUE(source.save(bmp, "BMP"));
    const QImage picture = renderPng(
        "", {QStringLiteral("--size"), QStringLiteral("200x100"), QStringLiteral("--open"), bmp});
    EXPECT_EQ(picture.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(picture.pixel(199, 99), 0xFF0000FFu);

    const QString noise = pathOf(QStringLiteral("noise.dat"));
    QFile file(noise);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, '\x5A'));
    file.close();
    const RunResult refused = run({QStringLiteral("--open"), noise, writeProgram("forward 10")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("noise.dat"));
    EXPECT_TRUE(refused.err.contains("no installed image reader recognises its content"))
        << refused.err.toStdString();
    const RunResult unwritable = run(
        {QStringLiteral("-o"), pathOf(QStringLiteral("no/x.pict")), writeProgram("forward 10")});
    EXPECT_TRUE(unwritable.err.contains("x.pict\": its folder does not exist"))
        << unwritable.err.toStdString();
}

TEST_F(RenderRun, ParseErrorsWriteNoPicture) {
    const QString output = pathOf(QStringLiteral("never.png"));
    const RunResult result =
        run({QStringLiteral("-o"), output, writeProgram("forward 10\nrepeat 2 [ forward")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("program.turtle:2:"));
    EXPECT_TRUE(result.err.contains(": error: "));
    EXPECT_FALSE(QFile::exists(output));

    // Bytes of a binary file reach the terminal escaped; valid UTF-8 stays as it is.
    const RunResult binary = run({writeProgram("forward 1\ngr\xC3\xBC\xFF\x1B[2J\x01")});
    EXPECT_EQ(binary.exitCode, 1);
    EXPECT_TRUE(binary.err.contains("gr\xC3\xBC\\xFF\\x1B")) << binary.err.toStdString();
    EXPECT_FALSE(binary.err.contains('\x1B'));
    EXPECT_FALSE(binary.err.contains('\xFF'));
}

TEST_F(RenderRun, UnwritableAndUnreadableFilesExitWith2) {
    const QString program = writeProgram("forward 10");
    const QString missingFolder = pathOf(QStringLiteral("no/such/folder/out.png"));
    EXPECT_EQ(run({QStringLiteral("-o"), missingFolder, program}).exitCode, 2);
    const QString notAPicture = writeProgram("forward 10");
    EXPECT_EQ(run({QStringLiteral("--open"), notAPicture, program}).exitCode, 2);
    EXPECT_EQ(
        run({QStringLiteral("--open"), pathOf(QStringLiteral("missing.png")), program}).exitCode,
        2);
}

TEST_F(RenderRun, LanguageFilesGiveTheirWords) {
    QTemporaryDir languages;
    ASSERT_TRUE(languages.isValid());
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TURTLESCOPE_SOURCE_DIR "/resources/Languages/Deutsch.json"),
                    QDir(languages.path()).filePath(QStringLiteral("Deutsch"))));
    const QString program = writeProgram("rechts 90\nvorwärts 30");
    const RunResult result =
        runRaw({QStringLiteral("--languages"), languages.path(), QStringLiteral("--region"),
                QStringLiteral("3"), QStringLiteral("--state"), program});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject s = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(s.value("x").toDouble(), 542.0);
    EXPECT_EQ(s.value("heading").toInt(), 90);
}

} // namespace
