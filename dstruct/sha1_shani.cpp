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

    // Groups run in pairs of E registers (e0, e1 alternate as "the A before"), and the
    // schedule of later words is started a group or three ahead, so that SHA1MSG1, the xor
    // and SHA1MSG2 of a word overlap the rounds in front of it.
    __m128i e1;
    e0 = _mm_add_epi32(e0, m0);
    e1 = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e0, 0);
    e1 = _mm_sha1nexte_epu32(e1, m1);
    e0 = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e1, 0);
    m0 = _mm_sha1msg1_epu32(m0, m1);
    e0 = _mm_sha1nexte_epu32(e0, m2);
    e1 = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e0, 0);
    m1 = _mm_sha1msg1_epu32(m1, m2);
    m0 = _mm_xor_si128(m0, m2);
// One group of four rounds with function F, using word block A and moving the schedule on:
// B finished by msg2, C into msg1, D taking the xor. EA/EB: this group's E and the next's.
#define ZUB_SHA1_STEP(F, EA, EB, A, B, C, D) \
  EA = _mm_sha1nexte_epu32(EA, A);           \
  EB = abcd;                                 \
  B = _mm_sha1msg2_epu32(B, A);              \
  abcd = _mm_sha1rnds4_epu32(abcd, EA, F);   \
  D = _mm_sha1msg1_epu32(D, A);              \
  C = _mm_xor_si128(C, A);
    ZUB_SHA1_STEP(0, e1, e0, m3, m0, m1, m2);  // rounds 12..15
    ZUB_SHA1_STEP(0, e0, e1, m0, m1, m2, m3);  // 16..19
    ZUB_SHA1_STEP(1, e1, e0, m1, m2, m3, m0);  // 20..23
    ZUB_SHA1_STEP(1, e0, e1, m2, m3, m0, m1);
    ZUB_SHA1_STEP(1, e1, e0, m3, m0, m1, m2);
    ZUB_SHA1_STEP(1, e0, e1, m0, m1, m2, m3);
    ZUB_SHA1_STEP(1, e1, e0, m1, m2, m3, m0);  // 36..39
    ZUB_SHA1_STEP(2, e0, e1, m2, m3, m0, m1);  // 40..43
    ZUB_SHA1_STEP(2, e1, e0, m3, m0, m1, m2);
    ZUB_SHA1_STEP(2, e0, e1, m0, m1, m2, m3);
    ZUB_SHA1_STEP(2, e1, e0, m1, m2, m3, m0);
    ZUB_SHA1_STEP(2, e0, e1, m2, m3, m0, m1);  // 56..59
    ZUB_SHA1_STEP(3, e1, e0, m3, m0, m1, m2);  // 60..63
    ZUB_SHA1_STEP(3, e0, e1, m0, m1, m2, m3);
#undef ZUB_SHA1_STEP
    // 68..71: the last word to finish is m3.
    e1 = _mm_sha1nexte_epu32(e1, m1);
    e0 = abcd;
    m2 = _mm_sha1msg2_epu32(m2, m1);
    abcd = _mm_sha1rnds4_epu32(abcd, e1, 3);
    m3 = _mm_xor_si128(m3, m1);
    // 72..75
    e0 = _mm_sha1nexte_epu32(e0, m2);
    e1 = abcd;
    m3 = _mm_sha1msg2_epu32(m3, m2);
    abcd = _mm_sha1rnds4_epu32(abcd, e0, 3);
    // 76..79
    e1 = _mm_sha1nexte_epu32(e1, m3);
    e0 = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, e1, 3);
    e0 = _mm_sha1nexte_epu32(e0, eSave);
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
