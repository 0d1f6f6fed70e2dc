// String types of the library and the conversions between its encodings.
//
// Text is UTF-16 (`UnicodeString`); the operating-system boundary speaks UTF-8; 8-bit text
// (`AnsiString`: text files, short strings, stream text) is Windows-1252 on every platform.
// Ordinary text converts with Utf8ToUnicode / UnicodeToUtf8, which replace what they cannot
// convert; file names given by or to the system convert with SystemNameToUnicode /
// UnicodeToSystemName, which keep every byte.
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
// UTF-8 -> UTF-16 for text that must be well-formed: false (and text unspecified) when
// utf8 holds a malformed sequence, so a caller can fall back to another encoding.
bool TryUtf8ToUnicode(std::string_view utf8, UnicodeString& text);
// UTF-16 -> UTF-8. An unpaired surrogate becomes U+FFFD.
std::string UnicodeToUtf8(std::u16string_view text);

// System name bytes (UTF-8 on POSIX) -> UTF-16, losslessly. Well-formed UTF-8 converts as
// Utf8ToUnicode does; every byte that does not begin a well-formed sequence (the cases
// listed there) becomes the lone surrogate U+DC00 + byte, which lies in U+DC80..U+DCFF,
// since bytes below 0x80 are ASCII and always well-formed. UnicodeToSystemName turns the
// result back into the same bytes, for every byte string.
UnicodeString SystemNameToUnicode(std::string_view name);
// UTF-16 -> system name bytes. Surrogate pairs and other characters become UTF-8; a lone
// U+DC80..U+DCFF becomes the byte it stands for (so escapes side by side may form a
// well-formed sequence: U+DCC3 U+DCA9 gives C3 A9, which reads back as U+00E9). Any other unpaired
// surrogate is written in the three-byte form (U+D800 as ED A0 80), which names a distinct
// entry and reads back as three escapes; no surrogate ever becomes an ASCII byte.
std::string UnicodeToSystemName(std::u16string_view name);

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
