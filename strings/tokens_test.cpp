#include "strings/tokens.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(Tokens, TokenizeAtASeparator) {
  struct Case {
    std::u16string_view s, sep;
    TStrArray tokens;
  };
  const Case cases[] = {
      {u"a,b,,c", u",", {u"a", u"b", u"", u"c"}},
      {u"a,", u",", {u"a", u""}},
      {u"", u",", {u""}},
      {u"a,b", u"", {u"a,b"}},
      {u"abc", u"xy", {u"abc"}},
      {u"1::2::", u"::", {u"1", u"2", u""}},
  };
  for (const auto& c : cases) {
    TStrArray t = {u"stale"};
    EXPECT_EQ(Tokenize(c.s, c.sep, t), static_cast<int32_t>(c.tokens.size())) << UnicodeToUtf8(c.s);
    EXPECT_EQ(t, c.tokens) << UnicodeToUtf8(c.s);
  }
  UnicodeString many;
  for (int i = 0; i < 1500; ++i) many += u"x,";
  TStrArray t;
  EXPECT_EQ(Tokenize(many, u",", t), 1000);
  EXPECT_EQ(t[998], u"x");
  EXPECT_EQ(t[999].size(), 2u * 501);  // the unsplit rest
}

TEST(Tokens, TokenizeWithAnEscapeCharacter) {
  struct Case {
    std::u16string_view s;
    TStrArray tokens;
  };
  const Case cases[] = {
      {u"a!,b,c", {u"a,b", u"c"}}, {u"x!!y", {u"x!y"}}, {u"a!!,b", {u"a,b"}}, {u"!,", {u","}},
      {u",a", {u"", u"a"}},
  };
  for (const auto& c : cases) {
    TStrArray t;
    Tokenize(c.s, u",", u'!', t);
    EXPECT_EQ(t, c.tokens) << UnicodeToUtf8(c.s);
  }
}

TEST(Tokens, StringIx) {
  EXPECT_EQ(StringIx(u"B", false, {u"a", u"b"}), 2);
  EXPECT_EQ(StringIx(u"B", {u"a", u"b"}), 0);
  EXPECT_EQ(StringIx(u"b", {u"a", u"b", u"b"}), 2);
  EXPECT_EQ(StringIx(u"a", std::span<const UnicodeString>()), 0);
  EXPECT_EQ(StringIx(u"\u00c4", false, {u"\u00e4"}), 0);  // ASCII folding only
}

TEST(Tokens, ReadLnStringInEveryLineEndMode) {
  struct Step {
    UnicodeString line;
    int32_t pos;
    bool end;
  };
  auto read = [](std::u16string_view s, int32_t mode, int n) {
    std::vector<Step> steps;
    int32_t pos = 1;
    for (int i = 0; i < n; ++i) {
      bool end = false;
      UnicodeString l = ReadLnString(s, pos, end, mode);
      steps.push_back({l, pos, end});
    }
    return steps;
  };
  auto same = [](const std::vector<Step>& a, const std::vector<Step>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].line != b[i].line || a[i].pos != b[i].pos || a[i].end != b[i].end) return false;
    return true;
  };
  EXPECT_TRUE(same(read(u"ab\r\ncd", 4, 2), {{u"ab", 5, false}, {u"cd", 7, true}}));
  EXPECT_TRUE(same(read(u"a\rb\nc", 4, 1), {{u"abc", 6, true}}));  // lone CR and LF dropped
  EXPECT_TRUE(same(read(u"a\n\rb", 3, 2), {{u"a", 4, false}, {u"b", 5, true}}));
  EXPECT_TRUE(same(read(u"a\rb", 1, 2), {{u"a", 3, false}, {u"b", 4, true}}));
  EXPECT_TRUE(same(read(u"a\r\nb", 2, 3), {{u"a", 3, false}, {u"", 4, false}, {u"b", 5, true}}));
  EXPECT_TRUE(same(read(u"a\tb\x01", 0, 1), {{u"ab", 5, true}}));  // control characters never kept
  EXPECT_TRUE(same(read(u"a\nb", 9, 1), {{u"ab", 4, true}}));
  int32_t pos = 9;
  bool end = false;
  EXPECT_EQ(ReadLnString(u"abc", pos, end, 0), u"");
  EXPECT_TRUE(end);
}

TEST(Tokens, ConvertToTabs) {
  EXPECT_EQ(ConvertToTabs(u"a  b:  c", false, false), u"a\tb:\tc");
  EXPECT_EQ(ConvertToTabs(u"x: y", true, false), u"x:\ty");
  EXPECT_EQ(ConvertToTabs(u"x: y", false, false), u"x: y");
  EXPECT_EQ(ConvertToTabs(u"1.5 +/- 0.2", false, true), u"1.5\t+/-0.2");
  EXPECT_EQ(ConvertToTabs(u"a b", true, true), u"a b");
  EXPECT_EQ(ConvertToTabs(u"   ", false, false), u"\t");
}

TEST(Tokens, DetectCSVDelimiter) {
  EXPECT_EQ(DetectCSVDelimiter(u"a;b;c,d"), csvSemicolon);
  EXPECT_EQ(DetectCSVDelimiter(u"a b,c"), csvBlank);  // a tie goes to the earlier candidate
  EXPECT_EQ(DetectCSVDelimiter(u""), csvUnknown);
  EXPECT_EQ(DetectCSVDelimiter(u"abc"), csvUnknown);
  EXPECT_EQ(DetectCSVDelimiter(u"a\tb\tc:d"), csvTab);
  EXPECT_EQ(CountCSVDelimiters(u"a;b;c,d")[csvSemicolon], 2);
}

}  // namespace
}  // namespace zub
