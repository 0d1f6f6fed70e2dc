#include "host/case_map.hpp"

#include <gtest/gtest.h>

#include <clocale>

namespace zub {
namespace {

TEST(CaseMap, PlainFormsFoldAsciiOnly) {
  EXPECT_EQ(UpperCase(u"abz\u00e9"), u"ABZ\u00e9");
  EXPECT_EQ(LowerCase(u"ABZ\u00c9"), u"abz\u00c9");
  EXPECT_EQ(CompareText(u"abc", u"ABD"), -1);
  EXPECT_TRUE(SameText(u"Hello", u"hELLO"));
  EXPECT_FALSE(SameText(u"\u00e9", u"\u00c9"));
  EXPECT_GT(CompareStr(u"b", u"B"), 0);
  EXPECT_LT(CompareText(u"ab", u"abc"), 0);
}

TEST(CaseMap, AnsiFormsMapEveryLatinLetterWhateverTheProcessLocale) {
  std::setlocale(LC_ALL, "C");  // the plain C locale knows no letters above 127
  EXPECT_EQ(AnsiUpperCase(u"\u00e9\u00ff\u0101\u0148\u017e\u01c6\u0250\u1e01\u1ef9\uff41"),
            u"\u00c9\u0178\u0100\u0147\u017d\u01c4\u2c6f\u1e00\u1ef8\uff21");
  EXPECT_EQ(AnsiLowerCase(u"\u00c9\u0178\u0141\u1e9e\u0130"), u"\u00e9\u00ff\u0142\u00df\u0069");
  EXPECT_EQ(AnsiUpperCase(u"\u03b1\u0436"), u"\u0391\u0416");  // Greek and Cyrillic too
  EXPECT_EQ(AnsiUpperCase(u"\U0001F600"), u"\U0001F600");      // surrogates untouched
  EXPECT_EQ(AnsiCompareText(u"\u00c4pfel", u"\u00e4PFEL"), 0);
  EXPECT_TRUE(AnsiSameText(u"STRA\u00dfE", u"stra\u00dfe"));
}

// Every letter of the Latin blocks with a simple mapping round-trips through the pair.
TEST(CaseMap, LatinBlocksRoundTrip) {
  int mapped = 0;
  for (Char c = 0x00C0; c < 0x0250; ++c) {
    const Char lo = AnsiLowerChar(c);
    if (lo != c && AnsiUpperChar(lo) == c) ++mapped;
  }
  EXPECT_GT(mapped, 180);
  for (Char c = 0x1E00; c < 0x1E95; c += 2) EXPECT_EQ(AnsiLowerChar(c), c + 1) << std::hex << int(c);
}

}  // namespace
}  // namespace zub
