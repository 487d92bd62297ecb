#pragma once

// What the parser works on: the instruction tree, the variables, the scanner offsets and the
// error of a failed parse. The interpreter's run context extends it with the turtle and pacing.

#include "Instruction.h"
#include "LString.h"
#include "TArray.h"
#include "Variable.h"
#include "Vocabulary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the parser asks of its surroundings. An empty function gives the default behaviour.
struct ParseHooks {
    // True when a key or mouse press is waiting: the parse is cancelled. Default: never.
    std::function<bool()> inputPending;
    // True while a run is in progress: parsing does nothing. Default: not running.
    std::function<bool()> runInProgress;
    // The font number of a font name as typed, 0 for a name it does not know. Default: 0.
    std::function<std::int16_t(std::string_view name)> fontNumber;
};

// One listed word of the program text as the parser took it: where it stands and which slot of
// which list it matched. Recorded only when a parse is asked to (translation).
struct WordUse {
    std::int32_t start = 0;
    std::int32_t length = 0;
    WordClass word;
};

// Deepest nesting of blocks (repeat and shape bodies, groups, assignments) the parser accepts.
// Deep enough for any real program, shallow enough for every recursive walk over the tree.
constexpr int kMaxNestingDepth = 200;

struct ParseContext {
    explicit ParseContext(ParseHooks parseHooks = {});
    ParseContext(const ParseContext&) = delete;
    ParseContext& operator=(const ParseContext&) = delete;
    ~ParseContext();

    // Declared before the tree, so the tree, which refers to them, goes first.
    TArray<std::unique_ptr<CVariable>> variables;

    std::unique_ptr<CInstruction> firstInstruction;
    CInstruction* lastInstruction = nullptr;
    bool parseSucceeded = false;
    std::int32_t tokenStart = 0;
    std::int32_t currentOffset = 0;

    // The error of a failed parse: its text, its message number (0 when the parse was
    // cancelled), and the text range to select.
    LStr255 errorMessage;
    int messageNumber = 0;
    std::int32_t errorStart = 0;
    std::int32_t errorEnd = 0;

    // Name look-ups without walking the tree or the variable list: the first shape defined with
    // each name (text order, which is the tree's depth-first order) and each variable.
    std::unordered_map<std::string, CShapeInstruction*> shapesByName;
    std::unordered_map<std::string, CVariable*> variablesByName;

    int nestingDepth = 0;
    ParseHooks hooks;

    // The words the parse matches; the process-wide vocabulary when null.
    const Vocabulary* vocabulary = nullptr;
    // When set, every keyword, abbreviation, colour name and argument word is recorded here.
    std::vector<WordUse>* wordUses = nullptr;
};

inline const Vocabulary& VocabularyOf(const ParseContext& context) {
    return context.vocabulary ? *context.vocabulary : ProcessVocabulary();
}

// Records a listed word ending at end when the context keeps a record.
inline void RecordWordUse(ParseContext& context, std::int32_t start, std::size_t length,
                          const WordClass& word) {
    if (context.wordUses && word.list != WordList::kNone)
        context.wordUses->push_back({start, static_cast<std::int32_t>(length), word});
}

// Stores parser message n, followed by suffix (cut at 255 bytes), and the range from the token
// start to the current offset.
void StoreParserError(ParseContext& context, int messageNumber, std::string_view suffix = {});
// The same with an explicit range.
void StoreParserErrorAt(ParseContext& context, int messageNumber, std::int32_t start,
                        std::int32_t end);
// A cancelled parse: no message, the current token's range.
void StoreParseCancelled(ParseContext& context);
