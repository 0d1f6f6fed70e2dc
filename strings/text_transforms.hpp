// Text transforms: umlauts spelt out, hexadecimal character escapes, control characters,
// words, uuencoding, quoted names, parameters and line/column coordinates.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// ä ö ü ß µ become ae oe ue ss u; Ä Ö Ü become AE OE UE, or Ae Oe Ue before a lower-case
// a..z ("Ärger" -> "Aerger", "ÄRGER" -> "AERGER").
UnicodeString ExpandDiphthongs(std::u16string_view s);
// "\#" with up to two hex digits becomes the character of that code ("a\#41b" -> "aAb"),
// "\\" becomes "\" (and the text after it is not examined for an escape), other
// backslashes stay.
UnicodeString ProcessHexChars(std::u16string_view s);
// Runs of two or more non-separators (WordSeps) that a separator ends; a run at the very
// end of the text does not count ("to be or not." counts 4, "two words" 1).
int32_t CountWords(std::u16string_view s);
int32_t CountControlChars(std::u16string_view s);
UnicodeString RemoveControlChars(std::u16string_view s);
UnicodeString ReplaceControlChars(std::u16string_view s, Char c);

// The uuencoding of the text's Windows-1252 bytes: lines of up to 45 bytes, each a length
// character (32 + count) and groups of four characters for three bytes ("`" for a zero
// value), ended by CR LF; a last line "`" closes the data. No begin/end lines.
UnicodeString UUEncodeStr(std::u16string_view s);
// The inverse: line by line (CR LF, LF or CR), each line's length character saying how
// many bytes it carries; the "`" line or the end of the text ends it. Characters outside
// the encoding alphabet count by their low six bits; a line too short for its length gives
// the bytes it has. The bytes are read back as Windows-1252 text.
UnicodeString UUDecodeStr(std::u16string_view s);

// States of ParseQuotedName.
enum TQuotedStrState : uint8_t { vsStart, vs1stQuote, vsQuote, vsNormal, vsEnd };
// Feeds one character c of a name that may be enclosed in quote characters (a doubled
// quote inside stands for one). Leading blanks are skipped; an unquoted name ends at a
// blank; a quoted one at its closing quote, which is recognised when the character after
// it is not another quote. Characters of the name are appended to text; state becomes
// vsEnd once the name is complete (an input that ends in vsQuote or vsNormal is complete
// as it stands).
void ParseQuotedName(Char c, Char quote, UnicodeString& text, TQuotedStrState& state);

// Field number index (from 1) of s, fields separated by separator outside quote
// characters; the field trimmed of blanks and unquoted (doubled quotes inside give one).
// Default when there is no such field or it is empty.
UnicodeString ExtractParam(std::u16string_view s, int32_t index, Char separator, Char quote,
                           const UnicodeString& Default);

// The 1-based line and column of character position in s; lines end at CR LF, LF or CR.
// A position below 1 counts as 1, one beyond the text as the position after its last
// character.
void TextLineCoords(std::u16string_view s, int32_t position, int32_t& line, int32_t& column);

}  // namespace zub
