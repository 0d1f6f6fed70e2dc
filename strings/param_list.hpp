// Parameter lists: arrays written as compact comma-separated texts ("[1,2,3]"), optionally
// cut after maxCount items with a "..." item, with or without brackets and a trailing ",".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// maxCount <= 0 (or not below the number of values) writes every value. No values give
// "[]" with brackets, "" without.
UnicodeString CreateParList(std::span<const int32_t> values, bool trailingComma, int32_t maxCount,
                            bool brackets);
UnicodeString CreateParList(std::initializer_list<int32_t> values, bool trailingComma, int32_t maxCount,
                            bool brackets);
// Items "TRUE" / "FALSE".
UnicodeString CreateParList(std::span<const bool> values, bool trailingComma, int32_t maxCount,
                            bool brackets);
UnicodeString CreateParList(std::initializer_list<bool> values, bool trailingComma, int32_t maxCount,
                            bool brackets);
UnicodeString CreateParList(std::span<const ByteBool> values, bool trailingComma, int32_t maxCount,
                            bool brackets);
// Items are colour names (ObtainColorName) with names, else 8 hex digits.
UnicodeString CreateParList(std::span<const TColor> values, bool trailingComma, int32_t maxCount,
                            bool brackets, bool names);
UnicodeString CreateParList(std::initializer_list<TColor> values, bool trailingComma, int32_t maxCount,
                            bool brackets, bool names);
// Items AutoFormatData(value, digits).
UnicodeString CreateParList(std::span<const double> values, bool trailingComma, int32_t maxCount,
                            int32_t digits, bool brackets);
UnicodeString CreateParList(std::initializer_list<double> values, bool trailingComma, int32_t maxCount,
                            int32_t digits, bool brackets);

}  // namespace zub
