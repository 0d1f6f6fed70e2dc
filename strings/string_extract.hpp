// Taking texts apart: around a trigger text, the word at a position, the n-th field.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The text after / before the first occurrence of trigger; "" when trigger does not occur
// (an empty trigger never does). trim removes leading and trailing blanks of the result.
UnicodeString ExtractAfterTrigger(std::u16string_view s, std::u16string_view trigger, bool trim);
UnicodeString ExtractBeforeTrigger(std::u16string_view s, std::u16string_view trigger, bool trim);
// Both texts at once; both "" when trigger does not occur.
void SplitString(std::u16string_view s, std::u16string_view trigger, bool trim, UnicodeString& before,
                 UnicodeString& after);

// The word around position pos, bounded by WordSeps members (or the text's ends). When pos
// is on a separator, that one character is returned. "" (and 0, 0) when pos is outside
// 1..length. In "alpha beta,gamma", position 8 gives "beta" (7..10), 11 gives "," (11..11).
UnicodeString ExtractWordFromString(std::u16string_view s, int32_t pos);
UnicodeString ExtractWordFromString(std::u16string_view s, int32_t pos, int32_t& startPos, int32_t& endPos);

// Field number index (from 0) of s, fields being separated by separator: "a;b;c" gives
// "a", "b", "c" for 0, 1, 2 and "" for 3. A field that begins with the separator (compared
// by the locale-aware case-insensitive rule) is empty. An empty separator never occurs, so
// the whole text is field 0.
UnicodeString ExtractSubString(std::u16string_view s, int32_t index, std::u16string_view separator);

}  // namespace zub
