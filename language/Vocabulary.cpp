#include "Vocabulary.h"

#include "ResourceChain.h"
#include "Tokeniser.h"

#include <utility>

namespace {

constexpr int kParserMessagesList = 128;
constexpr int kColourNames1List = 129;
constexpr int kKeywordSet1List = 130;
constexpr int kAbbreviationAList = 131;
constexpr int kAbbreviationBList = 132;
constexpr int kColourNames2List = 133;
constexpr int kKeywordSet2List = 134;

struct CodeSlot {
    TokenCode code;
    int slot;
};

// The order in which the keyword sets are tested: the first match decides.
constexpr std::array<CodeSlot, 30> kKeywordOrder = {{
    {kForward, 6}, {kForward, 9}, {kForward, 10},  {kBack, 7},       {kBack, 8},
    {kLeft, 11},   {kRight, 12},  {kPenSize, 2},   {kSymmetry, 3},   {kSpeed, 20},
    {kDelay, 19},  {kRepeat, 13}, {kEndBlock, 14}, {kColor, 15},     {kColor, 16},
    {kColor, 26},  {kColor, 25},  {kPenUp, 4},     {kPenDown, 5},    {kPen, 22},
    {kClear, 1},   {kErase, 17},  {kHome, 18},     {kShape, 0},      {kAssign, 27},
    {kWrite, 28},  {kFont, 29},   {kTextSize, 30}, {kTextStyle, 31}, {kFill, 36},
}};

constexpr std::array<CodeSlot, kAbbreviationSlots> kAbbreviationOrder = {{
    {kForward, 4},
    {kBack, 5},
    {kLeft, 6},
    {kRight, 7},
    {kPenSize, 1},
    {kRepeat, 8},
    {kColor, 9},
    {kPenUp, 2},
    {kPenDown, 3},
    {kErase, 10},
    {kHome, 11},
    {kShape, 0},
    {kAssign, 12},
    {kBack, 13},
    {kShape, 14},
}};

constexpr std::array<std::pair<char, TokenCode>, 10> kPunctuation = {{
    {']', kEndBlock},
    {'[', kBeginBlock},
    {'=', kEquals},
    {'+', kPlus},
    {'-', kMinus},
    {'*', kTimes},
    {'/', kDivide},
    {'%', kModulo},
    {'(', kOpenParen},
    {')', kCloseParen},
}};

template <typename String>
void readEntry(const ResourceChain& chain, int list, int index, String& entry) {
    entry.assign(
        chain.GetIndString(kStringListType, static_cast<std::int16_t>(list), index).view());
    LowerCaseWord(entry); // only 'A'..'Z': bytes of UTF-8 characters keep their case
}

template <typename String> bool matches(const String& entry, std::string_view word) {
    return !entry.empty() && entry.view() == word;
}

template <typename List, std::size_t N>
bool firstMatch(const List& list, const std::array<CodeSlot, N>& order, std::string_view word,
                WordList family, std::uint8_t set, WordClass& found) {
    for (const CodeSlot& entry : order) {
        if (matches(list[static_cast<std::size_t>(entry.slot)], word)) {
            found = {entry.code, family, set, static_cast<std::uint8_t>(entry.slot)};
            return true;
        }
    }
    return false;
}

bool allDigits(std::string_view word) {
    for (const char c : word) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

template <typename Array> const auto& entryOrEmpty(const Array& array, int index) {
    static const typename Array::value_type kEmpty;
    if (index < 0 || static_cast<std::size_t>(index) >= array.size())
        return kEmpty;
    return array[static_cast<std::size_t>(index)];
}

} // namespace

void Vocabulary::Fill(const ResourceChain& chain) {
    for (int i = 1; i <= kParserMessages; ++i)
        mMessages[static_cast<std::size_t>(i - 1)] =
            chain.GetIndString(kStringListType, kParserMessagesList, i);
    for (int i = 1; i <= kColourSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i - 1);
        readEntry(chain, kColourNames1List, i, mColourNames1[slot]);
        readEntry(chain, kColourNames2List, i, mColourNames2[slot]);
    }
    for (int i = 1; i <= kKeywordSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i - 1);
        readEntry(chain, kKeywordSet1List, i, mKeywordSet1[slot]);
        readEntry(chain, kKeywordSet2List, i, mKeywordSet2[slot]);
    }
    for (int i = 1; i <= kAbbreviationSlots; ++i)
        readEntry(chain, kAbbreviationAList, i, mAbbreviations[0][static_cast<std::size_t>(i - 1)]);
    for (int i = 1; i <= kAbbreviationSlots; ++i)
        readEntry(chain, kAbbreviationBList, i, mAbbreviations[1][static_cast<std::size_t>(i - 1)]);
}

WordClass Vocabulary::Classify(std::string_view word) const {
    WordClass found;
    if (word.empty())
        return found;
    if (word.size() == 1) {
        for (const auto& [character, code] : kPunctuation) {
            if (word[0] == character) {
                found.code = code;
                return found;
            }
        }
    }
    if (allDigits(word)) {
        found.code = kNumber;
        return found;
    }
    if (firstMatch(mKeywordSet1, kKeywordOrder, word, WordList::kKeywords, 0, found) ||
        firstMatch(mKeywordSet2, kKeywordOrder, word, WordList::kKeywords, 1, found) ||
        firstMatch(mAbbreviations[0], kAbbreviationOrder, word, WordList::kAbbreviations, 0,
                   found) ||
        firstMatch(mAbbreviations[1], kAbbreviationOrder, word, WordList::kAbbreviations, 1, found))
        return found;
    return found;
}

const KeywordString27& Vocabulary::KeywordSet1(int slot) const {
    return entryOrEmpty(mKeywordSet1, slot);
}
const KeywordString15& Vocabulary::KeywordSet2(int slot) const {
    return entryOrEmpty(mKeywordSet2, slot);
}
const KeywordString15& Vocabulary::Abbreviation(int list, int slot) const {
    static const KeywordString15 kEmpty;
    if (list < 0 || list > 1)
        return kEmpty;
    return entryOrEmpty(mAbbreviations[static_cast<std::size_t>(list)], slot);
}
const KeywordString27& Vocabulary::ColourName1(int slot) const {
    return entryOrEmpty(mColourNames1, slot);
}
const KeywordString15& Vocabulary::ColourName2(int slot) const {
    return entryOrEmpty(mColourNames2, slot);
}
const LStr255& Vocabulary::ParserMessage(int n) const {
    return entryOrEmpty(mMessages, n - 1);
}

std::string_view Vocabulary::Word(WordList list, int set, int slot) const {
    switch (list) {
    case WordList::kKeywords:
        return set == 0 ? KeywordSet1(slot).view() : KeywordSet2(slot).view();
    case WordList::kAbbreviations:
        return Abbreviation(set, slot).view();
    case WordList::kColourNames:
        return set == 0 ? ColourName1(slot).view() : ColourName2(slot).view();
    case WordList::kNone:
        break;
    }
    return {};
}
