#include "dstruct/nearest_value.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zub {
namespace {

TEST(IndexOfNearestArrayValue, DoubleForm) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value;
    std::vector<double> arr;
    int32_t expected;
  };
  const Case cases[] = {
      {2.5, {1, 2, 3}, 1},  // the first of two equally near elements
      {2.5, {}, -1},
      {-5, {10, -4, -6}, 1},
      {0, {nan, 3, -1, nan}, 2},  // NaN elements never win
      {nan, {1, 2}, -1},
      {0, {inf, -inf}, -1},
      {1e308, {-1e308, 0}, 1},  // distance 2e308 is not below 1.7e308
      {1e308, {-1e308}, -1},
      {5, {5, 5}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(IndexOfNearestArrayValue(c.value, c.arr), c.expected) << c.value;
  EXPECT_EQ(IndexOfNearestArrayValue(2.5, {1.0, 2.0, 3.0}), 1);
}

TEST(IndexOfNearestArrayValue, IntegerFormNeverOverflows) {
  struct Case {
    int32_t value;
    std::vector<int32_t> arr;
    int32_t expected;
  };
  const Case cases[] = {
      {-5, {10, -4, -6}, 1},          {3, {}, -1},
      {INT32_MIN, {INT32_MAX, 0}, 1}, {INT32_MAX, {INT32_MIN, -1, INT32_MAX - 1}, 2},
      {INT32_MIN, {INT32_MAX}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(IndexOfNearestArrayValue(c.value, c.arr), c.expected) << c.value;
  EXPECT_EQ(IndexOfNearestArrayValue(7, {1, 9, 5}), 1);
}

}  // namespace
}  // namespace zub
