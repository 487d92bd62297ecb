#pragma once

// The process-wide vocabulary: keyword sets, abbreviation lists, colour names, parser messages
// and the whole-degree sine and cosine tables. Filled once from the resource chain.

#include "LString.h"
#include "TokenCode.h"
#include "Vocabulary.h"

#include <cstdint>
#include <string_view>

class ResourceChain;

// Argument-word slots of the keyword sets.
enum KeywordSlot : int {
    kCommentSlot = 21,
    kPenUpWordSlot = 23,
    kPenDownWordSlot = 24,
    kPlainStyleSlot = 32,
    kBoldStyleSlot = 33,
    kItalicStyleSlot = 34,
    kUnderlineStyleSlot = 35,
};

// Parser message numbers ('STR#' 128).
enum ParserMessage : int {
    kMsgOutOfMemory = 1,
    kMsgUnknownWord = 2,
    kMsgWordTooLong = 3,
    kMsgNumberTooLong = 4,
    kMsgTextTooLong = 5,
    kMsgNumberNotDigits = 6,
    kMsgExpectedColour = 7,
    kMsgExpectedDistance = 8,
    kMsgExpectedPenSize = 9,
    kMsgPenSizeBelow0 = 10,
    kMsgPenSizeAbove100 = 11,
    kMsgSpeedBelow0 = 12,
    kMsgSpeedRange = 13,
    kMsgDelayBelow0 = 14,
    kMsgDelayAbove600 = 15,
    kMsgSymmetryLevel = 16,
    kMsgRepeatBelow1 = 17,
    kMsgRepeatAbove1000000 = 18,
    kMsgExpectedUpOrDown = 19,
    kMsgNestedTooDeeply = 20,
};

// Fills every table from the process-wide resource chain on the first call; later calls do
// nothing.
void InitLanguageTables();

// Fills every table from the given chain, every time it is called (tests, and tools that choose
// their own language file). Marks the tables filled, so a later InitLanguageTables keeps them.
void InitLanguageTablesFrom(const ResourceChain& chain);

// The whole-degree sine and cosine tables; part of InitLanguageTables.
void BuildTrigTables();

// Token code 0..36 of a lower-cased, non-empty word (an empty word is 0).
TokenCode ClassifyWord(const LStr255& word);
TokenCode ClassifyWord(std::string_view word);

// Slot 0..36. Accessors answer an empty entry for an index out of range.
const KeywordString27& KeywordSet1(int slot);
const KeywordString15& KeywordSet2(int slot);
// list is 'A' or 'B' in the lists' names; here 0 for list A, 1 for list B. slot 0..14.
const KeywordString15& Abbreviation(int list, int slot);
// slot 0..9.
const KeywordString27& ColourName1(int slot);
const KeywordString15& ColourName2(int slot);
// The colour command (3000..3009) of colour slot 0..9 (0 out of range), and the slot of a
// digit '0'..'9' (-1 for any other character).
std::int32_t ColourCommandOfSlot(int slot);
int ColourSlotOfDigit(char digit);
// n is 1..20; the 20th is the parser's nesting bound.
const LStr255& ParserMessageText(int n);

// Indexed by whole degrees 0..359.
const float* SineTable();
const float* CosineTable();
