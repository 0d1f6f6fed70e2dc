#include "foundation/data_marks.hpp"

#include <algorithm>
#include <array>

namespace zub {

namespace {

// The 7 x 7 patterns of the plus, cross and checkerboard marks, rows from top to bottom,
// the most significant of the seven bits the leftmost column.
using Pattern = std::array<uint8_t, 7>;
constexpr Pattern kPlus3 = {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00};
constexpr Pattern kPlus5 = {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00};
constexpr Pattern kPlus7 = {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08};
constexpr Pattern kCross3 = {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00};
constexpr Pattern kCross5 = {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00};
constexpr Pattern kCross7 = {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41};
constexpr Pattern kChecker = {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55};

class MarkPainter {
 public:
  MarkPainter(TCanvas& Canvas, int32_t X, int32_t Y) : c(Canvas), x(X), y(Y) {}

  void Pattern7(const Pattern& rows) {
    const TColor color = c.Pen().Color();
    for (int32_t j = 0; j < 7; ++j)
      for (int32_t i = 0; i < 7; ++i)
        if (rows[j] & (0x40 >> i)) c.SetPixels(x + i - 3, y + j - 3, color);
  }
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    c.MoveTo(x + x0, y + y0);
    c.LineTo(x + x1, y + y1);
  }
  void Plus(int32_t a, int32_t b) {
    Line(-a, 0, b, 0);
    Line(0, -a, 0, b);
  }
  void Cross(int32_t a, int32_t b) {
    Line(-a, -a, b, b);
    Line(-a, a, b, -b);
  }
  void Square(int32_t a) {
    c.MoveTo(x - a, y - a);
    c.LineTo(x - a, y + a);
    c.LineTo(x + a, y + a);
    c.LineTo(x + a, y - a);
    c.LineTo(x - a, y - a);
  }
  void Diamond() {
    c.MoveTo(x - 3, y);
    c.LineTo(x, y + 3);
    c.LineTo(x + 3, y);
    c.LineTo(x, y - 3);
    c.LineTo(x - 3, y);
  }
  void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) { c.Rectangle(x + l, y + t, x + r, y + b); }
  void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) { c.Ellipse(x + l, y + t, x + r, y + b); }
  void Triangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    c.Polygon({{x + x0, y + y0}, {x + x1, y + y1}, {x + x2, y + y2}});
  }
  void Diamond(int32_t a) { c.Polygon({{x - a, y}, {x, y + a}, {x + a, y}, {x, y - a}}); }
  void Filled() { c.Brush().SetColor(c.Pen().Color()); }
  void Open() { c.Brush().SetStyle(bsClear); }

 private:
  TCanvas& c;
  int32_t x, y;
};

void DrawShape(TCanvas& Canvas, uint8_t Mark, int32_t X, int32_t Y) {
  MarkPainter m(Canvas, X, Y);
  const bool printer = Canvas.IsPrinterCanvas();
  switch (Mark) {
    case 0:
      Canvas.SetPixels(X, Y, Canvas.Pen().Color());
      break;
    case 1:
      printer ? m.Plus(2, 2) : m.Pattern7(kPlus3);
      break;
    case 2:
      printer ? m.Plus(3, 3) : m.Pattern7(kPlus5);
      break;
    case 3:
      printer ? m.Plus(4, 4) : m.Pattern7(kPlus7);
      break;
    case 4:
      printer ? m.Cross(2, 2) : m.Pattern7(kCross3);
      break;
    case 5:
      printer ? m.Cross(3, 3) : m.Pattern7(kCross5);
      break;
    case 6:
      printer ? m.Cross(4, 4) : m.Pattern7(kCross7);
      break;
    case 7:
      m.Filled(), m.Rectangle(-1, -1, 2, 2);
      break;
    case 8:
      m.Filled(), m.Rectangle(-2, -2, 3, 3);
      break;
    case 9:
      m.Filled(), m.Rectangle(-3, -3, 4, 4);
      break;
    case 10:
      m.Open(), m.Square(1);
      break;
    case 11:
      m.Open(), m.Square(2);
      break;
    case 12:
      m.Open(), m.Square(3);
      break;
    case 13:
      m.Diamond();
      Canvas.SetPixels(X, Y, Canvas.Pen().Color());
      break;
    case 14:
      m.Filled(), m.Diamond(2);
      break;
    case 15:
      m.Filled(), m.Diamond(3);
      break;
    case 16:
      m.Open(), m.Ellipse(-2, -2, 3, 3);
      break;
    case 17:
      m.Open(), m.Ellipse(-3, -3, 4, 4);
      break;
    case 18:
      if (!printer) {
        m.Pattern7(kChecker);
      } else {
        // Each dot on its own: a line to the point it starts from would set nothing.
        const TColor color = Canvas.Pen().Color();
        for (int32_t i = 1; i <= 7; ++i)
          for (int32_t j = 1; j <= 7; ++j)
            if ((i + j) % 2 == 0) Canvas.SetPixels(X + i - 4, Y + j - 4, color);
      }
      break;
    case 19:
      m.Diamond();
      break;
    case 20:
      m.Line(0, 0, -3, 3), m.Line(0, 0, 3, 3);
      break;
    case 21:
      m.Line(0, 0, -4, 4), m.Line(0, 0, 4, 4);
      break;
    case 22:
      m.Line(0, 0, -3, -3), m.Line(0, 0, 3, -3);
      break;
    case 23:
      m.Line(0, 0, -4, -4), m.Line(0, 0, 4, -4);
      break;
    case 24:
      m.Filled(), m.Ellipse(-3, -3, 4, 4);
      break;
    case 25: {
      const int32_t p = printer ? 3 : 4, q = printer ? 2 : 3;
      m.Line(-3, -3, p, p);
      m.Line(-3, -2, q, p);
      m.Line(-2, -3, p, q);
      m.Line(-3, 3, p, -p);
      m.Line(-3, 2, q, -p);
      m.Line(-2, 3, p, -q);
      break;
    }
    case 26:
      m.Filled(), m.Ellipse(-2, -2, 3, 3);
      break;
    case 27:
      m.Open(), m.Ellipse(-2, -2, 2, 2);
      break;
    case 28:
      m.Filled(), m.Ellipse(-2, -2, 2, 2);
      break;
    case 29:
      m.Filled(), m.Triangle(-2, 0, 0, 2, 2, 0);
      break;
    case 30:
      m.Filled(), m.Triangle(-3, 0, 0, 3, 3, 0);
      break;
    case 31:
      m.Open(), m.Triangle(-2, 0, 0, 2, 2, 0);
      break;
    case 32:
      m.Open(), m.Triangle(-3, 0, 0, 3, 3, 0);
      break;
    case 33:
      m.Open(), m.Triangle(-4, -3, 0, 4, 4, -3);
      break;
    case 34:
      m.Filled(), m.Triangle(-4, -3, 0, 4, 4, -3);
      break;
    case 35:
      m.Open(), m.Triangle(-4, 3, 0, -4, 4, 3);
      break;
    case 36:
      m.Filled(), m.Triangle(-4, 3, 0, -4, 4, 3);
      break;
    case 37:
      m.Line(-3, 0, 4, 0), m.Line(0, 0, 0, -8);
      break;
    case 38:
      m.Line(-3, -2, 4, -2), m.Line(-3, 2, 4, 2), m.Line(0, -2, 0, 2);
      break;
    case 39:
      m.Open(), m.Ellipse(-3, -3, 4, 4), m.Plus(3, 4);
      break;
    case 40:
      m.Open(), m.Triangle(3, -2, -2, 0, 3, 2);
      break;
    case 41:
      m.Filled(), m.Triangle(3, -2, -2, 0, 3, 2);
      break;
    case 42:
      m.Open(), m.Triangle(4, -3, -3, 0, 4, 3);
      break;
    case 43:
      m.Filled(), m.Triangle(4, -3, -3, 0, 4, 3);
      break;
    case 44:
      m.Open(), m.Triangle(-3, -2, 2, 0, -3, 2);
      break;
    case 45:
      m.Filled(), m.Triangle(-3, -2, 2, 0, -3, 2);
      break;
    case 46:
      m.Open(), m.Triangle(-4, -3, 3, 0, -4, 3);
      break;
    case 47:
      m.Filled(), m.Triangle(-4, -3, 3, 0, -4, 3);
      break;
    case 48:
      m.Open(), m.Rectangle(-3, -3, 4, 4), m.Plus(3, 4);
      break;
    case 49:
      m.Open(), m.Rectangle(-2, -2, 3, 3), m.Plus(4, 5);
      break;
    case 50:
      Canvas.Brush().SetStyle(bsSolid), m.Plus(4, 5), m.Cross(3, 4);
      break;
    case 51:
      Canvas.Brush().SetStyle(bsSolid);
      m.Plus(4, 5);
      m.Line(-1, -3, 2, -3);
      m.Line(-1, 3, 2, 3);
      m.Line(-3, -1, -3, 2);
      m.Line(3, -1, 3, 2);
      break;
    default:
      break;
  }
}

bool IsOpenMark(uint8_t Mark) {
  switch (Mark) {
    case 10:
    case 11:
    case 12:
    case 16:
    case 17:
    case 27:
    case 31:
    case 32:
    case 33:
    case 35:
    case 39:
    case 40:
    case 42:
    case 44:
    case 46:
    case 48:
    case 49:
      return true;
    default:
      return false;
  }
}

}  // namespace

void DrawMarkOnCanvas(TCanvas& Canvas, uint8_t Mark, int32_t X, int32_t Y) {
  if (Mark <= 51) {
    const TColor brush = Canvas.Brush().Color();
    DrawShape(Canvas, Mark, X, Y);
    if (IsOpenMark(Mark)) Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(brush);
    return;
  }
  const Char ch =
      Mark >= 200 && Mark <= 209 ? static_cast<Char>(u'0' + (Mark - 200)) : static_cast<Char>(Mark);
  const UnicodeString text(1, ch);
  const TBrushStyle style = Canvas.Brush().Style();
  Canvas.Font().SetColor(Canvas.Pen().Color());
  Canvas.Brush().SetStyle(bsClear);
  const int32_t w = Canvas.TextWidth(text), h = Canvas.TextHeight(text);
  Canvas.TextOut(X - w / 2, Y - h / 2, text);
  Canvas.Brush().SetStyle(style);
}

std::unique_ptr<TBitmap> CreateMarkAsBitmap(uint8_t Mark, TColor MarkColor, TColor BackgroundColor,
                                            int32_t Margin) {
  Margin = std::clamp(Margin, 0, 255);
  const int32_t side = 2 * Margin + 7;
  auto bitmap = std::make_unique<TBitmap>(side, side);
  TCanvas& canvas = bitmap->Canvas();
  canvas.Pen().SetColor(BackgroundColor);
  canvas.Brush().SetColor(BackgroundColor);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Rectangle(0, 0, side, side);
  canvas.Pen().SetColor(MarkColor);
  DrawMarkOnCanvas(canvas, Mark, Margin + 3, Margin + 3);
  return bitmap;
}

}  // namespace zub
