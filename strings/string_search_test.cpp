#include "strings/string_search.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(StringSearch, NumberedPosForwardsAndBackwards) {
  struct Case {
    std::u16string_view sub, s;
    int32_t start, n;
    bool ignoreCase;
    int32_t forward, backward;
  };
  const Case cases[] = {
      {u"bc", u"abcabc", 1, 1, false, 2, 0},  // backwards from 1: no occurrence ends there
      {u"bc", u"abcabc", 1, 2, false, 5, 0},  {u"bc", u"abcabc", 3, 1, false, 5, 2},
      {u"bc", u"abcabc", 5, 1, false, 5, 2},  // backwards: the one at 5 reaches beyond 5
      {u"bc", u"abcabc", 6, 1, false, 0, 5},  {u"bc", u"abcabc", 6, 2, false, 0, 2},
      {u"bc", u"abcabc", 99, 1, false, 0, 5},  // backwards: start beyond the end is the length
      {u"bc", u"abcabc", -3, 1, false, 2, 0}, {u"BC", u"abcabc", 1, 1, true, 2, 0},
      {u"BC", u"abcabc", 6, 1, true, 0, 5},   {u"BC", u"abcabc", 1, 1, false, 0, 0},
      {u"aa", u"aaaa", 1, 2, false, 3, 0},  // no overlap
      {u"aa", u"aaaa", 4, 2, false, 0, 1},    {u"", u"abc", 1, 1, false, 0, 0},
      {u"bc", u"abcabc", 1, 0, false, 0, 0},  {u"bc", u"abcabc", 6, -1, false, 0, 0},
  };
  for (const auto& c : cases) {
    const std::string what = UnicodeToUtf8(c.sub) + " in " + UnicodeToUtf8(c.s) + " start " +
                             std::to_string(c.start) + " n " + std::to_string(c.n);
    EXPECT_EQ(NumberedPos(c.sub, c.s, c.start, c.n, c.ignoreCase), c.forward) << what;
    EXPECT_EQ(NumberedPosBw(c.sub, c.s, c.start, c.n, c.ignoreCase), c.backward) << what;
  }
}

TEST(StringSearch, LastOccurrenceAndCounts) {
  EXPECT_EQ(PosLast(u".", u"a.b.c"), 4);
  EXPECT_EQ(PosLast(u"bc", u"abcabc"), 5);
  EXPECT_EQ(PosLast(u"aa", u"aaa"), 1);
  EXPECT_EQ(PosLast(u"x", u"abc"), 0);
  EXPECT_EQ(CountStringInString(u"aa", u"aaaa", true), 2);
  EXPECT_EQ(CountStringInString(u"AB", u"abAbab", false), 3);
  EXPECT_EQ(CountStringInString(u"AB", u"abAbab", true), 0);
  EXPECT_EQ(CountStringInString(u"", u"abc", true), 0);
  EXPECT_EQ(CountCharInString(u'a', u"aAbA\u00e4", false), 3);
  EXPECT_EQ(CountCharInString(u'a', u"aAbA", true), 1);
  EXPECT_EQ(FindFirstNonBlank(u"  \tx"), 3);  // a tab is not a blank
  EXPECT_EQ(FindFirstNonBlank(u"   "), 0);
  EXPECT_EQ(FindFirstNonBlank(u""), 0);
  EXPECT_EQ(FindFirstDigit(u"ab3c4"), 3);
  EXPECT_EQ(FindFirstDigit(u"abc"), 0);
  EXPECT_TRUE(EqualAnsiStrings(u"\u00c4rger", u"\u00e4RGER"));  // locale-aware
  EXPECT_FALSE(EqualAnsiStrings(u"abc", u"abd"));
}

}  // namespace
}  // namespace zub
