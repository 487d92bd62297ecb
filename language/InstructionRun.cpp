// The run operations of the instruction nodes. The interpreter gives them their meaning;
// until then every list runs to its end without doing anything.

#include "Instruction.h"

std::uint8_t CInstruction::RunList(RunContext& /*context*/, std::int32_t& accumulator) {
    accumulator = 0;
    return 0;
}

std::uint8_t CInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return 0;
}

std::uint8_t CSubInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return 0;
}

std::uint8_t CRepeatInstruction::Execute(RunContext& /*context*/, std::int32_t& accumulator) {
    accumulator = 0;
    return 0;
}

std::uint8_t CVariableInstruction::Execute(RunContext& /*context*/, std::int32_t& accumulator) {
    accumulator = 0;
    return 0;
}

std::uint8_t CShapeInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return 0;
}

std::uint8_t CRunShapeInstruction::Execute(RunContext& /*context*/, std::int32_t& accumulator) {
    accumulator = 0;
    return 0;
}

std::uint8_t CWriteInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return 0;
}
