#include "dstruct/combinatorics.hpp"

#include <algorithm>
#include <bitset>

namespace zub {

bool NextCombination(TCombination& C, int32_t MaxVal) {
  const int32_t k = C[0];
  if (k == 0 || MaxVal > 255) return false;
  for (int32_t i = 2; i <= k; ++i)
    if (C[static_cast<size_t>(i)] <= C[static_cast<size_t>(i - 1)]) return false;
  if (C[static_cast<size_t>(k)] > MaxVal) return false;
  // Valid input keeps every position i at or below MaxVal - k + i, so the step stays in 0..255.
  int32_t i = k;
  while (i >= 1 && C[static_cast<size_t>(i)] >= MaxVal - k + i) --i;
  if (i < 1) return false;
  ++C[static_cast<size_t>(i)];
  for (int32_t j = i + 1; j <= k; ++j)
    C[static_cast<size_t>(j)] = static_cast<uint8_t>(C[static_cast<size_t>(j - 1)] + 1);
  return true;
}

namespace {

bool IsPermutation(const TCombination& P) {
  const int32_t n = P[0];
  if (n == 0) return false;
  std::bitset<256> seen;
  for (int32_t i = 1; i <= n; ++i) {
    const uint8_t v = P[static_cast<size_t>(i)];
    if (v < 1 || v > n || seen[v]) return false;
    seen[v] = true;
  }
  return true;
}

}  // namespace

bool NextPermutation(TCombination& P) {
  if (!IsPermutation(P)) return false;
  const int32_t n = P[0];
  // Level a moves the value n + 1 - a among positions 1..a; positions 1..a hold exactly the
  // values n + 1 - a .. n. A level whose value stands at its right end hands the step to the
  // level below and, once that has stepped, brings its value round to position 1.
  const auto valueOf = [n](int32_t a) { return static_cast<uint8_t>(n + 1 - a); };
  int32_t a = n;
  while (a > 1 && P[static_cast<size_t>(a)] == valueOf(a)) --a;
  if (a == 1) return false;
  const auto first = P.begin() + 1;
  const auto i = std::find(first, first + a, valueOf(a));
  std::iter_swap(i, i + 1);
  for (int32_t level = a + 1; level <= n; ++level) {
    std::rotate(first, first + (level - 1), first + level);
  }
  return true;
}

}  // namespace zub
