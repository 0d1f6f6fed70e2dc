#include "dstruct/internal/bit_kernels.hpp"

#include <bit>
#include <cstring>

#include "dstruct/internal/cpu_features.hpp"

namespace zub::dstruct_internal {

namespace {

// The 64 bits at P, bit 0 of byte 0 as bit 0.
inline uint64_t Word(const uint8_t* P) {
  uint64_t w;
  std::memcpy(&w, P, sizeof w);
  if constexpr (std::endian::native == std::endian::big) {
    uint64_t r = 0;
    for (int i = 0; i < 8; ++i) r |= ((w >> (8 * i)) & 0xFF) << (8 * (7 - i));
    w = r;
  }
  return w;
}

// Bits 0 .. Bits - 1 (1..63) at P, the bits above cleared; reads only the bytes they are in.
inline uint64_t TailWord(const uint8_t* P, int64_t Bits) {
  uint64_t w = 0;
  const int64_t bytes = (Bits + 7) / 8;
  for (int64_t i = 0; i < bytes; ++i) w |= uint64_t{P[i]} << (8 * i);
  return w & ((uint64_t{1} << Bits) - 1);
}

inline uint64_t Matching(uint64_t w, bool State) {
  return State ? w : ~w;
}

// The position of the (Rank + 1)-th one bit of w, which has more than Rank of them.
inline int64_t SelectInWord(uint64_t w, int64_t Rank) {
  for (; Rank > 0; --Rank) w &= w - 1;
  return std::countr_zero(w);
}

// The bodies are inlined into each kernel, so std::popcount compiles to the instruction set
// of the kernel it lands in.
__attribute__((always_inline)) inline int64_t CountOnesBody(const uint8_t* P, int64_t NBits) {
  const int64_t words = NBits / 64;
  int64_t s0 = 0, s1 = 0, s2 = 0, s3 = 0, i = 0;
  for (; i + 4 <= words; i += 4) {
    s0 += std::popcount(Word(P + 8 * i));
    s1 += std::popcount(Word(P + 8 * i + 8));
    s2 += std::popcount(Word(P + 8 * i + 16));
    s3 += std::popcount(Word(P + 8 * i + 24));
  }
  for (; i < words; ++i) s0 += std::popcount(Word(P + 8 * i));
  if (NBits % 64 != 0) s1 += std::popcount(TailWord(P + 8 * words, NBits % 64));
  return s0 + s1 + s2 + s3;
}

__attribute__((always_inline)) inline int64_t SelectBitBody(const uint8_t* P, int64_t NBits, bool State,
                                                            int64_t Rank) {
  if (Rank < 0) return -1;
  const int64_t words = NBits / 64;
  int64_t i = 0;
  // Whole blocks of 8 words first, then the word, then the bit.
  for (; i + 8 <= words; i += 8) {
    int64_t c = 0;
    for (int k = 0; k < 8; ++k) c += std::popcount(Matching(Word(P + 8 * (i + k)), State));
    if (Rank < c) break;
    Rank -= c;
  }
  for (; i < words; ++i) {
    const uint64_t w = Matching(Word(P + 8 * i), State);
    const int64_t c = std::popcount(w);
    if (Rank < c) return 64 * i + SelectInWord(w, Rank);
    Rank -= c;
  }
  const int64_t tail = NBits % 64;
  if (tail == 0) return -1;
  const uint64_t w = Matching(TailWord(P + 8 * words, tail), State) & ((uint64_t{1} << tail) - 1);
  if (Rank < std::popcount(w)) return 64 * words + SelectInWord(w, Rank);
  return -1;
}

int64_t CountOnesPortable(const uint8_t* P, int64_t NBits) {
  return CountOnesBody(P, NBits);
}
int64_t SelectBitPortable(const uint8_t* P, int64_t NBits, bool State, int64_t Rank) {
  return SelectBitBody(P, NBits, State, Rank);
}

#if defined(__x86_64__) || defined(__i386__)
#define ZUB_HAVE_POPCNT_KERNELS 1
__attribute__((target("popcnt"))) int64_t CountOnesPopcnt(const uint8_t* P, int64_t NBits) {
  return CountOnesBody(P, NBits);
}
__attribute__((target("popcnt"))) int64_t SelectBitPopcnt(const uint8_t* P, int64_t NBits, bool State,
                                                          int64_t Rank) {
  return SelectBitBody(P, NBits, State, Rank);
}
#endif

}  // namespace

const BitKernels& PortableBitKernels() {
  static const BitKernels k{CountOnesPortable, SelectBitPortable};
  return k;
}

const BitKernels& BitKernelsForCpu() {
#ifdef ZUB_HAVE_POPCNT_KERNELS
  static const BitKernels popcnt{CountOnesPopcnt, SelectBitPopcnt};
  if (Cpu().popcnt) return popcnt;
#endif
  return PortableBitKernels();
}

int64_t FindFirstOne(const uint8_t* P, int64_t NBits) {
  const int64_t words = NBits / 64;
  int64_t i = 0;
  // A 64-byte line at a time until one holds a set bit.
  for (; i + 8 <= words; i += 8) {
    uint64_t any = 0;
    for (int k = 0; k < 8; ++k) any |= Word(P + 8 * (i + k));
    if (any != 0) break;
  }
  for (; i < words; ++i)
    if (const uint64_t w = Word(P + 8 * i); w != 0) return 64 * i + std::countr_zero(w);
  if (NBits % 64 != 0)
    if (const uint64_t w = TailWord(P + 8 * words, NBits % 64); w != 0)
      return 64 * words + std::countr_zero(w);
  return -1;
}

int64_t ListBits(const uint8_t* P, int64_t NBits, bool State, int32_t* Out) {
  int32_t* const start = Out;
  const auto emit = [&Out](uint64_t w, int64_t base) {
    while (w != 0) {
      *Out++ = static_cast<int32_t>(base + std::countr_zero(w));
      w &= w - 1;
    }
  };
  const int64_t words = NBits / 64;
  for (int64_t i = 0; i < words; ++i) emit(Matching(Word(P + 8 * i), State), 64 * i);
  if (const int64_t tail = NBits % 64; tail != 0)
    emit(Matching(TailWord(P + 8 * words, tail), State) & ((uint64_t{1} << tail) - 1), 64 * words);
  return Out - start;
}

}  // namespace zub::dstruct_internal
