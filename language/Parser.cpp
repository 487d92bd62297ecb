#include "Parser.h"

#include "CharacterClasses.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "StNestingGuard.h"

#include <limits>

namespace {

// The block loop proper: forms words and hands each to ParseStatement.
bool parseBlockWords(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                     CSubInstruction* parent) {
    TextCursor p = cursor;
    std::uint32_t left = remaining;
    LStr255 word;
    bool done = false;
    context.tokenStart = context.currentOffset;

    while (!done) {
        if (SkipBlanksAndComments(context, p, left, parent) == 1)
            break; // the assignment's line has ended; the line end stays unread
        if (left == 0)
            break;
        // Form words until one ends at a blank or line end (then skip again) or the block ends.
        bool skipNext = false;
        while (!skipNext && !done) {
            if (left == 0) {
                done = true;
                break;
            }
            const unsigned char c = *p;
            if (IsBlank(c) || IsLineEnd(c)) {
                if (!ParseStatement(context, word, p, left, parent, done))
                    return false;
                skipNext = true;
            } else if (IsPunctuation(c)) {
                if (word.empty()) {
                    word.append(c);
                    ConsumeByte(context, p, left);
                    skipNext = true;
                }
                // A word that ends at punctuation is followed directly by the next word: the
                // statement left the cursor at the punctuation, and no skipping happens.
                if (!ParseStatement(context, word, p, left, parent, done))
                    return false;
            } else {
                if (word.full()) {
                    StoreParserError(context, kMsgWordTooLong);
                    return false;
                }
                word.append(c);
                ConsumeByte(context, p, left);
            }
        }
    }

    if (!word.empty()) {
        bool ignored = false;
        if (!ParseStatement(context, word, p, left, parent, ignored))
            return false;
    }
    cursor = p;
    remaining = left;
    return true;
}

} // namespace

bool ParseProgram(ParseContext& context, std::string_view text) {
    InitLanguageTables();
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        // Offsets are signed 32-bit: such a text cannot be addressed.
        StoreParserErrorAt(context, kMsgOutOfMemory, 0, 0);
        context.parseSucceeded = false;
        return false;
    }
    TextCursor cursor = reinterpret_cast<TextCursor>(text.data());
    auto remaining = static_cast<std::uint32_t>(text.size());
    context.parseSucceeded = ParseBlock(context, cursor, remaining, nullptr);
    return context.parseSucceeded;
}

bool ParseBlock(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                CSubInstruction* parent) {
    if (context.hooks.runInProgress && context.hooks.runInProgress())
        return true;
    const StNestingGuard nesting(context, parent != nullptr);
    if (nesting.tooDeep()) {
        StoreParserErrorAt(context, kMsgNestedTooDeeply, parent->StartOffset(),
                           parent->EndOffset());
        return false;
    }
    context.errorMessage.clear();
    try {
        return parseBlockWords(context, cursor, remaining, parent);
    } catch (...) {
        StoreParserError(context, kMsgOutOfMemory);
        return false;
    }
}

CInstruction* AppendNode(ParseContext& context, std::unique_ptr<CInstruction> node,
                         CSubInstruction* parent) {
    if (!node)
        return nullptr;
    CInstruction* const appended = node.get();
    appended->SetStartOffset(context.tokenStart);
    appended->SetEndOffset(context.currentOffset);
    if (parent) {
        parent->AddChild(std::move(node));
    } else if (context.lastInstruction) {
        context.lastInstruction->SetNext(std::move(node));
        context.lastInstruction = appended;
    } else {
        context.firstInstruction = std::move(node);
        context.lastInstruction = appended;
    }
    return appended;
}

CVariable* FindVariable(ParseContext& context, std::string_view name, bool create) {
    if (name.empty())
        return nullptr;
    if (const auto found = context.variablesByName.find(std::string(name));
        found != context.variablesByName.end())
        return found->second;
    if (!create)
        return nullptr;
    auto variable = std::make_unique<CVariable>();
    variable->name.assign(name);
    CVariable* const created = variable.get();
    context.variables.addItem(std::move(variable));
    context.variablesByName.emplace(created->name.str(), created);
    return created;
}

CShapeInstruction* FindShape(std::string_view name, CInstruction* first) {
    for (CInstruction* node = first; node; node = node->Next()) {
        if (node->Code() == kShape) {
            if (auto* shape = dynamic_cast<CShapeInstruction*>(node)) {
                if (shape->Name() == name)
                    return shape;
            }
        }
        // Inner lists are at most the nesting bound deep.
        if (CInstruction* const inner = node->FirstChild()) {
            if (CShapeInstruction* const found = FindShape(name, inner))
                return found;
        }
    }
    return nullptr;
}

void RegisterShape(ParseContext& context, CShapeInstruction& shape) {
    context.shapesByName.try_emplace(shape.Name().str(), &shape);
}

CShapeInstruction* FindDefinedShape(const ParseContext& context, std::string_view name) {
    const auto found = context.shapesByName.find(std::string(name));
    return found == context.shapesByName.end() ? nullptr : found->second;
}
