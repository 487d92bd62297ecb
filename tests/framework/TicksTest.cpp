#include "Ticks.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(Ticks, CountSixtyPerSecond) {
    const std::uint32_t before = TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    const std::uint32_t after = TickCount();
    // 120 ms is 7.2 ticks; a slow machine may sleep longer, never shorter.
    EXPECT_GE(after - before, 6u);
    EXPECT_LT(after - before, 6u * 60u) << "ticks, not milliseconds";
}
