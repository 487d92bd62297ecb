#include "LanguageFile.h"
#include "LanguageTables.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <set>

namespace {

const QString kShippedLanguages =
    QStringLiteral(TURTLESCOPE_TEST_DATA "/../../resources/Languages");

// The code each keyword slot stands for; 0 for the comment and argument slots.
constexpr TokenCode kSlotCodes[kKeywordSlots] = {
    kShape,     kClear,     kPenSize,   kSymmetry,  kPenUp, kPenDown,   kForward,  kBack,
    kBack,      kForward,   kForward,   kLeft,      kRight, kRepeat,    kEndBlock, kColor,
    kColor,     kErase,     kHome,      kDelay,     kSpeed, kOtherWord, kPen,      kOtherWord,
    kOtherWord, kColor,     kColor,     kAssign,    kWrite, kFont,      kTextSize, kTextStyle,
    kOtherWord, kOtherWord, kOtherWord, kOtherWord, kFill};
constexpr TokenCode kAbbreviationCodes[kAbbreviationSlots] = {
    kShape,  kPenSize, kPenUp, kPenDown, kForward, kBack, kLeft, kRight,
    kRepeat, kColor,   kErase, kHome,    kAssign,  kBack, kShape};

// Each shipped file, chosen by a system region of its own, and the application's own English
// words (no file): every word is whole, lower case, and classifies to its slot's code.
TEST(ShippedWords, EveryWordClassifiesToItsSlotsCode) {
    // One chain throughout: a file installed goes first in it; a region without a file (the
    // English row, last) takes the file installed before out of it again.
    ResourceChain chain;
    chain.setApplicationResources(LoadApplicationResources());
    ASSERT_TRUE(chain.applicationResources());
    for (const auto& [fileName, region] :
         {std::pair{"Deutsch.json", 92}, {"Francais.json", 11}, {"", 0}}) {
        SCOPED_TRACE(fileName);
        const bool shipped = *fileName != '\0';
        EXPECT_EQ(InstallLanguageFile(chain, kShippedLanguages, std::int16_t(region)), shipped);
        EXPECT_EQ(chain.hasLanguageFile(), shipped);
        if (shipped) {
            const auto direct = ResourceFile::open(kShippedLanguages + "/" + fileName);
            ASSERT_TRUE(direct);
            EXPECT_EQ(chain.languageFile()->toJson(), direct->toJson());
        }
        InitLanguageTablesFrom(chain);
        std::set<std::string> argumentWords;

        const auto check = [&](const auto& entry, TokenCode code, int list, int item) {
            const std::string raw =
                chain.GetIndString(kStringListType, std::int16_t(list), item).str();
            SCOPED_TRACE(raw);
            EXPECT_EQ(entry.str(), raw) << "cut or not lower case";
            EXPECT_GT(entry.length(), 1u);
            EXPECT_EQ(ClassifyWord(entry.view()), code);
            if (code == kOtherWord) {
                EXPECT_TRUE(argumentWords.insert(entry.str()).second) << "used twice";
            }
        };
        for (int slot = 0; slot < kKeywordSlots; ++slot) {
            check(KeywordSet1(slot), kSlotCodes[slot], 130, slot + 1);
            // A word of set 1 repeated in set 2 in the same slot is the same word.
            if (KeywordSet2(slot).view() != KeywordSet1(slot).view())
                check(KeywordSet2(slot), kSlotCodes[slot], 134, slot + 1);
        }
        for (int slot = 0; slot < kAbbreviationSlots; ++slot) {
            check(Abbreviation(0, slot), kAbbreviationCodes[slot], 131, slot + 1);
            check(Abbreviation(1, slot), kAbbreviationCodes[slot], 132, slot + 1);
        }
        for (int slot = 0; slot < kColourSlots; ++slot) {
            check(ColourName1(slot), kOtherWord, 129, slot + 1);
            check(ColourName2(slot), kOtherWord, 133, slot + 1);
        }
        for (int n = 1; n <= kParserMessages; ++n)
            EXPECT_FALSE(ParserMessageText(n).empty()) << n;
        EXPECT_TRUE(ParserMessageText(2).view().ends_with(": "));
        EXPECT_TRUE(ParserMessageText(0).empty());
        EXPECT_TRUE(ParserMessageText(kParserMessages + 1).empty());
    }
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
}

TEST(ShippedLanguages, AreCopiedBesideTheExecutablesAndNoDefaultShips) {
    const QDir source(kShippedLanguages);
    const QStringList names = source.entryList(QDir::Files);
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("Deutsch.json"), QStringLiteral("Francais.json")}));
    for (const QString& name : names) {
        QFile original(source.filePath(name));
        QFile copy(QStringLiteral(TURTLESCOPE_BIN_DIR "/Languages/") + name);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(original.readAll(), copy.readAll());
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral(TURTLESCOPE_BIN_DIR "/Languages/Default")));
}

} // namespace
