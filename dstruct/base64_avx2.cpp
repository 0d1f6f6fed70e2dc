// Base64 on 256-bit registers. Encoding takes 24 bytes a step: each 128-bit half gets 12 of
// them, spread to four bytes per group, the four 6-bit fields moved into place by a multiply
// each, and mapped to characters by one table look-up of an offset per field. A 45-byte line
// is two overlapping steps (bytes 0..23 and 21..44, characters 0..31 and 28..59). Decoding
// checks 32 characters against the alphabet's ranges, maps them to values by an offset chosen
// from their high nibble, and packs each four 6-bit values into three bytes.
#include <cstdint>

#include "dstruct/internal/base64_kernels.hpp"

#if defined(__x86_64__)
#include <immintrin.h>

#include <cstring>

#define ZUB_TARGET_AVX2 __attribute__((target("avx2")))

namespace zub::dstruct_internal {

namespace {

// 32 characters for the 24 bytes at In; reads In[0..27].
ZUB_TARGET_AVX2 inline __m256i Encode24(const uint8_t* In) {
  const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(In));
  const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(In + 12));
  __m256i v = _mm256_inserti128_si256(_mm256_castsi128_si256(lo), hi, 1);
  // Per group b0 b1 b2 the bytes b1 b0 b2 b1: the two 16-bit halves hold b0b1 and b1b2.
  v = _mm256_shuffle_epi8(v, _mm256_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10, 1, 0, 2, 1,
                                              4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10));
  const __m256i f02 =
      _mm256_mulhi_epu16(_mm256_and_si256(v, _mm256_set1_epi32(0x0FC0FC00)), _mm256_set1_epi32(0x04000040));
  const __m256i f13 =
      _mm256_mullo_epi16(_mm256_and_si256(v, _mm256_set1_epi32(0x003F03F0)), _mm256_set1_epi32(0x01000010));
  const __m256i idx = _mm256_or_si256(f02, f13);
  // Offset classes: 0 for a..z (26..51), 1..10 for 0..9, 11 for +, 12 for /, 13 for A..Z.
  __m256i cls = _mm256_subs_epu8(idx, _mm256_set1_epi8(51));
  cls = _mm256_or_si256(cls,
                        _mm256_and_si256(_mm256_cmpgt_epi8(_mm256_set1_epi8(26), idx), _mm256_set1_epi8(13)));
  const __m256i offsets = _mm256_setr_epi8(
      'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
      '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0, 'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
      '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62, '/' - 63, 'A', 0, 0);
  return _mm256_add_epi8(_mm256_shuffle_epi8(offsets, cls), idx);
}

ZUB_TARGET_AVX2 inline void Store(uint8_t* Out, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(Out), v);
}

// Bytes of v in [Lo, Hi] as all-ones.
ZUB_TARGET_AVX2 inline __m256i InRange(__m256i v, char Lo, char Hi) {
  const __m256i t = _mm256_sub_epi8(v, _mm256_set1_epi8(Lo));
  return _mm256_cmpeq_epi8(_mm256_min_epu8(t, _mm256_set1_epi8(static_cast<char>(Hi - Lo))), t);
}

}  // namespace

bool Base64Avx2Built() {
  return true;
}

ZUB_TARGET_AVX2 void Base64EncodeLinesAvx2(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks) {
  if (NumLines == 0) return;
  // The second step of a line reads 4 bytes past it, so the last line ends in portable code.
  for (; NumLines > 1; --NumLines, In += 45) {
    const __m256i a = Encode24(In), b = Encode24(In + 21);
    Store(Out, a);
    Store(Out + 28, b);
    Out += 60;
    if (Breaks) *Out++ = '\r', *Out++ = '\n';
  }
  Base64EncodeLinesPortable(In, 1, Out, Breaks);
}

// The 24 bytes of 32 alphabet characters (valid: which characters are in the alphabet).
struct Decoded32 {
  __m256i bytes;  // in the low 24 bytes
  uint32_t valid;
};

ZUB_TARGET_AVX2 inline Decoded32 Decode32(const uint8_t* In) {
  const __m256i roll = _mm256_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 19,
                                        4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
  const __m256i pack = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, 2, 1, 0, 6, 5,
                                        4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(In));
  const __m256i valid = _mm256_or_si256(
      _mm256_or_si256(InRange(v, 'A', 'Z'), InRange(v, 'a', 'z')),
      _mm256_or_si256(InRange(v, '0', '9'), _mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('+')),
                                                            _mm256_cmpeq_epi8(v, _mm256_set1_epi8('/')))));
  // '/' is the one character of high nibble 2 with the offset of index 1.
  const __m256i hiNibble = _mm256_and_si256(_mm256_srli_epi32(v, 4), _mm256_set1_epi8(0x0F));
  const __m256i index = _mm256_add_epi8(hiNibble, _mm256_cmpeq_epi8(v, _mm256_set1_epi8('/')));
  const __m256i values = _mm256_add_epi8(v, _mm256_shuffle_epi8(roll, index));
  // Four 6-bit values to 24 bits: v0 v1 into 12 bits, v2 v3 likewise, then both together.
  __m256i bits = _mm256_maddubs_epi16(values, _mm256_set1_epi32(0x01400140));
  bits = _mm256_madd_epi16(bits, _mm256_set1_epi32(0x00011000));
  bits = _mm256_shuffle_epi8(bits, pack);
  bits = _mm256_permutevar8x32_epi32(bits, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
  return {bits, static_cast<uint32_t>(_mm256_movemask_epi8(valid))};
}

ZUB_TARGET_AVX2 size_t Base64DecodeRunAvx2(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced) {
  size_t done = 0, out = 0;
  while (Count - done >= 32) {
    // The encoder's own lines, 60 characters and CR LF (or LF), go whole: two overlapping
    // steps (characters 0..31 and 28..59). The step to the next line is a constant taken on
    // a predicted branch, so the next line's loads do not wait for this line's end bytes.
    if (Count - done >= 62) {
      uint16_t end;
      std::memcpy(&end, In + done + 60, 2);
      const bool crlf = end == ('\r' | '\n' << 8);
      if (__builtin_expect(crlf, 1) || In[done + 60] == '\n') {
        const Decoded32 a = Decode32(In + done), b = Decode32(In + done + 28);
        if ((a.valid & b.valid) == 0xFFFFFFFFu) {
          Store(Out + out, a.bytes);
          Store(Out + out + 21, b.bytes);
          out += 45;
          if (__builtin_expect(crlf, 1)) {
            done += 62;
            continue;
          }
          done += 61;
          continue;
        }
      }
    }
    const Decoded32 d = Decode32(In + done);
    Store(Out + out, d.bytes);
    if (d.valid == 0xFFFFFFFFu) {
      done += 32;
      out += 24;
      continue;
    }
    // The groups before the first other character are kept; line ends between groups are
    // stepped over, anything else ends the run.
    const auto first = static_cast<size_t>(__builtin_ctz(~d.valid));
    done += first / 4 * 4;
    out += first / 4 * 3;
    if (first % 4 != 0) break;
    const size_t from = done;
    while (done < Count && (In[done] == '\r' || In[done] == '\n')) ++done;
    if (done == from) break;
  }
  size_t tail = 0;
  done += Base64DecodeRunPortable(In + done, Count - done, Out + out, tail);
  Produced = out + tail;
  return done;
}

}  // namespace zub::dstruct_internal

#else

namespace zub::dstruct_internal {
bool Base64Avx2Built() {
  return false;
}
void Base64EncodeLinesAvx2(const uint8_t* In, size_t NumLines, uint8_t* Out, bool Breaks) {
  Base64EncodeLinesPortable(In, NumLines, Out, Breaks);
}
size_t Base64DecodeRunAvx2(const uint8_t* In, size_t Count, uint8_t* Out, size_t& Produced) {
  return Base64DecodeRunPortable(In, Count, Out, Produced);
}
}  // namespace zub::dstruct_internal

#endif
