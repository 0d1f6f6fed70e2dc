// The named colours (AllZUBColors with AllZUBColorNames, 466 rows), the X11 set, and
// ObtainColorName.
#pragma once

#include <array>
#include <string_view>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

extern const std::array<TColor, 466> AllZUBColors;
// Names without a "cl" prefix, parallel to AllZUBColors. A string table of the unit:
// emptied when the unit is finalised for the last time, filled again on a new load.
extern std::array<std::u16string_view, 466> AllZUBColorNames;
// The 145 X11 colours in alphabetical order of their names (SkyBlue is $F0CAA6).
extern const std::array<TColor, 145> X11Colors;

// The name of the first row holding exactly Color (all 32 bits), or "$" and its 8 hex
// digits when none does; with flag, "$" + digits + " (cl" + name + ")". System colours
// (top byte set) never have a name.
UnicodeString ObtainColorName(TColor Color, bool flag);
UnicodeString ObtainColorName(TColor Color);

// Unit lifecycle of the name table.
void ReleaseColorNames();
void FillColorNames();

}  // namespace zub
