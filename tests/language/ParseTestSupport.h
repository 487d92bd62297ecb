#pragma once

// Helpers for the parser tests: parse a text with the application's own English vocabulary and
// describe the resulting tree in one line.

#include "Instruction.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ResourceChain.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>

// Every parser test starts from the shipped English words, whatever another test loaded.
class EnglishVocabulary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    }
};

inline std::unique_ptr<ParseContext> Parse(std::string_view text, ParseHooks hooks = {}) {
    auto context = std::make_unique<ParseContext>(std::move(hooks));
    ParseProgram(*context, text);
    return context;
}

// One node as "code:number", then "@variable", "'shape name'", "->target", "\"text\"" where
// they apply and "[children]" for nodes with an inner list; nodes separated by blanks.
inline std::string Describe(const CInstruction* first) {
    std::string out;
    for (const CInstruction* node = first; node; node = node->Next()) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(node->Code()) + ':' + std::to_string(node->Number());
        if (node->Variable())
            out += '@' + node->Variable()->name.str();
        if (const auto* shape = dynamic_cast<const CShapeInstruction*>(node))
            out += '\'' + shape->Name().str() + '\'';
        if (const auto* run = dynamic_cast<const CRunShapeInstruction*>(node))
            out += "->" + (run->Target() ? run->Target()->Name().str() : std::string("?"));
        if (const auto* write = dynamic_cast<const CWriteInstruction*>(node))
            out += '"' + write->Text().str() + '"';
        if (dynamic_cast<const CSubInstruction*>(node))
            out += '[' + Describe(node->FirstChild()) + ']';
    }
    return out;
}

inline std::string DescribeTree(const ParseContext& context) {
    return Describe(context.firstInstruction.get());
}

inline std::string Offsets(std::int32_t start, std::int32_t end) {
    return std::to_string(start) + ".." + std::to_string(end);
}
inline std::string Offsets(const CInstruction* node) {
    return Offsets(node->StartOffset(), node->EndOffset());
}
