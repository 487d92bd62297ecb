#include "LanguageTables.h"

#include "ResourceChain.h"
#include "Tokeniser.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr int kColourNames1List = 129;
constexpr int kKeywordSet1List = 130;
constexpr int kAbbreviationAList = 131;
constexpr int kAbbreviationBList = 132;
constexpr int kColourNames2List = 133;
constexpr int kKeywordSet2List = 134;
constexpr int kParserMessagesList = 128;

constexpr int kTrigDegrees = 360;

struct Tables {
    std::array<LStr255, kParserMessages> messages;
    std::array<KeywordString27, kColourSlots> colourNames1;
    std::array<KeywordString15, kColourSlots> colourNames2;
    std::array<KeywordString27, kKeywordSlots> keywordSet1;
    std::array<KeywordString15, kKeywordSlots> keywordSet2;
    std::array<std::array<KeywordString15, kAbbreviationSlots>, 2> abbreviations;
};

// The process-wide vocabulary, filled once.
Tables gTables;
bool gTablesFilled = false;
std::array<float, kTrigDegrees> gSine{};
std::array<float, kTrigDegrees> gCosine{};

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

constexpr std::array<std::int32_t, kColourSlots> kColourCommands = {3000, 3004, 3001, 3002, 3003,
                                                                    3005, 3006, 3007, 3008, 3009};

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
TokenCode firstMatch(const List& list, const std::array<CodeSlot, N>& order,
                     std::string_view word) {
    for (const CodeSlot& entry : order) {
        if (matches(list[static_cast<std::size_t>(entry.slot)], word))
            return entry.code;
    }
    return kOtherWord;
}

bool allDigits(std::string_view word) {
    for (const char c : word) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void fillTables(const ResourceChain& chain) {
    for (int i = 1; i <= kParserMessages; ++i)
        gTables.messages[static_cast<std::size_t>(i - 1)] =
            chain.GetIndString(kStringListType, kParserMessagesList, i);
    for (int i = 1; i <= kColourSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i - 1);
        readEntry(chain, kColourNames1List, i, gTables.colourNames1[slot]);
        readEntry(chain, kColourNames2List, i, gTables.colourNames2[slot]);
    }
    for (int i = 1; i <= kKeywordSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i - 1);
        readEntry(chain, kKeywordSet1List, i, gTables.keywordSet1[slot]);
        readEntry(chain, kKeywordSet2List, i, gTables.keywordSet2[slot]);
    }
    for (int i = 1; i <= kAbbreviationSlots; ++i)
        readEntry(chain, kAbbreviationAList, i,
                  gTables.abbreviations[0][static_cast<std::size_t>(i - 1)]);
    for (int i = 1; i <= kAbbreviationSlots; ++i)
        readEntry(chain, kAbbreviationBList, i,
                  gTables.abbreviations[1][static_cast<std::size_t>(i - 1)]);
}

template <typename Array> const auto& entryOrEmpty(const Array& array, int index) {
    static const typename Array::value_type kEmpty;
    if (index < 0 || static_cast<std::size_t>(index) >= array.size())
        return kEmpty;
    return array[static_cast<std::size_t>(index)];
}

} // namespace

void BuildTrigTables() {
    gSine[0] = 0.0f;
    gCosine[0] = 1.0f;
    for (int i = 1; i < kTrigDegrees; ++i) {
        const float radians = static_cast<float>(i) * 0.017453292f;
        gSine[static_cast<std::size_t>(i)] = std::sin(radians);
        gCosine[static_cast<std::size_t>(i)] = std::cos(radians);
    }
    gSine[0] = 0.0f;
    gSine[180] = 0.0f;
    gCosine[90] = 0.0f;
    gCosine[270] = 0.0f;
}

void InitLanguageTables() {
    if (gTablesFilled)
        return;
    gTablesFilled = true;
    BuildTrigTables();
    fillTables(TheResourceChain());
}

void InitLanguageTablesFrom(const ResourceChain& chain) {
    gTablesFilled = true;
    BuildTrigTables();
    fillTables(chain);
}

TokenCode ClassifyWord(std::string_view word) {
    if (word.empty())
        return kOtherWord;
    if (word.size() == 1) {
        for (const auto& [character, code] : kPunctuation) {
            if (word[0] == character)
                return code;
        }
    }
    if (allDigits(word))
        return kNumber;
    if (const TokenCode code = firstMatch(gTables.keywordSet1, kKeywordOrder, word))
        return code;
    if (const TokenCode code = firstMatch(gTables.keywordSet2, kKeywordOrder, word))
        return code;
    for (const auto& list : gTables.abbreviations) {
        if (const TokenCode code = firstMatch(list, kAbbreviationOrder, word))
            return code;
    }
    return kOtherWord;
}

TokenCode ClassifyWord(const LStr255& word) {
    return ClassifyWord(word.view());
}

const KeywordString27& KeywordSet1(int slot) {
    return entryOrEmpty(gTables.keywordSet1, slot);
}
const KeywordString15& KeywordSet2(int slot) {
    return entryOrEmpty(gTables.keywordSet2, slot);
}

const KeywordString15& Abbreviation(int list, int slot) {
    static const KeywordString15 kEmpty;
    if (list < 0 || list > 1)
        return kEmpty;
    return entryOrEmpty(gTables.abbreviations[static_cast<std::size_t>(list)], slot);
}

const KeywordString27& ColourName1(int slot) {
    return entryOrEmpty(gTables.colourNames1, slot);
}
const KeywordString15& ColourName2(int slot) {
    return entryOrEmpty(gTables.colourNames2, slot);
}

std::int32_t ColourCommandOfSlot(int slot) {
    if (slot < 0 || slot >= kColourSlots)
        return 0;
    return kColourCommands[static_cast<std::size_t>(slot)];
}

int ColourSlotOfDigit(char digit) {
    if (digit == '0')
        return 9;
    if (digit >= '1' && digit <= '9')
        return digit - '1';
    return -1;
}

const LStr255& ParserMessageText(int n) {
    return entryOrEmpty(gTables.messages, n - 1);
}

const float* SineTable() {
    return gSine.data();
}
const float* CosineTable() {
    return gCosine.data();
}
