#include "ProgramTranslation.h"

#include "LanguageCatalogue.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

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

struct WordCase {
    const char* source;
    TargetLists lists;
    bool toGerman;
    const char* expected;
};

class TranslatedWords : public ProgramTranslation,
                        public ::testing::WithParamInterface<WordCase> {};

// Comments, quoted text, names, numbers and blanks keep their bytes; keywords, abbreviations,
// colour names and argument words change, with the case the program wrote them in.
TEST_P(TranslatedWords, OnlyListedWordsChange) {
    const WordCase& c = GetParam();
    EXPECT_EQ(translated(c.source, *mEnglish, c.toGerman ? *mGerman : *mEnglish, c.lists),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslatedWords,
    ::testing::Values(WordCase{"-- forward right\nforward 10 ; right 90\n", TargetLists::kSecond,
                               false, "-- forward right\nfd 10 ; right 90\n"},
                      WordCase{"write \"forward repeat\"\n# pen up\n", TargetLists::kSecond, false,
                               "label \"forward repeat\"\n# pen up\n"},
                      WordCase{"Forward 5\tPENUP\r\nfwd 1 colour red pen up", TargetLists::kSecond,
                               false, "Fd 5\tPU\r\nforth 1 setcolour rd setpen raised"},
                      WordCase{"let x = 3*4\nrepeat x [ right x ] textstyle bold",
                               TargetLists::kSameAsSource, true,
                               "setze x = 3*4\nwiederhole x [ rechts x ] schriftstil fett"},
                      WordCase{"setpc cycle\nto sq [ fd 1 ]\nsq", TargetLists::kSameAsSource, true,
                               "farbwahl bunt\nlerne sq [ vw 1 ]\nsq"}));

struct RefusalCase {
    const char* source;
    Status status;
    const char* word;
    int line;
};

class RefusedTranslations : public ProgramTranslation,
                            public ::testing::WithParamInterface<RefusalCase> {};

// A refusal names the word and its line, and gives no text to put in the editor.
TEST_P(RefusedTranslations, NameTheWordAndLine) {
    const RefusalCase& c = GetParam();
    const TranslationResult result =
        TranslateProgram(c.source, *mEnglish, *mGerman, TargetLists::kSameAsSource);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.word, c.word);
    EXPECT_EQ(result.line, c.line);
    EXPECT_TRUE(result.text.empty() || result.status == Status::kTranslated);
    if (c.status != Status::kParseFailed) {
        const QString message = TranslationRefusalText(result, QStringLiteral("Deutsch"));
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.word)) &&
                    message.contains(QString::number(c.line)))
            << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedTranslations,
    ::testing::Values(RefusalCase{"repeat 2 [ fd 1 ]\nlinks = 5\nforward links\n",
                                  Status::kNameCollision, "links", 2},
                      RefusalCase{"rot = 2\n\ncolour rot\n", Status::kNameCollision, "rot", 1},
                      RefusalCase{"forward 1\nnowhere 3\n", Status::kParseFailed, "", 2}));

TEST_F(ProgramTranslation, UnusedShapeNamedLikeAKeywordIsNoCollision) {
    EXPECT_EQ(
        translated("shape links [ forward 1 ]\n", *mEnglish, *mGerman, TargetLists::kSameAsSource),
        "figur links [ vorwärts 1 ]\n");
}

TEST_F(ProgramTranslation, EmptyTargetWordIsRefused) {
    Vocabulary empty; // no lists at all
    const TranslationResult result =
        TranslateProgram("x = 1\npenup", *mEnglish, empty, TargetLists::kFirst);
    EXPECT_EQ(result.status, Status::kNoTargetWord);
    EXPECT_EQ(result.word, "penup");
    EXPECT_EQ(result.line, 2);
}

TEST(ProgramTranslationSource, FirstParsingVocabularyIsChosen) {
    const auto english = vocabularyOf("");
    const auto german = vocabularyOf("Deutsch.json");
    const Vocabulary* both[] = {english.get(), german.get()};
    EXPECT_EQ(FirstParsingVocabulary("vorwärts 10", both), 1);
    EXPECT_EQ(FirstParsingVocabulary("x = 1", both), 0);
    EXPECT_EQ(FirstParsingVocabulary("nirgends 1", both), -1);
}

} // namespace
