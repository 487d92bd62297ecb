#include "Expressions.h"

#include "Instruction.h"
#include "TokenCode.h"
#include "WrappingArithmetic.h"

// '+' and '-' group to the right: s0 + (s1 - (s2 + ...)). Modulo 2^32 that is s0 + s1 - s2 ...
// with each sign the product of the operators before it, so one loop over the segments between
// them replaces a recursion per operator, and a long run of operators cannot exhaust the stack.
std::int32_t EvalSum(ParseContext& context, const CInstruction* first,
                     const CInstruction*& stopNode) {
    stopNode = nullptr;
    std::uint32_t total = 0;  // the segments before the current one, with their signs
    std::uint32_t sign = 1;   // 1 or 2^32 - 1: the sign of the current segment
    bool firstSegment = true; // no '+' or '-' met yet at this level
    std::int32_t segment = 0; // the running sum of the current segment

    const CInstruction* node = first;
    while (node) {
        const CInstruction* next = node->Next();
        switch (node->Code()) {
        case kVariable:
        case kNumber:
            segment = wrapping::add(segment, node->Value());
            break;
        case kPlus:
        case kMinus:
            total += sign * wrapping::toBits(segment);
            if (node->Code() == kMinus)
                sign = 0u - sign;
            segment = 0;
            firstSegment = false;
            break;
        case kTimes:
            segment = wrapping::multiply(segment, EvalOperand(context, next));
            next = next ? next->Next() : nullptr;
            break;
        case kDivide:
        case kModulo: {
            const std::int32_t divisor = EvalOperand(context, next);
            if (divisor == 0) {
                // This segment and all after it count 0. Only a zero divisor in the list's own
                // first segment stops the list; after a '+' or '-' the rest just counts 0.
                if (firstSegment) {
                    stopNode = node;
                    return 0;
                }
                return wrapping::fromBits(total);
            }
            segment = node->Code() == kDivide ? wrapping::divide(segment, divisor)
                                              : wrapping::remainder(segment, divisor);
            next = next ? next->Next() : nullptr;
            break;
        }
        case kOpenParen: {
            // A zero divisor inside the group only makes the group count 0.
            const CInstruction* innerStop = nullptr;
            segment = wrapping::add(segment, EvalSum(context, node->FirstChild(), innerStop));
            break;
        }
        default:
            break; // statements inside an expression have no value
        }
        node = next;
    }
    total += sign * wrapping::toBits(segment);
    return wrapping::fromBits(total);
}

std::int32_t EvalOperand(ParseContext& context, const CInstruction* node) {
    if (!node)
        return 0;
    switch (node->Code()) {
    case kOpenParen: {
        const CInstruction* innerStop = nullptr;
        return EvalSum(context, node->FirstChild(), innerStop);
    }
    case kNumber:
        return node->Value();
    case kVariable:
        return node->Variable() ? node->Variable()->value : 0;
    default:
        return 0;
    }
}
