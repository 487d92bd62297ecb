// turtlescope-render as a black box: pictures and final states out of programs in, its --tree
// JSON, its translations, its diagnostics and its exit statuses. Runs use the English words
// (region 0 of the Languages folder beside the tool) unless a row names its own region.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RunResult {
    int status = -1;
    std::string out, err;
};

class RenderTool : public ::testing::Test {
protected:
    // Runs the tool with the blank-separated arguments, "$" standing for a temporary folder; the
    // input goes to standard input and to $/p.turtle.
    RunResult run(const QString& arguments, const QByteArray& input = {}) const {
        writeFile("p.turtle", input);
        QStringList list{"--region", "0"};
        for (const QString& argument : arguments.split(' ', Qt::SkipEmptyParts))
            list << QString(argument).replace('$', mFolder.path());
        QProcess process;
        process.start(TURTLESCOPE_BIN_DIR "/turtlescope-render", list);
        EXPECT_TRUE(process.waitForStarted(10000));
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(pathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString pathOf(const QString& name) const { return mFolder.filePath(name); }
    QImage picture(const QString& name) const {
        return QImage(pathOf(name)).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir mFolder;
};

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

TEST_F(RenderTool, PicturesShowTheStrokesAndSurviveAPictFile) {
    QImage blue(100, 50, QImage::Format_RGB32);
    blue.fill(kBlue);
    ASSERT_TRUE(blue.save(pathOf("blue.bmp"), "BMP"));
    const struct {
        const char* arguments;
        QByteArray program;
        QSize size;
        std::vector<std::tuple<int, int, QRgb>> pixels;
    } rows[] = {
        // The default brush is 2 pixels wide, centred on the path up from the centre.
        {"",
         "forward 100",
         {1024, 768},
         {{512, 334, kBlack},
          {511, 300, kBlack},
          {510, 334, kWhite},
          {513, 334, kWhite},
          {512, 282, kWhite},
          {512, 390, kWhite}}},
        // A 16-pixel red bar from the centre (100, 50) to the right, and its mirror image.
        {"--size 200x100 --pen 2003 --colour 3001 --symmetry 4001 --heading 90",
         "forward 50",
         {200, 100},
         {{140, 55, kRed}, {60, 55, kRed}, {140, 30, kWhite}, {10, 55, kWhite}}},
        // Nobody is there to pick a colour: the run keeps its own.
        {"--colour 3001", "color 0\nforward 20", {1024, 768}, {{512, 374, kRed}}},
        {"--size 200x100 --open $/blue.bmp", "", {200, 100}, {{0, 0, kBlue}, {199, 99, kBlue}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program.toStdString());
        const RunResult result = run(row.arguments + QString(" -o $/out.png -"), row.program);
        ASSERT_EQ(result.status, 0) << result.err;
        const QImage image = picture("out.png");
        EXPECT_EQ(image.size(), row.size);
        for (const auto& [x, y, colour] : row.pixels)
            EXPECT_EQ(image.pixel(x, y), colour) << x << ',' << y;
        // The same picture through a PICT file, which starts with 512 zero bytes.
        ASSERT_EQ(run(row.arguments + QString(" -o $/out.pict -"), row.program).status, 0);
        ASSERT_EQ(run(row.arguments + QString(" --open $/out.pict -o $/back.png -")).status, 0);
        EXPECT_TRUE(picture("back.png") == image);
        QFile pict(pathOf("out.pict"));
        EXPECT_TRUE(pict.open(QIODevice::ReadOnly) && pict.read(512) == QByteArray(512, '\0'));
    }
}

// Each row: the arguments, the input, the exit status, a part of standard output and a part of
// standard error ("$" again the temporary folder; an empty part means nothing is written there).
// JSON on standard output must parse, and a failed run writes no picture.
TEST_F(RenderTool, EachRunPrintsItsResultAndExitStatus) {
    writeFile("noise.dat", QByteArray(3000, 'Z'));
    const QByteArray edges =
        "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    const struct {
        const char* arguments;
        QByteArray input;
        int status;
        std::string out, err;
    } rows[] = {
        {"--tree -", "n = 2\nshape sq [ repeat n [ forward n ] ]\nsq write \"t\\\\\" (1)\n", 0,
         R"({"ok": true, "nodes": [{"code": 21, "number": 0, "start": 0, "end": 1, "variable": "n", )"
         R"("children": [{"code": 31, "number": 2, "start": 4, "end": 5}]}, {"code": 16, "number": 1, )"
         R"("start": 6, "end": 14, "children": [{"code": 9, "number": 0, "start": 17, "end": 25, )"
         R"("variable": "n", "children": [{"code": 1, "number": 0, "start": 28, "end": 37, "variable": )"
         R"("n"}]}], "name": "sq"}, {"code": 17, "number": 0, "start": 42, "end": 44, "target": "sq"}, )"
         R"({"code": 32, "number": 0, "start": 45, "end": 56, "text": "t\\\\"}, {"code": 29, "number": )"
         R"(0, "start": 57, "end": 58, "children": [{"code": 31, "number": 1, "start": 58, "end": 59}]}], )"
         R"("variables": ["n"]})"
         "\n",
         ""},
        {"--tree -", "a = 1\nb = a\nc = b\nforward c", 0, R"("variables": ["a", "b", "c"]})", ""},
        {"--tree -", "font serif", 0, R"({"code": 33, "number": 20, "start": 0, "end": 10})", ""},
        {"--tree -", "write \"tab\there\nnew\x01\x1F\x7F\\\"", 0,
         "\"text\": \"tab\\there\\nnew\\u0001\\u001f\x7F\\\\\"}", ""},
        // The shortest and longest sequence of each length pass through.
        {"--tree -", "write \"" + edges + "\"", 0, "\"" + std::string(edges) + "\"}", ""},
        // Continuation bytes, overlong leads and leads beyond U+10FFFF are no lead bytes.
        {"--tree -", "write \"\x80\x80\xBF\x80\xC0\x80\xC1\xBF\"", 0,
         R"("\u0080\u0080\u00bf\u0080\u00c0\u0080\u00c1\u00bf"})", ""},
        {"--tree -", "write \"\xF5\x80\x80\x80\xFF\x80\x80\x80\"", 0,
         R"("\u00f5\u0080\u0080\u0080\u00ff\u0080\u0080\u0080"})", ""},
        // Overlong, surrogate and out-of-range second bytes; bad later bytes; a sequence cut short.
        {"--tree -",
         "write \"\xE0\x9F\x80\xED\xA0\x80\xF0\x8F\x80\x80\xF4\x90\xE2\x82"
         "A\xF0\x9F\x90\"",
         0,
         R"("\u00e0\u009f\u0080\u00ed\u00a0\u0080\u00f0\u008f\u0080\u0080\u00f4\u0090\u00e2\u0082A\u00f0\u009f\u0090"})",
         ""},
        // CR, LF and CRLF each end one line; the column counts bytes ("é" is two).
        {"--tree $/p.turtle", "forward 1\rright 2\r\nleft 3\n  write \"é\" blah", 1,
         R"({"ok": false, "message": "Unknown word: blah", "messageNumber": 2, "start": 39, "end": 43})"
         "\n",
         "$/p.turtle:4:14: error: Unknown word: blah\n"},
        {"-", "\n\nrepeat 0 [ ]", 1, "", "-:3:8: error: A repeat count must be at least 1.\n"},
        {"-o $/out.png -", "forward 10\nrepeat 2 [ forward", 1, "", "-:2:"},
        // Bytes of a binary file reach the terminal escaped; valid UTF-8 stays as it is.
        {"-", "forward 1\ngr\xC3\xBC\xFF\x1B[2J\x01", 1, "",
         "-:2:1: error: Unknown word: gr\xC3\xBC\\xFF\\x1B\n"},
        {"--region 3 --tree -", "rechts 90\nvorw\xC3\xA4rts 30", 0, R"({"ok": true)", ""},
        // 512 + 20 sin 45° and 384 - 20 cos 45° in single precision; the view truncates them.
        {"--heading 45 --state -",
         "size = 10\nturns = 3\nshade = 12\npensize 5\ncolor shade\nsymmetry turns\nforward size\n"
         "forward size\npenup\na = 5 / 0\nforward 10",
         0,
         R"({"x": 526.1421, "y": 369.85785, "h": 526, "v": 369, "heading": 45, "penUp": 1, "penSizeCommand": 2002, "colourCommand": 3003, "symmetryCommand": 4002, "stopped": true, "variables": {"size": 10, "turns": 3, "shade": 12, "a": 0}})"
         "\n",
         ""},
        {"--state -", "", 0, R"("stopped": false, "variables": {}})", ""},
        {"--tree --size 200x100 --pen 2010 --colour 3008 --symmetry 4004 --heading -90 "
         "--languages $ --open $/p.turtle --state --output $/x.png $/p.turtle",
         "forward 1", 0, R"({"ok": true)", ""},
        // Bad usage and unusable files.
        {"", "", 2, "", "no PROGRAM given"},
        {"--bogus -", "", 2, "", "Unknown option 'bogus'"},
        {"--size 0x10 -", "", 2, "", "--size expects WIDTHxHEIGHT"},
        {"--pen 2005 -", "", 2, "", "--pen expects 2000 to 2004, or 2010"},
        {"--symmetry 3999 -", "", 2, "", "--symmetry expects a whole number from 4000 to 4004"},
        {"--heading north -", "", 2, "", "--heading expects a whole number"},
        {"-o $/picture.jpeg -", "", 2, "", "--output must name a .pict or .png file"},
        {"--tree $/missing", "", 2, "", "cannot read $/missing"},
        {"--open $/noise.dat -o $/out.png -", "forward 1", 2, "",
         "cannot read \"$/noise.dat\" as a picture: no installed image reader recognises its "
         "content"},
        {"-o $/no/x.pict -", "forward 1", 2, "",
         "cannot write \"$/no/x.pict\": its folder does not exist"},
        // Translations: a parse error, a word of the target language used as a name, bad targets.
        {"--translate-to set2 -", "forward 1\nforwrd 2\n", 1, "",
         "-:2:1: error: Unknown word: forwrd"},
        {"--translate-to 3 -", "links = 1\nforward links\n", 3, "", "the name “links” on line 1"},
        {"--translate-to 7 -", "forward 1\n", 2, "", "no language file for region 7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments + (" < " + row.input.left(30).toStdString()));
        QFile::remove(pathOf("out.png"));
        const RunResult result = run(row.arguments, row.input);
        EXPECT_EQ(result.status, row.status);
        const std::string err =
            QString::fromStdString(row.err).replace('$', mFolder.path()).toStdString();
        EXPECT_TRUE(result.out.find(row.out) != std::string::npos &&
                    result.out.empty() == row.out.empty())
            << result.out;
        EXPECT_TRUE(result.err.find(err) != std::string::npos && result.err.empty() == err.empty())
            << result.err;
        QJsonParseError error{};
        if (result.out.starts_with('{'))
            QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
        EXPECT_FALSE(row.status != 0 && QFile::exists(pathOf("out.png")));
    }
}

// The translated program's tree is the original's, text offsets aside.
TEST_F(RenderTool, TranslatedExamplesParseToTheSameTree) {
    const auto tree = [](const RunResult& result) {
        EXPECT_EQ(result.status, 0) << result.err;
        return QString::fromStdString(result.out)
            .remove(QRegularExpression(R"(, "start": \d+, "end": \d+)"));
    };
    const QDir examples(QStringLiteral(TURTLESCOPE_SOURCE_DIR "/examples"));
    for (const QString& name : examples.entryList({QStringLiteral("*.turtle")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile file(examples.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        const QString expected = tree(run("--tree -", original));
        // The second keyword set is read with English words, German with the German file.
        for (const auto& [target, region] : {std::pair{"set2", "0"}, {"3", "3"}}) {
            const RunResult translated = run(QString("--translate-to %1 -").arg(target), original);
            EXPECT_EQ(translated.err, "");
            EXPECT_EQ(tree(run(QString("--region %1 --tree -").arg(region),
                               QByteArray::fromStdString(translated.out))),
                      expected)
                << target;
        }
    }
}

} // namespace
