#pragma once

// Translating a program between keyword sets and languages. The program is parsed with its own
// vocabulary, every listed word it uses (keywords, abbreviations, colour names, pen and style
// words) is replaced by the word of the same slot in the target, and everything else keeps its
// bytes. The result must parse with the target to the same instruction tree, or it is refused.

#include "Vocabulary.h"

#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Which of the target's two lists of each family a word takes.
enum class TargetLists : std::uint8_t {
    kSameAsSource, // another language: set 1 stays set 1, set 2 stays set 2
    kFirst,        // keyword set 1, abbreviation list A, colour names 1
    kSecond,       // keyword set 2, abbreviation list B, colour names 2
};

struct TranslationResult {
    enum class Status : std::uint8_t {
        kTranslated,
        kParseFailed,   // the source does not parse: nothing to translate
        kNoTargetWord,  // the target has an empty entry for a word the program uses
        kNameCollision, // a name of the program is a word of the target
        kMeaningChanged // the translated text would parse to another tree
    };
    Status status = Status::kTranslated;
    std::string text;      // the translated program when translated
    std::string word;      // the word a refusal is about
    int line = 0;          // its line, counted from 1
    int messageNumber = 0; // the parser message of a failed source parse
    // The source text to show with the failure: the parse error's range, the statement that
    // first uses a colliding name, or the word without a target; empty when there is none.
    std::int32_t errorStart = 0;
    std::int32_t errorEnd = 0;

    bool translated() const { return status == Status::kTranslated; }
};

TranslationResult TranslateProgram(std::string_view text, const Vocabulary& source,
                                   const Vocabulary& target, TargetLists lists);

// The index of the first vocabulary under which the text parses, or -1.
int FirstParsingVocabulary(std::string_view text, std::span<const Vocabulary* const> candidates);

// The refusal as a sentence for the user; targetName names the target ("German", "the second
// keyword set").
QString TranslationRefusalText(const TranslationResult& result, const QString& targetName);

// The line, counted from 1, of a byte offset (LF, CR and CR LF each end one line).
int LineOfOffset(std::string_view text, std::int32_t offset);
