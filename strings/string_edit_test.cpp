#include "strings/string_edit.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(StringEdit, ReplaceStringInString) {
  struct Case {
    std::u16string_view s, oldText, newText;
    bool ignoreCase;
    std::u16string_view result;
  };
  const Case cases[] = {
      {u"aaa", u"a", u"aa", false, u"aaaaaa"},  // inserted text is not searched again
      {u"ABC abc", u"b", u"x", true, u"AxC axc"},
      {u"ABC abc", u"b", u"x", false, u"ABC axc"},
      {u"aaaa", u"aa", u"b", false, u"bb"},
      {u"abc", u"", u"x", false, u"abc"},
      {u"abc", u"abc", u"", false, u""},
      {u"x\u00c4y", u"\u00e4", u"-", true, u"x\u00c4y"},  // folding is ASCII only
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceStringInString(c.s, c.oldText, c.newText, c.ignoreCase), c.result) << UnicodeToUtf8(c.s);
  EXPECT_EQ(ReplaceCharInString(u"a.b.c", u'.', u','), u"a,b,c");
}

TEST(StringEdit, RemovingAndReducing) {
  EXPECT_EQ(RemoveCharInString(u"a-b-c", u'-'), u"abc");
  EXPECT_EQ(RemoveMultiChars(u"a  b   c", u' '), u"a b c");
  EXPECT_EQ(RemoveMultiChars(u"xx", u'y'), u"xx");
  EXPECT_EQ(ReduceStringToAZ09(u"a-b c"), u"a_b_c");
  EXPECT_EQ(ReduceStringToAZ09(u"\u00e9t\u00e9"), u"_t_");
  EXPECT_EQ(ReduceStringToFN83CompliantChars(u"my file?.txt"), u"my_file_.txt");
  EXPECT_EQ(ReduceStringToFN83CompliantChars(u"!#$%&'()-.@^_`{}~"), u"!#$%&'()-.@^_`{}~");
  EXPECT_EQ(ReduceStringToFN83CompliantChars(u"\"*+,/:;<=>[\\]|\x7f\x01\u00e9"), u"_________________");
  EXPECT_EQ(ReverseString(u"abc"), u"cba");
}

TEST(StringEdit, CapitalizeAndChangeCase) {
  EXPECT_EQ(CapitalizeString(u"hello world-wide 2nd"), u"Hello World-Wide 2nd");
  EXPECT_EQ(CapitalizeString(u"\u00e9t\u00e9 fran\u00e7ais"), u"\u00e9t\u00e9 Fran\u00e7ais");
  EXPECT_EQ(CapitalizeString(u"a.b_c"), u"A.B_C");
  EXPECT_EQ(ChangeCase(u"aBc \u00c4\u00f6 1"), u"AbC \u00e4\u00d6 1");
}

}  // namespace
}  // namespace zub
