#include "host/convert.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "host/exceptions.hpp"

namespace zub {
namespace {

TEST(Convert, IntegerText) {
  EXPECT_EQ(IntToStr(int64_t{-9223372036854775807LL - 1}), u"-9223372036854775808");
  EXPECT_EQ(IntToHex(int32_t{255}, 4), u"00FF");
  EXPECT_EQ(IntToHex(int32_t{-1}, 2), u"FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t{-1}, 0), u"FFFFFFFFFFFFFFFF");
}

TEST(Convert, ValIntegerReportsTheFirstBadPosition) {
  struct Case {
    std::u16string_view text;
    int64_t value;
    int32_t code;
  };
  const Case cases[] = {
      {u"123", 123, 0},
      {u"  -45", -45, 0},
      {u"+7", 7, 0},
      {u"$ff", 255, 0},
      {u"0x10", 16, 0},
      {u"12a", 0, 3},
      {u"12 ", 0, 3},  // trailing blanks are not part of a number
      {u"", 0, 1},
      {u"-", 0, 2},
      {u"9223372036854775807", 9223372036854775807LL, 0},
      {u"-9223372036854775808", -9223372036854775807LL - 1, 0},
      {u"9223372036854775808", 0, 19},
  };
  for (const auto& c : cases) {
    int64_t v = -1;
    int32_t code = -1;
    Val(c.text, v, code);
    EXPECT_EQ(code, c.code) << UnicodeToUtf8(c.text);
    if (c.code == 0) {
      EXPECT_EQ(v, c.value) << UnicodeToUtf8(c.text);
    }
  }
  int32_t small = 0, code = 0;
  Val(u"2147483648", small, code);
  EXPECT_NE(code, 0);
}

TEST(Convert, ValFloatIsLocaleIndependent) {
  struct Case {
    std::u16string_view text;
    double value;
    int32_t code;
  };
  const Case cases[] = {
      {u"1.5", 1.5, 0}, {u"-0.25e2", -25, 0}, {u".5", 0.5, 0},
      {u"5.", 5, 0},    {u"1E-400", 0, 0},    {u"1,5", 0, 2},
      {u"1e", 0, 3},    {u"e5", 0, 1},        {u"1e400", 0, 6},
      {u"0.1", 0.1, 0}, {u"  3", 3, 0},       {u"1.7976931348623157e308", 1.7976931348623157e308, 0},
  };
  for (const auto& c : cases) {
    double v = -1;
    int32_t code = -1;
    Val(c.text, v, code);
    EXPECT_EQ(code, c.code) << UnicodeToUtf8(c.text);
    if (c.code == 0) {
      EXPECT_EQ(v, c.value) << UnicodeToUtf8(c.text);
    }
  }
}

TEST(Convert, ValTellsNumbersTooSmallFromNumbersTooLarge) {
  // Beyond the range, too small reads as a signed zero and too large sets Code at the end,
  // in both forms, however long the mantissa or the exponent.
  const UnicodeString zeros(200000, u'0');
  struct Case {
    UnicodeString text;
    double value;  // Code 0
    bool overflows;
  };
  const Case cases[] = {
      {u"1e-400", 0.0, false},
      {u"-1e-400", -0.0, false},
      {u"1e-310", 1e-310, false},  // subnormal: kept
      {u"4.9e-324", std::numeric_limits<double>::denorm_min(), false},
      {u"2e-324", 0.0, false},  // below half the least subnormal
      {u"1" + zeros + u"e-1000000000", 0.0, false},
      {u"0." + zeros + u"1e-320", 0.0, false},
      {u"1e400", 0, true},
      {u"-1e400", 0, true},
      {u"0." + zeros + u"1e1000000000", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.size() < 20 ? UnicodeToUtf8(c.text)
                                    : UnicodeToUtf8(c.text.substr(0, 12)) + "... (" +
                                          std::to_string(c.text.size()) + " characters)");
    double v = -1;
    int32_t code = -1;
    Val(c.text, v, code);
    if (c.overflows) {
      EXPECT_EQ(code, static_cast<int32_t>(c.text.size()) + 1);
    } else {
      EXPECT_EQ(code, 0);
      EXPECT_EQ(v, c.value);
      EXPECT_EQ(std::signbit(v), std::signbit(c.value));
    }
  }

  struct ExtendedCase {
    std::u16string_view text;
    bool overflows;
  };
  const ExtendedCase extended[] = {
      {u"1e-5000", false}, {u"-1e-5000", false}, {u"1e5000", true}, {u"-1e5000", true}};
  for (const ExtendedCase& c : extended) {
    SCOPED_TRACE(UnicodeToUtf8(c.text));
    long double v = -1;
    int32_t code = -1;
    Val(c.text, v, code);
    EXPECT_EQ(code, c.overflows ? static_cast<int32_t>(c.text.size()) + 1 : 0);
    if (!c.overflows) {
      EXPECT_EQ(v, 0.0L);
      EXPECT_EQ(std::signbit(v), c.text[0] == u'-');
    }
  }
}

TEST(Convert, ValExtendedKeepsAllSixtyFourBits) {
  long double v = 0;
  int32_t code = -1;
  Val(u"1.69999999999999999993e+308", v, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(v, 1.69999999999999999993e+308L);
  EXPECT_NE(v, 1.7e308L);  // differs from the nearest double-precision reading
  Val(u"1e5000", v, code);
  EXPECT_EQ(code, 7);
  Val(u"1x", v, code);
  EXPECT_EQ(code, 2);
}

TEST(Convert, StrToIntAndStrToFloatRaiseEConvertError) {
  EXPECT_EQ(StrToInt(u"-12"), -12);
  try {
    StrToInt(u"12x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"'12x' is not a valid integer value");
  }
  EXPECT_EQ(StrToIntDef(u"zz", 9), 9);
  EXPECT_THROW(StrToFloat(u"abc"), EConvertError);
}

TEST(Convert, LocaleDependentFloatsUseTheSettingsSeparator) {
  TFormatSettings de;
  de.DecimalSeparator = u',';
  de.ThousandSeparator = u'.';
  EXPECT_EQ(StrToFloat(u"2,5", de), 2.5);
  EXPECT_THROW(StrToFloat(u"2.5", de), EConvertError);
  EXPECT_EQ(FloatToStr(-1234.5, de), u"-1234,5");
  EXPECT_EQ(FloatToStr(0.1, TFormatSettings::Invariant()), u"0.1");
}

TEST(Convert, FloatToStrGeneralForm) {
  const TFormatSettings inv = TFormatSettings::Invariant();
  struct Case {
    double value;
    std::u16string_view text;
  };
  const Case cases[] = {
      {0, u"0"},
      {1.5, u"1.5"},
      {100, u"100"},
      {0.0001, u"0.0001"},
      {0.00001, u"1E-5"},
      {-1.5e-7, u"-1.5E-7"},
      {1e15, u"1E15"},
      {999999999999999, u"999999999999999"},
      {1.0 / 3, u"0.333333333333333"},
      {2.0 / 3 * 1e20, u"6.66666666666667E19"},
      {std::numeric_limits<double>::infinity(), u"INF"},
      {std::nan(""), u"NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value, inv), c.text) << c.value;
  EXPECT_EQ(FloatToStrGeneral(0.1f, 7, inv), u"0.1");
}

TEST(Convert, RoundTakesHalvesToEven) {
  struct Case {
    double value;
    int64_t rounded;
  };
  const Case cases[] = {{0.5, 0},
                        {1.5, 2},
                        {2.5, 2},
                        {-0.5, 0},
                        {-1.5, -2},
                        {-2.5, -2},
                        {2.4999999999999996, 2},
                        {2.5000000000000004, 3},
                        {4503599627370497.0, 4503599627370497}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.value), c.rounded) << c.value;
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_THROW(Round(std::nan("")), EInvalidOp);
  EXPECT_THROW(Round(1e19), EInvalidOp);
  EXPECT_EQ(Trunc(-2.7), -2);
}

}  // namespace
}  // namespace zub
