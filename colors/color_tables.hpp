// Ready-made key-colour scales and the platform's predefined colour constants.
#pragma once

#include <array>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

extern const std::array<TColor, 11> ColorArray_Rainbow;
extern const std::array<TColor, 11> ColorArray_Geo1;
extern const std::array<TColor, 11> ColorArray_Geo2;
extern const std::array<TColor, 11> ColorArray_Geo3;
extern const std::array<TColor, 7> ColorArray_Circle;
extern const std::array<TColor, 7> ColorArray_MorgenStemning;
extern const std::array<TColor, 16> ColorArray_Contrast;

// The sixteen basic colours, four more platform colours, then 27 system colour references
// ($FF000000 + index), the default-colour marker $20000000 and the no-colour marker $1FFFFFFF.
extern const std::array<TColor, 47> PredefinedColors;

}  // namespace zub
