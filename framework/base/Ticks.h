#pragma once

// Time in ticks of 1/60 second since the process started.

#include <cstdint>

constexpr std::uint32_t kTicksPerSecond = 60;

std::uint32_t TickCount();
