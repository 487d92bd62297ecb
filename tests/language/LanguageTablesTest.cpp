#include "LanguageTables.h"

#include "ResourceChain.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(TrigTables, ExactZerosAndUnitValues) {
    BuildTrigTables();
    const std::tuple<int, float, float> exact[] = {
        {0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0}};
    for (const auto& [degrees, sine, cosine] : exact) {
        EXPECT_EQ(SineTable()[degrees], sine) << degrees;
        EXPECT_EQ(CosineTable()[degrees], cosine) << degrees;
    }
    EXPECT_NEAR(SineTable()[30], 0.5f, 1e-6f);
    EXPECT_EQ(SineTable()[1], std::sin(0.017453292f));
}

TEST(ColourSlots, NothingOutsideTheTenSlots) {
    // The digits themselves go through the parser's tree test; here only what lies outside.
    EXPECT_EQ(ColourCommandOfSlot(-1), 0);
    EXPECT_EQ(ColourCommandOfSlot(10), 0);
    for (const char notADigit : {'a', '/', ':'})
        EXPECT_EQ(ColourSlotOfDigit(notADigit), -1) << notADigit;
}

// Tables filled from a chain the test builds. Afterwards the application's own tables come
// back, since other tests in this program read them through InitLanguageTables.
class CustomVocabulary : public ::testing::Test {
protected:
    void TearDown() override { InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())); }

    // Words put into slots of the lists (130 and 134 the keyword sets, 131 and 132 the
    // abbreviations); every other slot stays empty.
    struct Placed {
        std::int16_t list;
        std::size_t slot;
        std::string word;
    };
    static void install(const std::vector<Placed>& words) {
        std::map<std::int16_t, std::vector<std::string>> lists = {
            {130, std::vector<std::string>(37)},
            {134, std::vector<std::string>(37)},
            {131, std::vector<std::string>(15)},
            {132, std::vector<std::string>(15)}};
        for (const Placed& placed : words)
            lists[placed.list][placed.slot] = placed.word;
        auto file = std::make_unique<ResourceFile>();
        for (const auto& [id, items] : lists)
            file->put(kStringListType, id, EncodeStringList(items));
        InitLanguageTablesFrom(ResourceChain(std::move(file)));
    }
};

TEST_F(CustomVocabulary, ClassifiesByTheFirstSlotThatHoldsTheWordAsStored) {
    const std::string long28(28, 'k'); // one more than set 1 holds
    const std::string long16(16, 'm'); // one more than set 2 and the abbreviations hold
    install({{130, 6, long28},
             {134, 7, long16},
             {131, 6, std::string(16, 'a')},
             {130, 11, std::string(27, 'z')}, // exactly full: kept whole
             {130, 12, "RIGHT"},
             {130, 9, "VorW\xC3\x84rts"}, // only A to Z are folded: 'Ä' stays upper case
             {130, 17, "ZAP@[`"},
             {130, 10, "twice"}, // Forward is tested before Repeat
             {130, 13, "twice"},
             {130, 19, "slow"}, // Speed is tested before Delay
             {130, 20, "slow"},
             {134, 1, "both"}, // set 2 is tested before the abbreviations
             {131, 4, "both"},
             {130, 36, "late"}, // set 1 before set 2
             {134, 0, "late"},
             {131, 0, "5x"}, // a digit then a letter is a word like any other
             {130, 8, "-"},  // punctuation and numbers beat keywords
             {130, 7, "007"}});
    const std::pair<std::string, TokenCode> expected[] = {
        {long28, kOtherWord},
        {long28.substr(0, 27), kForward},
        {long16, kOtherWord},
        {long16.substr(0, 15), kBack},
        {std::string(16, 'a'), kOtherWord},
        {std::string(15, 'a'), kLeft},
        {std::string(27, 'z'), kLeft},
        {"right", kRight},
        {"RIGHT", kOtherWord}, // the parser lower-cases first
        {"rights", kOtherWord},
        {"vorw\xC3\x84rts", kForward},
        {"vorw\xC3\xA4rts", kOtherWord},
        {"zap@[`", kErase},
        {"twice", kForward},
        {"slow", kSpeed},
        {"both", kClear},
        {"late", kFill},
        {"5x", kShape},
        {"5", kNumber},
        {"-", kMinus},
        {"007", kNumber},
        {"[", kBeginBlock},
        {"]", kEndBlock},
        {"%", kModulo},
        {"--", kOtherWord},
        {"-5", kOtherWord},
        {"", kOtherWord}};
    for (const auto& [word, code] : expected)
        EXPECT_EQ(ClassifyWord(word), code) << word;
}

TEST_F(CustomVocabulary, MissingListsLeaveEmptyEntriesThatNeverMatch) {
    InitLanguageTablesFrom(ResourceChain());
    for (int slot = 0; slot < kKeywordSlots; ++slot)
        EXPECT_TRUE(KeywordSet1(slot).empty());
    EXPECT_TRUE(ParserMessageText(2).empty());
    EXPECT_EQ(ClassifyWord("forward"), kOtherWord);
    EXPECT_EQ(ClassifyWord("["), kBeginBlock);

    // A short list fills its first slots; the rest stay empty. InitLanguageTables does not refill.
    auto file = std::make_unique<ResourceFile>();
    file->put(kStringListType, 130, EncodeStringList({"to"}));
    InitLanguageTablesFrom(ResourceChain(std::move(file)));
    InitLanguageTables();
    EXPECT_EQ(ClassifyWord("to"), kShape);
    EXPECT_TRUE(KeywordSet1(1).empty());
}

} // namespace
