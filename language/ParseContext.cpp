#include "RunContext.h"

#include "LanguageTables.h"

#include <utility>

RunContext::RunContext(ParseHooks parseHooks) : hooks(std::move(parseHooks)) {}

RunContext::~RunContext() {
    // The tree first: nodes refer to the variables.
    lastInstruction = nullptr;
    firstInstruction.reset();
}

void StoreParserErrorAt(RunContext& context, int messageNumber, std::int32_t start,
                        std::int32_t end) {
    context.errorMessage = ParserMessageText(messageNumber);
    context.messageNumber = messageNumber;
    context.errorStart = start;
    context.errorEnd = end;
}

void StoreParserError(RunContext& context, int messageNumber, std::string_view suffix) {
    StoreParserErrorAt(context, messageNumber, context.tokenStart, context.currentOffset);
    context.errorMessage.append(suffix);
}

void StoreParseCancelled(RunContext& context) {
    context.errorMessage.clear();
    context.messageNumber = 0;
    context.errorStart = context.tokenStart;
    context.errorEnd = context.currentOffset;
}
