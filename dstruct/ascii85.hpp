// ASCII85 from one stream to another, in the library's own variant: a short last group is
// written as it is, not widened with zero bytes, so the single byte $41 is "!b~>" where the
// common ASCII85 writes "5l~>". Data written by this encoder depends on that, and the decoder
// reads it back; other ASCII85 readers do not agree on the last group.
//
// The input stream is read from its position, the output written at its position; neither is
// rewound. Both routines work in constant memory whatever the size of the input.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Writes the input to its end in groups: four zero bytes as "z"; any other four bytes as five
// base-85 digits ("!" for 0 .. "u" for 84) of their big-endian value; a last group of n = 1..3
// bytes as the n + 1 digits of its n-byte value. Then the end marker "~>" (no start marker);
// an empty input gives just "~>". With LineBreaks, CR LF follows every twelfth group that is
// not a "z" (60 characters plus the "z"s met on the way), the last group included. Short reads
// of a pipe do not end a group or the encoding: the input is read until a read gives nothing.
void EncodeASCII85(TStream& Input, TStream& Output, bool LineBreaks);

// Decodes ASCII85, ignoring CR and LF wherever they stand. A "z" at the start of a group is
// four zero bytes. Otherwise up to five characters form a group, value = value x 85 + (c - 33)
// for each, and the k - 1 low bytes of the value are written, most significant first (a
// group of one character writes nothing). A "~" ends the group and the decoding: the stream is
// left just after it, so the ">" that follows is not read.
// Returns 0; -1 when a character outside "!".."u" was counted into a group, -2 when the last
// such character was a "z" inside a group; decoding goes on after either. A group whose value
// leaves 0 .. 4294967295 (above it, or below zero as a first character below "!" makes it)
// raises EIntOverflow ("Integer overflow") after the bytes of the groups before it are written.
// An input that ends without "~" is decoded to its end as if the marker followed: its last,
// incomplete group gives its k - 1 bytes; the result does not tell the difference.
int32_t DecodeASCII85(TStream& Input, TStream& Output);

}  // namespace zub
