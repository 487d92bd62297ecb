#include "LanguageTables.h"

#include "ResourceChain.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

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

namespace {

// Tables filled from a chain the test builds. Afterwards the application's own tables come
// back, since other tests in this program read them through InitLanguageTables.
class CustomVocabulary : public ::testing::Test {
protected:
    void TearDown() override { InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())); }

    static std::vector<std::string> emptyList(std::size_t count) {
        return std::vector<std::string>(count);
    }

    void install(const std::vector<std::string>& set1, const std::vector<std::string>& set2,
                 const std::vector<std::string>& abbreviationsA = {},
                 const std::vector<std::string>& abbreviationsB = {}) {
        auto file = std::make_unique<ResourceFile>();
        file->put(kStringListType, 130, EncodeStringList(set1));
        file->put(kStringListType, 134, EncodeStringList(set2));
        file->put(kStringListType, 131, EncodeStringList(abbreviationsA));
        file->put(kStringListType, 132, EncodeStringList(abbreviationsB));
        InitLanguageTablesFrom(ResourceChain(std::move(file)));
    }
};

TEST_F(CustomVocabulary, AKeywordCutToItsCapacityNeverMatchesTheFullWord) {
    const std::string long28(28, 'k'); // one more than set 1 holds
    const std::string long16(16, 'm'); // one more than set 2 and the abbreviations hold
    auto set1 = emptyList(37);
    auto set2 = emptyList(37);
    auto listA = emptyList(15);
    set1[6] = long28;
    set2[7] = long16;
    listA[6] = std::string(16, 'a');
    set1[11] = std::string(27, 'z'); // exactly full: kept whole
    install(set1, set2, listA);

    EXPECT_EQ(KeywordSet1(6).length(), 27u);
    EXPECT_EQ(ClassifyWord(long28), kOtherWord);
    EXPECT_EQ(ClassifyWord(long28.substr(0, 27)), kForward);
    EXPECT_EQ(ClassifyWord(long16), kOtherWord);
    EXPECT_EQ(ClassifyWord(long16.substr(0, 15)), kBack);
    EXPECT_EQ(ClassifyWord(std::string(16, 'a')), kOtherWord);
    EXPECT_EQ(ClassifyWord(std::string(15, 'a')), kLeft);
    EXPECT_EQ(ClassifyWord(std::string(27, 'z')), kLeft);
}

TEST_F(CustomVocabulary, OnlyAToZAreFolded) {
    auto set1 = emptyList(37);
    set1[6] = "VorW\xC3\x84rts"; // 'Ä' stays upper case
    set1[12] = "RIGHT";
    install(set1, emptyList(37));
    EXPECT_EQ(KeywordSet1(6).str(), "vorw\xC3\x84rts");
    EXPECT_EQ(ClassifyWord("right"), kRight);
    EXPECT_EQ(ClassifyWord("vorw\xC3\x84rts"), kForward);
    EXPECT_EQ(ClassifyWord("vorw\xC3\xA4rts"), kOtherWord);
}

TEST_F(CustomVocabulary, TheFirstTestedSlotWinsAWordThatIsInTwo) {
    auto set1 = emptyList(37);
    auto set2 = emptyList(37);
    auto listA = emptyList(15);
    set1[6] = "twice";  // Forward
    set1[13] = "twice"; // Repeat
    set1[19] = "slow";  // Delay...
    set1[20] = "slow";  // ...Speed is tested first
    set2[1] = "both";   // Clear in set 2
    listA[4] = "both";  // Forward in list A: set 2 is tested first
    set1[36] = "late";
    set2[0] = "late"; // set 1 before set 2
    listA[0] = "5x";  // a digit then a letter is a word like any other
    install(set1, set2, listA);
    EXPECT_EQ(ClassifyWord("twice"), kForward);
    EXPECT_EQ(ClassifyWord("slow"), kSpeed);
    EXPECT_EQ(ClassifyWord("both"), kClear);
    EXPECT_EQ(ClassifyWord("late"), kFill);
    EXPECT_EQ(ClassifyWord("5x"), kShape);
    EXPECT_EQ(ClassifyWord("5"), kNumber);
}

TEST_F(CustomVocabulary, PunctuationAndNumbersBeatKeywords) {
    auto set1 = emptyList(37);
    set1[6] = "-";
    set1[7] = "007";
    install(set1, emptyList(37));
    EXPECT_EQ(ClassifyWord("-"), kMinus);
    EXPECT_EQ(ClassifyWord("007"), kNumber);
}

TEST_F(CustomVocabulary, MissingListsLeaveEmptyEntriesThatNeverMatch) {
    InitLanguageTablesFrom(ResourceChain());
    for (int slot = 0; slot < kKeywordSlots; ++slot)
        EXPECT_TRUE(KeywordSet1(slot).empty());
    EXPECT_TRUE(ParserMessageText(2).empty());
    EXPECT_EQ(ClassifyWord("forward"), kOtherWord);
    EXPECT_EQ(ClassifyWord("["), kBeginBlock);

    // A short list fills its first slots; the rest stay empty.
    install({"to"}, {});
    EXPECT_EQ(ClassifyWord("to"), kShape);
    EXPECT_TRUE(KeywordSet1(1).empty());
}

TEST_F(CustomVocabulary, InitLanguageTablesDoesNotRefill) {
    auto set1 = emptyList(37);
    set1[6] = "custom";
    install(set1, emptyList(37));
    InitLanguageTables();
    EXPECT_EQ(ClassifyWord("custom"), kForward);
    EXPECT_EQ(ClassifyWord("forward"), kOtherWord);
}

} // namespace
