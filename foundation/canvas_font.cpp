#include "foundation/canvas_font.hpp"

#include "foundation/zub_error.hpp"
#include "host/visual/pixel_buffer.hpp"
#include "host/visual/screen.hpp"

namespace zub {

bool FontIsTrueType(const UnicodeString& Name) {
  if (Screen().Fonts().IndexOf(Name) < 0) throw EZUBError(u"Font \"" + Name + u"\" is not installed");
  TPixelBuffer nothing;
  TCanvas canvas(nothing, Screen().PixelsPerInch());
  canvas.Font().SetName(Name);
  return (canvas.TextMetrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

void SetCanvasFontSizeScaled(TCanvas& Canvas, int32_t Size) {
  TFont& font = Canvas.Font();
  const int32_t screen = Screen().PixelsPerInch();
  if (font.PixelsPerInch() == screen) {
    font.SetSize(Size);
    return;
  }
  const int32_t own = font.PixelsPerInch();
  font.SetPixelsPerInch(screen);
  font.SetSize(Size);
  font.SetPixelsPerInch(own);
}

}  // namespace zub
