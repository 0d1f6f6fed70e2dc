// Searching and counting in strings: numbered occurrences forwards and backwards, the last
// occurrence, counts of substrings and characters, first non-blank and first digit.
//
// Occurrences are found left to right without overlap (the search resumes after a match);
// an empty search text is never found. Positions are 1-based; 0 means not found. Case
// folding, where a flag asks for it, maps only A..Z and a..z.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Position of the n-th occurrence of sub starting at or after start (below 1 counts as 1);
// 0 when n <= 0 or fewer occurrences exist. "bc" in "abcabc": n 1 gives 2, n 2 gives 5.
int32_t NumberedPos(std::u16string_view sub, std::u16string_view s, int32_t start, int32_t n,
                    bool ignoreCase);
// Position of the n-th occurrence counted from the right among those lying entirely within
// the first start characters of s (start clamped to 1..length). "bc" in "abcabc" with
// start 6: n 1 gives 5, n 2 gives 2; with start 5, n 1 gives 2.
int32_t NumberedPosBw(std::u16string_view sub, std::u16string_view s, int32_t start, int32_t n,
                      bool ignoreCase);
// Start of the last of the non-overlapping occurrences found from the left ("aa" in "aaa"
// gives 1).
int32_t PosLast(std::u16string_view sub, std::u16string_view s);
int32_t CountStringInString(std::u16string_view sub, std::u16string_view s, bool caseSensitive);
// Characters equal to c; without caseSensitive both sides are folded to upper case.
int32_t CountCharInString(Char c, std::u16string_view s, bool caseSensitive);
// The first character other than a blank (space); 0 for an empty or all-blank text.
int32_t FindFirstNonBlank(std::u16string_view s);
int32_t FindFirstDigit(std::u16string_view s);
// Equal under the locale-aware case-insensitive comparison.
bool EqualAnsiStrings(std::u16string_view a, std::u16string_view b);

// Lower-cases A..Z only.
UnicodeString FoldAscii(std::u16string_view s);

}  // namespace zub
