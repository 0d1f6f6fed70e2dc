// Scanning numbers out of a character source with the library's small state machines:
// ScanStreamDecimal and ScanStreamFPNum on byte streams, and the floating-point scanner
// as a class that other readers (strings, the mixed file stream) feed one character at a
// time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The floating-point number scanner. Feed it characters (Char 0xFFFF-free; the end of the
// input is fed as EndOfInput, which acts like the foreign letter "Z") until Feed returns
// false; Result then gives the number: 0 when the scan failed, otherwise the number text
// converted and clamped to +-uc_MaxDouble. Exponents are capped at 4200 while scanning.
//
// DecPChar selects the decimal separator: 1 ".", 2 ",", 3 either, anything else none.
class TFPNumScanner {
 public:
  static constexpr int EndOfInput = -1;

  TFPNumScanner(bool AllowExp, int32_t DecPChar) : FAllowExp(AllowExp), FDecPChar(DecPChar) {}
  // Takes one character (a code 0..0xFFFF or EndOfInput); true while more are wanted.
  bool Feed(int c);
  double Result() const;
  // True once the machine ended in its failed state.
  bool Failed() const { return FState == -1; }
  // True once the machine ended in its done state: a number was read.
  bool Done() const { return FState == 9; }
  // True when the exponent digits read went above ExponentCap (the extra ones were
  // consumed but are not in the number).
  bool ExponentCapped() const { return FExpDigits > ExponentCap; }

  static constexpr int64_t ExponentCap = 4200;

 private:
  int Classify(int c) const;

  bool FAllowExp;
  int32_t FDecPChar;
  int FState = 1;
  std::string FText;
  int64_t FExpDigits = 0;  // value of the exponent digits read so far (saturating)
  // The mantissa in FText is kept short: see Feed.
  int32_t FSignificant = 0;   // significant digits in FText
  int32_t FLeadingZeros = 0;  // fraction zeros before the first significant digit
  bool FIntZero = false;      // a leading integer zero is in FText
  bool FSticky = false;       // non-zero fraction digits were cut
};

// Runs the scanner over a text: only the space counts as white space before the number
// (tab, LF and CR are fed as a foreign letter), and the end of the text is the end of
// input. The scanner is returned in its final state for Result, Done and ExponentCapped.
TFPNumScanner ScanTextFPNum(std::u16string_view Text, bool AllowExp, int32_t DecPChar);
// The integer a text begins with: leading spaces, an optional "+" or "-", then the decimal
// digits up to the first other character; 0 without digits. Beyond 32 bits the result
// stays at 2147483647 / -2147483648.
int32_t ScanTextIntPrefix(std::u16string_view Text);

// Skips spaces, LF and CR (at least one byte is read), takes a sign, then decimal digits;
// the first byte after the digits is consumed. 0 when there is no digit. Values beyond 32
// bits saturate at 2147483647 / -2147483648 (the digits are still consumed).
int32_t ScanStreamDecimal(TStream& InStream);
// Scans a floating-point number with TFPNumScanner; white space before it is tab, LF, CR
// and space. The byte that ends the number is consumed.
double ScanStreamFPNum(TStream& InStream, bool AllowExp, int32_t DecPChar);

}  // namespace zub
