#include "host/unicode.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  UnicodeString strict;
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToUnicode(c.in), c.out) << c.in.size();
    EXPECT_FALSE(TryUtf8ToUnicode(c.in, strict)) << c.in.size();
  }
  EXPECT_EQ(UnicodeToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // unpaired surrogate
  // Well-formed text, a real U+FFFD among it, reads as it is.
  EXPECT_TRUE(TryUtf8ToUnicode("K\xC3\xB6ln \xEF\xBF\xBD \xF0\x9F\x98\x80", strict));
  EXPECT_EQ(strict, u"K\u00F6ln \uFFFD \U0001F600");
}

// Utf8ToUnicode's reading of a system name: each escape replaced by U+FFFD.
UnicodeString EscapesReplaced(UnicodeString name) {
  for (Char& c : name)
    if (c >= 0xDC80 && c <= 0xDCFF) c = 0xFFFD;
  return name;
}

TEST(Unicode, SystemNamesEscapeEachInvalidByte) {
  struct Case {
    std::string bytes;
    UnicodeString name;
  };
  const Case cases[] = {
      {"", u""},
      {"a\\b:c", u"a\\b:c"},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"\u00e9\u20ac\U0001F600"},  // valid: plain UTF-16
      {"\x80", u"\xDC80"},                                                  // lone continuation byte
      {"\xC3", u"\xDCC3"},                                                  // truncated at the end
      {"\xF0\x9F\x98", u"\xDCF0\xDC9F\xDC98"},                              // truncated four-byte form
      {"\xC3(", u"\xDCC3("},                                                // bad continuation
      {"\xF0\x9F\x98x", u"\xDCF0\xDC9F\xDC98x"},
      {"\xC0\xAF", u"\xDCC0\xDCAF"},                      // overlong "/"
      {"\xE0\x80\xAF", u"\xDCE0\xDC80\xDCAF"},            // overlong "/", three bytes
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},            // encoded surrogate U+D800
      {"\xED\xB2\x80", u"\xDCED\xDCB2\xDC80"},            // encoded U+DC80, not an escape
      {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // above U+10FFFF
      {"\xF5\xFE\xFF", u"\xDCF5\xDCFE\xDCFF"},            // never a lead byte
      {"a\xFF\xC3\xA9", u"a\xDCFF\u00e9"},                // resumes after the bad byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SystemNameToUnicode(c.bytes), c.name) << c.bytes;
    EXPECT_EQ(UnicodeToSystemName(c.name), c.bytes) << c.bytes;
    EXPECT_EQ(Utf8ToUnicode(c.bytes), EscapesReplaced(c.name)) << c.bytes;
  }
}

TEST(Unicode, EveryByteStringRoundTripsThroughASystemName) {
  // Every string of up to two bytes, and every four-byte string over bytes at the edges of
  // the UTF-8 classes; the plain decoder must agree except where it writes U+FFFD.
  const uint8_t edges[] = {0x00, 0x2F, 0x5C, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1,
                           0xC2, 0xDF, 0xE0, 0xED, 0xEE, 0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFF};
  std::vector<std::string> inputs;
  for (int a = 0; a < 256; ++a) {
    inputs.push_back(std::string(1, static_cast<char>(a)));
    for (int b = 0; b < 256; ++b) inputs.push_back({static_cast<char>(a), static_cast<char>(b)});
  }
  for (uint8_t a : edges)
    for (uint8_t b : edges)
      for (uint8_t c : edges)
        for (uint8_t d : edges)
          inputs.push_back(
              {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)});
  for (const std::string& bytes : inputs) {
    const UnicodeString name = SystemNameToUnicode(bytes);
    std::string byteValues;
    for (char ch : bytes) byteValues += std::to_string(static_cast<uint8_t>(ch)) + " ";
    ASSERT_EQ(UnicodeToSystemName(name), bytes) << byteValues;
    ASSERT_EQ(Utf8ToUnicode(bytes), EscapesReplaced(name)) << byteValues;
  }
}

TEST(Unicode, UnpairedSurrogatesOutsideTheEscapesKeepTheirThreeByteForm) {
  struct Case {
    UnicodeString name;
    std::string bytes;
  };
  const Case cases[] = {
      {u"\xD800", "\xED\xA0\x80"}, {u"a\xDBFF", "a\xED\xAF\xBF"},  // high surrogate at the end
      {u"\xDC2F", "\xED\xB0\xAF"},                                 // below the escapes: never the byte "/"
      {u"\xDC00", "\xED\xB0\x80"},                                 // nor NUL
      {u"\xDFFF", "\xED\xBF\xBF"}, {u"\xDCC3\xDCA9", "\xC3\xA9"},  // two escapes that form a character
  };
  for (const auto& c : cases) {
    const std::string bytes = UnicodeToSystemName(c.name);
    EXPECT_EQ(bytes, c.bytes);
    // What comes back names the same entry.
    EXPECT_EQ(UnicodeToSystemName(SystemNameToUnicode(bytes)), bytes);
  }
  EXPECT_EQ(SystemNameToUnicode("\xC3\xA9"), u"\u00e9");
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
