#include "strings/time_string.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace zub {
namespace {

TEST(TimeString, LayoutsOfEveryFormat) {
  struct Case {
    double seconds;
    uint8_t format;
    std::u16string_view text;
  };
  const Case cases[] = {
      {3723.25, 0, u"01:02:03.25"},
      {3723.25, 1, u"01:02:03"},
      {3723.25, 2, u" 1h02"},
      {3723.25, 3, u" 1h02'03\""},
      {3723.25, 4, u"01:02"},
      {3723.25, 5, u" 1:02a"},
      {3723.25, 6, u""},
      {3723.25, 255, u""},
      {-5, 1, u"00:00:00"},
      {43200, 5, u"12:00p"},
      {0, 5, u"12:00a"},
      {25 * 3600, 5, u"13:00p"},
      {100 * 3600, 1, u"100:00:00"},
      {59.999, 0, u"00:00:59.99"},  // hundredths are cut, not rounded
      {36000, 2, u"10h00"},
      // 65536 hours and more: the hours wrap, the minutes count from the wrapped hours
      {65537.0 * 3600, 1, u"01:3932160:00"},
      {65536.0 * 3600 + 60, 4, u"00:3932161"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TimeString(c.seconds, c.format), c.text) << c.seconds << " " << int(c.format);
}

TEST(TimeString, ValuesBeyondThirtyTwoBitHoursAndNonFiniteOnes) {
  // 2^40 hours + 1 h 2 min 3 s: hours modulo 65536, minutes and seconds of the last hour.
  const double s = (1099511627776.0 + 1) * 3600 + 123;
  EXPECT_EQ(TimeString(s, 1), u"01:02:03");
  EXPECT_EQ(TimeString(std::numeric_limits<double>::quiet_NaN(), 0), u"00:00:00.00");
  EXPECT_EQ(TimeString(std::numeric_limits<double>::infinity(), 1), u"00:00:00");
}

}  // namespace
}  // namespace zub
