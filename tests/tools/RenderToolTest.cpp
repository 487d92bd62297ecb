// turtlescope-render as a black box: pictures and final states out of programs in, its --tree
// JSON, its translations, its diagnostics and its exit statuses. Runs use the application's own
// English words (an empty Languages folder) unless a test passes its own.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RunResult {
    int exitCode = -1;
    QByteArray out, err;
};

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mEmptyLanguages.isValid() && mPrograms.isValid()); }

    RunResult run(const QStringList& arguments, const QByteArray& input = {}) const {
        return runRaw(QStringList{"--languages", mEmptyLanguages.path()} + arguments, input);
    }
    static RunResult runRaw(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        process.start(TURTLESCOPE_BIN_DIR "/turtlescope-render", arguments);
        EXPECT_TRUE(process.waitForStarted(10000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    // Runs the program into out.png (plus any options) and loads the picture.
    QImage renderPng(const QByteArray& program, const QStringList& options = {}) const {
        const QString output = pathOf("out.png");
        QFile::remove(output);
        const RunResult result = run(options + QStringList{"-o", output, writeProgram(program)});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QImage(output).convertToFormat(QImage::Format_RGB32);
    }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(pathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QString writeProgram(const QByteArray& text) const { return writeFile("program.turtle", text); }
    QString pathOf(const QString& name) const { return mPrograms.filePath(name); }

    QTemporaryDir mEmptyLanguages, mPrograms;
};
using RenderRun = RenderTool;

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

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

// The Languages folder beside the tool holds a German file; region 3 chooses it. The German
// words' meaning is checked by the translation of every example.
TEST_F(RenderRun, LanguageFilesGiveTheirWords) {
    const QByteArray german = "rechts 90\nvorw\xC3\xA4rts 30";
    EXPECT_EQ(run({"--tree", writeProgram(german)}).exitCode, 1);
    EXPECT_EQ(runRaw({"--region", "3", "--tree", writeProgram(german)}).exitCode, 0);
}

TEST_F(RenderTool, TreePrintsEveryKindOfNode) {
    const RunResult result = run(
        {"--tree", "-"}, "n = 2\nshape sq [ repeat n [ forward n ] ]\nsq write \"t\\\\\" (1)\n");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "{\"ok\": true, \"nodes\": ["
              "{\"code\": 21, \"number\": 0, \"start\": 0, \"end\": 1, \"variable\": \"n\", "
              "\"children\": [{\"code\": 31, \"number\": 2, \"start\": 4, \"end\": 5}]}, "
              "{\"code\": 16, \"number\": 1, \"start\": 6, \"end\": 14, \"children\": ["
              "{\"code\": 9, \"number\": 0, \"start\": 17, \"end\": 25, \"variable\": \"n\", "
              "\"children\": [{\"code\": 1, \"number\": 0, \"start\": 28, \"end\": 37, "
              "\"variable\": \"n\"}]}], \"name\": \"sq\"}, "
              "{\"code\": 17, \"number\": 0, \"start\": 42, \"end\": 44, \"target\": \"sq\"}, "
              "{\"code\": 32, \"number\": 0, \"start\": 45, \"end\": 56, \"text\": \"t\\\\\\\\\"}, "
              "{\"code\": 29, \"number\": 0, \"start\": 57, \"end\": 58, \"children\": ["
              "{\"code\": 31, \"number\": 1, \"start\": 58, \"end\": 59}]}"
              "], \"variables\": [\"n\"]}\n");
}

TEST_F(RenderTool, ParseErrorPrintsJsonAndALineColumnDiagnostic) {
    // CR, LF and CRLF each end one line; the column counts bytes ("é" is two).
    const QString program = writeProgram("forward 1\rright 2\r\nleft 3\n  write \"é\" blah");
    const RunResult result = run({"--tree", program});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.toStdString(), "{\"ok\": false, \"message\": \"Unknown word: blah\", "
                                        "\"messageNumber\": 2, \"start\": 39, \"end\": 43}\n");
    EXPECT_EQ(result.err.toStdString(),
              program.toStdString() + ":4:14: error: Unknown word: blah\n");

    // Without --tree only the diagnostic.
    const RunResult plain = run({"-"}, "\n\nrepeat 0 [ ]");
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_TRUE(plain.out.isEmpty());
    EXPECT_EQ(plain.err.toStdString(), "-:3:8: error: A repeat count must be at least 1.\n");
}

struct TreeCase {
    const char* what;
    QByteArray program;
    QByteArray fragment; // expected verbatim in the JSON
};

TEST_F(RenderTool, TreeJsonIsValidUtf8AndExactForAnyProgram) {
    const TreeCase cases[] = {
        {"every variable once, comma-separated", "a = 1\nb = a\nc = b\nforward c",
         "\"variables\": [\"a\", \"b\", \"c\"]}\n"},
        {"font names go through the picture font table",
         "font serif font Monospace font nosuchfont font 22",
         "{\"code\": 33, \"number\": 20, \"start\": 0, \"end\": 10}, "
         "{\"code\": 33, \"number\": 4, \"start\": 11, \"end\": 25}, "
         "{\"code\": 33, \"number\": 0, \"start\": 26, \"end\": 41}, "
         "{\"code\": 33, \"number\": 22,"},
        {"controls are escaped", "write \"tab\there\nnew\x01\x1F\x7F\\\"",
         "\"text\": \"tab\\there\\nnew\\u0001\\u001f\x7F\\\\\"}"},
        {"shortest and longest sequences of each length pass through",
         "write \"\xC2\x80 \xDF\xBF \xE0\xA0\x80 \xED\x9F\xBF \xEF\xBF\xBF \xF0\x90\x80\x80 "
         "\xF4\x8F\xBF\xBF\"",
         "\"text\": \"\xC2\x80 \xDF\xBF \xE0\xA0\x80 \xED\x9F\xBF \xEF\xBF\xBF "
         "\xF0\x90\x80\x80 \xF4\x8F\xBF\xBF\"}"},
        {"continuation bytes and overlong leads are no lead bytes",
         "write \"\x80\x80 \xBF\x80 \xC0\x80 \xC1\xBF\"",
         "\"text\": \"\\u0080\\u0080 \\u00bf\\u0080 \\u00c0\\u0080 \\u00c1\\u00bf\"}"},
        {"leads beyond U+10FFFF are no lead bytes", "write \"\xF5\x80\x80\x80 \xFF\x80\x80\x80\"",
         "\"text\": \"\\u00f5\\u0080\\u0080\\u0080 \\u00ff\\u0080\\u0080\\u0080\"}"},
        {"overlong, surrogate and out-of-range second bytes",
         "write \"\xE0\x9F\x80 \xED\xA0\x80 \xF0\x8F\x80\x80 \xF4\x90\x80\x80\"",
         "\"text\": \"\\u00e0\\u009f\\u0080 \\u00ed\\u00a0\\u0080 "
         "\\u00f0\\u008f\\u0080\\u0080 \\u00f4\\u0090\\u0080\\u0080\"}"},
        {"bad later bytes and a sequence cut short",
         "write \"\xE2\x82"
         "A \xE2\x82\xC0 \xF0\x9F\x90\"",
         "\"text\": \"\\u00e2\\u0082A \\u00e2\\u0082\\u00c0 \\u00f0\\u009f\\u0090\"}"},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RunResult result = run({"--tree", "-"}, c.program);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty())
            << "Qt's chatter stays off stderr: " << result.err.toStdString();
        EXPECT_NE(result.out.indexOf(c.fragment), -1) << result.out.toStdString();
        QJsonParseError error;
        QJsonDocument::fromJson(result.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)utf8.decode(result.out);
        EXPECT_FALSE(utf8.hasError()) << result.out.toStdString();
    }
}

TEST_F(RenderTool, EveryOptionIsAcceptedAndBadUsageOrUnusableFilesExitWith2) {
    const QString program = writeProgram("forward 1");
    // In a row, P stands for the program, M for a missing file, N for a picture in a missing
    // folder and D for a folder.
    const QMap<QString, QString> names = {{"P", program},
                                          {"M", pathOf("missing.png")},
                                          {"N", pathOf("no/such/folder/out.png")},
                                          {"D", mPrograms.path()}};
    for (const char* row :
         {"", "P P", "--bogus P", "--size 0x10 P", "--size wide P", "--pen 2005 P",
          "--colour 3009 P", "--symmetry 3999 P", "--heading north P", "-o picture.jpeg P",
          "-o N P", "--open P P", "--open M P", "--tree M", "--tree D"}) {
        SCOPED_TRACE(row);
        QStringList arguments = QString(row).split(' ', Qt::SkipEmptyParts);
        for (QString& argument : arguments)
            argument = names.value(argument, argument);
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(names["N"]));

    const RunResult every =
        run({"--tree", "--size", "200x100", "--pen", "2010", "--colour", "3008", "--symmetry",
             "4004", "--heading", "-90", "--region", "0", "--open", program, "--state", "--output",
             pathOf("x.png"), program});
    EXPECT_EQ(every.exitCode, 0) << every.err.toStdString();
    EXPECT_TRUE(every.out.startsWith("{\"ok\": true"));
}

// --translate-to: the translated program's tree is the original's, and each way of failing has
// its exit status and its message.
const QString kShippedLanguages = QStringLiteral(TURTLESCOPE_SOURCE_DIR "/resources/Languages");

// The tree without text offsets, which a translation may move.
QJsonValue withoutOffsets(const QJsonValue& value) {
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray())
            array.append(withoutOffsets(item));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    object.remove(QStringLiteral("start"));
    object.remove(QStringLiteral("end"));
    for (auto it = object.begin(); it != object.end(); ++it)
        it.value() = withoutOffsets(it.value());
    return object;
}

std::string treeOf(const RunResult& result) {
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonValue tree = withoutOffsets(QJsonDocument::fromJson(result.out).object());
    return QJsonDocument(tree.toObject()).toJson().toStdString();
}

TEST_F(RenderTool, TranslatedExamplesParseToTheSameTree) {
    const QDir examples(QStringLiteral(TURTLESCOPE_SOURCE_DIR "/examples"));
    for (const QString& name : examples.entryList({QStringLiteral("*.turtle")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QString original = examples.filePath(name);
        const std::string tree = treeOf(run({QStringLiteral("--tree"), original}));
        // The second keyword set is read with English words, German with the German file.
        for (const char* region : {"0", "3"}) {
            const char* target = region == std::string_view("0") ? "set2" : region;
            const RunResult translated =
                runRaw({"--languages", kShippedLanguages, "--translate-to", target, original});
            ASSERT_EQ(translated.exitCode, 0) << translated.err.toStdString();
            EXPECT_TRUE(translated.err.isEmpty());
            const RunResult again =
                runRaw({"--languages", kShippedLanguages, "--region", region, "--tree", "-"},
                       translated.out);
            EXPECT_EQ(treeOf(again), tree) << target;
        }
    }
}

TEST_F(RenderTool, TranslationFailuresExitWithTheirStatusAndMessage) {
    const struct {
        const char* program;
        const char* target;
        int exitCode;
        const char* message;
    } cases[] = {
        {"forward 1\nforwrd 2\n", "set2", 1, "program.turtle:2:1: error: Unknown word: forwrd"},
        {"links = 1\nforward links\n", "3", 3, "the name “links” on line 1"},
        {"forward 1\n", "7", 2, "no language file for region 7"},
        {"forward 1\n", "set3", 2, "--translate-to expects set1, set2 or a region code"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const RunResult result = runRaw({"--languages", kShippedLanguages, "--translate-to",
                                         c.target, writeProgram(c.program)});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
}

} // namespace
