// SHA-1 compression on the SHA extensions. Four rounds per SHA1RNDS4, with the message
// schedule grown four words at a time by SHA1MSG1, an xor and SHA1MSG2:
//   W[t..t+3] = msg2(msg1(W[t-16..t-13], W[t-12..t-9]) ^ W[t-8..t-5], W[t-4..t-1]),
// and the E of each group of four rounds derived by SHA1NEXTE from the A before the previous
// group. Everything lives in registers; nothing of the schedule is left in memory.
#include <cstdint>

#include "dstruct/internal/sha1_kernels.hpp"

#if defined(__x86_64__)
#include <immintrin.h>

#define ZUB_TARGET_SHA __attribute__((target("sha,ssse3,sse4.1")))

namespace zub::dstruct_internal {

namespace {

// Four rounds of the group G (0..19): its function and constant are those of G / 5.
template <int G>
ZUB_TARGET_SHA inline __m128i Rounds(__m128i abcd, __m128i e) {
  return _mm_sha1rnds4_epu32(abcd, e, G / 5);
}

}  // namespace

bool SHA1ShaNiBuilt() {
  return true;
}

ZUB_TARGET_SHA void SHA1BlocksShaNi(uint32_t* H, const uint8_t* Data, size_t NumBlocks) {
  const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
  // A in the top lane: H0 H1 H2 H3 read as lanes 0..3, then reversed.
  __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(H)), 0x1B);
  __m128i e0 = _mm_set_epi32(static_cast<int>(H[4]), 0, 0, 0);
  for (; NumBlocks > 0; --NumBlocks, Data += 64) {
    const __m128i abcdSave = abcd, eSave = e0;
    __m128i m0 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Data)), byteSwap);
    __m128i m1 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Data + 16)), byteSwap);
    __m128i m2 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Data + 32)), byteSwap);
    __m128i m3 = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(Data + 48)), byteSwap);

    // prev: ABCD before the group just run, whose A gives the next group's E.
    __m128i prev = abcd;
    abcd = Rounds<0>(abcd, _mm_add_epi32(e0, m0));
#define ZUB_SHA1_GROUP(G, M)                        \
  do {                                              \
    const __m128i e = _mm_sha1nexte_epu32(prev, M); \
    prev = abcd;                                    \
    abcd = Rounds<G>(abcd, e);                      \
  } while (0)
// The schedule for the next four words into A, from A (oldest), B, C and D (newest).
#define ZUB_SHA1_NEXT(A, B, C, D) A = _mm_sha1msg2_epu32(_mm_xor_si128(_mm_sha1msg1_epu32(A, B), C), D)
    ZUB_SHA1_GROUP(1, m1);
    ZUB_SHA1_GROUP(2, m2);
    ZUB_SHA1_GROUP(3, m3);
    ZUB_SHA1_NEXT(m0, m1, m2, m3);
    ZUB_SHA1_GROUP(4, m0);
    ZUB_SHA1_NEXT(m1, m2, m3, m0);
    ZUB_SHA1_GROUP(5, m1);
    ZUB_SHA1_NEXT(m2, m3, m0, m1);
    ZUB_SHA1_GROUP(6, m2);
    ZUB_SHA1_NEXT(m3, m0, m1, m2);
    ZUB_SHA1_GROUP(7, m3);
    ZUB_SHA1_NEXT(m0, m1, m2, m3);
    ZUB_SHA1_GROUP(8, m0);
    ZUB_SHA1_NEXT(m1, m2, m3, m0);
    ZUB_SHA1_GROUP(9, m1);
    ZUB_SHA1_NEXT(m2, m3, m0, m1);
    ZUB_SHA1_GROUP(10, m2);
    ZUB_SHA1_NEXT(m3, m0, m1, m2);
    ZUB_SHA1_GROUP(11, m3);
    ZUB_SHA1_NEXT(m0, m1, m2, m3);
    ZUB_SHA1_GROUP(12, m0);
    ZUB_SHA1_NEXT(m1, m2, m3, m0);
    ZUB_SHA1_GROUP(13, m1);
    ZUB_SHA1_NEXT(m2, m3, m0, m1);
    ZUB_SHA1_GROUP(14, m2);
    ZUB_SHA1_NEXT(m3, m0, m1, m2);
    ZUB_SHA1_GROUP(15, m3);
    ZUB_SHA1_NEXT(m0, m1, m2, m3);
    ZUB_SHA1_GROUP(16, m0);
    ZUB_SHA1_NEXT(m1, m2, m3, m0);
    ZUB_SHA1_GROUP(17, m1);
    ZUB_SHA1_NEXT(m2, m3, m0, m1);
    ZUB_SHA1_GROUP(18, m2);
    ZUB_SHA1_NEXT(m3, m0, m1, m2);
    ZUB_SHA1_GROUP(19, m3);
#undef ZUB_SHA1_NEXT
#undef ZUB_SHA1_GROUP
    // E after the block comes from the A before the last group.
    e0 = _mm_sha1nexte_epu32(prev, eSave);
    abcd = _mm_add_epi32(abcd, abcdSave);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(H), _mm_shuffle_epi32(abcd, 0x1B));
  H[4] = static_cast<uint32_t>(_mm_extract_epi32(e0, 3));
}

}  // namespace zub::dstruct_internal

#else

namespace zub::dstruct_internal {
bool SHA1ShaNiBuilt() {
  return false;
}
void SHA1BlocksShaNi(uint32_t* H, const uint8_t* Data, size_t NumBlocks) {
  SHA1BlocksPortable(H, Data, NumBlocks);
}
}  // namespace zub::dstruct_internal

#endif
