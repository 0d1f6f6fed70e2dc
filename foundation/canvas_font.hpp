// FontIsTrueType and SetCanvasFontSizeScaled: checking that a font is installed with
// TrueType outlines, and sizing a canvas's font in points of the screen.
#pragma once

#include <cstdint>

#include "host/unicode.hpp"
#include "host/visual/canvas.hpp"

namespace zub {

// Whether the installed font family Name (ASCII case ignored) has TrueType outlines, as the
// text metrics of a canvas with that font report them (TMPF_TRUETYPE; OpenType fonts with
// PostScript outlines and Type 1 fonts are not TrueType). Raises EZUBError
// 'Font "Name" is not installed' when no installed font carries the name
// (Screen().Fonts()).
bool FontIsTrueType(const UnicodeString& Name);

// Sets the canvas font's size to Size points as measured on the screen: on a canvas whose
// font has the screen's pixel density it is a plain SetSize; on any other (a printer page)
// the height in pixels is computed at the screen's density, and the font keeps its own
// density. The screen's density is Screen().PixelsPerInch(): 96 unless set otherwise.
void SetCanvasFontSizeScaled(TCanvas& Canvas, int32_t Size);

}  // namespace zub
