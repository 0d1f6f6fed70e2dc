// CRC folding with carry-less multiplication. The message is taken 16 bytes at a time as a
// polynomial over GF(2); a 128-bit accumulator D bits ahead of a block is multiplied into that
// block's place by two constants, x^(D+64) and x^D modulo the CRC polynomial (adjusted for the
// bit order), and added to it. The value left at the end is congruent to the whole message, so
// its 16 bytes run through the table kernel give the register. The register itself enters by
// being added to the first bytes of the message.
#include <cstdint>

#include "dstruct/internal/crc_kernels.hpp"

#if defined(__x86_64__)
#include <immintrin.h>

#define ZUB_TARGET_CLMUL __attribute__((target("pclmul,ssse3,sse4.1")))
#define ZUB_TARGET_VPCLMUL __attribute__((target("vpclmulqdq,avx2,pclmul,ssse3,sse4.1")))

namespace zub::dstruct_internal {

namespace {

// x^n modulo Poly (Poly with its top bit x^Degree), bit d the coefficient of x^d.
constexpr uint64_t XPowMod(unsigned n, uint64_t Poly, unsigned Degree) {
  uint64_t r = 1;
  for (unsigned i = 0; i < n; ++i) {
    r <<= 1;
    if (((r >> Degree) & 1) != 0) r ^= Poly;
  }
  return r;
}

constexpr uint64_t Reflect64(uint64_t v) {
  uint64_t r = 0;
  for (int i = 0; i < 64; ++i)
    if (((v >> i) & 1) != 0) r |= uint64_t{1} << (63 - i);
  return r;
}

// The multipliers of the low and the high 64 bits of an accumulator D bits ahead.
struct FoldConstants {
  uint64_t lo, hi;
};

// CRC-32 is reflected: bit i of a loaded block is the coefficient of x^(127-i), and a
// carry-less product of two such values comes out one place short, hence D-1 and D+63.
constexpr uint64_t kPoly32 = 0x104C11DB7;
constexpr FoldConstants Fold32(unsigned D) {
  return {Reflect64(XPowMod(D + 63, kPoly32, 32)), Reflect64(XPowMod(D - 1, kPoly32, 32))};
}

// CRC-16 is taken most significant bit first: blocks are byte-reversed on loading, so that
// bit i is the coefficient of x^i, and the products need no correction.
constexpr uint64_t kPoly16 = 0x11021;
constexpr FoldConstants Fold16(unsigned D) {
  return {XPowMod(D, kPoly16, 16), XPowMod(D + 64, kPoly16, 16)};
}

ZUB_TARGET_CLMUL inline __m128i K128(FoldConstants k) {
  return _mm_set_epi64x(static_cast<long long>(k.hi), static_cast<long long>(k.lo));
}

ZUB_TARGET_CLMUL inline __m128i Fold(__m128i x, __m128i k) {
  return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

ZUB_TARGET_CLMUL inline __m128i Load(const uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

ZUB_TARGET_CLMUL inline __m128i ByteReverse() {
  return _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
}

template <bool Reverse>
ZUB_TARGET_CLMUL inline __m128i LoadBlock(const uint8_t* p) {
  __m128i b = Load(p);
  if constexpr (Reverse) b = _mm_shuffle_epi8(b, ByteReverse());
  return b;
}

ZUB_TARGET_VPCLMUL inline __m256i K256(FoldConstants k) {
  const auto lo = static_cast<long long>(k.lo), hi = static_cast<long long>(k.hi);
  return _mm256_set_epi64x(hi, lo, hi, lo);
}

ZUB_TARGET_VPCLMUL inline __m256i Fold(__m256i x, __m256i k) {
  return _mm256_xor_si256(_mm256_clmulepi64_epi128(x, k, 0x00), _mm256_clmulepi64_epi128(x, k, 0x11));
}

template <bool Reverse>
ZUB_TARGET_VPCLMUL inline __m256i LoadBlock256(const uint8_t* p) {
  __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  if constexpr (Reverse) b = _mm256_shuffle_epi8(b, _mm256_broadcastsi128_si256(ByteReverse()));
  return b;
}

// The 16-byte blocks left after the wide loops, then the tail through the tables. Reverse
// gives the byte order of the loads (as stored for CRC-32, reversed for CRC-16).
template <typename Reg, Reg (*Slice)(Reg, const uint8_t*, size_t), bool Reverse>
ZUB_TARGET_CLMUL Reg Finish(__m128i x, __m128i k128, const uint8_t* p, size_t n) {
  for (; n >= 16; n -= 16, p += 16) x = _mm_xor_si128(Fold(x, k128), LoadBlock<Reverse>(p));
  if constexpr (Reverse) x = _mm_shuffle_epi8(x, ByteReverse());
  alignas(16) uint8_t rest[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(rest), x);
  return Slice(Slice(0, rest, 16), p, n);
}

// Four 128-bit accumulators, 64 bytes a round. Start is the register placed in the first block.
template <typename Reg, Reg (*Slice)(Reg, const uint8_t*, size_t), bool Reverse>
ZUB_TARGET_CLMUL Reg Fold128(__m128i start, FoldConstants k512c, FoldConstants k128c, const uint8_t* p,
                             size_t n) {
  const __m128i k512 = K128(k512c), k128 = K128(k128c);
  __m128i a0 = _mm_xor_si128(LoadBlock<Reverse>(p), start), a1 = LoadBlock<Reverse>(p + 16),
          a2 = LoadBlock<Reverse>(p + 32), a3 = LoadBlock<Reverse>(p + 48);
  p += 64;
  n -= 64;
  for (; n >= 64; n -= 64, p += 64) {
    a0 = _mm_xor_si128(Fold(a0, k512), LoadBlock<Reverse>(p));
    a1 = _mm_xor_si128(Fold(a1, k512), LoadBlock<Reverse>(p + 16));
    a2 = _mm_xor_si128(Fold(a2, k512), LoadBlock<Reverse>(p + 32));
    a3 = _mm_xor_si128(Fold(a3, k512), LoadBlock<Reverse>(p + 48));
  }
  __m128i x = _mm_xor_si128(Fold(a0, k128), a1);
  x = _mm_xor_si128(Fold(x, k128), a2);
  x = _mm_xor_si128(Fold(x, k128), a3);
  return Finish<Reg, Slice, Reverse>(x, k128, p, n);
}

// Four 256-bit accumulators, 128 bytes a round; each 128-bit half folds on its own.
template <typename Reg, Reg (*Slice)(Reg, const uint8_t*, size_t), bool Reverse>
ZUB_TARGET_VPCLMUL Reg Fold256(__m256i start, FoldConstants k1024c, FoldConstants k128c, const uint8_t* p,
                               size_t n) {
  const __m256i k1024 = K256(k1024c);
  const __m128i k128 = K128(k128c);
  __m256i a0 = _mm256_xor_si256(LoadBlock256<Reverse>(p), start), a1 = LoadBlock256<Reverse>(p + 32),
          a2 = LoadBlock256<Reverse>(p + 64), a3 = LoadBlock256<Reverse>(p + 96);
  p += 128;
  n -= 128;
  for (; n >= 128; n -= 128, p += 128) {
    a0 = _mm256_xor_si256(Fold(a0, k1024), LoadBlock256<Reverse>(p));
    a1 = _mm256_xor_si256(Fold(a1, k1024), LoadBlock256<Reverse>(p + 32));
    a2 = _mm256_xor_si256(Fold(a2, k1024), LoadBlock256<Reverse>(p + 64));
    a3 = _mm256_xor_si256(Fold(a3, k1024), LoadBlock256<Reverse>(p + 96));
  }
  const __m128i lanes[8] = {_mm256_castsi256_si128(a0), _mm256_extracti128_si256(a0, 1),
                            _mm256_castsi256_si128(a1), _mm256_extracti128_si256(a1, 1),
                            _mm256_castsi256_si128(a2), _mm256_extracti128_si256(a2, 1),
                            _mm256_castsi256_si128(a3), _mm256_extracti128_si256(a3, 1)};
  __m128i x = lanes[0];
  for (int i = 1; i < 8; ++i) x = _mm_xor_si128(Fold(x, k128), lanes[i]);
  return Finish<Reg, Slice, Reverse>(x, k128, p, n);
}

constexpr FoldConstants k32By128 = Fold32(128), k32By512 = Fold32(512), k32By1024 = Fold32(1024);
constexpr FoldConstants k16By128 = Fold16(128), k16By512 = Fold16(512), k16By1024 = Fold16(1024);

constexpr size_t kMin128 = 128;  // below this the tables are as fast
constexpr size_t kMin256 = 512;

}  // namespace

bool CRCFoldingBuilt() {
  return true;
}

ZUB_TARGET_CLMUL uint32_t CRC32Clmul(uint32_t Crc, const uint8_t* Data, size_t Count) {
  if (Count < kMin128) return CRC32Slice8(Crc, Data, Count);
  return Fold128<uint32_t, CRC32Slice8, false>(_mm_cvtsi32_si128(static_cast<int>(Crc)), k32By512, k32By128,
                                               Data, Count);
}

ZUB_TARGET_CLMUL uint16_t CRC16Clmul(uint16_t Crc, const uint8_t* Data, size_t Count) {
  if (Count < kMin128) return CRC16Slice8(Crc, Data, Count);
  // The register meets the first two bytes, the top 16 bits of the reversed block.
  return Fold128<uint16_t, CRC16Slice8, true>(_mm_set_epi64x(static_cast<long long>(uint64_t{Crc} << 48), 0),
                                              k16By512, k16By128, Data, Count);
}

ZUB_TARGET_VPCLMUL uint32_t CRC32Vpclmul(uint32_t Crc, const uint8_t* Data, size_t Count) {
  if (Count < kMin256) return CRC32Clmul(Crc, Data, Count);
  return Fold256<uint32_t, CRC32Slice8, false>(_mm256_setr_epi32(static_cast<int>(Crc), 0, 0, 0, 0, 0, 0, 0),
                                               k32By1024, k32By128, Data, Count);
}

ZUB_TARGET_VPCLMUL uint16_t CRC16Vpclmul(uint16_t Crc, const uint8_t* Data, size_t Count) {
  if (Count < kMin256) return CRC16Clmul(Crc, Data, Count);
  return Fold256<uint16_t, CRC16Slice8, true>(
      _mm256_set_epi64x(0, 0, static_cast<long long>(uint64_t{Crc} << 48), 0), k16By1024, k16By128, Data,
      Count);
}

}  // namespace zub::dstruct_internal

#else  // not x86-64: the portable kernels stand in, and are never selected in their place.

namespace zub::dstruct_internal {
bool CRCFoldingBuilt() {
  return false;
}
uint32_t CRC32Clmul(uint32_t Crc, const uint8_t* Data, size_t Count) {
  return CRC32Slice8(Crc, Data, Count);
}
uint16_t CRC16Clmul(uint16_t Crc, const uint8_t* Data, size_t Count) {
  return CRC16Slice8(Crc, Data, Count);
}
uint32_t CRC32Vpclmul(uint32_t Crc, const uint8_t* Data, size_t Count) {
  return CRC32Slice8(Crc, Data, Count);
}
uint16_t CRC16Vpclmul(uint16_t Crc, const uint8_t* Data, size_t Count) {
  return CRC16Slice8(Crc, Data, Count);
}
}  // namespace zub::dstruct_internal

#endif
