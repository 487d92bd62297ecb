#include "Tokeniser.h"

#include "CharacterClasses.h"
#include "DecimalConversion.h"
#include "Instruction.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "WrappingArithmetic.h"

void ConsumeByte(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining) {
    ++cursor;
    --remaining;
    ++context.currentOffset;
}

namespace {

void consumeBlanks(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining) {
    while (remaining > 0 && IsBlank(*cursor))
        ConsumeByte(context, cursor, remaining);
}

bool startsComment(TextCursor cursor, std::uint32_t remaining) {
    const unsigned char c = *cursor;
    if (c == '#' || c == ';')
        return true;
    return (c == '-' || c == '/') && remaining >= 2 && cursor[1] == c;
}

} // namespace

int SkipBlanksAndComments(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                          const CInstruction* enclosing) {
    while (remaining > 0) {
        const unsigned char c = *cursor;
        if (IsBlank(c)) {
            ConsumeByte(context, cursor, remaining);
        } else if (IsLineEnd(c)) {
            if (enclosing && enclosing->EndsAtLineEnd())
                return 1;
            ConsumeByte(context, cursor, remaining);
        } else if (startsComment(cursor, remaining)) {
            do
                ConsumeByte(context, cursor, remaining);
            while (remaining > 0 && !IsLineEnd(*cursor));
        } else {
            break;
        }
    }
    context.tokenStart = context.currentOffset;
    return 0;
}

int ReadWord(ParseContext& context, LStr255& word, TextCursor& cursor, std::uint32_t& remaining) {
    word.clear();
    consumeBlanks(context, cursor, remaining);
    context.tokenStart = context.currentOffset;
    while (remaining > 0 && !IsWordSeparator(*cursor)) {
        if (!word.append(*cursor)) {
            StoreParserError(context, kMsgTextTooLong);
            return 0;
        }
        ConsumeByte(context, cursor, remaining);
    }
    return 1;
}

int ReadQuotedText(ParseContext& context, LStr255& text, TextCursor& cursor,
                   std::uint32_t& remaining, bool& quoted) {
    text.clear();
    consumeBlanks(context, cursor, remaining);
    quoted = remaining > 0 && *cursor == '"';
    if (!quoted)
        return 1;
    ConsumeByte(context, cursor, remaining);
    context.tokenStart = context.currentOffset;
    while (remaining > 0) {
        const unsigned char c = *cursor;
        if (c == '"') {
            ConsumeByte(context, cursor, remaining);
            break;
        }
        if (!text.append(c)) {
            StoreParserError(context, kMsgTextTooLong);
            return 0;
        }
        ConsumeByte(context, cursor, remaining);
    }
    return 1;
}

int ReadNumberArgument(ParseContext& context, std::int32_t& value, TextCursor& cursor,
                       std::uint32_t& remaining, bool& isNumber, LStr255& word) {
    isNumber = true;
    value = 0;
    word.clear();
    consumeBlanks(context, cursor, remaining);
    context.tokenStart = context.currentOffset;

    bool negative = false;
    if (remaining > 0 && *cursor == '-') {
        ConsumeByte(context, cursor, remaining);
        negative = true;
    }

    if (remaining == 0 || !IsDigit(*cursor)) {
        isNumber = false;
        consumeBlanks(context, cursor, remaining);
        if (remaining == 0) {
            return 1;
        }
        const unsigned char next = *cursor;
        if (next == '-') {
            // Only reachable after the sign, so there is a byte to step back over: a "--"
            // comment mark that began at the sign is whole again.
            if (negative) {
                --cursor;
                ++remaining;
                --context.currentOffset;
            }
            return 1;
        }
        if (next == '%' || next == '/')
            return 1;
        // Look at the next word without consuming it.
        TextCursor peekCursor = cursor;
        std::uint32_t peekRemaining = remaining;
        const std::int32_t offset = context.currentOffset;
        const int result = ReadWord(context, word, peekCursor, peekRemaining);
        context.currentOffset = offset;
        return result;
    }

    while (remaining > 0 && !IsWordSeparator(*cursor)) {
        if (!IsDigit(*cursor)) {
            StoreParserError(context, kMsgNumberNotDigits);
            return 0;
        }
        if (!word.append(*cursor)) {
            StoreParserError(context, kMsgNumberTooLong);
            return 0;
        }
        ConsumeByte(context, cursor, remaining);
    }
    const std::int32_t magnitude = StringToNum(word.view());
    value = negative ? wrapping::negate(magnitude) : magnitude;
    return 1;
}

bool LooksLikeAssignment(TextCursor cursor, std::uint32_t remaining) {
    while (remaining > 0 && *cursor == ' ') {
        ++cursor;
        --remaining;
    }
    return remaining > 0 && *cursor == '=';
}
