// String types of the library and the conversions between its encodings.
//
// Text is UTF-16 (`UnicodeString`); the operating-system boundary speaks UTF-8; 8-bit text
// (`AnsiString`: text files, short strings, stream text) is Windows-1252 on every platform.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zub {

using Char = char16_t;
using UnicodeString = std::u16string;
using AnsiString = std::string;  // Windows-1252 bytes

// UTF-8 -> UTF-16. Malformed sequences (bad lead or continuation bytes, overlong forms,
// surrogates, values above U+10FFFF) become U+FFFD, one per offending byte.
UnicodeString Utf8ToUnicode(std::string_view utf8);
// UTF-16 -> UTF-8. An unpaired surrogate becomes U+FFFD.
std::string UnicodeToUtf8(std::u16string_view text);

// One Windows-1252 byte -> its character. The five bytes without a character (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to U+0081 .. U+009D unchanged, so every byte round-trips.
Char AnsiCharToUnicode(uint8_t b);
// One character -> its Windows-1252 byte, or '?' when Windows-1252 has none for it.
uint8_t UnicodeCharToAnsi(Char c);
// Whether UnicodeCharToAnsi(c) is exact (not the '?' substitute, unless c is '?').
bool HasAnsiChar(Char c);

UnicodeString AnsiToUnicode(std::string_view ansi);
AnsiString UnicodeToAnsi(std::u16string_view text);

// Shorthand for literals and diagnostics: u"..." from an ASCII/UTF-8 literal.
inline UnicodeString U(std::string_view utf8) {
  return Utf8ToUnicode(utf8);
}

}  // namespace zub
