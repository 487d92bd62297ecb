// ParseStatement: builds the node of one statement word and reads the statement's arguments.

#include "CharacterClasses.h"
#include "DecimalConversion.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"

#include <optional>

namespace {

// An argument that is a number or a variable name.
struct NumberOrVariable {
    bool isNumber = false;
    std::int32_t number = 0;
    CVariable* variable = nullptr; // bound when the argument named a variable
    bool found() const { return isNumber || variable; }
};

// Reads a number, or consumes the next word if it names a variable. Neither: nothing found,
// and the word stays unread for the next statement.
bool readNumberOrVariable(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                          NumberOrVariable& argument) {
    LStr255 word;
    argument = {};
    if (!ReadNumberArgument(context, argument.number, cursor, remaining, argument.isNumber, word))
        return false;
    if (argument.isNumber)
        return true;
    LowerCaseWord(word);
    argument.variable = FindVariable(context, word.view(), false);
    if (argument.variable)
        return ReadWord(context, word, cursor, remaining) != 0;
    return true;
}

// How a statement with a number-or-variable argument checks it.
struct NumberRule {
    std::optional<std::int32_t> fallback; // used when neither a number nor a variable follows
    int missingMessage = 0;               // without a fallback
    std::optional<std::int32_t> low;
    int belowMessage = 0;
    std::optional<std::int32_t> high;
    int aboveMessage = 0;
};

std::optional<NumberRule> numberRuleFor(TokenCode code) {
    switch (code) {
    case kForward:
    case kBack:
        return NumberRule{{}, kMsgExpectedDistance, {}, 0, {}, 0};
    case kLeft:
    case kRight:
        return NumberRule{90, 0, {}, 0, {}, 0};
    case kPenSize:
        return NumberRule{{}, kMsgExpectedPenSize, 0, kMsgPenSizeBelow0, 100, kMsgPenSizeAbove100};
    case kDelay:
        return NumberRule{600, 0, 0, kMsgDelayBelow0, 600, kMsgDelayAbove600};
    case kSpeed:
        return NumberRule{600, 0, 0, kMsgSpeedBelow0, 100, kMsgSpeedRange};
    case kTextSize:
        return NumberRule{0, 0, {}, 0, {}, 0};
    default:
        return std::nullopt;
    }
}

bool parseNumberStatement(ParseContext& context, const NumberRule& rule, TextCursor& cursor,
                          std::uint32_t& remaining, CInstruction& node) {
    NumberOrVariable argument;
    if (!readNumberOrVariable(context, cursor, remaining, argument))
        return false;
    if (!argument.found()) {
        if (!rule.fallback) {
            StoreParserError(context, rule.missingMessage);
            return false;
        }
        argument.number = *rule.fallback;
    }
    if (argument.variable) {
        node.SetVariable(argument.variable);
    } else if (rule.low && argument.number < *rule.low) {
        StoreParserError(context, rule.belowMessage);
        return false;
    } else if (rule.high && argument.number > *rule.high) {
        StoreParserError(context, rule.aboveMessage);
        return false;
    }
    node.SetNumber(argument.number);
    node.SetEndOffset(context.currentOffset);
    return true;
}

// Levels 0..4 become the image counts 1, 2, 4, 6, 8. A variable's value is used unmapped.
bool parseSymmetry(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                   CInstruction& node) {
    static constexpr std::int32_t kImagesOfLevel[] = {1, 2, 4, 6, 8};
    NumberOrVariable argument;
    if (!readNumberOrVariable(context, cursor, remaining, argument))
        return false;
    std::int32_t number = 1;
    if (argument.variable) {
        node.SetVariable(argument.variable);
    } else {
        const std::int32_t level = argument.isNumber ? argument.number : 1;
        if (level < 0 || level > 4) {
            StoreParserError(context, kMsgSymmetryLevel);
            return false;
        }
        number = kImagesOfLevel[level];
    }
    node.SetNumber(number);
    node.SetEndOffset(context.currentOffset);
    return true;
}

template <typename Entry> bool matches(const Entry& entry, const LStr255& word) {
    return !entry.empty() && entry.view() == word.view();
}

bool matches(std::string_view entry, const LStr255& word) {
    return !entry.empty() && entry == word.view();
}

// A word compared as typed with a slot of keyword set 1, then of set 2; a match is recorded.
bool matchesKeywordSlot(ParseContext& context, const LStr255& word, int slot) {
    const Vocabulary& vocabulary = VocabularyOf(context);
    for (std::uint8_t set = 0; set < 2; ++set) {
        if (matches(set == 0 ? vocabulary.KeywordSet1(slot).view()
                             : vocabulary.KeywordSet2(slot).view(),
                    word)) {
            RecordWordUse(context, context.tokenStart, word.length(),
                          {kOtherWord, WordList::kKeywords, set, static_cast<std::uint8_t>(slot)});
            return true;
        }
    }
    return false;
}

bool parsePen(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
              CInstruction& node) {
    LStr255 word;
    if (!ReadWord(context, word, cursor, remaining))
        return false;
    if (matchesKeywordSlot(context, word, kPenUpWordSlot)) {
        node.SetNumber(1);
    } else if (matchesKeywordSlot(context, word, kPenDownWordSlot)) {
        node.SetNumber(0);
    } else {
        StoreParserError(context, kMsgExpectedUpOrDown);
        return false;
    }
    node.SetEndOffset(context.currentOffset);
    return true;
}

bool parseTextStyle(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                    CInstruction& node) {
    static constexpr struct {
        int slot;
        std::int32_t mask;
    } kStyles[] = {
        {kPlainStyleSlot, 0}, {kBoldStyleSlot, 1}, {kItalicStyleSlot, 2}, {kUnderlineStyleSlot, 4}};
    LStr255 word;
    if (!ReadWord(context, word, cursor, remaining))
        return false;
    const Vocabulary& vocabulary = VocabularyOf(context);
    std::optional<std::int32_t> mask;
    for (std::uint8_t set = 0; set < 2 && !mask; ++set) {
        for (const auto& style : kStyles) {
            if (matches(set == 0 ? vocabulary.KeywordSet1(style.slot).view()
                                 : vocabulary.KeywordSet2(style.slot).view(),
                        word)) {
                mask = style.mask;
                RecordWordUse(
                    context, context.tokenStart, word.length(),
                    {kOtherWord, WordList::kKeywords, set, static_cast<std::uint8_t>(style.slot)});
                break;
            }
        }
    }
    if (!mask) {
        StoreParserError(context, kMsgUnknownWord, word.view());
        return false;
    }
    node.SetNumber(*mask);
    node.SetEndOffset(context.currentOffset);
    return true;
}

// A number is the font number itself; a word is a font name, and also a variable if one has
// that name. The word is consumed either way.
bool parseFont(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
               CInstruction& node) {
    LStr255 word;
    std::int32_t number = 0;
    bool isNumber = false;
    if (!ReadNumberArgument(context, number, cursor, remaining, isNumber, word))
        return false;
    if (!isNumber) {
        number = context.hooks.fontNumber ? context.hooks.fontNumber(word.view()) : 0;
        LowerCaseWord(word);
        if (CVariable* const variable = FindVariable(context, word.view(), false)) {
            node.SetVariable(variable);
            number = 0;
        }
        if (!ReadWord(context, word, cursor, remaining))
            return false;
    }
    node.SetNumber(number);
    node.SetEndOffset(context.currentOffset);
    return true;
}

bool parseWrite(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                CSubInstruction* parent) {
    auto* const node = AppendNew<CWriteInstruction>(context, parent);
    LStr255 text;
    bool quoted = false;
    if (!ReadQuotedText(context, text, cursor, remaining, quoted))
        return false;
    if (quoted) {
        node->SetText(text.view());
    } else {
        std::int32_t number = 0;
        bool isNumber = false;
        if (!ReadNumberArgument(context, number, cursor, remaining, isNumber, text))
            return false;
        if (isNumber) {
            node->SetText(NumToString(number));
        } else {
            LowerCaseWord(text);
            CVariable* const variable = FindVariable(context, text.view(), false);
            if (!variable) {
                StoreParserError(context, kMsgUnknownWord, text.view());
                return false;
            }
            if (!ReadWord(context, text, cursor, remaining))
                return false;
            node->SetVariable(variable);
        }
    }
    node->SetEndOffset(context.currentOffset);
    return true;
}

bool parseRepeat(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                 CSubInstruction* parent) {
    auto* const node = AppendNew<CRepeatInstruction>(context, parent);
    NumberOrVariable count;
    if (!readNumberOrVariable(context, cursor, remaining, count))
        return false;
    if (count.isNumber) {
        if (count.number < 1) {
            StoreParserError(context, kMsgRepeatBelow1);
            return false;
        }
        if (count.number > 1000000) {
            StoreParserError(context, kMsgRepeatAbove1000000);
            return false;
        }
        node->SetNumber(count.number);
    } else if (count.variable) {
        node->SetVariable(count.variable);
    } else {
        node->SetNumber(1000000); // the word that stood there opens the body
    }
    node->SetEndOffset(context.currentOffset);
    return ParseBlock(context, cursor, remaining, node);
}

bool parseShape(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                CSubInstruction* parent) {
    auto* const node = AppendNew<CShapeInstruction>(context, parent);
    LStr255 name;
    if (!ReadWord(context, name, cursor, remaining))
        return false;
    LowerCaseWord(name);
    node->SetName(name.view());
    RegisterShape(context, *node);
    node->SetEndOffset(context.currentOffset);
    return ParseBlock(context, cursor, remaining, node);
}

bool parseGroup(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                CSubInstruction* parent) {
    auto* const node = AppendNew<CSubInstruction>(context, parent);
    node->SetCode(kOpenParen);
    node->SetEndOffset(context.currentOffset);
    return ParseBlock(context, cursor, remaining, node);
}

// The Assign keyword: a name, then the expression up to the end of the line.
bool parseAssign(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                 CSubInstruction* parent) {
    auto* const node = AppendNew<CVariableInstruction>(context, parent);
    LStr255 name;
    if (!ReadWord(context, name, cursor, remaining))
        return false;
    LowerCaseWord(name);
    node->SetVariable(FindVariable(context, name.view(), true));
    node->SetEndOffset(context.currentOffset);
    return ParseBlock(context, cursor, remaining, node);
}

// A word that is no keyword: a shape to run, an assignment, or a variable operand.
bool parseName(ParseContext& context, const LStr255& word, TextCursor& cursor,
               std::uint32_t& remaining, CSubInstruction* parent) {
    if (CShapeInstruction* const shape = FindDefinedShape(context, word.view())) {
        auto* const node = AppendNew<CRunShapeInstruction>(context, parent);
        node->SetTarget(shape);
        return true;
    }
    const bool assignment = LooksLikeAssignment(cursor, remaining);
    CVariable* const variable = FindVariable(context, word.view(), assignment);
    if (!variable) {
        StoreParserError(context, kMsgUnknownWord, word.view());
        return false;
    }
    if (assignment) {
        auto* const node =
            AppendNode(context, std::make_unique<CVariableInstruction>(variable), parent);
        return ParseBlock(context, cursor, remaining, static_cast<CVariableInstruction*>(node));
    }
    CInstruction* const node = AppendNode(context, std::make_unique<CInstruction>(), parent);
    node->SetCode(kVariable);
    node->SetVariable(variable);
    return true;
}

// Every statement that builds a plain node: its argument, if it takes one.
bool parsePlainStatement(ParseContext& context, TokenCode code, const LStr255& word,
                         TextCursor& cursor, std::uint32_t& remaining, CSubInstruction* parent) {
    CInstruction* const node = AppendNode(context, std::make_unique<CInstruction>(), parent);
    node->SetCode(code);
    if (const auto rule = numberRuleFor(code))
        return parseNumberStatement(context, *rule, cursor, remaining, *node);
    switch (code) {
    case kSymmetry:
        return parseSymmetry(context, cursor, remaining, *node);
    case kColor: {
        std::int32_t command = 0;
        if (!ParseColourArgument(context, command, cursor, remaining, *node))
            return false;
        node->SetNumber(command);
        node->SetEndOffset(context.currentOffset);
        return true;
    }
    case kPen:
        return parsePen(context, cursor, remaining, *node);
    case kNumber:
        node->SetNumber(StringToNum(word.view()));
        return true;
    case kFont:
        return parseFont(context, cursor, remaining, *node);
    case kTextStyle:
        return parseTextStyle(context, cursor, remaining, *node);
    default:
        return true; // no argument
    }
}

} // namespace

bool ParseColourArgument(ParseContext& context, std::int32_t& number, TextCursor& cursor,
                         std::uint32_t& remaining, CInstruction& node) {
    LStr255 word;
    if (!ReadWord(context, word, cursor, remaining))
        return false;
    LowerCaseWord(word);
    if (word.length() == 1) {
        // A single byte is a digit or nothing, even where a variable has that name.
        if (!IsDigit(word[0])) {
            StoreParserError(context, kMsgExpectedColour);
            return false;
        }
        number = ColourCommandOfSlot(ColourSlotOfDigit(static_cast<char>(word[0])));
        return true;
    }
    const Vocabulary& vocabulary = VocabularyOf(context);
    for (std::uint8_t set = 0; set < 2; ++set) {
        for (int slot = 0; slot < kColourSlots; ++slot) {
            if (matches(set == 0 ? vocabulary.ColourName1(slot).view()
                                 : vocabulary.ColourName2(slot).view(),
                        word)) {
                number = ColourCommandOfSlot(slot);
                RecordWordUse(
                    context, context.tokenStart, word.length(),
                    {kOtherWord, WordList::kColourNames, set, static_cast<std::uint8_t>(slot)});
                return true;
            }
        }
    }
    if (CVariable* const variable = FindVariable(context, word.view(), false)) {
        node.SetVariable(variable);
        number = 0;
        return true;
    }
    StoreParserError(context, kMsgExpectedColour);
    return false;
}

bool ParseStatement(ParseContext& context, LStr255& word, TextCursor& cursor,
                    std::uint32_t& remaining, CSubInstruction* parent, bool& done) {
    done = false;
    if (context.hooks.inputPending && context.hooks.inputPending()) {
        done = true;
        word.clear();
        StoreParseCancelled(context);
        return false;
    }
    if (word.empty())
        return true;
    LowerCaseWord(word);
    const WordClass wordClass = VocabularyOf(context).Classify(word.view());
    const TokenCode code = wordClass.code;
    // The block word ends at the current offset: its bytes were consumed one after another.
    RecordWordUse(context, context.currentOffset - static_cast<std::int32_t>(word.length()),
                  word.length(), wordClass);

    bool parsed = true;
    switch (code) {
    case kEndBlock:
    case kCloseParen:
        done = true; // closes whatever block is open: brackets and parentheses do not pair
        break;
    case kBeginBlock:
    case kEquals:
        break;
    case kRepeat:
        parsed = parseRepeat(context, cursor, remaining, parent);
        break;
    case kShape:
        parsed = parseShape(context, cursor, remaining, parent);
        break;
    case kOpenParen:
        parsed = parseGroup(context, cursor, remaining, parent);
        break;
    case kOtherWord:
        parsed = parseName(context, word, cursor, remaining, parent);
        break;
    case kAssign:
        parsed = parseAssign(context, cursor, remaining, parent);
        break;
    case kWrite:
        parsed = parseWrite(context, cursor, remaining, parent);
        break;
    default:
        parsed = parsePlainStatement(context, code, word, cursor, remaining, parent);
        break;
    }
    if (!parsed)
        return false;
    word.clear();
    return true;
}
