#include "dstruct/combinatorics.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace zub {
namespace {

TCombination Make(std::vector<uint8_t> values) {
  TCombination c{};
  c[0] = static_cast<uint8_t>(values.size());
  std::copy(values.begin(), values.end(), c.begin() + 1);
  return c;
}

std::vector<uint8_t> Used(const TCombination& c) {
  return {c.begin() + 1, c.begin() + 1 + c[0]};
}

TEST(NextCombination, StepsThroughSubsetsInOrder) {
  TCombination c = Make({1, 2});
  std::vector<std::vector<uint8_t>> seen{Used(c)};
  while (NextCombination(c, 4)) seen.push_back(Used(c));
  const std::vector<std::vector<uint8_t>> expected = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Used(c), (std::vector<uint8_t>{3, 4}));

  TCombination full = Make({1, 2, 3});
  EXPECT_FALSE(NextCombination(full, 3));

  // Counts C(n + 1, k) from 0 .. k - 1 over 0..n, and C(n, k) from 1..k, in ascending order.
  struct Case {
    int32_t maxVal, k;
    bool fromZero;
    size_t count;
  };
  const Case cases[] = {{10, 3, false, 120},    {10, 3, true, 165}, {255, 1, true, 256},
                        {255, 254, false, 255}, {6, 6, false, 1},   {20, 5, false, 15504}};
  for (const Case& cs : cases) {
    std::vector<uint8_t> start(static_cast<size_t>(cs.k));
    for (int32_t i = 0; i < cs.k; ++i)
      start[static_cast<size_t>(i)] = static_cast<uint8_t>(i + (cs.fromZero ? 0 : 1));
    TCombination k = Make(start);
    size_t count = 1;
    std::vector<uint8_t> previous = Used(k);
    while (NextCombination(k, cs.maxVal)) {
      ++count;
      ASSERT_TRUE(std::lexicographical_compare(previous.begin(), previous.end(), k.begin() + 1,
                                               k.begin() + 1 + k[0]));
      previous = Used(k);
    }
    EXPECT_EQ(count, cs.count) << cs.maxVal << " " << cs.k;
    EXPECT_EQ(previous.back(), cs.maxVal);
  }
}

TEST(NextPermutation, VisitsEveryArrangementOnce) {
  TCombination p = Make({1, 2, 3});
  std::vector<std::vector<uint8_t>> seen{Used(p)};
  while (NextPermutation(p)) seen.push_back(Used(p));
  const std::vector<std::vector<uint8_t>> expected = {{1, 2, 3}, {2, 1, 3}, {2, 3, 1},
                                                      {1, 3, 2}, {3, 1, 2}, {3, 2, 1}};
  EXPECT_EQ(seen, expected);

  TCombination one = Make({1});
  EXPECT_FALSE(NextPermutation(one));
  for (uint8_t n = 2; n <= 7; ++n) {
    std::vector<uint8_t> identity(n);
    for (uint8_t i = 0; i < n; ++i) identity[i] = static_cast<uint8_t>(i + 1);
    TCombination q = Make(identity);
    std::set<std::vector<uint8_t>> all{Used(q)};
    size_t steps = 1;
    while (NextPermutation(q)) {
      all.insert(Used(q));
      ++steps;
    }
    size_t factorial = 1;
    for (size_t i = 2; i <= n; ++i) factorial *= i;
    EXPECT_EQ(steps, factorial);
    EXPECT_EQ(all.size(), factorial);
    std::reverse(identity.begin(), identity.end());
    EXPECT_EQ(Used(q), identity);
  }
}

// Input the routines do not step through comes back untouched with false; random hostile
// arrays never make them reach outside the 256 elements (checked by the sanitizers).
TEST(Combinatorics, InvalidInputIsLeftAlone) {
  const TCombination invalidCombinations[] = {Make({}), Make({2, 2}), Make({3, 1}), Make({1, 5})};
  for (TCombination c : invalidCombinations) {
    const TCombination before = c;
    EXPECT_FALSE(NextCombination(c, 4));
    EXPECT_EQ(c, before);
  }
  TCombination big = Make({1, 2});
  EXPECT_FALSE(NextCombination(big, 256));
  EXPECT_FALSE(NextCombination(big, -1));
  const TCombination invalidPermutations[] = {Make({}), Make({1, 1}), Make({0, 1}), Make({2, 3}),
                                              Make({1, 2, 4})};
  for (TCombination p : invalidPermutations) {
    const TCombination before = p;
    EXPECT_FALSE(NextPermutation(p));
    EXPECT_EQ(p, before);
  }
  std::mt19937 rng(3);
  for (int round = 0; round < 20000; ++round) {
    TCombination c;
    for (auto& v : c) v = static_cast<uint8_t>(rng());
    if (round % 2 == 0) c[0] = 255;
    NextCombination(c, static_cast<int32_t>(rng() % 300) - 20);
    NextPermutation(c);
  }
  TCombination widest{};
  widest[0] = 255;
  for (int i = 1; i <= 255; ++i) widest[static_cast<size_t>(i)] = static_cast<uint8_t>(256 - i);
  EXPECT_FALSE(NextPermutation(widest));  // the last of 255!
  widest[1] = 254;
  widest[2] = 255;
  EXPECT_TRUE(NextPermutation(widest));
}

}  // namespace
}  // namespace zub
