// DrawRectangle and DrawFrame: rectangle outlines and 3-D frames drawn with the canvas's pen,
// for chart boxes and panels.
#pragma once

#include <cstdint>

#include "foundation/zubbase_types.hpp"
#include "host/visual/canvas.hpp"

namespace zub {

// The outline through (Left, Top), (Left, Bottom), (Right, Bottom), (Right, Top) and back,
// with the current pen: every corner is set, the pen position ends at (Left, Top). Unlike
// TCanvas::Rectangle, Right and Bottom lie on the outline.
void DrawRectangle(TCanvas& Canvas, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);

// A frame in Style. The colours: Color1 highlight, Color2 light, Color3 shadow, Color4 dark
// shadow, Color5 the line of fsSimple (drawn with DrawRectangle). The 3-D styles draw two
// nested bevels: the outer one from (Left, Bottom) up to (Left, Top) and across to
// (Right, Top) in one colour, then down to (Right, Bottom) and back to (Left, Bottom) in a
// second; the inner one a pixel further in, in a third and a fourth colour:
//   fsRaised   1, 4 / 2, 3        fsLowered  3, 1 / 4, 2
//   fsEmbossed 1, 3 / 3, 1        fsEngraved 3, 1 / 1, 3
// fsNone and a style value above fsEngraved draw nothing. The pen keeps the colour it drew
// with last (that of fsSimple's line or of the inner bevel's second half).
void DrawFrame(TCanvas& Canvas, TFrameStyle Style, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom,
               TColor Color1, TColor Color2, TColor Color3, TColor Color4, TColor Color5);

}  // namespace zub
