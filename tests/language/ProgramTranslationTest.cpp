#include "ProgramTranslation.h"

#include "LanguageCatalogue.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using Status = TranslationResult::Status;

std::unique_ptr<Vocabulary> vocabularyOf(const char* languageFile) {
    LanguageChoice choice;
    if (*languageFile)
        choice.path = QStringLiteral(TURTLESCOPE_SOURCE_DIR "/resources/Languages/") +
                      QString::fromLatin1(languageFile);
    return LoadVocabulary(choice);
}

std::string translated(std::string_view text, const Vocabulary& from, const Vocabulary& to,
                       TargetLists lists) {
    const TranslationResult result = TranslateProgram(text, from, to, lists);
    EXPECT_EQ(result.status, Status::kTranslated) << result.word << " line " << result.line;
    return result.text;
}

class ProgramTranslation : public ::testing::Test {
protected:
    std::unique_ptr<Vocabulary> mEnglish = vocabularyOf("");
    std::unique_ptr<Vocabulary> mGerman = vocabularyOf("Deutsch.json");
};

// Every shipped example survives both trips byte for byte: to the second keyword set and back,
// and to German and back. A program that mixes the sets comes back in the first set.
TEST_F(ProgramTranslation, ShippedExamplesComeBackByteForByte) {
    const QStringList examples = QDir(QStringLiteral(TURTLESCOPE_SOURCE_DIR "/examples"))
                                     .entryList({QStringLiteral("*.turtle")}, QDir::Files);
    ASSERT_GE(examples.size(), 10);
    ASSERT_TRUE(mEnglish && mGerman);
    for (const QString& name : examples) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(TURTLESCOPE_SOURCE_DIR "/examples/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string text = file.readAll().toStdString();
        const std::string first = translated(text, *mEnglish, *mEnglish, TargetLists::kFirst);
        const std::string second = translated(text, *mEnglish, *mEnglish, TargetLists::kSecond);
        EXPECT_NE(second, first);
        EXPECT_EQ(translated(second, *mEnglish, *mEnglish, TargetLists::kFirst), first);
        if (name != QLatin1String("other-words.turtle")) {
            EXPECT_EQ(first, text);
        }
        const std::string german =
            translated(text, *mEnglish, *mGerman, TargetLists::kSameAsSource);
        EXPECT_NE(german, text);
        EXPECT_EQ(translated(german, *mGerman, *mEnglish, TargetLists::kSameAsSource), text);
    }
}

// Comments, quoted text, names, numbers and blanks keep their bytes; keywords, abbreviations,
// colour names and argument words change, with the case the program wrote them in.
TEST_F(ProgramTranslation, OnlyListedWordsChange) {
    constexpr auto kSecond = TargetLists::kSecond, kSame = TargetLists::kSameAsSource;
    const std::tuple<const char*, TargetLists, bool, const char*> cases[] = {
        {"-- forward right\nforward 10 ; right 90\n", kSecond, false,
         "-- forward right\nfd 10 ; right 90\n"},
        {"write \"forward repeat\"\n# pen up\n", kSecond, false,
         "label \"forward repeat\"\n# pen up\n"},
        {"Forward 5\tPENUP\r\nfwd 1 colour red pen up", kSecond, false,
         "Fd 5\tPU\r\nforth 1 setcolour rd setpen raised"},
        {"let x = 3*4\nrepeat x [ right x ] textstyle bold", kSame, true,
         "setze x = 3*4\nwiederhole x [ rechts x ] schriftstil fett"},
        {"setpc cycle\nto sq [ fd 1 ]\nsq", kSame, true, "farbwahl bunt\nlerne sq [ vw 1 ]\nsq"},
        // A shape named like a German keyword but never called collides with nothing.
        {"shape links [ forward 1 ]\n", kSame, true, "figur links [ vorwärts 1 ]\n"}};
    for (const auto& [source, lists, toGerman, expected] : cases)
        EXPECT_EQ(translated(source, *mEnglish, toGerman ? *mGerman : *mEnglish, lists), expected);
}

// A refusal names the word and its line, and gives no text to put in the editor.
TEST_F(ProgramTranslation, RefusalsNameTheWordAndLine) {
    const Vocabulary empty; // no lists at all
    const std::tuple<const char*, const Vocabulary*, Status, const char*, int> cases[] = {
        {"repeat 2 [ fd 1 ]\nlinks = 5\nforward links\n", mGerman.get(), Status::kNameCollision,
         "links", 2},
        {"rot = 2\n\ncolour rot\n", mGerman.get(), Status::kNameCollision, "rot", 1},
        {"x = 1\npenup", &empty, Status::kNoTargetWord, "penup", 2},
        {"forward 1\nnowhere 3\n", mGerman.get(), Status::kParseFailed, "", 2}};
    for (const auto& [source, to, status, word, line] : cases) {
        SCOPED_TRACE(source);
        const TranslationResult result =
            TranslateProgram(source, *mEnglish, *to, TargetLists::kSameAsSource);
        EXPECT_EQ(std::tuple(result.status, result.word, result.line, result.text),
                  std::tuple(status, std::string(word), line, std::string()));
        if (status != Status::kParseFailed) {
            const QString message = TranslationRefusalText(result, QStringLiteral("Deutsch"));
            EXPECT_TRUE(message.contains(QString::fromUtf8(word)) &&
                        message.contains(QString::number(line)))
                << message.toStdString();
        }
    }
}

TEST_F(ProgramTranslation, FirstParsingVocabularyIsChosen) {
    const Vocabulary* both[] = {mEnglish.get(), mGerman.get()};
    EXPECT_EQ(FirstParsingVocabulary("vorwärts 10", both), 1);
    EXPECT_EQ(FirstParsingVocabulary("x = 1", both), 0);
    EXPECT_EQ(FirstParsingVocabulary("nirgends 1", both), -1);
}

} // namespace
