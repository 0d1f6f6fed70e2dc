// Case mapping and case-insensitive comparison.
//
// The plain forms fold the ASCII letters A..Z only. The Ansi forms are locale-aware: they
// map every letter with a simple case mapping in the Basic Multilingual Plane (all Latin,
// Greek and Cyrillic letters among them), the same whatever the process locale is.
// Characters outside the BMP (surrogate pairs) are left as they are.
#pragma once

#include <cstdint>

#include "host/unicode.hpp"

namespace zub {

UnicodeString UpperCase(std::u16string_view S);
UnicodeString LowerCase(std::u16string_view S);
// <0, 0, >0 after folding ASCII letters to upper case, by character code.
int32_t CompareText(std::u16string_view S1, std::u16string_view S2);
bool SameText(std::u16string_view S1, std::u16string_view S2);
// <0, 0, >0 by character code, no folding.
int32_t CompareStr(std::u16string_view S1, std::u16string_view S2);

Char AnsiUpperChar(Char C);
Char AnsiLowerChar(Char C);
UnicodeString AnsiUpperCase(std::u16string_view S);
UnicodeString AnsiLowerCase(std::u16string_view S);
// Locale-aware and case-insensitive: compares the lower-case forms by character code.
int32_t AnsiCompareText(std::u16string_view S1, std::u16string_view S2);
bool AnsiSameText(std::u16string_view S1, std::u16string_view S2);

}  // namespace zub
