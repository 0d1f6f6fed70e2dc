// ColorToRGB: the plain red-green-blue value a colour is drawn in. System colours (top byte
// 0xFF, system colour index in the low byte) take the platform's standard desktop scheme,
// since this host has no desktop settings of its own to ask.
#pragma once

#include "host/graphics.hpp"

namespace zub {

// A colour with top byte 0 comes back unchanged. A system colour 0xFF0000nn gives the
// scheme's colour for index nn (0 scroll bar ... 30 menu bar; clBtnFace $F0F0F0); an index
// above 30 and any other top byte give the low 24 bits of the value.
TColor ColorToRGB(TColor Color);

}  // namespace zub
