#include "host/date_time.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "host/exceptions.hpp"

namespace zub {
namespace {

TEST(DateTime, EncodeAndDecodeAroundTheEpochs) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), 25569);
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);  // not a leap year
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);

  uint16_t y, m, d, h, mi, s, ms;
  DecodeDate(36585.75, y, m, d);
  DecodeTime(36585.75, h, mi, s, ms);
  EXPECT_EQ((std::array<int, 7>{y, m, d, h, mi, s, ms}), (std::array<int, 7>{2000, 2, 29, 18, 0, 0, 0}));
  // Milliseconds that round up to a whole day carry into the next day.
  DecodeDate(1.9999999999, y, m, d);
  DecodeTime(1.9999999999, h, mi, s, ms);
  EXPECT_EQ((std::array<int, 4>{d, h, mi, s}), (std::array<int, 4>{1, 0, 0, 0}));
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);  // a Wednesday
}

TEST(DateTime, FormatDateTimeSpecifiers) {
  const TFormatSettings fs;
  const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
  struct Case {
    std::u16string_view format;
    std::u16string_view text;
  };
  const Case cases[] = {
      {u"yyyy-mm-dd hh:nn:ss.zzz", u"2024-03-05 14:07:09.045"},
      {u"d/m/yy", u"5/3/24"},
      {u"ddd dddd mmm mmmm", u"Tue Tuesday Mar March"},
      {u"h:mm", u"14:07"},  // m after h means minutes
      {u"hh:nn am/pm", u"02:07 pm"},
      {u"h a/p", u"2 p"},
      {u"h ampm", u"2 PM"},
      {u"'yyyy' \"d\" yyyy", u"yyyy d 2024"},
      {u"c", u"2024/03/05 14:07:09"},
      {u"ddddd t", u"2024/03/05 14:07"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, t, fs), c.text) << UnicodeToUtf8(c.format);
  EXPECT_EQ(FormatDateTime(u"c", EncodeDate(2024, 3, 5), fs), u"2024/03/05");

  // Settings whose formats name each other end instead of recursing.
  TFormatSettings loop;
  loop.ShortDateFormat = u"[ddddd]";
  EXPECT_EQ(FormatDateTime(u"ddddd", t, loop), u"[[]]");
}

TEST(DateTime, FileDatesRoundTripInTwoSecondSteps) {
  const TDateTime t = EncodeDate(2023, 7, 1) + EncodeTime(10, 20, 31, 0);
  const int32_t dos = DateTimeToFileDate(t);
  EXPECT_EQ(FormatDateTime(u"yyyy-mm-dd hh:nn:ss", FileDateToDateTime(dos), TFormatSettings{}),
            u"2023-07-01 10:20:30");
  EXPECT_EQ(DateTimeToFileDate(EncodeDate(1975, 1, 1)), 0);
  EXPECT_EQ(LocalDateTimeToUnix(UnixToLocalDateTime(1700000000)), 1700000000);
}

TEST(DateTime, NowIsTheCurrentLocalTime) {
  const TDateTime a = Now();
  EXPECT_GT(a, EncodeDate(2020, 1, 1));
  EXPECT_NEAR(Date() + Time(), a, 1.0 / 86400 * 5);
  EXPECT_EQ(Date(), std::floor(Date()));
}

}  // namespace
}  // namespace zub
