#include "strings/truth_text.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(TruthText, BoolToStrModes) {
  const std::u16string_view trueTexts[] = {u"TRUE", u"T", u".T.", u"1", u"-1", u"FF", u"YES", u"GOOD"};
  const std::u16string_view falseTexts[] = {u"FALSE", u"F", u".F.", u"0", u"0", u"00", u"NO", u"BAD"};
  for (int mode = 0; mode < 8; ++mode) {
    EXPECT_EQ(BoolToStr(true, mode), trueTexts[mode]);
    EXPECT_EQ(BoolToStr(false, mode), falseTexts[mode]);
  }
  EXPECT_EQ(BoolToStr(false, 99), u"FALSE");
  EXPECT_EQ(BoolToStr(true, -1), u"TRUE");
  EXPECT_EQ(BinString(true, u"on", u"off"), u"on");
  EXPECT_EQ(BinString(false, u"on", u"off"), u"off");
}

TEST(TruthText, TriStatesRoundTripThroughEveryMode) {
  struct Case {
    std::u16string_view text;
    TTriState value;
  };
  const Case cases[] = {{u" YES ", tsTrue},       {u"True", tsTrue},   {u"+1", tsTrue},
                        {u"1", tsTrue},           {u"no", tsFalse},    {u"-1", tsFalse},
                        {u"FALSE", tsFalse},      {u"0", tsUndefined}, {u"", tsUndefined},
                        {u"\ttrue", tsUndefined}, {u"y", tsUndefined}};
  for (const auto& c : cases) EXPECT_EQ(StrToTriState(c.text), c.value) << UnicodeToUtf8(c.text);
  EXPECT_EQ(TriStateToStr(tsUndefined, 0), u"");
  EXPECT_EQ(TriStateToStr(tsFalse, 1), u"-1");
  EXPECT_EQ(TriStateToStr(tsUndefined, 2), u"unknown");
  EXPECT_EQ(TriStateToStr(tsTrue, 7), u"true");
  for (int mode = 0; mode <= 3; ++mode)
    for (TTriState v : {tsFalse, tsTrue, tsUndefined}) EXPECT_EQ(StrToTriState(TriStateToStr(v, mode)), v);
}

}  // namespace
}  // namespace zub
