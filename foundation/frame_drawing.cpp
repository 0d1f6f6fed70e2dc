#include "foundation/frame_drawing.hpp"

namespace zub {

void DrawRectangle(TCanvas& Canvas, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
  Canvas.MoveTo(Left, Top);
  Canvas.LineTo(Left, Bottom);
  Canvas.LineTo(Right, Bottom);
  Canvas.LineTo(Right, Top);
  Canvas.LineTo(Left, Top);
}

void DrawFrame(TCanvas& Canvas, TFrameStyle Style, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom,
               TColor Color1, TColor Color2, TColor Color3, TColor Color4, TColor Color5) {
  TColor a, b, c, d;
  switch (Style) {
    case fsSimple:
      Canvas.Pen().SetColor(Color5);
      DrawRectangle(Canvas, Left, Top, Right, Bottom);
      return;
    case fsRaised:
      a = Color1, b = Color4, c = Color2, d = Color3;
      break;
    case fsLowered:
      a = Color3, b = Color1, c = Color4, d = Color2;
      break;
    case fsEmbossed:
      a = Color1, b = Color3, c = Color3, d = Color1;
      break;
    case fsEngraved:
      a = Color3, b = Color1, c = Color1, d = Color3;
      break;
    default:
      return;  // fsNone, and values beyond the enumeration
  }
  TPen& pen = Canvas.Pen();
  pen.SetColor(a);
  Canvas.MoveTo(Left, Bottom);
  Canvas.LineTo(Left, Top);
  Canvas.LineTo(Right + 1, Top);
  Canvas.MoveTo(Right, Top + 1);
  pen.SetColor(b);
  Canvas.LineTo(Right, Bottom);
  Canvas.LineTo(Left - 1, Bottom);
  pen.SetColor(c);
  Canvas.MoveTo(Left + 1, Bottom - 1);
  Canvas.LineTo(Left + 1, Top + 1);
  Canvas.LineTo(Right, Top + 1);
  Canvas.MoveTo(Right - 1, Top + 2);
  pen.SetColor(d);
  Canvas.LineTo(Right - 1, Bottom - 1);
  Canvas.LineTo(Left, Bottom - 1);
}

}  // namespace zub
