// Counting bytes and line ends in memory, sixteen bytes at a time where the processor allows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zub {

// How many of the N bytes at P equal B.
size_t CountByte(const uint8_t* P, size_t N, uint8_t B);
// How many line ends the N bytes at P hold, a CR LF pair counting once: LF bytes plus CR
// bytes not followed by LF inside the range. A CR in the last byte counts; the caller
// that reads on sees whether an LF follows it.
size_t CountLineEnds(const uint8_t* P, size_t N);

}  // namespace zub
