#include "ParseContext.h"

#include "LanguageTables.h"

#include <utility>

ParseContext::ParseContext(ParseHooks parseHooks) : hooks(std::move(parseHooks)) {}

ParseContext::~ParseContext() {
    // The tree first: nodes refer to the variables.
    lastInstruction = nullptr;
    firstInstruction.reset();
}

void StoreParserErrorAt(ParseContext& context, int messageNumber, std::int32_t start,
                        std::int32_t end) {
    context.errorMessage = ParserMessageText(messageNumber);
    context.messageNumber = messageNumber;
    context.errorStart = start;
    context.errorEnd = end;
}

void StoreParserError(ParseContext& context, int messageNumber, std::string_view suffix) {
    StoreParserErrorAt(context, messageNumber, context.tokenStart, context.currentOffset);
    context.errorMessage.append(suffix);
}

void StoreParseCancelled(ParseContext& context) {
    context.errorMessage.clear();
    context.messageNumber = 0;
    context.errorStart = context.tokenStart;
    context.errorEnd = context.currentOffset;
}
