#include "LanguageTables.h"

#include "ResourceChain.h"

#include <array>
#include <cmath>

namespace {

constexpr int kTrigDegrees = 360;

// The process-wide vocabulary, filled once.
Vocabulary gVocabulary;
bool gTablesFilled = false;
std::array<float, kTrigDegrees> gSine{};
std::array<float, kTrigDegrees> gCosine{};

constexpr std::array<std::int32_t, kColourSlots> kColourCommands = {3000, 3004, 3001, 3002, 3003,
                                                                    3005, 3006, 3007, 3008, 3009};

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
    gVocabulary.Fill(TheResourceChain());
}

void InitLanguageTablesFrom(const ResourceChain& chain) {
    gTablesFilled = true;
    BuildTrigTables();
    gVocabulary.Fill(chain);
}

TokenCode ClassifyWord(std::string_view word) {
    return gVocabulary.Classify(word).code;
}

TokenCode ClassifyWord(const LStr255& word) {
    return ClassifyWord(word.view());
}

const Vocabulary& ProcessVocabulary() {
    return gVocabulary;
}

const KeywordString27& KeywordSet1(int slot) {
    return gVocabulary.KeywordSet1(slot);
}
const KeywordString15& KeywordSet2(int slot) {
    return gVocabulary.KeywordSet2(slot);
}
const KeywordString15& Abbreviation(int list, int slot) {
    return gVocabulary.Abbreviation(list, slot);
}
const KeywordString27& ColourName1(int slot) {
    return gVocabulary.ColourName1(slot);
}
const KeywordString15& ColourName2(int slot) {
    return gVocabulary.ColourName2(slot);
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
    return gVocabulary.ParserMessage(n);
}

const float* SineTable() {
    return gSine.data();
}
const float* CosineTable() {
    return gCosine.data();
}
