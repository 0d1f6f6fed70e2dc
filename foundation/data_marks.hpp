// Data-point marks: 52 numbered shapes of up to 9 x 9 pixels and character marks, drawn
// centred on a point of a canvas, or rendered into a bitmap of their own.
#pragma once

#include <cstdint>
#include <memory>

#include "host/visual/bitmap.hpp"
#include "host/visual/canvas.hpp"

namespace zub {

// Draws mark Mark centred on (X, Y) in the pen's colour.
//
// Marks 0 to 51 are shapes: 0 the pixel, 1-3 plus signs, 4-6 diagonal crosses, 7-9 filled
// squares, 10-12 open squares, 13 a diamond with its centre, 14-15 filled diamonds, 16-17
// open circles, 18 a 7 x 7 checkerboard, 19 a diamond, 20-23 arrowheads, 24 and 26 filled
// circles, 25 a bold cross, 27 an open and 28 a filled small circle, 29-36 triangles
// pointing down and up, 37 an inverted T, 38 an I-beam, 39 a circle with a plus, 40-47
// triangles pointing left and right, 48-49 squares with a plus, 50 a star of eight rays,
// 51 a plus in a broken box. Filled shapes first set the brush colour to the pen colour
// (so they fill only with a solid brush, as the canvas's brush style says); open shapes
// (10-12, 16, 17, 27, 31-33, 35, 39, 40, 42, 44, 46, 48, 49) draw with a clear brush and
// leave it solid. Marks 50 and 51 set the brush solid. The brush colour found on entry is restored
// after each of them.
//
// On a printer canvas (TCanvas::IsPrinterCanvas) marks 1-6 are drawn as lines, plus or
// cross of half-length 2, 3 and 4 pixels, mark 18 as the 25 dots of its checkerboard set
// one by one, and mark 25 with shorter strokes; elsewhere they are the pixel patterns.
//
// Marks 52 to 255 draw one character: the one of that code (U+0034 .. U+00FF; a code the
// font has no glyph for shows its missing-glyph shape), except 200 to 209, which draw the
// digits 0 to 9. The font colour is set to the pen colour and the character written with a
// clear brush, its cell centred on (X, Y): the top left corner at (X - width div 2,
// Y - height div 2) for the character's text extent. The brush style is put back
// afterwards.
void DrawMarkOnCanvas(TCanvas& Canvas, uint8_t Mark, int32_t X, int32_t Y);

// A new square bitmap of side 2 * Margin + 7 (Margin clamped to 0 .. 255 first, so 7 to
// 517 pixels), filled with BackgroundColor, with mark Mark drawn in MarkColor at its centre
// (Margin + 3, Margin + 3). The bitmap's canvas is left with a solid brush of the
// background colour, unless the mark changed it, and the pen in the mark colour.
std::unique_ptr<TBitmap> CreateMarkAsBitmap(uint8_t Mark, TColor MarkColor, TColor BackgroundColor,
                                            int32_t Margin);

}  // namespace zub
