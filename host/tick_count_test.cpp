#include "host/tick_count.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace zub {
namespace {

TEST(TickCount, CountsMillisecondsAndNeverGoesBack) {
  const uint64_t start = MillisecondTicks();
  uint64_t last = start;
  for (int i = 0; i < 100000; ++i) {
    const uint64_t now = MillisecondTicks();
    ASSERT_GE(now, last);
    last = now;
  }
  const auto wallStart = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const uint64_t elapsed = MillisecondTicks() - last;
  const auto wall =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - wallStart);
  EXPECT_GE(elapsed, 50u);
  EXPECT_LE(elapsed, static_cast<uint64_t>(wall.count()) + 2);  // both rounded down to milliseconds
}

}  // namespace
}  // namespace zub
