// turtlescope-render running programs: pictures and final states out of programs in.

#include "RenderToolSupport.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

class RenderRun : public RenderTool {
protected:
    // Runs the program into out.png (plus any options) and loads the picture.
    QImage renderPng(const QByteArray& program, const QStringList& options = {}) {
        const QString output = pathOf("out.png");
        QFile::remove(output);
        const RunResult result = run(options + QStringList{"-o", output, writeProgram(program)});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QImage(output).convertToFormat(QImage::Format_RGB32);
    }
};

// The colours at the given points, to compare with what they should be.
std::vector<QRgb> colours(const QImage& picture, std::initializer_list<QPoint> points) {
    std::vector<QRgb> found;
    for (const QPoint p : points)
        found.push_back(picture.pixel(p));
    return found;
}

TEST_F(RenderRun, ForwardDrawsAPenLineUpFromTheCentre) {
    const QImage picture = renderPng("forward 100");
    ASSERT_EQ(picture.size(), QSize(1024, 768));
    // The default brush is 2 pixels wide, centred on the path.
    EXPECT_EQ(
        colours(picture, {{512, 334}, {511, 300}, {510, 334}, {513, 334}, {512, 282}, {512, 390}}),
        (std::vector<QRgb>{kBlack, kBlack, kWhite, kWhite, kWhite, kWhite}));

    // A 16-pixel red bar from the centre (100, 50) to the right, and its mirror image on the left.
    const QImage small = renderPng("forward 50", {"--size", "200x100", "--pen", "2003", "--colour",
                                                  "3001", "--symmetry", "4001", "--heading", "90"});
    ASSERT_EQ(small.size(), QSize(200, 100));
    EXPECT_EQ(colours(small, {{140, 55}, {60, 55}, {140, 30}, {10, 55}}),
              (std::vector<QRgb>{kRed, kRed, kWhite, kWhite}));
    // The colour picker keeps the colour when nobody is there to pick.
    EXPECT_EQ(renderPng("color 0\nforward 20", {"--colour", "3001"}).pixel(512, 374), kRed);
}

TEST_F(RenderRun, StateReportsTurtlePaletteCommandsAndVariables) {
    const struct {
        const char* what;
        QByteArray program;
        QStringList options;
        const char* state;
    } cases[] = {
        {"everything",
         "let size = 10\nlet turns = 3\nlet shade = 12\nright 90\nforward size\n"
         "pensize 5\ncolor shade\nsymmetry turns\npenup\n",
         {"--heading", "-180"},
         R"({"x": 502, "y": 384, "h": 502, "v": 384, "heading": 270, "penUp": 1, "penSizeCommand": 2002, "colourCommand": 3003, "symmetryCommand": 4002, "stopped": false, "variables": {"size": 10, "turns": 3, "shade": 12}})"},
        {"division by zero stops the run",
         "forward 10\nlet a = 5 / 0\nforward 10",
         {},
         R"({"x": 512, "y": 374, "h": 512, "v": 374, "heading": 0, "penUp": 0, "penSizeCommand": 2000, "colourCommand": 3000, "symmetryCommand": 4000, "stopped": true, "variables": {"a": 0}})"},
        {"the colour picker's command without a picker",
         "color 0",
         {},
         R"({"x": 512, "y": 384, "h": 512, "v": 384, "heading": 0, "penUp": 0, "penSizeCommand": 2000, "colourCommand": 3009, "symmetryCommand": 4000, "stopped": false, "variables": {}})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RunResult result = run(c.options + QStringList{"--state", writeProgram(c.program)});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out.toStdString(), c.state + std::string("\n"));
    }

    // 512 + 20 sin 45° and 384 - 20 cos 45°, in single precision; the view holds them truncated.
    const QJsonObject s =
        QJsonDocument::fromJson(
            run({"--state", writeProgram("right 45\nforward 10\nforward 10")}).out)
            .object();
    EXPECT_NEAR(s.value("x").toDouble(), 526.1421, 1e-3);
    EXPECT_NEAR(s.value("y").toDouble(), 369.8579, 1e-3);
    EXPECT_EQ(s.value("h").toInt() * 1000 + s.value("v").toInt(), 526369);
}

TEST_F(RenderRun, PictureFilesRoundTripThroughOpen) {
    const QString program = writeProgram("pensize 8\ncolor 3\nright 30\nforward 200\nfill");
    const QString pict = pathOf("out.pict"), direct = pathOf("direct.png");
    ASSERT_EQ(run({"-o", pict, program}).exitCode, 0);
    ASSERT_EQ(run({"-o", direct, program}).exitCode, 0);
    QFile file(pict);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 512 + 10);
    EXPECT_EQ(bytes.left(512), QByteArray(512, '\0'));

    // Opening the picture and drawing nothing gives the same pixels as the direct run.
    const QImage reopened = renderPng("", {"--open", pict});
    EXPECT_TRUE(reopened == QImage(direct).convertToFormat(QImage::Format_RGB32));
}

TEST_F(RenderRun, OpenFitsAnyImageTheReadersDecodeAndRefusalsSayWhy) {
    QImage source(100, 50, QImage::Format_RGB32);
    source.fill(QColor(0, 0, 255));
    ASSERT_TRUE(source.save(pathOf("blue.bmp"), "BMP"));
    const QImage picture = renderPng("", {"--size", "200x100", "--open", pathOf("blue.bmp")});
    ASSERT_EQ(picture.size(), QSize(200, 100));
    EXPECT_EQ(colours(picture, {{0, 0}, {199, 99}}), (std::vector<QRgb>{kBlue, kBlue}));

    const QString noise = writeFile("noise.dat", QByteArray(3000, '\x5A'));
    const RunResult refused = run({"--open", noise, writeProgram("forward 10")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("noise.dat") &&
                refused.err.contains("no installed image reader recognises its content"))
        << refused.err.toStdString();
    const RunResult unwritable = run({"-o", pathOf("no/x.pict"), writeProgram("forward 10")});
    EXPECT_TRUE(unwritable.err.contains("x.pict\": its folder does not exist"))
        << unwritable.err.toStdString();
}

TEST_F(RenderRun, ParseErrorsWriteNoPicture) {
    const QString output = pathOf("never.png");
    const RunResult result = run({"-o", output, writeProgram("forward 10\nrepeat 2 [ forward")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("program.turtle:2:") && result.err.contains(": error: "));
    EXPECT_FALSE(QFile::exists(output));

    // Bytes of a binary file reach the terminal escaped; valid UTF-8 stays as it is.
    const RunResult binary = run({writeProgram("forward 1\ngr\xC3\xBC\xFF\x1B[2J\x01")});
    EXPECT_EQ(binary.exitCode, 1);
    EXPECT_TRUE(binary.err.contains("gr\xC3\xBC\\xFF\\x1B")) << binary.err.toStdString();
    EXPECT_FALSE(binary.err.contains('\x1B') || binary.err.contains('\xFF'));
}

TEST_F(RenderRun, LanguageFilesGiveTheirWords) {
    const QByteArray german = "rechts 90\nvorw\xC3\xA4rts 30";
    const RunResult english = run({"--tree", writeProgram(german)});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_NE(english.err.indexOf("Unknown word: rechts"), -1);

    // The Languages folder beside the tool holds a German file, and so may one of the user's own;
    // region 3 chooses it.
    EXPECT_EQ(runRaw({"--region", "3", "--tree", writeProgram(german)}).exitCode, 0);
    QTemporaryDir languages;
    ASSERT_TRUE(QFile::copy(TURTLESCOPE_SOURCE_DIR "/resources/Languages/Deutsch.json",
                            QDir(languages.path()).filePath("Deutsch")));
    const RunResult result =
        runRaw({"--languages", languages.path(), "--region", "3", "--state", writeProgram(german)});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject s = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(s.value("x").toDouble(), 542.0);
    EXPECT_EQ(s.value("heading").toInt(), 90);
}

} // namespace
