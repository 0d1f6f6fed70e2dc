#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "zubcorekit.hpp"

namespace zub {
namespace {

std::string Print(Extended v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.20Le", v);
  return buf;
}

// Each constant against the 21 digits it is stored as, and against the quantity it stands
// for, to one unit of the last mantissa bit.
TEST(UnivConst, ConstantsHoldTheirStoredBits) {
  static_assert(sizeof(Extended) >= 10 && std::numeric_limits<Extended>::digits == 64,
                "x87 extended expected");
  struct Case {
    Extended stored;
    const char* text;
    Extended quantity;
  };
  const Extended pi = 3.14159265358979323846264338327950288L;
  const Case cases[] = {
      {uc_e, "2.71828182845904523521e+00", std::exp(1.0L)},
      {uc_etom1, "3.67879441171442321610e-01", std::exp(-1.0L)},
      {uc_lg2, "3.01029995663981195199e-01", std::log10(2.0L)},
      {uc_lg5, "6.98970004336018804801e-01", std::log10(5.0L)},
      {uc_lge, "4.34294481903251827645e-01", std::log10(std::exp(1.0L))},
      {uc_lgPi, "4.97149872694133854368e-01", std::log10(pi)},
      {uc_ln10, "2.30258509299404568404e+00", std::log(10.0L)},
      {uc_ln2, "6.93147180559945309374e-01", std::log(2.0L)},
      {uc_lnPi, "1.14472988584940017407e+00", std::log(pi)},
      {uc_PiH, "1.57079632679489661926e+00", pi / 2},
      {uc_PiSqr, "9.86960440108935861854e+00", pi * pi},
      {uc_Pitom1, "3.18309886183790671511e-01", 1 / pi},
      {uc_sqrt2, "1.41421356237309504887e+00", std::sqrt(2.0L)},
      {uc_sqrt2pi, "2.50662827463100050225e+00", std::sqrt(2 * pi)},
      {uc_sqrt2pitom1, "3.98942280401432677927e-01", 1 / std::sqrt(2 * pi)},
      {uc_GoldenR, "1.61803398874989484810e+00", (1 + std::sqrt(5.0L)) / 2},
      {uc_MaxDouble, "1.69999999999999999993e+308", 1.7e308L},
      {uc_MinExtended, "3.64519953188247460253e-4951", std::ldexp(1.0L, -16445)},
      {uc_lnMinDouble, "-7.44428132217636701284e+02", std::log(5.0e-324L)},
      {uc_lnMaxDouble, "7.09726836893228241077e+02", std::log(1.7e308L)},
      {uc_lnMaxExtended, "1.13564449888264376387e+04", std::log(1.1e4932L)},
      {uc_lnMinExtended, "-1.13988178615680581167e+04", std::log(3.6L) - 4951 * std::log(10.0L)},
      {uc_lnMaxInt64, "4.36682723752765544929e+01", std::log(9223372036854775807.0L)},
      {uc_lnMinReal, "-8.87361078897753533315e+01", std::log(2.9e-39L)},
      {uc_lnMaxReal, "8.80288617848359063942e+01", std::log(1.7e38L)},
      {uc_lnMinSingle, "-1.03210864076623891401e+02", std::log(1.5e-45L)},
      {uc_lnMaxSingle, "8.87220089653958517012e+01", std::log(3.4e38L)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Print(c.stored), c.text);
    const Extended ulp = std::nextafter(std::fabs(c.stored), HUGE_VALL) - std::fabs(c.stored);
    EXPECT_LE(std::fabs(c.stored - c.quantity), 2 * ulp) << c.text;
  }
  // Stored one unit of the last bit below the correctly rounded 1.7e308.
  EXPECT_EQ(std::nextafter(uc_MaxDouble, HUGE_VALL), 1.7e308L);
  EXPECT_EQ(uc_MinDouble, 5.0e-324L);
  EXPECT_EQ(uc_MaxExtended, 1.1e4932L);
}

TEST(UnivConst, MaxInt64AndLnFactorial) {
  static_assert(std::is_same_v<decltype(uc_MaxInt64), const int64_t>);
  EXPECT_EQ(uc_MaxInt64, 9223372036854775807LL);
  EXPECT_EQ(uc_LnFactorial.size(), 1001u);
  EXPECT_EQ(uc_LnFactorial[0], 0.0);
  EXPECT_EQ(uc_LnFactorial[1], 0.0);
  EXPECT_EQ(uc_LnFactorial[2], 0.693147180559945);
  EXPECT_EQ(uc_LnFactorial[1000], 5912.12817848816);
  // Every entry is ln(n!) to 15 significant digits.
  for (int n = 2; n <= 1000; ++n) {
    const long double exact = std::lgammal(n + 1.0L);
    char want[32], got[32];
    std::snprintf(want, sizeof want, "%.14Le", exact);
    std::snprintf(got, sizeof got, "%.14e", uc_LnFactorial[static_cast<size_t>(n)]);
    EXPECT_STREQ(got, want) << n;
  }
}

TEST(ZubBase, ResolveCSVDelimiter) {
  struct Case {
    Char c;
    TCSVDelimiters d;
  };
  const Case cases[] = {{u';', csvSemicolon}, {u'\t', csvTab},    {u' ', csvBlank},   {u',', csvComma},
                        {u':', csvColon},     {u'x', csvUnknown}, {u'\0', csvUnknown}};
  for (const auto& c : cases) EXPECT_EQ(ResolveCSVDelimiter(c.c), c.d) << int(c.c);
  EXPECT_EQ(CSVDELIMITERIDS[csvSemicolon], u"semicolon");
  EXPECT_EQ(CSVDELIMITERIDS[csvUnknown], u"undefined");
  EXPECT_EQ(CSVDELIMITERS[csvTab], u'\t');
}

TEST(ZubBase, EnumerationsAreOneByteAndRecordsOverlayTheirCorners) {
  static_assert(sizeof(TMouseActMode) == 1 && sizeof(TRescaleMode) == 1 && sizeof(TTriState) == 1);
  static_assert(maZoomPanColors == 18 && sctUndefined == 8 && strg == 6 && csvTab == 5);
  TRectDouble r{1, 2, 3, 4};
  EXPECT_EQ(r.TopLeft().X, 1);
  EXPECT_EQ(r.BottomRight().Y, 4);
  r.SetBottomRight({7, 8});
  EXPECT_EQ(r.Right, 7);
  EXPECT_EQ(r.Bottom, 8);
  TNameStr name(std::u16string(60, u'n'));
  EXPECT_EQ(name.Length(), 50u);  // a short string keeps its limit
  TBoolArray flags(3);
  flags[1] = true;
  EXPECT_TRUE(flags[1]);
  EXPECT_EQ(sizeof(flags[0]), 1u);
}

TEST(ZubBase, EveryUnitErrorIsAnEZUBError) {
  const auto caught = [](auto&& raise) {
    try {
      raise();
    } catch (const EZUBError& e) {
      return UnicodeString(e.Message());
    }
    return UnicodeString();
  };
  EXPECT_EQ(caught([] { throw EZUBColArrayError(u"c"); }), u"c");
  EXPECT_EQ(caught([] { throw EZUBStringlError(u"s"); }), u"s");
  EXPECT_EQ(caught([] { throw EZUBDStructError(u"d"); }), u"d");
  EXPECT_EQ(caught([] { throw EZUBFileSysError(u"f"); }), u"f");
  EXPECT_EQ(caught([] { throw EZUBCpuIdError(u"p"); }), u"p");
  EXPECT_STREQ(EZUBError(u"\u00e9").what(), "\xC3\xA9");
}

}  // namespace
}  // namespace zub
