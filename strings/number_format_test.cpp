#include "strings/number_format.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace zub {
namespace {

struct LayoutCase {
  Extended value;
  int32_t width;
  int32_t decimals;
  std::u16string_view text;
};

TEST(NumberFormat, StrffLayoutsAcrossWidthsDecimalsAndSigns) {
  const LayoutCase cases[] = {
      // fixed form
      {1.5L, 8, 2, u"    1.50"},
      {-1.5L, 8, 2, u"   -1.50"},
      {-1.5L, -8, 2, u"-0001.50"},
      {1.5L, -8, 2, u"00001.50"},
      {1234.5678L, 4, 1, u"1234.6"},  // never cut
      {2.5L, 1, 0, u"2"},             // exact ties go to the even digit
      {3.5L, 0, 0, u"4"},
      {0.125L, 5, 2, u" 0.12"},
      {-0.0L, 5, 1, u"  0.0"},
      {-0.001L, 6, 2, u" -0.00"},
      {-1.5L, -3, 2, u"-1.50"},  // zero fill with nothing to fill
      // exponent form, two exponent digits
      {1234.56L, 10, -2, u" 1.235E+03"},
      {1234.56L, -10, -2, u"01.235E+03"},
      {-1234.56L, 10, -2, u"-1.235E+03"},
      {-1234.56L, -10, -2, u"-1.235E+03"},
      {0.0L, 10, -2, u" 0.000E+00"},
      {1e-5L, 12, -2, u" 1.00000E-05"},
      {9.9996L, 10, -2, u" 1.000E+01"},  // rounding carries into the exponent
      {1e150L, 10, -2, u"**********"},
      {1e-150L, 10, -2, u"**********"},
      {1e99L, 8, -2, u" 1.0E+99"},
      {1234.56L, 7, -2, u" 1.E+03"},  // one significant digit
      {1234.56L, 3, -2, u" 1.E+03"},  // narrower layouts widen to it
      // exponent form, four exponent digits
      {1234.56L, 12, -1, u" 1.235E+0003"},
      {-1234.56L, -12, -3, u"-1.235E+0003"},
      {1e-4000L, 12, -1, u" 1.000E-4000"},
      {1234.56L, 5, -1, u" 1.E+0003"},
      // special values
      {std::numeric_limits<Extended>::quiet_NaN(), 6, 2, u"   NAN"},
      {std::numeric_limits<Extended>::infinity(), -6, -2, u"   INF"},
      {-std::numeric_limits<Extended>::infinity(), 2, 2, u"-INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(strff(c.value, c.width, c.decimals), c.text)
        << double(c.value) << " " << c.width << " " << c.decimals;
}

TEST(NumberFormat, StrffUsesTheWholeExtendedValue) {
  // 1 + 2^-60 differs from 1 only beyond double precision.
  EXPECT_EQ(strff(1.0L + 0x1p-60L, 1, 19), u"1.0000000000000000009");
  EXPECT_EQ(strff(uc_MaxDouble, 24, -2), UnicodeString(24, u'*'));  // a three-digit exponent
  EXPECT_EQ(strff(uc_MaxDouble, 29, -1), u" 1.69999999999999999993E+0308");
  // More digits than an extended carries show the exact binary value.
  EXPECT_EQ(strff(0.1L, 1, 25), u"0.1000000000000000000013553");
}

TEST(NumberFormat, StrffForcePlus) {
  const LayoutCase cases[] = {
      {1.5L, 8, 2, u"   +1.50"},
      {1.5L, -8, 2, u"+0001.50"},
      {0.5L, 4, 2, u"+0.50"},
      {0.0L, 4, 2, u"+0.00"},
      {-1.5L, 8, 2, u"   -1.50"},
      {-1.5L, -8, 2, u"-0001.50"},
      {1234.56L, 10, -2, u"+1.235E+03"},
      {1234.56L, -10, -2, u"+1.235E+03"},
      {12.0L, 1, 0, u"+12"},
      {std::numeric_limits<Extended>::quiet_NaN(), 4, 0, u" NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(strffForcePlus(c.value, c.width, c.decimals), c.text) << double(c.value) << " " << c.width;
}

TEST(NumberFormat, FormatDataSwitchesAtTheLimitsOfItsDecimals) {
  struct Case {
    double value;
    int32_t width, decimals;
    std::u16string_view text;
  };
  const Case cases[] = {
      {1234.5678, 10, 2, u"   1234.57"},
      {0, 10, 2, u"      0.00"},
      {0.001, 10, 2, u" 1.000000000E-03"},
      {5, 10, 9, u" 5.000000000E+00"},
      {5, 10, -1, u" 5.000000000E+00"},
      {999999.99, 10, 2, u" 999999.99"},  // the upper limit itself stays fixed
      {1000000.0, 10, 2, u" 1.000000000E+06"},
      {0.01, 6, 2, u"  0.01"},  // the lower limit itself stays fixed
      {0.5, 4, 0, u" 5.000E-01"},
      {-999999999, 3, 0, u"-999999999"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatData(c.value, c.width, c.decimals), c.text) << c.value;
  EXPECT_EQ(FormatData(5, 10, 9).size(), 16u);
}

TEST(NumberFormat, SigDigStr) {
  struct Case {
    double value;
    int32_t width, digits;
    std::u16string_view text;
  };
  const Case cases[] = {
      {123.456, 10, 4, u"     123.5"},
      {123456, 10, 3, u"    123456"},
      {1.23456e12, 10, 3, u" 1.235E+12"},
      {0, 6, 3, u"  0.00"},
      {0, 6, 0, u"     0"},
      {0, 6, -4, u"     0"},
      {0.00012345, 10, 3, u"  0.000123"},
      {0.000012345, 8, 3, u" 1.23E-05"},
      {-42.42, 8, 2, u"     -42"},
      {1000, 8, 3, u"    1000"},
  };
  for (const auto& c : cases) EXPECT_EQ(SigDigStr(c.value, c.width, c.digits), c.text) << c.value;
  EXPECT_EQ(SigDigStr(123.456, 10, 4, true), u"123.5");
  EXPECT_EQ(SigDigStr(123.456, 10, 4, false), u"     123.5");
}

TEST(NumberFormat, AutoFormatData) {
  struct Case {
    double value;
    int32_t digits;
    std::u16string_view text;
  };
  const Case cases[] = {
      {123.456, 5, u"123.46"}, {0, 4, u"0.000"},    {12345, 3, u"1.23E+04"}, {0.05, 3, u"5.00E-02"},
      {0.5, 3, u"0.50"},       {-2.5, 3, u"-2.50"}, {1.5, 1, u"1.5"},        {1.5, 40, u"1.500000000000000"},
      {99.9, 2, u"1.0E+02"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AutoFormatData(c.value, c.digits), c.text) << c.value << " " << c.digits;
  EXPECT_EQ(AutoFormatData(1.5, 4, true), u"1,500");
  EXPECT_EQ(AutoFormatData(1.5, 4, false), u"1.500");
  EXPECT_EQ(AutoFormatData(1.5, 1), AutoFormatData(1.5, 2));
  EXPECT_EQ(AutoFormatData(1.5, 40), AutoFormatData(1.5, 16));
}

TEST(NumberFormat, IntToStrGroupedGroupsDigitsAndKeepsTheSignInFront) {
  struct Case {
    int64_t value;
    std::u16string_view text;
  };
  const Case cases[] = {{1234567, u"1,234,567"}, {123, u"123"},
                        {1234, u"1,234"},        {0, u"0"},
                        {-123, u"-123"},         {-1234, u"-1,234"},
                        {-123456, u"-123,456"},  {INT64_MIN, u"-9,223,372,036,854,775,808"}};
  for (const auto& c : cases) EXPECT_EQ(IntToStrGrouped(c.value, u','), c.text) << c.value;
  EXPECT_EQ(IntToStrGrouped(1234567, u'.'), u"1.234.567");
}

TEST(NumberFormat, SortableNumericString) {
  EXPECT_EQ(SortableNumericString(u"1.5", u'.', 5), u"   1.5");
  EXPECT_EQ(SortableNumericString(u"12", u'.', 5), u"     12");
  EXPECT_EQ(SortableNumericString(u"  12345.5 ", u'.', 3), u"12345.5");
  EXPECT_EQ(SortableNumericString(u"1,5", u',', 3), u" 1,5");
}

}  // namespace
}  // namespace zub
