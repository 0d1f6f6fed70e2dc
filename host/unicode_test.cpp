#include "host/unicode.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(Unicode, Utf8RoundTripsEveryPlane) {
  const UnicodeString text = u"a\u00e9\u20ac\U0001F600z";
  const std::string utf8 = UnicodeToUtf8(text);
  EXPECT_EQ(utf8, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(Utf8ToUnicode(utf8), text);
}

TEST(Unicode, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string in;
    UnicodeString out;
  };
  const Case cases[] = {
      {"\xC3", u"\uFFFD"},                                // truncated at the end
      {"\xC3(", u"\uFFFD("},                              // bad continuation
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong "/"
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xFF", u"\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUnicode(c.in), c.out) << c.in.size();
  EXPECT_EQ(UnicodeToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // unpaired surrogate
}

TEST(Unicode, Windows1252RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const UnicodeString text = AnsiToUnicode(all);
  EXPECT_EQ(text[0x80], u'\u20AC');
  EXPECT_EQ(text[0x9F], u'\u0178');
  EXPECT_EQ(text[0x81], u'\u0081');  // a hole keeps its C1 code
  EXPECT_EQ(text[0xE9], u'\u00E9');
  EXPECT_EQ(UnicodeToAnsi(text), all);
}

TEST(Unicode, CharactersWithoutAByteBecomeQuestionMarks) {
  EXPECT_EQ(UnicodeToAnsi(u"\u0100\u4E2D\u20AC"), "??\x80");
  EXPECT_FALSE(HasAnsiChar(u'\u0100'));
  EXPECT_TRUE(HasAnsiChar(u'\u2122'));
}

}  // namespace
}  // namespace zub
