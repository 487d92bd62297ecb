#pragma once

// The parse result as one line of JSON:
//   {"ok": true, "nodes": [...], "variables": ["x", ...]}
//   {"ok": false, "message": "...", "messageNumber": N, "start": S, "end": E}
// A node is {"code": C, "number": N, "start": S, "end": E} with "variable", "children", "name",
// "target" and "text" where they apply.

#include <string>

struct ParseContext;

std::string ParseResultJson(const ParseContext& context);

// A JSON string literal of UTF-8 bytes. A byte that is not part of valid UTF-8 is written as
// the character of the same number, so every input gives valid JSON.
std::string JsonString(std::string_view bytes);
