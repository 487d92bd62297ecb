// turtlescope-render as a black box: its --tree JSON, its diagnostics and its exit statuses.

#include "RenderToolSupport.h"

#include <QJsonDocument>
#include <QMap>
#include <QStringDecoder>

namespace {

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

} // namespace
