#include "streams/number_scan.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zub {

namespace {

enum Class { kSep, kDigit, kSign, kWhite, kE, kOther };

// Next state by state (1..8) and class, as the scanner's table gives it; 0 marks the
// entries that depend on AllowExp (6 when exponents are allowed, else 9).
constexpr int kNext[9][6] = {
    {},                       // unused
    {4, 3, 2, 1, -1, -1},     // 1 start
    {4, 3, -1, -1, -1, -1},   // 2 after the sign
    {4, 3, 9, 9, 0, 9},       // 3 integer digits
    {-1, 5, 9, 9, 0, 9},      // 4 after the separator
    {-1, 5, 9, 9, 0, 9},      // 5 fraction digits
    {-1, 8, 7, -1, -1, -1},   // 6 after "E"
    {-1, 8, -1, -1, -1, -1},  // 7 after the exponent's sign
    {9, 8, 9, 9, 9, 9},       // 8 exponent digits
};

constexpr int64_t kExponentCap = TFPNumScanner::ExponentCap;

// Significant mantissa digits kept. Every midpoint between two neighbouring 80-bit values
// has fewer significant digits than this (the smallest subnormal midpoints have about
// 11520), so cutting the digits here and standing one non-zero digit for the rest rounds
// exactly as the whole text would. More integer digits than this overflow whatever the
// capped exponent is, and so do they when cut.
constexpr int32_t kKeptDigits = 12000;
// Zeros between the separator and the first significant digit kept. Beyond them the number
// is below the smallest subnormal even with the largest exponent, and reads as 0.
constexpr int32_t kKeptLeadingZeros = 20000;

}  // namespace

int TFPNumScanner::Classify(int c) const {
  if (c == EndOfInput) return kOther;  // the end acts as the letter "Z"
  if (c >= 'a' && c <= 'z') c -= 32;
  if ((c == '.' && (FDecPChar == 1 || FDecPChar == 3)) || (c == ',' && (FDecPChar == 2 || FDecPChar == 3)))
    return kSep;
  if (c >= '0' && c <= '9') return kDigit;
  if (c == '+' || c == '-') return kSign;
  if (c == 9 || c == 10 || c == 13 || c == 32) return kWhite;
  if (c == 'E') return kE;
  return kOther;
}

bool TFPNumScanner::Feed(int c) {
  if (FState < 1 || FState > 8) return false;
  const int cls = Classify(c);
  const int previous = FState;
  int next = kNext[FState][cls];
  if (next == 0) next = FAllowExp ? 6 : 9;
  FState = next;
  if (next < 1 || next > 8) return false;

  bool append = true;
  if (next == 3 || next == 5) {
    // Mantissa digits: a bounded number of them reaches the text, the rest only counts.
    if (c == '0' && FSignificant == 0) {
      if (next == 3) {
        append = !FIntZero;  // one leading zero stands for all of them
        FIntZero = true;
      } else {
        append = FLeadingZeros < kKeptLeadingZeros;
        ++FLeadingZeros;
      }
    } else if (next == 5 && FSignificant == 0 && FLeadingZeros > kKeptLeadingZeros) {
      append = false;  // far below the range: the value is 0 whatever follows
    } else if (FSignificant >= kKeptDigits) {
      append = false;
      if (next == 5 && c != '0') FSticky = true;
    } else {
      ++FSignificant;
    }
  } else if (next == 6 && FSticky) {
    FText.push_back('1');  // stands for the non-zero digits that were cut
    FSticky = false;
  }
  if (next == 8) {
    // Entering the exponent digits restarts them; staying appends. The value saturates
    // above the cap: once beyond it, every further digit is consumed but not appended.
    const int64_t digit = c - '0';
    FExpDigits = previous == 8 ? std::min<int64_t>(FExpDigits * 10 + digit, kExponentCap * 10 + 10) : digit;
    append = FExpDigits <= kExponentCap;
  }
  if (append && c > 32) {
    char ch = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (ch == ',') ch = '.';
    FText.push_back(ch);
  }
  return true;
}

double TFPNumScanner::Result() const {
  if (FState != 9) return 0;
  std::string text = FText;
  if (FSticky) text.push_back('1');
  if (!text.empty() && text.back() == '.') text += '0';
  // The platform's conversion of the text, its error code ignored: whatever prefix reads.
  long double v = 0;
  int32_t code = 0;
  Val(Utf8ToUnicode(text), v, code);
  if (code != 0) {
    // Out of range (the exponent cap keeps values near the extended range) or a lone sign
    // or separator: the longest readable prefix counts, else 0.
    v = 0;
    if (code > 1) {
      if (code > static_cast<int32_t>(text.size())) {
        v = text[0] == '-' ? -std::numeric_limits<long double>::infinity()
                           : std::numeric_limits<long double>::infinity();
      } else {
        int32_t c2 = 0;
        Val(Utf8ToUnicode(text.substr(0, static_cast<size_t>(code) - 1)), v, c2);
        if (c2 != 0) v = 0;
      }
    }
  }
  return static_cast<double>(std::clamp<long double>(v, -uc_MaxDouble, uc_MaxDouble));
}

TFPNumScanner ScanTextFPNum(std::u16string_view Text, bool AllowExp, int32_t DecPChar) {
  TFPNumScanner scanner(AllowExp, DecPChar);
  for (Char c : Text) {
    const int fed = (c == 9 || c == 10 || c == 13) ? 'Z' : c;
    if (!scanner.Feed(fed)) return scanner;
  }
  scanner.Feed(TFPNumScanner::EndOfInput);
  return scanner;
}

int32_t ScanTextIntPrefix(std::u16string_view Text) {
  size_t i = 0;
  while (i < Text.size() && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  int64_t value = 0;  // magnitude, saturated just beyond the 32-bit range
  for (; i < Text.size() && Text[i] >= u'0' && Text[i] <= u'9'; ++i)
    value = std::min<int64_t>(value * 10 + (Text[i] - u'0'), int64_t{1} << 32);
  if (negative) return static_cast<int32_t>(std::max<int64_t>(-value, std::numeric_limits<int32_t>::min()));
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

int32_t ScanStreamDecimal(TStream& InStream) {
  int b = 0;
  auto next = [&]() { return (b = InStream.ReadByte()) >= 0; };
  bool ok = next();
  while (ok && (b == 32 || b == 10 || b == 13)) ok = next();
  bool negative = false;
  if (ok && (b == '-' || b == '+')) {
    negative = b == '-';
    ok = next();
  }
  int64_t value = 0;  // magnitude, saturated just beyond the 32-bit range
  while (ok && b >= '0' && b <= '9') {
    value = std::min<int64_t>(value * 10 + (b - '0'), int64_t{1} << 32);
    ok = next();
  }
  if (negative) return static_cast<int32_t>(std::max<int64_t>(-value, std::numeric_limits<int32_t>::min()));
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

double ScanStreamFPNum(TStream& InStream, bool AllowExp, int32_t DecPChar) {
  TFPNumScanner scanner(AllowExp, DecPChar);
  // ReadByte's -1 at the end is the scanner's EndOfInput.
  while (scanner.Feed(InStream.ReadByte())) {
  }
  return scanner.Result();
}

}  // namespace zub
