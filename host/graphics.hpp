// Value types of the platform's graphics: colours and the standard colour constants, pen and
// brush styles, horizontal text alignment. Plain values; nothing here draws.
#pragma once

#include <cstdint>

namespace zub {

// A colour: red in the low byte, then green, then blue ($00BBGGRR). A value whose top byte
// is not zero stands for one of the platform's system colours.
using TColor = uint32_t;

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
// System colours: the top byte 0xFF and the index of the system colour below it.
inline constexpr TColor clBtnFace = 0xFF00000F, clBtnShadow = 0xFF000010, clBtnHighlight = 0xFF000014,
                        cl3DDkShadow = 0xFF000015, cl3DLight = 0xFF000016, clWindow = 0xFF000005,
                        clWindowText = 0xFF000008;

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

// The fill styles of a brush, in the platform's order. Canvases fill with bsSolid and leave
// the inside alone with bsClear; the hatch styles fill as bsSolid does.
enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// Horizontal alignment of text.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace zub
