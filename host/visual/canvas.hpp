// TCanvas: draws lines, figures, pixels and text on a TPixelBuffer with a pen, a brush and a
// font, exactly and without smoothing, so that a figure of a few pixels is the same picture
// everywhere. Bitmaps (bitmap.hpp) and printer pages own one each.
//
// Coordinates are whole pixels, x to the right and y downward; pixel (x, y) is the square
// whose centre is the point (x, y). The rules:
//
// - Lines. LineTo(x, y) draws from the pen position up to, but not including, (x, y), and
//   moves the pen position there; a line to the pen position itself sets nothing. With n the
//   larger of |dx| and |dy|, step i = 0 .. n - 1 sets the pixel whose coordinate along the
//   longer axis is i steps from the start and whose other coordinate is the start's plus
//   i * d / n rounded to nearest (d the difference along that axis, halves away from the
//   start). MoveTo only moves the pen position.
// - Pen. A pen of width 1 sets one pixel per step; a pen of width w > 1 sets the w x w square
//   of pixels around each pixel of the one-pixel figure (from (w - 1) / 2 left and above it).
//   psClear draws nothing. A one-pixel pen of style psDash, psDot, psDashDot or
//   psDashDotDot draws the platform's patterns (on/off runs of 18/6, 3/3, 9/6/3/6 and
//   9/3/3/3/3/3 pixels), psAlternate every other pixel; the pattern runs on over consecutive
//   lines and starts again at MoveTo and with every figure. Wider styled pens, psInsideFrame
//   and psUserStyle draw solid. Ellipse outlines are solid with every style but psClear.
// - Rectangle(l, t, r, b) and Ellipse(l, t, r, b) take two corners of which the second lies
//   just outside the figure: the figure fits in the pixels l .. r - 1 by t .. b - 1 (corners
//   given the other way round are swapped first; an empty box draws nothing). The ellipse
//   is the set of pixels whose centres lie inside or on the ellipse inscribed in the box's
//   area (the box spans l - 1/2 .. r - 1/2 across); its outline is the pixels of that set
//   with a horizontal or vertical neighbour outside it.
// - Outline and inside. The outline of a rectangle is its border pixels. The outline is
//   drawn with the pen and the remaining pixels filled with the brush; a clear brush
//   (bsClear) leaves them as they are, and with a clear pen the brush fills the whole
//   figure.
// - Polygon(points) fills by the alternate (even-odd) rule: in each row y the pixels from
//   one crossing of the edges with the line through the centres of the row to the next
//   (both ends included, rounded inward), pairing the crossings in order; an edge counts
//   for the rows from its upper end up to but not including its lower end, so horizontal
//   edges count for none. The outline is then drawn with the pen as lines from each point
//   to the next and from the last back to the first. Fewer than two points draw nothing.
// - Colours are drawn as ColorToRGB gives them (system colours in the standard scheme).
//   Pixels outside the buffer are never touched; Pixels() of one reads as kInvalidPixel.
//
// Text is rendered with FreeType from the font that fontconfig finds for Font().Name() with
// its bold and italic styles; a name no installed font carries gets fontconfig's
// substitute (DejaVu Sans, which is always installed). Glyphs are rendered in one bit per
// pixel (no smoothing) at the font's height in pixels; see TextOut.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>

#include "host/geometry.hpp"
#include "host/graphics.hpp"
#include "host/unicode.hpp"
#include "host/visual/brush.hpp"
#include "host/visual/font.hpp"
#include "host/visual/pen.hpp"
#include "host/visual/pixel_buffer.hpp"

namespace zub {

namespace visual_internal {
class FaceAtSize;
}

// The metrics of the canvas's font, as the platform's text metrics report them.
struct TTextMetric {
  int32_t tmHeight = 0;   // ascent plus descent, in pixels
  int32_t tmAscent = 0;   // above the baseline
  int32_t tmDescent = 0;  // below it
  // TMPF_FIXED_PITCH (set for a font whose characters differ in width, as the platform has
  // it), TMPF_VECTOR for outline fonts, TMPF_TRUETYPE for TrueType outlines.
  uint8_t tmPitchAndFamily = 0;
};
inline constexpr uint8_t TMPF_FIXED_PITCH = 1, TMPF_VECTOR = 2, TMPF_TRUETYPE = 4;

// What Pixels() gives outside the buffer.
inline constexpr TColor kInvalidPixel = 0xFFFFFFFF;

class TCanvas : public TPersistent {
 public:
  // A canvas on Target, which must outlive it; Target may change its size between calls.
  // A printer canvas (IsPrinterCanvas) belongs to a printer page, which some drawing
  // routines draw differently on. The font's pixel density starts as PixelsPerInch.
  explicit TCanvas(TPixelBuffer& Target, int32_t PixelsPerInch = kDefaultPixelsPerInch,
                   bool PrinterCanvas = false);
  ~TCanvas() override;
  UnicodeString ClassName() const override { return u"TCanvas"; }

  TPen& Pen() { return FPen; }
  const TPen& Pen() const { return FPen; }
  TBrush& Brush() { return FBrush; }
  const TBrush& Brush() const { return FBrush; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  // Copies the settings of Value into the canvas's font (TFont::Assign).
  void SetFont(const TFont& Value) { FFont.Assign(&Value); }
  bool IsPrinterCanvas() const { return FPrinterCanvas; }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  void MoveTo(int32_t X, int32_t Y);
  void LineTo(int32_t X, int32_t Y);

  // The colour of pixel (X, Y), or kInvalidPixel outside the buffer.
  TColor Pixels(int32_t X, int32_t Y) const;
  // Sets pixel (X, Y) to Color; nothing outside the buffer.
  void SetPixels(int32_t X, int32_t Y, TColor Color);

  void Rectangle(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void Ellipse(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
  void Polygon(std::span<const TPoint> Points);
  void Polygon(std::initializer_list<TPoint> Points) {
    Polygon(std::span<const TPoint>(Points.begin(), Points.size()));
  }
  // Fills the pixels Left .. Right - 1 by Top .. Bottom - 1 with the brush (nothing with a
  // clear brush); the pen is not used.
  void FillRect(const TRect& R);

  // Writes Text with the top left corner of its cell at (X, Y) in the font's colour, then
  // moves the pen position to (X + TextWidth(Text), Y). The cell is TextWidth(Text) wide and
  // TextHeight(Text) high, the baseline lies the font's ascent below Y; with a solid brush
  // the cell is first filled with the brush colour. Characters the face lacks show its
  // missing-glyph shape; underline and strike-out are drawn as bars of the face's
  // thickness.
  void TextOut(int32_t X, int32_t Y, const UnicodeString& Text);
  // The sum of the characters' advances in pixels; 0 for an empty text.
  int32_t TextWidth(const UnicodeString& Text);
  // The font's cell height in pixels (ascent plus descent), whatever the text, as the
  // platform measures it; also for an empty text.
  int32_t TextHeight(const UnicodeString& Text);
  TSize TextExtent(const UnicodeString& Text) { return {TextWidth(Text), TextHeight(Text)}; }
  // The metrics of the face the font selects (see the top of this file for how it is found).
  TTextMetric TextMetrics();

 private:
  visual_internal::FaceAtSize& Face();
  struct Plotter;
  Plotter MakePlotter();

  TPixelBuffer& FTarget;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  bool FPrinterCanvas;
  TPoint FPenPos;
  int32_t FPatternPos = 0;
  // The face of the last text call, and the font settings it was found for.
  std::shared_ptr<visual_internal::FaceAtSize> FFace;
  UnicodeString FFaceName;
  int32_t FFaceHeight = 0;
  int32_t FFaceFlags = -1;
};

}  // namespace zub
