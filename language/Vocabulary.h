#pragma once

// One language's words: keyword sets, abbreviation lists, colour names and parser messages, as a
// value. The process-wide tables are one of these; translating a program needs two more.

#include "LString.h"
#include "TokenCode.h"

#include <array>
#include <cstdint>
#include <string_view>

class ResourceChain;

using KeywordString27 = TString<unsigned char[28]>;
using KeywordString15 = TString<unsigned char[16]>;

constexpr int kKeywordSlots = 37;      // slots 0..36 of each keyword set
constexpr int kAbbreviationSlots = 15; // slots 0..14 of each abbreviation list
constexpr int kColourSlots = 10;       // slots 0..9 of each colour list
constexpr int kParserMessages = 20;    // messages 1..20

// Which family of lists a word came from. Each family has two lists side by side: keyword sets
// 1 and 2, abbreviation lists A and B, colour names 1 and 2.
enum class WordList : std::uint8_t { kNone, kKeywords, kAbbreviations, kColourNames };

// Where a word stands in a vocabulary: its token code and, for a listed word, the list family,
// which of its two lists (0 or 1) and the slot.
struct WordClass {
    TokenCode code = kOtherWord;
    WordList list = WordList::kNone;
    std::uint8_t set = 0;
    std::uint8_t slot = 0;
};

class Vocabulary {
public:
    // Reads every list from the chain; missing items are empty entries.
    void Fill(const ResourceChain& chain);

    // Classification of a lower-cased word; the first matching test decides.
    WordClass Classify(std::string_view word) const;

    // Accessors answer an empty entry for an index out of range.
    const KeywordString27& KeywordSet1(int slot) const;
    const KeywordString15& KeywordSet2(int slot) const;
    const KeywordString15& Abbreviation(int list, int slot) const;
    const KeywordString27& ColourName1(int slot) const;
    const KeywordString15& ColourName2(int slot) const;
    const LStr255& ParserMessage(int n) const;
    // The entry of one list of a family (set 0 or 1); empty when there is none.
    std::string_view Word(WordList list, int set, int slot) const;

private:
    std::array<LStr255, kParserMessages> mMessages;
    std::array<KeywordString27, kColourSlots> mColourNames1;
    std::array<KeywordString15, kColourSlots> mColourNames2;
    std::array<KeywordString27, kKeywordSlots> mKeywordSet1;
    std::array<KeywordString15, kKeywordSlots> mKeywordSet2;
    std::array<std::array<KeywordString15, kAbbreviationSlots>, 2> mAbbreviations;
};

// The process-wide vocabulary (filled by InitLanguageTables).
const Vocabulary& ProcessVocabulary();
