#pragma once

// The value of a flat expression list. Operands side by side add up; '*', '/' and '%' take the
// sum so far and one following operand; '+' and '-' take the sum so far and the value of all
// that follows them. Arithmetic is signed 32-bit with wrap-around.

#include <cstdint>

class CInstruction;
struct ParseContext;

// The value of the list from first on. stopNode is the '/' or '%' node of this list at which a
// zero divisor ended the evaluation (the result is then 0), else none.
std::int32_t EvalSum(ParseContext& context, const CInstruction* first,
                     const CInstruction*& stopNode);

// The value of one operand: a number, a variable or a group; 0 for anything else or none.
std::int32_t EvalOperand(ParseContext& context, const CInstruction* node);
