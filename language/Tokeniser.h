#pragma once

// The readers that cut program text into words. The parser pulls one word at a time; cursor and
// remaining count travel by reference and advance together with the context's current offset.
// A reader that fails stores its parser message in the context and returns 0.

#include "LString.h"

#include <cstdint>

class CInstruction;
struct ParseContext;

using TextCursor = const unsigned char*;

// Consumes one byte: cursor, remaining count and current offset advance together.
void ConsumeByte(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining);

// Passes over blanks, comments and (unless the enclosing node ends at a line end) line ends.
// Returns 1 when the enclosing node's line has ended; the line end stays unread. Otherwise the
// token start becomes the current offset and the result is 0.
int SkipBlanksAndComments(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                          const CInstruction* enclosing);

// One argument word, up to a word separator (not consumed). Brackets do not end it.
int ReadWord(ParseContext& context, LStr255& word, TextCursor& cursor, std::uint32_t& remaining);

// A text in double quotes, if one comes next; quoted tells whether it did.
int ReadQuotedText(ParseContext& context, LStr255& text, TextCursor& cursor,
                   std::uint32_t& remaining, bool& quoted);

// A number, if one comes next. If not, isNumber is false and word holds the next word, which is
// looked at but not consumed.
int ReadNumberArgument(ParseContext& context, std::int32_t& value, TextCursor& cursor,
                       std::uint32_t& remaining, bool& isNumber, LStr255& word);

// True if the next byte other than spaces is '='. Consumes nothing.
bool LooksLikeAssignment(TextCursor cursor, std::uint32_t remaining);

// Folds 'A'..'Z' to lower case in place; every other byte stays.
template <typename Storage> void LowerCaseWord(TString<Storage>& word) {
    for (std::size_t i = 0; i < word.length(); ++i) {
        if (word[i] >= 'A' && word[i] <= 'Z')
            word[i] = static_cast<unsigned char>(word[i] - 'A' + 'a');
    }
}
