#include "strings/text_transforms.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(TextTransforms, DiphthongsHexEscapesAndControlCharacters) {
  const std::pair<std::u16string_view, std::u16string_view> umlauts[] = {
      {u"\u00c4rger", u"Aerger"}, {u"\u00c4RGER", u"AERGER"}, {u"Stra\u00dfe", u"Strasse"},
      {u"\u00dc", u"UE"},         {u"\u00dcbel", u"Uebel"},   {u"\u00e4\u00f6\u00fc\u00b5", u"aeoeueu"},
      {u"plain", u"plain"},       {u"\u00d6.", u"OE."}};
  for (const auto& [in, out] : umlauts) EXPECT_EQ(ExpandDiphthongs(in), out) << UnicodeToUtf8(in);
  const std::pair<std::u16string_view, UnicodeString> hex[] = {
      {u"a\\#41b", u"aAb"},
      {u"\\\\#41", u"\\#41"},
      {u"x\\", u"x\\"},
      {u"\\#4g!", UnicodeString(1, 4) + u"!"},  // one digit counts; all four characters go
      {u"\\#", UnicodeString(1, 0)},
      {u"\\n", u"\\n"},
      {u"\\#6a\\#6A", u"jj"}};
  for (const auto& [in, out] : hex) EXPECT_EQ(ProcessHexChars(in), out) << UnicodeToUtf8(in);
  EXPECT_EQ(RemoveControlChars(u"a\r\nb"), u"ab");
  EXPECT_EQ(ReplaceControlChars(u"a\r\nb", u'|'), u"a||b");
  EXPECT_EQ(CountControlChars(u"a\r\nb"), 2);
}

TEST(TextTransforms, CountWords) {
  EXPECT_EQ(CountWords(u"to be or not."), 4);
  EXPECT_EQ(CountWords(u"a b c."), 0);
  EXPECT_EQ(CountWords(u"two words"), 1);
  EXPECT_EQ(CountWords(u""), 0);
  EXPECT_EQ(CountWords(u"caf\u00e9 au lait "), 3);  // characters above 255 are word characters
}

TEST(TextTransforms, UUEncodingRoundTripsThe8BitForm) {
  EXPECT_EQ(UUEncodeStr(u"Cat"), u"#0V%T\r\n`\r\n");
  EXPECT_EQ(UUEncodeStr(u""), u"`\r\n");
  UnicodeString all;
  for (int c = 0; c < 256; ++c) all += AnsiCharToUnicode(static_cast<uint8_t>(c));
  const UnicodeString encoded = UUEncodeStr(all + all);
  EXPECT_EQ(UUDecodeStr(encoded), all + all);
  UnicodeString lf = encoded;
  for (size_t p = lf.find(u"\r\n"); p != UnicodeString::npos; p = lf.find(u"\r\n", p)) lf.erase(p, 1);
  EXPECT_EQ(UUDecodeStr(lf), all + all);     // LF alone
  EXPECT_EQ(UUDecodeStr(u"#0V%T"), u"Cat");  // no closing line
  EXPECT_EQ(UUDecodeStr(u"&0V%T"), u"Cat");  // a line shorter than its length
  EXPECT_EQ(UUDecodeStr(u""), u"");
}

TEST(TextTransforms, QuotedNamesParamsAndCoordinates) {
  auto parse = [](std::u16string_view in) {
    UnicodeString text;
    TQuotedStrState state = vsStart;
    for (Char c : in) ParseQuotedName(c, u'"', text, state);
    return std::make_pair(text, state);
  };
  EXPECT_EQ(parse(u"  \"my \"\"big\"\" file\" rest"),
            std::make_pair(UnicodeString(u"my \"big\" file"), vsEnd));
  EXPECT_EQ(parse(u" plain name"), std::make_pair(UnicodeString(u"plain"), vsEnd));
  EXPECT_EQ(parse(u"\"open"), std::make_pair(UnicodeString(u"open"), vs1stQuote));
  EXPECT_EQ(parse(u"\"done\""), std::make_pair(UnicodeString(u"done"), vsQuote));

  const std::u16string_view params = u"alpha, \"b, c\" ,, 'x', \"say \"\"hi\"\"\"";
  EXPECT_EQ(ExtractParam(params, 1, u',', u'"', u"-"), u"alpha");
  EXPECT_EQ(ExtractParam(params, 2, u',', u'"', u"-"), u"b, c");
  EXPECT_EQ(ExtractParam(params, 3, u',', u'"', u"-"), u"-");  // empty
  EXPECT_EQ(ExtractParam(params, 4, u',', u'"', u"-"), u"'x'");
  EXPECT_EQ(ExtractParam(params, 5, u',', u'"', u"-"), u"say \"hi\"");
  EXPECT_EQ(ExtractParam(params, 6, u',', u'"', u"-"), u"-");
  EXPECT_EQ(ExtractParam(params, 0, u',', u'"', u"-"), u"-");

  struct Case {
    int32_t position, line, column;
  };
  const std::u16string_view text = u"ab\r\ncd\nef\rg";
  const Case cases[] = {{1, 1, 1}, {2, 1, 2},  {3, 1, 3},  {5, 2, 1},  {6, 2, 2},
                        {8, 3, 1}, {11, 4, 1}, {12, 4, 2}, {99, 4, 2}, {0, 1, 1}};
  for (const auto& c : cases) {
    int32_t line = 0, column = 0;
    TextLineCoords(text, c.position, line, column);
    EXPECT_EQ(line, c.line) << c.position;
    EXPECT_EQ(column, c.column) << c.position;
  }
}

}  // namespace
}  // namespace zub
