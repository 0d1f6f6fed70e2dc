#include "host/byte_count.hpp"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zub {

namespace {

#if defined(__SSE2__)
// Adds the 16 lane counters (each at most 255) into one number.
size_t SumLanes(__m128i acc) {
  const __m128i sums = _mm_sad_epu8(acc, _mm_setzero_si128());
  return static_cast<size_t>(_mm_cvtsi128_si32(sums)) + static_cast<size_t>(_mm_extract_epi16(sums, 4));
}
// A lane counter takes at most one per block, so 255 blocks cannot overflow it.
constexpr size_t kBlocksPerSum = 255;
#endif

}  // namespace

size_t CountByte(const uint8_t* P, size_t N, uint8_t B) {
  size_t count = 0, i = 0;
#if defined(__SSE2__)
  const __m128i want = _mm_set1_epi8(static_cast<char>(B));
  while (N - i >= 16) {
    const size_t blocks = std::min((N - i) / 16, kBlocksPerSum);
    __m128i acc = _mm_setzero_si128();
    for (size_t k = 0; k < blocks; ++k, i += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + i));
      acc = _mm_sub_epi8(acc, _mm_cmpeq_epi8(v, want));  // a match is -1
    }
    count += SumLanes(acc);
  }
#endif
  for (; i < N; ++i) count += P[i] == B;
  return count;
}

size_t CountLineEnds(const uint8_t* P, size_t N) {
  size_t count = 0, i = 0;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
  // Each block also looks at the byte behind it, so one byte is left for the plain loop.
  while (N - i >= 17) {
    const size_t blocks = std::min((N - i - 1) / 16, kBlocksPerSum);
    __m128i acc = _mm_setzero_si128();
    for (size_t k = 0; k < blocks; ++k, i += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + i));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P + i + 1));
      const __m128i isCr = _mm_cmpeq_epi8(v, cr);
      const __m128i pair = _mm_and_si128(isCr, _mm_cmpeq_epi8(next, lf));
      // +1 for LF, +1 for CR, -1 for a CR that an LF follows.
      acc = _mm_add_epi8(_mm_sub_epi8(_mm_sub_epi8(acc, _mm_cmpeq_epi8(v, lf)), isCr), pair);
    }
    count += SumLanes(acc);
  }
#endif
  for (; i < N; ++i) count += P[i] == '\n' || (P[i] == '\r' && (i + 1 == N || P[i + 1] != '\n'));
  return count;
}

}  // namespace zub
