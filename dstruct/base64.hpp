// Base64 (alphabet A-Z a-z 0-9 + /, "=" padding) from one stream to another.
//
// The input stream is read from its position, the output written at its position; neither is
// rewound. Both routines work in constant memory whatever the size of the input. Vector code
// (AVX2) does the bulk where the processor has it; the results are those of the portable code.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Writes the input to its end as Base64 lines of 60 characters (45 input bytes); the last
// line is shorter when the input is not a multiple of 45 bytes, and ends in "=" or "==" when
// it is not a multiple of 3. With LineBreaks every line, the last one too, ends in CR LF;
// without, the lines follow one another. An empty input writes nothing; no header, trailer or
// other padding is written. Short reads of a pipe do not end a line or the encoding: the input
// is read until a read gives nothing. Write errors of the output propagate.
void EncodeBase64(TStream& Input, TStream& Output, bool LineBreaks);

// Decodes Base64 text, ignoring CR and LF wherever they stand. The other characters are taken
// four at a time, in blocks of 88 (22 groups); the bytes of a block are written when the
// block is complete or the input ends. Returns 0, or -1 at the first group holding a
// character outside "+".."z": then the bytes of that group's block are not written, those of
// the earlier blocks are.
// Within a group, a third character "=" ends the group after one byte, a fourth after two;
// decoding goes on with the next group. Characters between "+" and "z" that are not in the
// alphabet (":", "@", "[", "=" in the first two places, ...) are not reported; they count as
// the value 127 in the formulas (first byte (d0 shl 2) or (d1 shr 4), second ((d1 shl 4) or
// (d2 shr 2)) and $FF, third ((d2 shl 6) or d3) and $FF, each cut to 8 bits).
// A last group of fewer than four characters decodes as if "=" filled it up: two characters
// give one byte, three give two, a single character gives nothing; its characters are checked
// like those of a full group. The input is read to its end, or to the end of the bad group.
int32_t DecodeBase64(TStream& Input, TStream& Output);

}  // namespace zub
