// turtlescope-render --translate-to: the translated program's tree is the original's, and each
// way of failing has its exit status and its message.

#include "RenderToolSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

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

struct Failure {
    const char* program;
    const char* target;
    int exitCode;
    const char* message;
};

class TranslateFailures : public RenderTool, public ::testing::WithParamInterface<Failure> {};

TEST_P(TranslateFailures, ExitWithTheirStatusAndMessage) {
    const Failure& f = GetParam();
    const RunResult result = runRaw(
        {"--languages", kShippedLanguages, "--translate-to", f.target, writeProgram(f.program)});
    EXPECT_EQ(result.exitCode, f.exitCode);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(f.message)) << result.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslateFailures,
    ::testing::Values(Failure{"forward 1\nforwrd 2\n", "set2", 1,
                              "program.turtle:2:1: error: Unknown word: forwrd"},
                      Failure{"links = 1\nforward links\n", "3", 3, "the name “links” on line 1"},
                      Failure{"forward 1\n", "7", 2, "no language file for region 7"},
                      Failure{"forward 1\n", "set3", 2,
                              "--translate-to expects set1, set2 or a region code"}));

} // namespace
