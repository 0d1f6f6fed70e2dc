// Number layouts for tables, labels and files: a fixed-width field that switches to
// exponent notation when a value would not fit or would lose its digits (strff, FormatData,
// SigDigStr), a significant-digits form without blank fill (AutoFormatData), and grouped and
// column-aligned number texts. The decimal separator is always "." (AutoFormatData can
// switch to ","). Other units write their files through these routines, so the texts are
// part of the library's file formats.
//
// Common rules of the layouts below:
// - The fixed form of x with d decimals is x rounded to d digits after the point, "-" in
//   front when negative, right-aligned by blanks in the field; a longer text is never cut.
// - The exponent form of width W is a sign column (blank or "-"), one digit, ".", W - 9
//   digits, "E", the exponent's sign and four exponent digits ("1234.56" in 12 characters is
//   " 1.235E+0003"); strff with decimals -2 writes two exponent digits.
// - Digits come from the exact binary value, correctly rounded; an exact decimal tie rounds
//   to the even digit (0.125 with 2 decimals gives "0.12"), as the run-time's Round does.
//   Asking for more significant digits than an extended value carries (about 18) shows the
//   further digits of the exact binary value.
// - Exponent layouts narrower than one significant digit needs (7 characters with two
//   exponent digits, 9 with four) are widened to that; nothing is cut.
// - NaN and infinities are written "NAN", "INF" and "-INF", right-aligned by blanks in the
//   field width, without zero fill.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Width |width|; a negative width fills with zeros instead of blanks (the sign moves to
// the front). decimals >= 0: fixed form; -2: exponent form with two exponent digits (a
// value needing three or more becomes a row of "*"); other negatives: exponent form of
// width |width| with four exponent digits.
UnicodeString strff(Extended value, int32_t width, int32_t decimals);
// strff with a "+" for values >= 0: the last leading blank becomes "+", else a leading fill
// "0" not followed by "." does, else "+" goes in front. Negative values as strff.
UnicodeString strffForcePlus(Extended value, int32_t width, int32_t decimals);

// Fixed form with decimals 0..8 while the value lies between the limits of its decimals
// (up to nine digits in all, down to 10^-decimals; 0 always fits), otherwise
// strff(value, width + 6, -2): width significant digits in exponent layout.
UnicodeString FormatData(double value, int32_t width, int32_t decimals);

// digits significant digits in a field of width: fixed form while it fits, exponent layout
// (at least digits + 6 wide) otherwise. digits below 1 give no decimals for 0.
UnicodeString SigDigStr(double value, int32_t width, int32_t digits);
// As above; trim removes leading and trailing blanks.
UnicodeString SigDigStr(double value, int32_t width, int32_t digits, bool trim);

// digits (clamped to 2..16) significant digits without blank fill: fixed notation for
// magnitudes from about 0.1 to 10^(digits-1), exponent notation otherwise.
UnicodeString AutoFormatData(double value, int32_t digits);
// As above; comma replaces every "." by ",".
UnicodeString AutoFormatData(double value, int32_t digits, bool comma);

// The decimal text with separator between groups of three digits from the right
// ("1,234,567"); negative values keep the sign in front of the grouped digits ("-1,234").
UnicodeString IntToStrGrouped(int64_t value, Char separator);

// text trimmed of blanks and shifted right by blanks so that its first decimalChar lands
// at position column (a text without one starts at column + 1); a text whose decimal
// character lies at or beyond column is only trimmed.
UnicodeString SortableNumericString(std::u16string_view text, Char decimalChar, int32_t column);

}  // namespace zub
