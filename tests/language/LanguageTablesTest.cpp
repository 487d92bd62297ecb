#include "LanguageTables.h"

#include "ResourceChain.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The tables as the application fills them: its own English lists, no language file.
class ApplicationVocabulary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    }
};

TEST_F(ApplicationVocabulary, EveryShippedWordClassifiesToItsSlotsCode) {
    const TokenCode set1[kKeywordSlots] = {
        kShape,     kClear,     kPenSize,   kSymmetry,  kPenUp, kPenDown,   kForward,  kBack,
        kBack,      kForward,   kForward,   kLeft,      kRight, kRepeat,    kEndBlock, kColor,
        kColor,     kErase,     kHome,      kDelay,     kSpeed, kOtherWord, kPen,      kOtherWord,
        kOtherWord, kColor,     kColor,     kAssign,    kWrite, kFont,      kTextSize, kTextStyle,
        kOtherWord, kOtherWord, kOtherWord, kOtherWord, kFill};
    for (int slot = 0; slot < kKeywordSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(ClassifyWord(KeywordSet1(slot).view()), set1[slot]) << KeywordSet1(slot).str();
        EXPECT_EQ(ClassifyWord(KeywordSet2(slot).view()), set1[slot]) << KeywordSet2(slot).str();
    }
    const TokenCode abbreviations[kAbbreviationSlots] = {
        kShape,  kPenSize, kPenUp, kPenDown, kForward, kBack, kLeft, kRight,
        kRepeat, kColor,   kErase, kHome,    kAssign,  kBack, kShape};
    for (int list = 0; list < 2; ++list) {
        for (int slot = 0; slot < kAbbreviationSlots; ++slot) {
            SCOPED_TRACE(slot);
            EXPECT_EQ(ClassifyWord(Abbreviation(list, slot).view()), abbreviations[slot]);
        }
    }
}

TEST_F(ApplicationVocabulary, HoldsTheDocumentedWordsAndMessages) {
    EXPECT_EQ(KeywordSet1(6), std::string_view("forward"));
    EXPECT_EQ(KeywordSet2(36), std::string_view("paint"));
    EXPECT_EQ(Abbreviation(0, 14), std::string_view("def"));
    EXPECT_EQ(Abbreviation(1, 12), std::string_view("set"));
    EXPECT_EQ(ColourName1(8), std::string_view("rainbow"));
    EXPECT_EQ(ColourName2(9), std::string_view("pick"));
    EXPECT_EQ(ParserMessageText(2), std::string_view("Unknown word: "));
    EXPECT_EQ(ParserMessageText(20), std::string_view("The program is nested too deeply."));
    EXPECT_TRUE(ParserMessageText(0).empty());
    EXPECT_TRUE(ParserMessageText(21).empty());
}

TEST_F(ApplicationVocabulary, PunctuationDigitsAndOtherWords) {
    EXPECT_EQ(ClassifyWord("["), kBeginBlock);
    EXPECT_EQ(ClassifyWord("]"), kEndBlock);
    EXPECT_EQ(ClassifyWord("%"), kModulo);
    EXPECT_EQ(ClassifyWord("-"), kMinus);
    EXPECT_EQ(ClassifyWord("007"), kNumber);
    EXPECT_EQ(ClassifyWord("5"), kNumber);
    EXPECT_EQ(ClassifyWord("5x"), kOtherWord);
    EXPECT_EQ(ClassifyWord("--"), kOtherWord);
    EXPECT_EQ(ClassifyWord("-5"), kOtherWord);
    EXPECT_EQ(ClassifyWord(""), kOtherWord);
    EXPECT_EQ(ClassifyWord("forwards"), kOtherWord);
    EXPECT_EQ(ClassifyWord("Forward"), kOtherWord); // the parser lower-cases first
}

TEST(TrigTables, ExactZerosAndUnitValues) {
    BuildTrigTables();
    EXPECT_EQ(SineTable()[0], 0.0f);
    EXPECT_EQ(SineTable()[180], 0.0f);
    EXPECT_EQ(CosineTable()[90], 0.0f);
    EXPECT_EQ(CosineTable()[270], 0.0f);
    EXPECT_EQ(CosineTable()[0], 1.0f);
    EXPECT_FLOAT_EQ(SineTable()[90], 1.0f);
    EXPECT_FLOAT_EQ(SineTable()[270], -1.0f);
    EXPECT_FLOAT_EQ(CosineTable()[180], -1.0f);
    EXPECT_NEAR(SineTable()[30], 0.5f, 1e-6f);
    EXPECT_EQ(SineTable()[1], std::sin(0.017453292f));
}

TEST(ColourSlots, CommandsAndDigits) {
    EXPECT_EQ(ColourCommandOfSlot(0), 3000);
    EXPECT_EQ(ColourCommandOfSlot(1), 3004);
    EXPECT_EQ(ColourCommandOfSlot(4), 3003);
    EXPECT_EQ(ColourCommandOfSlot(9), 3009);
    EXPECT_EQ(ColourCommandOfSlot(10), 0);
    EXPECT_EQ(ColourSlotOfDigit('1'), 0);
    EXPECT_EQ(ColourSlotOfDigit('9'), 8);
    EXPECT_EQ(ColourSlotOfDigit('0'), 9);
    EXPECT_EQ(ColourSlotOfDigit('a'), -1);
}

} // namespace
