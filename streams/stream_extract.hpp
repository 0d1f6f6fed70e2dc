// Filtering and rewriting streams: copying the lines that mention given texts, and a
// search-and-replace with counted occurrences and replacement modifiers.
#pragma once

#include <cstdint>
#include <functional>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Copies to OutStream (at its position) every line of InStream (from its position; lines
// end at CR LF, LF or CR) that contains at least one of the texts of Keys, ASCII letters
// matching in either case; each copied line is written with CR LF. Empty texts in Keys
// match nothing; an empty Keys copies nothing. Returns the number of lines copied; both
// streams are left after what was read and written.
int32_t ExtractFromStream(TStream& InStream, TMemoryStream& OutStream, const TStringList& Keys);

// Called for a modifier of the replacement text that SearchAndReplace does not know:
// Command is the modifier's name; what the handler leaves in Substring is inserted.
using TSRUnknownModifierEvent = std::function<void(const UnicodeString& Command, UnicodeString& Substring)>;

// Copies InStream from its position to OutStream at its position, replacing occurrences
// of SearchStr (non-overlapping, from the left; ASCII letters in either case when
// IgnoreCase). Occurrences are counted from 1: those before FirstOccurrence (below 1
// counts as 1) are kept, and at most MaxCount are replaced (MaxCount <= 0: all).
//
// ReplaceStr may hold modifiers between the two characters of Brackets (e.g. "{}"; an
// empty or one-character Brackets turns modifiers off): {match} inserts the occurrence as
// found, {count} the number of this replacement (1, 2, ...), {pos} the occurrence's
// 0-based offset from where reading began. Any other name goes to OnUnknownModifier, or
// is copied literally (brackets included) when that is not assigned. A bracket that is
// not closed is copied literally. Text is handled one byte per character. Returns the
// number of replacements; an empty SearchStr copies the stream unchanged.
int32_t SearchAndReplace(TMemoryStream& InStream, TMemoryStream& OutStream, std::u16string_view SearchStr,
                         std::u16string_view ReplaceStr, bool IgnoreCase, int32_t FirstOccurrence,
                         int32_t MaxCount, std::u16string_view Brackets,
                         const TSRUnknownModifierEvent& OnUnknownModifier);

}  // namespace zub
