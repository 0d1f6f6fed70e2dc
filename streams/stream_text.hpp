// Text on byte streams: writing strings and lines, reading lines with a chosen line end,
// slurping the rest of a stream, searching forward for a byte or a text, counting lines.
//
// One byte is one character: reading turns each byte into the character with the same
// code (0..255), writing keeps the low 8 bits of each character. Every routine works from
// the stream's position and leaves it where its reading or writing stopped.
//
// Line-end modes (EOLMode): 0 LF; 1 CR; 2 CR or LF; 3 the pair LF CR; 4 the pair CR LF;
// any other value never ends a line.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"
#include "strings/line_end.hpp"

namespace zub {

// Writes the characters as bytes in blocks of 4096 (a final, possibly empty, block write
// follows). Write errors raise.
void WriteStringStream(TStream& OutStream, std::u16string_view Text);
// The same, then CR LF.
void WriteLnStream(TStream& OutStream, std::u16string_view Text);

// The next line, its line end consumed and up to two trailing CR/LF characters removed.
// Eos becomes true when the stream ended first; the text read is then returned as it is.
UnicodeString ReadLnStream(TStream& InStream, bool& Eos, int32_t EOLMode);
// Reads up to and including the next byte equal to B; false (at the end) when none.
bool FindInStream(TStream& InStream, uint8_t B);
// The rest of the stream as UTF-16LE (two bytes per character; an odd last byte is dropped).
UnicodeString StreamAsString(TStream& InStream);
// The rest of the stream, one character per byte.
UnicodeString StreamAsByteString(TStream& InStream);
// The text from the position up to and including the first occurrence of SearchStr (ASCII
// letters match in either case); ErrCode 0 and the position just behind the match. When
// SearchStr does not occur (or is empty), ErrCode is -1, the whole rest of the stream is
// returned and the stream is left at its end.
UnicodeString ReadStreamUntil(TStream& InStream, std::u16string_view SearchStr, int32_t& ErrCode);
// The number of LF bytes from the position to the end (a last line without LF is not
// counted); the stream is left at its end.
int32_t CountLinesInStream(TStream& InStream);

}  // namespace zub
