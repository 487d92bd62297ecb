// Parses arbitrary bytes, then walks the tree and evaluates every expression list in it.

#include "Expressions.h"
#include "Instruction.h"
#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ResourceChain.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Checks what must hold of every node, and evaluates each inner list.
void walk(ParseContext& context, const CInstruction* first, int depth) {
    if (depth > kMaxNestingDepth + 1)
        std::abort(); // the nesting bound was not kept
    for (const CInstruction* node = first; node; node = node->Next()) {
        const auto* run = dynamic_cast<const CRunShapeInstruction*>(node);
        if (node->Code() > kLastTokenCode || node->StartOffset() > node->EndOffset() ||
            node->StartOffset() < 0 || (run && !run->Target()))
            std::abort();
        if (const CInstruction* inner = node->FirstChild()) {
            const CInstruction* stop = nullptr;
            EvalSum(context, inner, stop);
            EvalOperand(context, node);
            walk(context, inner, depth + 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tablesReady =
        (InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())), true);
    (void)tablesReady;

    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view name) { return static_cast<std::int16_t>(name.size()); };
    ParseContext context(std::move(hooks));
    const bool parsed =
        ParseProgram(context, std::string_view(reinterpret_cast<const char*>(data), size));
    if (context.nestingDepth != 0 ||
        (!parsed && (context.errorStart < 0 || context.errorStart > context.errorEnd ||
                     static_cast<std::size_t>(context.errorEnd) > size)))
        std::abort();
    // The first byte seeds the variables' values, so evaluation meets zeros, signs and extremes.
    const std::int32_t seeds[] = {0, 1, -1, 2147483647, -2147483647 - 1, 7};
    for (auto& variable : context.variables)
        variable->value = size > 0 ? seeds[data[0] % 6] : 0;
    walk(context, context.firstInstruction.get(), 0);
    const CInstruction* stop = nullptr;
    EvalSum(context, context.firstInstruction.get(), stop);
    return 0;
}
