#include "streams/number_scan.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace zub {
namespace {

TEST(NumberScan, ScanStreamDecimal) {
  struct Case {
    std::string bytes;
    int32_t value;
    int64_t position;  // after the scan
  };
  const Case cases[] = {
      {"  -123x", -123, 7},
      {"\t5", 0, 1},  // a tab is not skipped
      {"\r\n+42 ", 42, 6},
      {"", 0, 0},
      {"abc", 0, 1},
      {"99999999999", 2147483647, 11},  // saturates
      {"-99999999999;", -2147483647 - 1, 13},
      {"-2147483648", -2147483647 - 1, 11},
      {"007", 7, 3},
  };
  for (const auto& c : cases) {
    TStringStream s{AnsiString(c.bytes)};
    EXPECT_EQ(ScanStreamDecimal(s), c.value) << c.bytes;
    EXPECT_EQ(s.Position(), c.position) << c.bytes;
  }
}

TEST(NumberScan, ScanStreamFPNum) {
  struct Case {
    std::string bytes;
    bool allowExp;
    int32_t decPChar;
    double value;
    int64_t position;
  };
  const Case cases[] = {
      {"  -12.5E+3;x", true, 1, -12.5e3, 11},
      {"7.", true, 1, 7, 2},
      {"1E", true, 1, 0, 2},
      {"1E+", true, 1, 0, 3},
      {"3,25", true, 1, 3, 2},  // the comma ends the number and is consumed
      {"3,25", true, 3, 3.25, 4},
      {"3,25", true, 2, 3.25, 4},
      {"3.25", true, 2, 3, 2},
      {"3.25", true, 0, 3, 2},  // no separator accepted
      {"1E999", true, 1, 1.7e308, 5},
      {"-1E999", true, 1, -1.7e308, 6},
      {"1e-999", true, 1, 0, 6},
      {"2E5", false, 1, 2, 2},
      {"2e5", true, 1, 2e5, 3},
      {"\t\r\n 8 ", true, 1, 8, 6},
      {"+", true, 1, 0, 1},
      {"-x", true, 1, 0, 2},
      {".5", true, 1, 0.5, 2},
      {"-.", true, 1, 0, 2},
      {"x1", true, 1, 0, 1},
      {"1.5.5", true, 1, 0, 4},  // a second separator fails the number
      {"1E4201", true, 1, 1.7e308, 6},
      {"1E-42010", true, 1, 0, 8},
  };
  for (const auto& c : cases) {
    TStringStream s{AnsiString(c.bytes)};
    const double v = ScanStreamFPNum(s, c.allowExp, c.decPChar);
    if (c.value == 1.7e308 || c.value == -1.7e308)
      EXPECT_EQ(v, static_cast<double>(c.value > 0 ? uc_MaxDouble : -uc_MaxDouble)) << c.bytes;
    else
      EXPECT_EQ(v, c.value) << c.bytes;
    EXPECT_EQ(s.Position(), c.position) << c.bytes;
  }
}

TEST(NumberScan, ExponentDigitsBeyondTheCapAreConsumedButNotUsed) {
  // 0.1E4201 keeps the exponent at 420 once the next digit would pass 4200.
  TStringStream s{AnsiString("0.1E4201 ")};
  EXPECT_EQ(ScanStreamFPNum(s, true, 1), static_cast<double>(uc_MaxDouble));
  TFPNumScanner scanner(true, 1);
  for (char c : std::string("1E42010")) scanner.Feed(c);
  scanner.Feed(TFPNumScanner::EndOfInput);
  EXPECT_EQ(scanner.Result(), static_cast<double>(uc_MaxDouble));
  TFPNumScanner small(true, 1);
  for (char c : std::string("1E-0042000")) small.Feed(c);
  small.Feed(' ');
  EXPECT_EQ(small.Result(), 0.0);
  EXPECT_FALSE(small.Failed());
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

double ScanText(const std::string& text) {
  TStringStream s(text + ";");
  return ScanStreamFPNum(s, true, 1);
}

// What the whole text gives when read at once, rounded to extended and then to double
// as the scanner does.
double Reference(const std::string& text) {
  long double v = std::strtold(text.c_str(), nullptr);
  return static_cast<double>(std::clamp<long double>(v, -uc_MaxDouble, uc_MaxDouble));
}

TEST(NumberScan, LongDigitRunsRoundAsTheWholeTextWould) {
  std::string randomDigits;
  for (int i = 0; i < 30000; ++i) randomDigits.push_back(static_cast<char>('0' + (i * 7919 + 13) % 10));
  const std::string cases[] = {
      "0." + randomDigits,
      "-0." + std::string(100, '0') + randomDigits,
      randomDigits.substr(0, 13000) + "E-4200",  // overflows either way
      "0." + std::string(25000, '0') + "1",      // below the range
      std::string(20000, '0') + "12.5",          // leading zeros count for nothing
      randomDigits.substr(0, 300) + "." + randomDigits + "E-500",
  };
  for (const std::string& text : cases) EXPECT_EQ(ScanText(text), Reference(text)) << text.substr(0, 40);

  // Exactly halfway between two extended values, plus one digit far beyond the kept ones:
  // the cut digits must still round up (1 + 2^-52), not to even (1).
  const std::string halfway = "1.0000000000000001110765125711399292640635394491255283355712890625";
  const std::string above = halfway + std::string(20000, '0') + "1";
  EXPECT_EQ(ScanText(above), 1.0 + 0x1p-52);
  EXPECT_EQ(ScanText(halfway), 1.0);
}

}  // namespace
}  // namespace zub
