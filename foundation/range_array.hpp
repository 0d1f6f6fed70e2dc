// TRangeArray<T, Low, High>: a fixed array indexed Low .. High, so that a table documented
// as "months 1 to 12" or "codes 160 to 255" is indexed by exactly those numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zub {

template <typename T, int32_t Low, int32_t High>
struct TRangeArray {
  static_assert(Low <= High, "an empty range");
  static constexpr int32_t LowIndex = Low;
  static constexpr int32_t HighIndex = High;

  std::array<T, static_cast<size_t>(High - Low + 1)> Items;

  // Index must lie in Low .. High.
  constexpr const T& operator[](int32_t Index) const { return Items[static_cast<size_t>(Index - Low)]; }
  constexpr T& operator[](int32_t Index) { return Items[static_cast<size_t>(Index - Low)]; }
  static constexpr size_t size() { return static_cast<size_t>(High - Low + 1); }
  constexpr auto begin() const { return Items.begin(); }
  constexpr auto end() const { return Items.end(); }
};

}  // namespace zub
