// Counting, selecting and listing the bits of a byte range, least significant bit of byte 0
// first, 64 bits at a time. The population counts run on the processor's POPCNT instruction
// where it has one; the portable kernels are always built and tested against it.
#pragma once

#include <cstdint>

namespace zub::dstruct_internal {

struct BitKernels {
  // The number of one bits among bits 0 .. NBits - 1 of P.
  int64_t (*CountOnes)(const uint8_t* P, int64_t NBits);
  // The index of the (Rank + 1)-th bit equal to State among bits 0 .. NBits - 1; -1 when
  // there are not that many.
  int64_t (*SelectBit)(const uint8_t* P, int64_t NBits, bool State, int64_t Rank);
};

const BitKernels& PortableBitKernels();
// The fastest kernels this processor runs, chosen at the first call.
const BitKernels& BitKernelsForCpu();

// The lowest one bit among bits 0 .. NBits - 1 of P; -1 when there is none.
int64_t FindFirstOne(const uint8_t* P, int64_t NBits);
// Writes the ascending indices of the bits equal to State among bits 0 .. NBits - 1 of P to
// Out, which has room for all of them; returns their number.
int64_t ListBits(const uint8_t* P, int64_t NBits, bool State, int32_t* Out);

}  // namespace zub::dstruct_internal
