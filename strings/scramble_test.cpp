#include "strings/scramble.hpp"

#include <gtest/gtest.h>

#include <set>

namespace zub {
namespace {

TEST(Scramble, TablesArePermutationsAndInverse) {
  InitScramble(1234);
  const auto first = ScrambleTable();
  EXPECT_EQ(first[0], 0);
  EXPECT_EQ(DescrambleTable()[0], 0);
  std::set<int> values(first.begin() + 1, first.end());
  EXPECT_EQ(values.size(), 255u);
  EXPECT_EQ(*values.begin(), 1);
  for (int c = 1; c < 256; ++c) EXPECT_EQ(DescrambleTable()[first[size_t(c)]], c);
  InitScramble(1234);
  EXPECT_EQ(ScrambleTable(), first);
  InitScramble(99);
  EXPECT_NE(ScrambleTable(), first);
  InitScramble(BuiltInScrambleSeed);
}

TEST(Scramble, RoundTripsEveryText) {
  InitScramble(BuiltInScrambleSeed);
  UnicodeString all;
  for (int c = 0; c < 300; ++c) all += static_cast<Char>(c);
  all += u"\u4e2d";
  const UnicodeString s = Scramble(all);
  EXPECT_NE(s, all);
  EXPECT_EQ(s[0], 0);
  EXPECT_EQ(s.substr(256), all.substr(256));  // above 255: unchanged
  EXPECT_EQ(DeScramble(s), all);
  EXPECT_EQ(Scramble(u""), u"");
}

}  // namespace
}  // namespace zub
