// Conversions between numbers and text.
//
// Integer text is plain decimal or hexadecimal. Text to number comes in two forms: `Val`,
// locale-independent with "." and an error position, and `StrToFloat`, which reads the
// decimal separator of the format settings. `FloatToStr` writes the locale-dependent
// general form. `Round` rounds halves to the even neighbour.
#pragma once

#include <cstdint>

#include "host/format_settings.hpp"
#include "host/unicode.hpp"

namespace zub {

UnicodeString IntToStr(int64_t Value);
inline UnicodeString IntToStr(int32_t Value) {
  return IntToStr(int64_t{Value});
}
// Upper-case hex digits, at least Digits of them (zero-filled); negative values are shown
// in two's complement over 32 bits (the int32 form) or 64 bits.
UnicodeString IntToHex(int32_t Value, int32_t Digits);
UnicodeString IntToHex(int64_t Value, int32_t Digits);
UnicodeString IntToHex(uint64_t Value, int32_t Digits);

// Reads an integer: optional blanks, optional sign, decimal digits, or "$" / "0x" and hex
// digits. Code is 0 on success, else the 1-based position of the first character that
// does not fit (or the position after the text when it ends too early or overflows).
void Val(std::u16string_view S, int64_t& Value, int32_t& Code);
void Val(std::u16string_view S, int32_t& Value, int32_t& Code);
// Reads a floating-point number in the locale-independent form: optional blanks, optional
// sign, digits with an optional "." and fraction, optional exponent "E"/"e" with optional
// sign and digits. Code as for the integer form. A value too large for a double gives Code
// at the end (Value 0); one too small for it (below the least subnormal, "1e-400") reads as
// 0 with its sign and Code 0, as the extended form treats values beyond its own range.
// Subnormals ("1e-310") are kept.
void Val(std::u16string_view S, double& Value, int32_t& Code);

// The same for an 80-bit extended value, correctly rounded; values beyond its range give
// Code at the end, values too small for it read as 0 (with their sign).
void Val(std::u16string_view S, long double& Value, int32_t& Code);

// Raise EConvertError "'S' is not a valid integer value" / "... floating point value".
int32_t StrToInt(std::u16string_view S);
int64_t StrToInt64(std::u16string_view S);
bool TryStrToInt(std::u16string_view S, int32_t& Value);
bool TryStrToInt64(std::u16string_view S, int64_t& Value);
int32_t StrToIntDef(std::u16string_view S, int32_t Default);

// Locale-dependent float text: the settings' decimal separator instead of ".".
double StrToFloat(std::u16string_view S);
double StrToFloat(std::u16string_view S, const TFormatSettings& Settings);
bool TryStrToFloat(std::u16string_view S, double& Value);
bool TryStrToFloat(std::u16string_view S, double& Value, const TFormatSettings& Settings);

// General form with 15 significant digits: fixed notation from 0.0001 up to values with 15
// integer digits, otherwise exponent notation without "+" and without leading exponent
// zeros ("1E20", "-1.5E-7", "1E-5"); trailing zeros are dropped.
// "NAN", "INF" and "-INF" for the special values.
UnicodeString FloatToStr(double Value);
UnicodeString FloatToStr(double Value, const TFormatSettings& Settings);
// The same general form with Precision (1..17) significant digits; fixed notation up to
// Precision integer digits.
UnicodeString FloatToStrGeneral(double Value, int32_t Precision, const TFormatSettings& Settings);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Raises
// EInvalidOp for NaN, infinities and values outside the 64-bit range.
int64_t Round(double Value);
int64_t Round(long double Value);
// Integer part toward zero, with the same range check.
int64_t Trunc(double Value);

}  // namespace zub
