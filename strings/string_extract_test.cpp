#include "strings/string_extract.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(StringExtract, AroundATrigger) {
  EXPECT_EQ(ExtractBeforeTrigger(u"key = value", u"=", true), u"key");
  EXPECT_EQ(ExtractAfterTrigger(u"key = value", u"=", true), u"value");
  EXPECT_EQ(ExtractAfterTrigger(u"key = value", u"=", false), u" value");
  EXPECT_EQ(ExtractBeforeTrigger(u"key value", u"=", true), u"");
  EXPECT_EQ(ExtractAfterTrigger(u"key value", u"=", true), u"");
  EXPECT_EQ(ExtractAfterTrigger(u"a=b=c", u"=", false), u"b=c");
  EXPECT_EQ(ExtractAfterTrigger(u"abc", u"", false), u"");
  UnicodeString before = u"x", after = u"y";
  SplitString(u"a :: b", u"::", true, before, after);
  EXPECT_EQ(before, u"a");
  EXPECT_EQ(after, u"b");
  SplitString(u"a b", u"::", true, before, after);
  EXPECT_EQ(before, u"");
  EXPECT_EQ(after, u"");
}

TEST(StringExtract, WordAtAPosition) {
  struct Case {
    std::u16string_view s;
    int32_t pos;
    std::u16string_view word;
    int32_t start, end;
  };
  const Case cases[] = {
      {u"alpha beta,gamma", 8, u"beta", 7, 10},
      {u"alpha beta,gamma", 11, u",", 11, 11},
      {u"alpha beta,gamma", 1, u"alpha", 1, 5},
      {u"alpha beta,gamma", 16, u"gamma", 12, 16},
      {u"alpha", 0, u"", 0, 0},
      {u"alpha", 6, u"", 0, 0},
      {u"x_y\u00e9z", 2, u"x_y\u00e9z", 1, 5},  // "_" and characters above 255 are no separators
  };
  for (const auto& c : cases) {
    int32_t start = -1, end = -1;
    EXPECT_EQ(ExtractWordFromString(c.s, c.pos, start, end), c.word) << c.pos;
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(ExtractWordFromString(c.s, c.pos), c.word);
  }
}

TEST(StringExtract, FieldsBetweenSeparators) {
  struct Case {
    std::u16string_view s;
    int32_t index;
    std::u16string_view sep, field;
  };
  const Case cases[] = {
      {u"a;b;c", 0, u";", u"a"},    {u"a;b;c", 1, u";", u"b"}, {u"a;b;c", 2, u";", u"c"},
      {u"a;b;c", 3, u";", u""},     {u"a;;c", 1, u";", u""},   {u"a;;c", 2, u";", u"c"},
      {u";a", 0, u";", u""},        {u";a", 1, u";", u"a"},    {u"a;", 1, u";", u""},
      {u"", 0, u";", u""},          {u"a;b", -1, u";", u""},   {u"abXYcd", 1, u"XY", u"cd"},
      {u"abXYxycd", 1, u"XY", u""},  // a field starting with the separator (any case) is empty
      {u"a;b", 0, u"", u"a;b"},     {u"a;b", 1, u"", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExtractSubString(c.s, c.index, c.sep), c.field) << UnicodeToUtf8(c.s) << " " << c.index;
}

}  // namespace
}  // namespace zub
