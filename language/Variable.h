#pragma once

// A program variable: a lower-case name and a signed 32-bit value. Owned by the run context.

#include "LString.h"

#include <cstdint>

struct CVariable {
    LStr255 name;
    std::int32_t value = 0;
};
