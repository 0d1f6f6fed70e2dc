// IndexOfNearestArrayValue: the position of the array element nearest to a value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

namespace zub {

// The 0-based index of the first element with the smallest distance |element - value|,
// counting only distances below 1.7e308 (uc_MaxDouble): -1 for an empty array, or when no
// element is that near (NaN elements or values, infinities). The distance is taken in
// extended precision, so two doubles at opposite ends of the range still compare by their
// true distance. Only the first INT32_MAX elements are looked at.
int32_t IndexOfNearestArrayValue(double value, std::span<const double> Arr);
int32_t IndexOfNearestArrayValue(double value, std::initializer_list<double> Arr);

// The same for integers. The difference is computed in 64 bits, so it never overflows: the
// nearest element is found for every pair of 32-bit values.
int32_t IndexOfNearestArrayValue(int32_t value, std::span<const int32_t> Arr);
int32_t IndexOfNearestArrayValue(int32_t value, std::initializer_list<int32_t> Arr);

}  // namespace zub
