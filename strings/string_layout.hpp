// Trimming and fixed-width layout. A blank is the space character alone: tabs and other
// white space are kept. A text made only of what is stripped becomes empty.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

UnicodeString StripLTBlanks(std::u16string_view s);
UnicodeString StripLeadingBlanks(std::u16string_view s);
UnicodeString StripTrailingBlanks(std::u16string_view s);
UnicodeString StripLeadingChars(Char c, std::u16string_view s);
UnicodeString StripTrailingChars(Char c, std::u16string_view s);

// s with a backslash / c appended unless it already ends with it; "" stays "".
UnicodeString EnsureTrailingBkSlash(std::u16string_view s);
UnicodeString EnsureTrailingChar(Char c, std::u16string_view s);
// c put in front unless s already starts with it; "" stays "".
UnicodeString EnsureLeadingChar(Char c, std::u16string_view s);

// s padded with blanks to n characters: on the right, on the left, or centred
// ((n - length) div 2 blanks before). A longer s is cut to its first n characters.
UnicodeString LeftString(std::u16string_view s, uint8_t n);
UnicodeString RightString(std::u16string_view s, uint8_t n);
UnicodeString CenterString(std::u16string_view s, uint8_t n);
// n copies of c, n clamped to 1..255.
UnicodeString MultiChar(Char c, int32_t n);
// s when it has at most n characters, else its first n - 2 followed by ".." (just ".." when
// n is 2 or less).
UnicodeString AbbrevString(std::u16string_view s, int32_t n);

}  // namespace zub
