#pragma once

// The one-pass parser: program text to instruction tree. Nested blocks (repeat and shape bodies,
// groups, assignment expressions) are parsed by the block loop calling itself.

#include "Instruction.h"
#include "LString.h"
#include "Tokeniser.h"

#include <cstdint>
#include <memory>
#include <string_view>

struct ParseContext;

// Parses a whole program into a fresh context and sets its parse-succeeded flag.
bool ParseProgram(ParseContext& context, std::string_view text);

// Parses words up to a closing bracket or parenthesis, the end of the text, or, for an
// assignment, the end of its line. Without a parent the nodes go to the top-level list.
bool ParseBlock(ParseContext& context, TextCursor& cursor, std::uint32_t& remaining,
                CSubInstruction* parent);

// Builds the node of one statement word, reading its arguments. done is set when the word
// closes the block. The word is lower-cased in place.
bool ParseStatement(ParseContext& context, LStr255& word, TextCursor& cursor,
                    std::uint32_t& remaining, CSubInstruction* parent, bool& done);

// Appends node to the parent's inner list, or to the top-level list, spanning the text from the
// token start to the current offset. Returns the node.
CInstruction* AppendNode(ParseContext& context, std::unique_ptr<CInstruction> node,
                         CSubInstruction* parent);

// Appends a new, empty node of class Node and returns it as that class.
template <typename Node> Node* AppendNew(ParseContext& context, CSubInstruction* parent) {
    return static_cast<Node*>(AppendNode(context, std::make_unique<Node>(), parent));
}

// The first variable of that name; a new one (value 0) if there is none and create is set.
// An empty name names no variable.
CVariable* FindVariable(ParseContext& context, std::string_view name, bool create);

// The first shape of that name defined in the list that starts at first, at any depth.
CShapeInstruction* FindShape(std::string_view name, CInstruction* first);

// Records a shape under its name unless one of that name came earlier, so that FindDefinedShape
// answers what FindShape on the whole tree would, without walking it.
void RegisterShape(ParseContext& context, CShapeInstruction& shape);
CShapeInstruction* FindDefinedShape(const ParseContext& context, std::string_view name);

// A colour name, a single digit or a variable; number is the colour command, or 0 with the
// variable bound to node.
bool ParseColourArgument(ParseContext& context, std::int32_t& number, TextCursor& cursor,
                         std::uint32_t& remaining, CInstruction& node);
