#include "host/convert.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "host/exceptions.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {

bool IsDigit(Char c) {
  return c >= u'0' && c <= u'9';
}

int HexValue(Char c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

size_t SkipBlanks(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  return i;
}

UnicodeString Quoted(std::u16string_view s) {
  return u"'" + UnicodeString(s) + u"'";
}

}  // namespace

UnicodeString IntToStr(int64_t Value) {
  return Utf8ToUnicode(std::to_string(Value));
}

UnicodeString IntToHex(uint64_t Value, int32_t Digits) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  UnicodeString s;
  do {
    s.insert(s.begin(), kHex[Value & 0xF]);
    Value >>= 4;
  } while (Value != 0);
  if (Digits > static_cast<int32_t>(s.size())) s.insert(0, static_cast<size_t>(Digits) - s.size(), u'0');
  return s;
}

UnicodeString IntToHex(int32_t Value, int32_t Digits) {
  return IntToHex(uint64_t{static_cast<uint32_t>(Value)}, Digits);
}
UnicodeString IntToHex(int64_t Value, int32_t Digits) {
  return IntToHex(static_cast<uint64_t>(Value), Digits);
}

void Val(std::u16string_view S, int64_t& Value, int32_t& Code) {
  Value = 0;
  size_t i = SkipBlanks(S);
  bool negative = false;
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) negative = S[i++] == u'-';
  unsigned base = 10;
  if (i < S.size() && S[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < S.size() && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i >= S.size()) {
    Code = static_cast<int32_t>(i) + 1;
    return;
  }
  // Accumulate the magnitude; the negative range is one larger than the positive.
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  uint64_t mag = 0;
  for (; i < S.size(); ++i) {
    const int d = base == 16 ? HexValue(S[i]) : (IsDigit(S[i]) ? S[i] - u'0' : -1);
    if (d < 0) {
      Code = static_cast<int32_t>(i) + 1;
      return;
    }
    if (mag > (limit - static_cast<uint64_t>(d)) / base) {
      Code = static_cast<int32_t>(i) + 1;
      return;
    }
    mag = mag * base + static_cast<uint64_t>(d);
  }
  Value = negative ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
  Code = 0;
}

void Val(std::u16string_view S, int32_t& Value, int32_t& Code) {
  int64_t v = 0;
  Val(S, v, Code);
  Value = 0;
  if (Code != 0) return;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    Code = static_cast<int32_t>(S.size());
    return;
  }
  Value = static_cast<int32_t>(v);
}

namespace {

// Checks the locale-independent float syntax and copies the number into text in the form
// the C library reads. Code receives 0 or the position of the first bad character.
bool ScanFloatText(std::u16string_view S, std::string& text, int32_t& Code) {
  size_t i = SkipBlanks(S);
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) {
    if (S[i] == u'-') text.push_back('-');
    ++i;
  }
  int intCount = 0, fracDigits = 0;
  for (; i < S.size() && IsDigit(S[i]); ++i) {
    text.push_back(static_cast<char>(S[i]));
    ++intCount;
  }
  if (i < S.size() && S[i] == u'.') {
    text.push_back('.');
    for (++i; i < S.size() && IsDigit(S[i]); ++i) {
      text.push_back(static_cast<char>(S[i]));
      ++fracDigits;
    }
  }
  if (intCount == 0 && fracDigits == 0) {
    Code = static_cast<int32_t>(i) + 1;
    return false;
  }
  if (i < S.size() && (S[i] == u'E' || S[i] == u'e')) {
    text.push_back('e');
    ++i;
    if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) {
      if (S[i] == u'-') text.push_back('-');
      ++i;
    }
    if (i >= S.size() || !IsDigit(S[i])) {
      Code = static_cast<int32_t>(i) + 1;
      return false;
    }
    for (; i < S.size() && IsDigit(S[i]); ++i) text.push_back(static_cast<char>(S[i]));
  }
  if (i < S.size()) {
    Code = static_cast<int32_t>(i) + 1;
    return false;
  }
  Code = 0;
  return true;
}

}  // namespace

void Val(std::u16string_view S, double& Value, int32_t& Code) {
  Value = 0;
  std::string text;
  if (!ScanFloatText(S, text, Code)) return;
  double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double. The extended reading tells which from the value
    // itself, whatever the number of digits or the size of the exponent: its range holds the
    // double's with room to spare, and beyond its own it gives 0 or infinity.
    const long double wide = os::ParseLongDouble(text);
    if (std::fabs(wide) > 1) {
      Code = static_cast<int32_t>(S.size()) + 1;
      return;
    }
    // Too small: read as zero, keeping the sign, as the extended form does beyond its range.
    v = std::signbit(wide) ? -0.0 : 0.0;
  } else if (r.ec != std::errc()) {
    Code = 1;
    return;
  }
  Value = v;
}

void Val(std::u16string_view S, long double& Value, int32_t& Code) {
  Value = 0;
  std::string text;
  if (!ScanFloatText(S, text, Code)) return;
  const long double v = os::ParseLongDouble(text);
  if (std::isinf(v)) {
    Code = static_cast<int32_t>(S.size()) + 1;
    return;
  }
  Value = v;
}

bool TryStrToInt64(std::u16string_view S, int64_t& Value) {
  int32_t code = 0;
  Val(S, Value, code);
  return code == 0;
}

bool TryStrToInt(std::u16string_view S, int32_t& Value) {
  int32_t code = 0;
  Val(S, Value, code);
  return code == 0;
}

int64_t StrToInt64(std::u16string_view S) {
  int64_t v = 0;
  if (!TryStrToInt64(S, v)) throw EConvertError(Quoted(S) + u" is not a valid integer value");
  return v;
}

int32_t StrToInt(std::u16string_view S) {
  int32_t v = 0;
  if (!TryStrToInt(S, v)) throw EConvertError(Quoted(S) + u" is not a valid integer value");
  return v;
}

int32_t StrToIntDef(std::u16string_view S, int32_t Default) {
  int32_t v = 0;
  return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToFloat(std::u16string_view S, double& Value, const TFormatSettings& Settings) {
  UnicodeString s(S);
  // Trailing blanks are tolerated here, unlike Val.
  while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.pop_back();
  for (Char& c : s) {
    if (c == Settings.DecimalSeparator)
      c = u'.';
    else if (c == u'.' && Settings.DecimalSeparator != u'.')
      return false;  // "." is not a decimal separator in this locale
  }
  int32_t code = 0;
  Val(s, Value, code);
  return code == 0;
}

bool TryStrToFloat(std::u16string_view S, double& Value) {
  return TryStrToFloat(S, Value, FormatSettings);
}

double StrToFloat(std::u16string_view S, const TFormatSettings& Settings) {
  double v = 0;
  if (!TryStrToFloat(S, v, Settings))
    throw EConvertError(Quoted(S) + u" is not a valid floating point value");
  return v;
}

double StrToFloat(std::u16string_view S) {
  return StrToFloat(S, FormatSettings);
}

UnicodeString FloatToStr(double Value, const TFormatSettings& Settings) {
  return FloatToStrGeneral(Value, 15, Settings);
}

UnicodeString FloatToStrGeneral(double Value, int32_t Precision, const TFormatSettings& Settings) {
  Precision = std::clamp(Precision, 1, 17);
  if (std::isnan(Value)) return u"NAN";
  if (std::isinf(Value)) return Value > 0 ? u"INF" : u"-INF";
  if (Value == 0) return u"0";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*e", Precision - 1, Value);  // d.ddde+XX, Precision digits
  const std::string s = buf;
  const bool negative = s[0] == '-';
  const size_t mStart = negative ? 1 : 0;
  const size_t ePos = s.find('e');
  std::string digits = s.substr(mStart, 1) + (Precision > 1 ? s.substr(mStart + 2, ePos - mStart - 2) : "");
  const int exponent = std::stoi(s.substr(ePos + 1));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  // Built with append alone: GCC 12 at -O3 misreports operator+ chains here (-Wrestrict).
  std::string out = negative ? "-" : "";
  const std::string sep = UnicodeToUtf8(std::u16string(1, Settings.DecimalSeparator));
  if (exponent >= Precision || exponent < -4) {
    out.append(digits, 0, 1);
    if (digits.size() > 1) out.append(sep).append(digits, 1);
    out.append("E").append(std::to_string(exponent));
  } else if (exponent < 0) {
    out.append("0").append(sep).append(static_cast<size_t>(-exponent - 1), '0').append(digits);
  } else {
    const auto intLen = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      out.append(digits).append(intLen - digits.size(), '0');
    } else {
      out.append(digits, 0, intLen).append(sep).append(digits, intLen);
    }
  }
  return Utf8ToUnicode(out);
}

UnicodeString FloatToStr(double Value) {
  return FloatToStr(Value, FormatSettings);
}

namespace {
template <typename F>
int64_t RoundHalfEven(F v) {
  if (!(v >= F(-9223372036854775808.0L) && v < F(9223372036854775808.0L)))
    throw EInvalidOp(u"Invalid floating point operation: value out of the 64-bit integer range");
  F fl = std::floor(v);
  const F diff = v - fl;
  if (diff > F(0.5) || (diff == F(0.5) && std::fmod(fl, F(2)) != 0)) fl += 1;
  if (fl >= F(9223372036854775808.0L))
    throw EInvalidOp(u"Invalid floating point operation: value out of the 64-bit integer range");
  return static_cast<int64_t>(fl);
}
}  // namespace

int64_t Round(double Value) {
  return RoundHalfEven(Value);
}
int64_t Round(long double Value) {
  return RoundHalfEven(Value);
}

int64_t Trunc(double Value) {
  if (!(Value > -9223372036854775809.0 && Value < 9223372036854775808.0))
    throw EInvalidOp(u"Invalid floating point operation: value out of the 64-bit integer range");
  return static_cast<int64_t>(Value);
}

}  // namespace zub
