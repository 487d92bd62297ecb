#include "LanguageTables.h"

#include "ResourceChain.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Tables filled from a chain the test builds. Afterwards the application's own tables come
// back, since other tests in this program read them through InitLanguageTables.
class CustomVocabulary : public ::testing::Test {
protected:
    void TearDown() override { InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())); }

    // Each row puts a word into a slot of a list (130 and 134 the keyword sets, 131 and 132 the
    // abbreviations; every other slot stays empty), then classifies a word.
    using Row = std::tuple<std::int16_t, std::size_t, std::string, std::string, TokenCode>;
    static void install(const std::vector<Row>& rows) {
        std::map<std::int16_t, std::vector<std::string>> lists = {
            {130, std::vector<std::string>(37)},
            {134, std::vector<std::string>(37)},
            {131, std::vector<std::string>(15)},
            {132, std::vector<std::string>(15)}};
        for (const auto& [list, slot, word, probe, code] : rows)
            if (list)
                lists[list][slot] = word;
        auto file = std::make_unique<ResourceFile>();
        for (const auto& [id, items] : lists)
            file->put(kStringListType, id, EncodeStringList(items));
        InitLanguageTablesFrom(ResourceChain(std::move(file)));
    }
};

TEST_F(CustomVocabulary, ClassifiesByTheFirstSlotThatHoldsTheWordAsStored) {
    const std::string k28(28, 'k'), m16(16, 'm'), a16(16, 'a'), z27(27, 'z');
    const std::vector<Row> rows = {
        {130, 6, k28, k28, kOtherWord}, // one more than set 1 holds: cut
        {130, 6, k28, k28.substr(0, 27), kForward},
        {134, 7, m16, m16, kOtherWord}, // one more than set 2 and the abbreviations hold
        {134, 7, m16, m16.substr(0, 15), kBack},
        {131, 6, a16, a16.substr(0, 15), kLeft},
        {130, 11, z27, z27, kLeft}, // exactly full: kept whole
        {130, 12, "RIGHT", "right", kRight},
        {130, 12, "RIGHT", "RIGHT", kOtherWord}, // the parser lower-cases first
        {130, 12, "RIGHT", "rights", kOtherWord},
        {130, 9, "VorW\xC3\x84rts", "vorw\xC3\x84rts", kForward}, // only A to Z are folded
        {130, 9, "VorW\xC3\x84rts", "vorw\xC3\xA4rts", kOtherWord},
        {130, 17, "ZAP@[`", "zap@[`", kErase},
        {130, 36, "late", "late", kFill}, // set 1 before set 2
        {134, 0, "late", "late", kFill},
        {131, 0, "5x", "5x", kShape}, // a digit then a letter is a word like any other
        {130, 8, "-", "-", kMinus},   // punctuation and numbers beat keywords
        {130, 7, "007", "007", kNumber},
        {0, 0, "", "--", kOtherWord},
        {0, 0, "", "-5", kOtherWord},
        {0, 0, "", "", kOtherWord}};
    install(rows);
    for (const auto& [list, slot, word, probe, code] : rows)
        EXPECT_EQ(ClassifyWord(probe), code) << probe;
}

TEST_F(CustomVocabulary, MissingListsLeaveEmptyEntriesThatNeverMatch) {
    InitLanguageTablesFrom(ResourceChain());
    EXPECT_TRUE(KeywordSet1(kKeywordSlots - 1).empty() && ParserMessageText(2).empty());
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
