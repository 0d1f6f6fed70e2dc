#include "strings/string_layout.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(StringLayout, StrippingRemovesBlanksOrTheGivenCharacterOnly) {
  EXPECT_EQ(StripLTBlanks(u"   "), u"");
  EXPECT_EQ(StripTrailingBlanks(u"   "), u"");
  EXPECT_EQ(StripLeadingBlanks(u"   "), u"");
  EXPECT_EQ(StripTrailingChars(u'x', u"xxx"), u"");
  EXPECT_EQ(StripLTBlanks(u" a b "), u"a b");
  EXPECT_EQ(StripLTBlanks(u"\ta\t"), u"\ta\t");
  EXPECT_EQ(StripLeadingBlanks(u"  a "), u"a ");
  EXPECT_EQ(StripTrailingBlanks(u" a  "), u" a");
  EXPECT_EQ(StripLeadingChars(u'0', u"0070"), u"70");
  EXPECT_EQ(StripTrailingChars(u'0', u"1.500"), u"1.5");
}

TEST(StringLayout, EnsureCharacters) {
  EXPECT_EQ(EnsureTrailingBkSlash(u"C:\\dir"), u"C:\\dir\\");
  EXPECT_EQ(EnsureTrailingBkSlash(u"C:\\dir\\"), u"C:\\dir\\");
  EXPECT_EQ(EnsureTrailingBkSlash(u""), u"");
  EXPECT_EQ(EnsureTrailingChar(u'/', u"a"), u"a/");
  EXPECT_EQ(EnsureLeadingChar(u'.', u"txt"), u".txt");
  EXPECT_EQ(EnsureLeadingChar(u'.', u".txt"), u".txt");
  EXPECT_EQ(EnsureLeadingChar(u'.', u""), u"");
}

TEST(StringLayout, FixedWidthFields) {
  EXPECT_EQ(CenterString(u"ab", 7), u"  ab   ");
  EXPECT_EQ(CenterString(u"abcdefgh", 3), u"abc");
  EXPECT_EQ(RightString(u"abcdef", 3), u"abc");
  EXPECT_EQ(RightString(u"ab", 4), u"  ab");
  EXPECT_EQ(LeftString(u"ab", 4), u"ab  ");
  EXPECT_EQ(LeftString(u"ab", 0), u"");
  EXPECT_EQ(MultiChar(u'x', 0), u"x");
  EXPECT_EQ(MultiChar(u'x', 300).size(), 255u);
  EXPECT_EQ(MultiChar(u'-', 3), u"---");
  EXPECT_EQ(AbbrevString(u"abcdefgh", 5), u"abc..");
  EXPECT_EQ(AbbrevString(u"abc", 5), u"abc");
  EXPECT_EQ(AbbrevString(u"abc", 1), u"..");
}

}  // namespace
}  // namespace zub
