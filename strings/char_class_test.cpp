#include "strings/char_class.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(CharClass, SingleCharacterTestsCoverAll8BitCodesAndNothingAbove) {
  int digits = 0, letters = 0, hex = 0, umlauts = 0;
  for (int c = 0; c < 256; ++c) {
    digits += IsDigit(Char(c));
    letters += IsLetter(Char(c));
    hex += IsHexChar(Char(c));
    umlauts += IsUmlaut(Char(c));
    EXPECT_EQ(IsDigitLetter(Char(c)), IsDigit(Char(c)) || IsLetter(Char(c)));
  }
  EXPECT_EQ(digits, 10);
  EXPECT_EQ(letters, 52);
  EXPECT_EQ(hex, 22);
  EXPECT_EQ(umlauts, 7);
  EXPECT_TRUE(IsUmlaut(u'\u00df'));
  EXPECT_FALSE(IsLetter(u'\u00e9'));
  EXPECT_FALSE(IsDigit(u'\u0660'));  // Arabic-Indic zero: above 255
  EXPECT_FALSE(IsLetter(Char(0x141)));
}

TEST(CharClass, WholeStringTests) {
  EXPECT_TRUE(IsAllHex(u""));
  EXPECT_TRUE(IsAllHex(u"09afAF"));
  EXPECT_FALSE(IsAllHex(u"0g"));
  EXPECT_TRUE(IsAllDec(u"0123"));
  EXPECT_FALSE(IsAllDec(u"12.3"));
  EXPECT_TRUE(TestAllChar(u"xxx", u'x'));
  EXPECT_FALSE(TestAllChar(u"", u'x'));
  EXPECT_FALSE(TestAllChar(u"xxy", u'x'));
  for (auto s : {u"USA", u"ABCd", u"xABC1"}) EXPECT_TRUE(IsAbbreviation(s)) << UnicodeToUtf8(s);
  for (auto s : {u"Ab", u"AbC", u"ABcde", u"", u"AB12"}) EXPECT_FALSE(IsAbbreviation(s)) << UnicodeToUtf8(s);
}

TEST(CharClass, StringContainsWithRangeTokens) {
  struct Case {
    std::u16string_view s, cls;
    bool contains, otherThan;
  };
  const Case cases[] = {
      {u"a1", u"//dig", true, true},
      {u"123", u"//dig", true, false},
      {u"12a", u"//dig", true, true},
      {u"", u"//dig", false, false},
      {u"abc", u"//lc", true, false},
      {u"aBc", u"//lc//uc", true, false},
      {u"x\ty", u"//31dwn", true, true},
      {u"\u00e4", u"//128up", true, false},
      {u"a-b", u"-", true, true},
      {u"//", u"/", true, false},
      {u"\u4e2d", u"//128up\u4e2d", false, true},  // above 255: never a member
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringContains(c.s, c.cls), c.contains) << UnicodeToUtf8(c.s) << " in " << UnicodeToUtf8(c.cls);
    EXPECT_EQ(StringContainsOtherThan(c.s, c.cls), c.otherThan)
        << UnicodeToUtf8(c.s) << " / " << UnicodeToUtf8(c.cls);
  }
}

TEST(CharClass, WordSepsStartWithTheListedCodesAndCanBeChanged) {
  const int members[] = {0,  10, 13, 32, 34, 35, 37, 39, 40, 41, 42, 43,  44,
                         45, 46, 47, 58, 59, 60, 61, 62, 91, 92, 93, 123, 125};
  EXPECT_EQ(WordSeps.count(), std::size(members));
  for (int c : members) EXPECT_TRUE(IsWordSep(Char(c))) << c;
  EXPECT_FALSE(IsWordSep(u'_'));
  EXPECT_FALSE(IsWordSep(Char(0x100 + 32)));  // above 255 never
  WordSeps.set('_');
  EXPECT_TRUE(IsWordSep(u'_'));
  WordSeps.reset('_');
}

}  // namespace
}  // namespace zub
