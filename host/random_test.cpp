#include "host/random.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zub {
namespace {

TEST(Random, SameSeedSameSequence) {
  RandSeed = 4711;
  std::vector<double> a;
  for (int i = 0; i < 5; ++i) a.push_back(Random());
  a.push_back(Random(1000));
  RandSeed = 4711;
  std::vector<double> b;
  for (int i = 0; i < 5; ++i) b.push_back(Random());
  b.push_back(Random(1000));
  EXPECT_EQ(a, b);
}

TEST(Random, RangesAreRespectedAndCovered) {
  RandSeed = 1;
  std::array<int, 7> hits{};
  for (int i = 0; i < 70000; ++i) {
    const int32_t r = Random(7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
    ++hits[static_cast<size_t>(r)];
    const double d = Random();
    ASSERT_GE(d, 0.0);
    ASSERT_LT(d, 1.0);
  }
  for (int h : hits) EXPECT_NEAR(h, 10000, 600);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-3), 0);
  Randomize();
  const uint32_t s = RandSeed;
  Random();
  EXPECT_NE(RandSeed, s);
}

}  // namespace
}  // namespace zub
