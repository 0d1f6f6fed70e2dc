// Value types of the platform's graphics: colours, pen styles and horizontal text
// alignment. Plain values; nothing here draws.
#pragma once

#include <cstdint>

namespace zub {

// A colour: red in the low byte, then green, then blue ($00BBGGRR). A value whose top byte
// is not zero stands for one of the platform's system colours.
using TColor = uint32_t;

// The line styles of a pen, in the platform's order.
enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
  psUserStyle,
  psAlternate
};

// Horizontal alignment of text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace zub
