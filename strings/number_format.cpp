#include "strings/number_format.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "strings/string_layout.hpp"

namespace zub {

namespace {

// printf's exact conversion handles this many decimals; beyond it every digit of any
// extended value is zero.
constexpr int32_t kMaxPrintedDecimals = 16500;

std::string PrintLongDouble(const char* format, int32_t precision, Extended x) {
  std::string buf(64, '\0');
  for (;;) {
    const int n = std::snprintf(buf.data(), buf.size(), format, precision, x);
    if (n >= 0 && static_cast<size_t>(n) < buf.size()) {
      buf.resize(static_cast<size_t>(n));
      return buf;
    }
    buf.resize(static_cast<size_t>(n) + 1);
  }
}

UnicodeString RightAligned(std::string text, int64_t width) {
  if (width > static_cast<int64_t>(text.size()))
    text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return AnsiToUnicode(text);
}

std::string SpecialText(Extended x) {
  if (std::isnan(x)) return "NAN";
  return x < 0 ? "-INF" : "INF";
}

// The fixed form: x rounded to d decimals, right-aligned in w characters.
UnicodeString FixedForm(Extended x, int64_t w, int32_t d) {
  if (!std::isfinite(x)) return RightAligned(SpecialText(x), w);
  x += 0.0L;  // -0 is written as 0
  d = std::max(d, 0);
  std::string text = PrintLongDouble("%.*Lf", std::min(d, kMaxPrintedDecimals), x);
  if (d > kMaxPrintedDecimals) text.append(static_cast<size_t>(d - kMaxPrintedDecimals), '0');
  return RightAligned(std::move(text), w);
}

// The exponent form of width W with a four-digit exponent.
UnicodeString ExponentForm(Extended x, int64_t W) {
  if (!std::isfinite(x)) return RightAligned(SpecialText(x), W);
  const int64_t fraction = std::max<int64_t>(W - 9, 0);
  const std::string printed =
      PrintLongDouble("%.*Le", static_cast<int32_t>(std::min<int64_t>(fraction, INT32_MAX)), std::fabs(x));
  const size_t ePos = printed.find('e');
  const int exponent = std::stoi(printed.substr(ePos + 1));
  std::string text(1, x < 0 ? '-' : ' ');
  text += printed[0];
  text += '.';
  if (fraction > 0) text.append(printed, 2, ePos - 2);
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", std::abs(exponent));
  text += digits;
  return AnsiToUnicode(text);
}

// Leading blanks become zeros; a sign after them moves to the front.
void ZeroFill(UnicodeString& t) {
  size_t k = 0;
  while (k < t.size() && t[k] == u' ') t[k++] = u'0';
  if (k < t.size() && t[k] == u'-') {
    t[k] = u'0';
    t[0] = u'-';
  }
}

Extended Log10(Extended x) {
  return std::log(std::fabs(x)) / uc_ln10;
}

}  // namespace

UnicodeString strff(Extended value, int32_t width, int32_t decimals) {
  const int64_t w = std::abs(static_cast<int64_t>(width));
  if (!std::isfinite(value)) return RightAligned(SpecialText(value), w);
  UnicodeString t;
  if (decimals == -2) {
    t = ExponentForm(value, w + 2);
    const size_t n = t.size();
    const bool tooWide = t[n - 4] != u'0' || t[n - 3] != u'0';
    t.erase(n - 4, 2);
    if (tooWide) t.assign(t.size(), u'*');
  } else if (decimals >= 0) {
    t = FixedForm(value, w, decimals);
  } else {
    t = ExponentForm(value, w);
  }
  if (width < 0) ZeroFill(t);
  return t;
}

UnicodeString strffForcePlus(Extended value, int32_t width, int32_t decimals) {
  UnicodeString t = strff(value, width, decimals);
  if (!(value >= 0)) return t;
  if (!t.empty() && t[0] == u' ') {
    size_t k = 0;
    while (k < t.size() && t[k] == u' ') ++k;
    t[k - 1] = u'+';
  } else if (t.size() >= 2 && t[0] == u'0' && t[1] != u'.') {
    t[0] = u'+';
  } else {
    t.insert(t.begin(), u'+');
  }
  return t;
}

UnicodeString FormatData(double value, int32_t width, int32_t decimals) {
  static constexpr std::array<Extended, 9> kUpper = {999999999.0L, 9999999.9L, 999999.99L,
                                                     99999.999L,   9999.9999L, 999.99999L,
                                                     99.999999L,   9.9999999L, 0.99999999L};
  static constexpr std::array<Extended, 9> kLower = {1.0L,     0.1L,      0.01L,      0.001L,     0.0001L,
                                                     0.00001L, 0.000001L, 0.0000001L, 0.00000001L};
  const Extended x = value;
  if (decimals >= 0 && decimals <= 8) {
    const auto d = static_cast<size_t>(decimals);
    const Extended a = std::fabs(x);
    const bool outside = a > kUpper[d] || (a < kLower[d] && x != 0);
    // NaN compares false with both limits and so keeps the fixed field.
    if (!outside) return FixedForm(x, width, decimals);
  }
  return strff(x, width + 6, -2);
}

UnicodeString SigDigStr(double value, int32_t width, int32_t digits) {
  const Extended x = value;
  if (x == 0) return FixedForm(0, width, digits <= 0 ? 0 : digits - 1);
  if (!std::isfinite(x)) return FixedForm(x, width, 0);
  const auto e = static_cast<int64_t>(std::floor(Log10(x) + 1));
  const int32_t wx = static_cast<int32_t>(std::max<int64_t>(width, int64_t{digits} + 6));
  if (digits < e) {
    if (e > int64_t{width} - 1) return strff(x, wx, -2);
    return FixedForm(x, width, 0);
  }
  if (e < int64_t{digits} - width + 3) return strff(x, wx, -2);
  return FixedForm(x, width, static_cast<int32_t>(digits - e));
}

UnicodeString SigDigStr(double value, int32_t width, int32_t digits, bool trim) {
  UnicodeString t = SigDigStr(value, width, digits);
  return trim ? StripLTBlanks(t) : t;
}

UnicodeString AutoFormatData(double value, int32_t digits) {
  digits = std::clamp(digits, 2, 16);
  const Extended x = value;
  if (x == 0) return StripLTBlanks(strff(0, 1, digits - 1));
  const auto L = static_cast<double>(Log10(x));
  UnicodeString t;
  if (L < digits - 1 && L > -1)
    t = strff(x, 1, digits - static_cast<int32_t>(std::trunc(L)) - 1);
  else
    t = strff(x, digits + 6, -2);
  return StripLTBlanks(t);
}

UnicodeString AutoFormatData(double value, int32_t digits, bool comma) {
  UnicodeString t = AutoFormatData(value, digits);
  if (comma) std::replace(t.begin(), t.end(), u'.', u',');
  return t;
}

UnicodeString IntToStrGrouped(int64_t value, Char separator) {
  const UnicodeString text = IntToStr(value);
  const bool negative = value < 0;
  const std::u16string_view digits = std::u16string_view(text).substr(negative ? 1 : 0);
  UnicodeString out = negative ? u"-" : u"";
  const size_t len = digits.size();
  for (size_t i = 1; i <= len; ++i) {
    out += digits[i - 1];
    if (i < len && (i + 3 - len % 3) % 3 == 0) out += separator;
  }
  return out;
}

UnicodeString SortableNumericString(std::u16string_view text, Char decimalChar, int32_t column) {
  UnicodeString t = StripLTBlanks(text);
  const size_t found = t.find(decimalChar);
  const int64_t p = found == UnicodeString::npos ? 0 : static_cast<int64_t>(found) + 1;
  if (p < column) t.insert(0, static_cast<size_t>(column - p), u' ');
  return t;
}

}  // namespace zub
