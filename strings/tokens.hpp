// Splitting and reading texts: tokens at a separator (with an optional escape character),
// looking a text up in a list, reading one line at a time, blank-aligned text to tabs,
// and guessing the delimiter of a CSV line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The tokens of s between occurrences of separator, at most 1000 (the last one then holds
// the unsplit rest). "a,b,,c" gives "a", "b", "", "c"; an empty s one empty token; an empty
// separator s itself. Returns the number of tokens.
int32_t Tokenize(std::u16string_view s, std::u16string_view separator, TStrArray& tokens);
// As above, but a separator right after escape does not split; every token then has each
// escape escape pair turned into one escape, and each escape separator into the separator.
// With "," and "!": "a!,b,c" gives "a,b" and "c"; "a!!,b" gives the single token "a,b".
int32_t Tokenize(std::u16string_view s, std::u16string_view separator, Char escape, TStrArray& tokens);

// The 1-based position of the first item equal to s; 0 when none. The form with
// caseSensitive false compares after lower-casing A..Z.
int32_t StringIx(std::u16string_view s, std::span<const UnicodeString> list);
int32_t StringIx(std::u16string_view s, std::initializer_list<UnicodeString> list);
int32_t StringIx(std::u16string_view s, bool caseSensitive, std::span<const UnicodeString> list);
int32_t StringIx(std::u16string_view s, bool caseSensitive, std::initializer_list<UnicodeString> list);

// Reads the line starting at character pos (1-based) and moves pos past it. Characters
// from code 32 up are kept; control characters are dropped, and the one that completes the
// lineEnd sequence (0 LF, 1 CR, 2 CR or LF, 3 CR after LF, 4 LF after CR, others never)
// ends the line. endOfText is true when the text ran out first.
UnicodeString ReadLnString(std::u16string_view s, int32_t& pos, bool& endOfText, int32_t lineEnd);

// Runs of two or more blanks become one tab; with colons, ":" and the blanks after it
// become ":" and a tab; with plusMinus, a blank before "+/-" becomes a tab and the blanks
// after "+/-" go.
UnicodeString ConvertToTabs(std::u16string_view s, bool colons, bool plusMinus);

// The candidate of CSVDELIMITERS occurring most often in s (the earlier one on a tie);
// csvUnknown when none occurs.
TCSVDelimiters DetectCSVDelimiter(std::u16string_view s);
// How often each candidate occurs in s, indexed by TCSVDelimiters.
std::array<int32_t, 6> CountCSVDelimiters(std::u16string_view s);

}  // namespace zub
