#include "dstruct/nearest_value.hpp"

#include <algorithm>
#include <cmath>

#include "foundation/ZUB_univconst.hpp"

namespace zub {

namespace {

template <typename T, typename Distance>
int32_t IndexOfNearest(std::span<const T> Arr, Distance distance) {
  Extended best = uc_MaxDouble;
  int32_t result = -1;
  const size_t n = std::min<size_t>(Arr.size(), INT32_MAX);
  for (size_t i = 0; i < n; ++i) {
    const Extended d = distance(Arr[i]);
    if (d < best) {
      best = d;
      result = static_cast<int32_t>(i);
    }
  }
  return result;
}

}  // namespace

int32_t IndexOfNearestArrayValue(double value, std::span<const double> Arr) {
  return IndexOfNearest(
      Arr, [value](double e) { return std::fabs(static_cast<Extended>(e) - static_cast<Extended>(value)); });
}

int32_t IndexOfNearestArrayValue(double value, std::initializer_list<double> Arr) {
  return IndexOfNearestArrayValue(value, std::span<const double>(Arr.begin(), Arr.size()));
}

int32_t IndexOfNearestArrayValue(int32_t value, std::span<const int32_t> Arr) {
  return IndexOfNearest(Arr, [value](int32_t e) {
    const int64_t d = int64_t{e} - int64_t{value};
    return static_cast<Extended>(d < 0 ? -d : d);
  });
}

int32_t IndexOfNearestArrayValue(int32_t value, std::initializer_list<int32_t> Arr) {
  return IndexOfNearestArrayValue(value, std::span<const int32_t>(Arr.begin(), Arr.size()));
}

}  // namespace zub
