// NextCombination and NextPermutation on arbitrary arrays: the first byte picks MaxVal
// (0 .. 255, or one above the range), the next 256 are the array. A step either refuses the
// array and leaves it as it was, or gives a valid successor: strictly increasing values up to
// MaxVal that are lexicographically greater, or a permutation of 1..n again.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int32_t maxVal = data[0] == 255 ? 256 : data[0];
  zub::TCombination c{};
  std::memcpy(c.data(), data + 1, std::min<size_t>(size - 1, c.size()));
  const zub::TCombination before = c;
  const size_t k = c[0];
  if (zub::NextCombination(c, maxVal)) {
    for (size_t i = 1; i <= k; ++i)
      if ((i > 1 && c[i] <= c[i - 1]) || c[i] > maxVal) std::abort();
    if (!std::lexicographical_compare(before.begin() + 1, before.begin() + 1 + k, c.begin() + 1,
                                      c.begin() + 1 + k))
      std::abort();
    if (!std::equal(c.begin() + 1 + k, c.end(), before.begin() + 1 + k)) std::abort();
  } else if (c != before) {
    std::abort();
  }
  zub::TCombination p = before;
  if (zub::NextPermutation(p)) {
    std::bitset<256> seen;
    for (size_t i = 1; i <= p[0]; ++i) {
      if (p[i] < 1 || p[i] > p[0] || seen[p[i]]) std::abort();
      seen[p[i]] = true;
    }
    if (p == before) std::abort();
  } else if (p != before) {
    std::abort();
  }
  return 0;
}
