#pragma once

// Text from a program, made safe for a terminal: valid UTF-8 passes as it is; bytes that are not
// (a binary file given as a program) and control characters other than tab become \xNN.

#include <string>
#include <string_view>

std::string EscapeForTerminal(std::string_view bytes);
