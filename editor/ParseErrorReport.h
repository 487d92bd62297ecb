#pragma once

// The alert for a program that does not parse: the parser's message, where the error is (line
// and column) and, for an unknown word, the closest keyword.

#include "ViewResources.h"

#include <QString>
#include <cstdint>
#include <string_view>

struct ParseContext;

constexpr ResIDT kParseErrorAlert = 1005;

struct TextPlace {
    int line = 1;   // from 1
    int column = 1; // from 1, in characters
};
TextPlace PlaceOfByte(std::string_view text, std::int32_t byteOffset);

// The keyword of either set closest to word (at most two edits away, and fewer edits than the
// word has characters); empty when there is none.
QString ClosestKeyword(std::string_view word);

// Shows alert 1005 for a failed parse of text.
void ReportParseError(const ParseContext& context, std::string_view text);
