// turtlescope-render as a black box: its --tree JSON, its diagnostics and its exit statuses.

#include "RenderToolSupport.h"

namespace {

TEST_F(RenderTool, TreePrintsEveryKindOfNode) {
    const RunResult result =
        run({QStringLiteral("--tree"), QStringLiteral("-")},
            "n = 2\nshape sq [ repeat n [ forward n ] ]\nsq write \"t\\\\\" (1)\n");
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
    const RunResult result = run({QStringLiteral("--tree"), program});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.toStdString(), "{\"ok\": false, \"message\": \"Unknown word: blah\", "
                                        "\"messageNumber\": 2, \"start\": 39, \"end\": 43}\n");
    EXPECT_EQ(result.err.toStdString(),
              program.toStdString() + ":4:14: error: Unknown word: blah\n");
}

TEST_F(RenderTool, ParseErrorWithoutTreePrintsOnlyTheDiagnostic) {
    const RunResult result = run({QStringLiteral("-")}, "\n\nrepeat 0 [ ]");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(result.err.toStdString(), "-:3:8: error: A repeat count must be at least 1.\n");
}

TEST_F(RenderTool, FontNamesGoThroughThePictureFontTable) {
    const RunResult result = run({QStringLiteral("--tree"), QStringLiteral("-")},
                                 "font serif font Monospace font nosuchfont font 22");
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_NE(result.out.indexOf("{\"code\": 33, \"number\": 20, \"start\": 0, \"end\": 10}, "
                                 "{\"code\": 33, \"number\": 4, \"start\": 11, \"end\": 25}, "
                                 "{\"code\": 33, \"number\": 0, \"start\": 26, \"end\": 41}, "
                                 "{\"code\": 33, \"number\": 22,"),
              -1)
        << result.out.toStdString();
    EXPECT_TRUE(result.err.isEmpty())
        << "Qt's chatter stays off stderr: " << result.err.toStdString();
}

TEST_F(RenderTool, JsonStringsStayValidForAnyBytes) {
    const RunResult result = run({QStringLiteral("--tree"), QStringLiteral("-")},
                                 QByteArray("write \"tab\there\nnew \xC3\xA9 \xFF\x01 \xE2\x82\""));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.indexOf("\"text\": \"tab\\there\\nnew \xC3\xA9 \\u00ff\\u0001 "
                                 "\\u00e2\\u0082\""),
              -1)
        << result.out.toStdString();
}

TEST_F(RenderTool, TheLanguageFileDecidesTheWords) {
    const QByteArray german = "vorw\xC3\xA4rts 10";
    const RunResult english = run({QStringLiteral("--tree"), QStringLiteral("-")}, german);
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_NE(english.err.indexOf("Unknown word: vorw"), -1);

    // The build's Languages folder holds a German file; region 3 chooses it.
    const RunResult chosen = runRaw({QStringLiteral("--region"), QStringLiteral("3"),
                                     QStringLiteral("--tree"), QStringLiteral("-")},
                                    german);
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_NE(chosen.out.indexOf("{\"code\": 1, \"number\": 10"), -1);
}

TEST_F(RenderTool, BadUsageAndUnreadableFilesExitWith2) {
    const QString program = writeProgram("forward 1");
    const QList<QStringList> wrong = {
        {},
        {program, program},
        {QStringLiteral("--bogus"), program},
        {QStringLiteral("--size"), QStringLiteral("0x10"), program},
        {QStringLiteral("--size"), QStringLiteral("wide"), program},
        {QStringLiteral("--pen"), QStringLiteral("2005"), program},
        {QStringLiteral("--colour"), QStringLiteral("3009"), program},
        {QStringLiteral("--symmetry"), QStringLiteral("3999"), program},
        {QStringLiteral("--heading"), QStringLiteral("north"), program},
        {QStringLiteral("-o"), QStringLiteral("picture.jpeg"), program},
        {QStringLiteral("--tree"), mPrograms.filePath(QStringLiteral("missing.turtle"))},
        {QStringLiteral("--tree"), mPrograms.path()},
    };
    for (const QStringList& arguments : wrong) {
        const RunResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
}

TEST_F(RenderTool, EveryOptionIsAccepted) {
    const QString program = writeProgram("forward 1");
    const RunResult result =
        run({QStringLiteral("--tree"), QStringLiteral("--size"), QStringLiteral("200x100"),
             QStringLiteral("--pen"), QStringLiteral("2010"), QStringLiteral("--colour"),
             QStringLiteral("3008"), QStringLiteral("--symmetry"), QStringLiteral("4004"),
             QStringLiteral("--heading"), QStringLiteral("-90"), QStringLiteral("--region"),
             QStringLiteral("0"), QStringLiteral("--open"), program, QStringLiteral("--state"),
             QStringLiteral("--output"), QStringLiteral("x.png"), program});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("{\"ok\": true"));
}

} // namespace
