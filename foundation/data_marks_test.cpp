#include "foundation/data_marks.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zub {
namespace {

// ---- An independent model of the shape marks: pixel sets built from the table of marks
// and the 7 x 7 patterns with plain geometry (floating-point rounding, per-pixel tests),
// not with the canvas. Offsets are from the mark's centre.

using Pixel = std::pair<int, int>;
using PixelSet = std::set<Pixel>;

// A line from a up to but not including b: n = max(|dx|, |dy|) steps of (dx, dy) / n,
// rounded half away from the start.
void Seg(PixelSet& s, int x0, int y0, int x1, int y1) {
  const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i < n; ++i)
    s.insert({x0 + static_cast<int>(std::round(static_cast<double>(i) * (x1 - x0) / n)),
              y0 + static_cast<int>(std::round(static_cast<double>(i) * (y1 - y0) / n))});
}

// Lines through the points and back to the first.
void Closed(PixelSet& s, const std::vector<Pixel>& pts) {
  for (size_t i = 0; i < pts.size(); ++i) {
    const Pixel& a = pts[i];
    const Pixel& b = pts[(i + 1) % pts.size()];
    Seg(s, a.first, a.second, b.first, b.second);
  }
}

void Plus(PixelSet& s, int a, int b) {
  Seg(s, -a, 0, b, 0);
  Seg(s, 0, -a, 0, b);
}
void Cross(PixelSet& s, int a, int b) {
  Seg(s, -a, -a, b, b);
  Seg(s, -a, a, b, -b);
}

// Rows "....... / ..." as the table writes them, from y - 3 down, x - 3 to the right.
void Pattern(PixelSet& s, const std::string& rows) {
  int x = -3, y = -3;
  for (const char ch : rows) {
    if (ch == '/') {
      ++y;
      x = -3;
    } else if (ch == '#' || ch == '.') {
      if (ch == '#') s.insert({x, y});
      ++x;
    }
  }
}

// The pixels l .. r - 1 by t .. b - 1: all of them, or the border.
void Box(PixelSet& s, int l, int t, int r, int b, bool filled) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (filled || x == l || x == r - 1 || y == t || y == b - 1) s.insert({x, y});
}

// Pixel centres inside the ellipse inscribed in the box's area; the open form keeps those
// with a horizontal or vertical neighbour outside.
void Oval(PixelSet& s, int l, int t, int r, int b, bool filled) {
  const double cx = (l + r - 1) / 2.0, cy = (t + b - 1) / 2.0, rx = (r - l) / 2.0, ry = (b - t) / 2.0;
  const auto in = [&](int x, int y) {
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v <= 1.0 + 1e-12;
  };
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (in(x, y) && (filled || !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
        s.insert({x, y});
}

// A triangle's outline, and for the filled form every pixel centre inside it or on its
// edges.
void Tri(PixelSet& s, Pixel a, Pixel b, Pixel c, bool filled) {
  Closed(s, {a, b, c});
  if (!filled) return;
  const auto side = [](Pixel p, Pixel q, int x, int y) {
    return (q.first - p.first) * (y - p.second) - (q.second - p.second) * (x - p.first);
  };
  for (int y = -9; y <= 9; ++y)
    for (int x = -9; x <= 9; ++x) {
      const int d1 = side(a, b, x, y), d2 = side(b, c, x, y), d3 = side(c, a, x, y);
      if ((d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0)) s.insert({x, y});
    }
}

void Diamond(PixelSet& s) {
  Closed(s, {{-3, 0}, {0, 3}, {3, 0}, {0, -3}});
}

// The filled diamond of half-diagonal a: its outline and the pixels with |x| + |y| <= a.
void Diamond(PixelSet& s, int a) {
  Closed(s, {{-a, 0}, {0, a}, {a, 0}, {0, -a}});
  for (int y = -a; y <= a; ++y)
    for (int x = -a; x <= a; ++x)
      if (std::abs(x) + std::abs(y) <= a) s.insert({x, y});
}

PixelSet Model(int mark, bool printer) {
  PixelSet s;
  switch (mark) {
    case 0:
      s.insert({0, 0});
      break;
    case 1:
      printer ? Plus(s, 2, 2)
              : Pattern(s, "....... / ....... / ...#... / ..###.. / ...#... / ....... / .......");
      break;
    case 2:
      printer ? Plus(s, 3, 3)
              : Pattern(s, "....... / ...#... / ...#... / .#####. / ...#... / ...#... / .......");
      break;
    case 3:
      printer ? Plus(s, 4, 4)
              : Pattern(s, "...#... / ...#... / ...#... / ####### / ...#... / ...#... / ...#...");
      break;
    case 4:
      printer ? Cross(s, 2, 2)
              : Pattern(s, "....... / ....... / ..#.#.. / ...#... / ..#.#.. / ....... / .......");
      break;
    case 5:
      printer ? Cross(s, 3, 3)
              : Pattern(s, "....... / .#...#. / ..#.#.. / ...#... / ..#.#.. / .#...#. / .......");
      break;
    case 6:
      printer ? Cross(s, 4, 4)
              : Pattern(s, "#.....# / .#...#. / ..#.#.. / ...#... / ..#.#.. / .#...#. / #.....#");
      break;
    case 7:
      Box(s, -1, -1, 2, 2, true);
      break;
    case 8:
      Box(s, -2, -2, 3, 3, true);
      break;
    case 9:
      Box(s, -3, -3, 4, 4, true);
      break;
    case 10:
      Closed(s, {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}});
      break;
    case 11:
      Closed(s, {{-2, -2}, {-2, 2}, {2, 2}, {2, -2}});
      break;
    case 12:
      Closed(s, {{-3, -3}, {-3, 3}, {3, 3}, {3, -3}});
      break;
    case 13:
      Diamond(s), s.insert({0, 0});
      break;
    case 14:
      Diamond(s, 2);
      break;
    case 15:
      Diamond(s, 3);
      break;
    case 16:
      Oval(s, -2, -2, 3, 3, false);
      break;
    case 17:
      Oval(s, -3, -3, 4, 4, false);
      break;
    // The printer's 25 dots are the pattern's 25 pixels.
    case 18:
      Pattern(s, "#.#.#.# / .#.#.#. / #.#.#.# / .#.#.#. / #.#.#.# / .#.#.#. / #.#.#.#");
      break;
    case 19:
      Diamond(s);
      break;
    case 20:
      Seg(s, 0, 0, -3, 3), Seg(s, 0, 0, 3, 3);
      break;
    case 21:
      Seg(s, 0, 0, -4, 4), Seg(s, 0, 0, 4, 4);
      break;
    case 22:
      Seg(s, 0, 0, -3, -3), Seg(s, 0, 0, 3, -3);
      break;
    case 23:
      Seg(s, 0, 0, -4, -4), Seg(s, 0, 0, 4, -4);
      break;
    case 24:
      Oval(s, -3, -3, 4, 4, true);
      break;
    case 25: {
      const int p = printer ? 3 : 4, q = printer ? 2 : 3;
      Seg(s, -3, -3, p, p), Seg(s, -3, -2, q, p), Seg(s, -2, -3, p, q);
      Seg(s, -3, 3, p, -p), Seg(s, -3, 2, q, -p), Seg(s, -2, 3, p, -q);
      break;
    }
    case 26:
      Oval(s, -2, -2, 3, 3, true);
      break;
    case 27:
      Oval(s, -2, -2, 2, 2, false);
      break;
    case 28:
      Oval(s, -2, -2, 2, 2, true);
      break;
    case 29:
      Tri(s, {-2, 0}, {0, 2}, {2, 0}, true);
      break;
    case 30:
      Tri(s, {-3, 0}, {0, 3}, {3, 0}, true);
      break;
    case 31:
      Tri(s, {-2, 0}, {0, 2}, {2, 0}, false);
      break;
    case 32:
      Tri(s, {-3, 0}, {0, 3}, {3, 0}, false);
      break;
    case 33:
      Tri(s, {-4, -3}, {0, 4}, {4, -3}, false);
      break;
    case 34:
      Tri(s, {-4, -3}, {0, 4}, {4, -3}, true);
      break;
    case 35:
      Tri(s, {-4, 3}, {0, -4}, {4, 3}, false);
      break;
    case 36:
      Tri(s, {-4, 3}, {0, -4}, {4, 3}, true);
      break;
    case 37:
      Seg(s, -3, 0, 4, 0), Seg(s, 0, 0, 0, -8);
      break;
    case 38:
      Seg(s, -3, -2, 4, -2), Seg(s, -3, 2, 4, 2), Seg(s, 0, -2, 0, 2);
      break;
    case 39:
      Oval(s, -3, -3, 4, 4, false), Plus(s, 3, 4);
      break;
    case 40:
      Tri(s, {3, -2}, {-2, 0}, {3, 2}, false);
      break;
    case 41:
      Tri(s, {3, -2}, {-2, 0}, {3, 2}, true);
      break;
    case 42:
      Tri(s, {4, -3}, {-3, 0}, {4, 3}, false);
      break;
    case 43:
      Tri(s, {4, -3}, {-3, 0}, {4, 3}, true);
      break;
    case 44:
      Tri(s, {-3, -2}, {2, 0}, {-3, 2}, false);
      break;
    case 45:
      Tri(s, {-3, -2}, {2, 0}, {-3, 2}, true);
      break;
    case 46:
      Tri(s, {-4, -3}, {3, 0}, {-4, 3}, false);
      break;
    case 47:
      Tri(s, {-4, -3}, {3, 0}, {-4, 3}, true);
      break;
    case 48:
      Box(s, -3, -3, 4, 4, false), Plus(s, 3, 4);
      break;
    case 49:
      Box(s, -2, -2, 3, 3, false), Plus(s, 4, 5);
      break;
    case 50:
      Plus(s, 4, 5), Cross(s, 3, 4);
      break;
    case 51:
      Plus(s, 4, 5);
      Seg(s, -1, -3, 2, -3), Seg(s, -1, 3, 2, 3), Seg(s, -3, -1, -3, 2), Seg(s, 3, -1, 3, 2);
      break;
  }
  return s;
}

// ---- The drawing side.

constexpr int kSide = 25, kCentre = 12;
constexpr TColor kPen = clNavy, kBrush = clLime;

// The non-white pixels around the centre, each of which must be in the pen's colour.
PixelSet Drawn(const TCanvas& c, std::string& other) {
  PixelSet s;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const TColor px = c.Pixels(x, y);
      if (px == clWhite) continue;
      if (px != kPen) other += " (" + std::to_string(x - kCentre) + "," + std::to_string(y - kCentre) + ")";
      s.insert({x - kCentre, y - kCentre});
    }
  return s;
}

std::string Show(const PixelSet& s) {
  std::string out;
  for (int y = -9; y <= 9; ++y) {
    for (int x = -9; x <= 9; ++x) out += s.count({x, y}) ? '#' : '.';
    out += '\n';
  }
  return out;
}

void CheckShape(TCanvas& c, int mark, bool printer) {
  c.Pen().SetColor(kPen);
  c.Brush().SetColor(kBrush);
  c.Brush().SetStyle(bsSolid);
  DrawMarkOnCanvas(c, static_cast<uint8_t>(mark), kCentre, kCentre);
  std::string other;
  const PixelSet got = Drawn(c, other);
  const PixelSet want = Model(mark, printer);
  EXPECT_EQ(got, want) << (printer ? "printer " : "bitmap ") << "mark " << mark << "\ngot\n"
                       << Show(got) << "want\n"
                       << Show(want);
  EXPECT_EQ(other, "") << "mark " << mark << ": pixels in another colour than the pen's";
  EXPECT_EQ(c.Brush().Color(), kBrush) << "mark " << mark;
  EXPECT_EQ(c.Brush().Style(), bsSolid) << "mark " << mark;
}

TEST(DrawMarkOnCanvas, EveryShapeMarkOnABitmapMatchesTheModel) {
  for (int mark = 0; mark <= 51; ++mark) {
    TBitmap b(kSide, kSide);
    CheckShape(b.Canvas(), mark, false);
  }
}

TEST(DrawMarkOnCanvas, EveryShapeMarkOnAPrinterCanvasMatchesTheModel) {
  for (int mark = 0; mark <= 51; ++mark) {
    TPixelBuffer page;
    page.SetSize(kSide, kSide, ColorToPixel(clWhite));
    TCanvas c(page, 600, true);
    CheckShape(c, mark, true);
  }
}

TEST(DrawMarkOnCanvas, PlusMarkThreeIsThirteenPixelsOnABitmapAndTwoLinesOnAPrinter) {
  TBitmap b(kSide, kSide);
  std::string other;
  DrawMarkOnCanvas(b.Canvas(), 3, kCentre, kCentre);
  EXPECT_EQ(Drawn(b.Canvas(), other).size(), 13u);
  TPixelBuffer page;
  page.SetSize(kSide, kSide, ColorToPixel(clWhite));
  TCanvas p(page, 600, true);
  DrawMarkOnCanvas(p, 3, kCentre, kCentre);
  // (x - 4, y) to (x + 4, y) and (x, y - 4) to (x, y + 4), each without its end point.
  EXPECT_EQ(p.Pixels(kCentre - 4, kCentre), clBlack);
  EXPECT_EQ(p.Pixels(kCentre + 3, kCentre), clBlack);
  EXPECT_EQ(p.Pixels(kCentre + 4, kCentre), clWhite);
  EXPECT_EQ(p.Pixels(kCentre, kCentre + 4), clWhite);
}

TEST(DrawMarkOnCanvas, FilledMarksLeaveTheBrushColourAsItWas) {
  TBitmap b(kSide, kSide);
  b.Canvas().Brush().SetColor(clYellow);
  b.Canvas().Pen().SetColor(clRed);
  DrawMarkOnCanvas(b.Canvas(), 7, kCentre, kCentre);
  EXPECT_EQ(b.Canvas().Brush().Color(), clYellow);
  EXPECT_EQ(b.Canvas().Pixels(kCentre, kCentre), clRed);  // filled in the pen's colour
  EXPECT_EQ(b.Canvas().Pixels(kCentre + 1, kCentre + 1), clRed);
}

// The character mark Mark against the character written where the mark should put it.
void CheckCharacter(int mark, Char ch) {
  TBitmap drawn(40, 40), expected(40, 40);
  drawn.Canvas().Pen().SetColor(clMaroon);
  drawn.Canvas().Brush().SetColor(clAqua);
  DrawMarkOnCanvas(drawn.Canvas(), static_cast<uint8_t>(mark), 20, 20);
  EXPECT_EQ(drawn.Canvas().Font().Color(), clMaroon);
  EXPECT_EQ(drawn.Canvas().Brush().Style(), bsSolid) << "the brush style is put back";
  TCanvas& e = expected.Canvas();
  const UnicodeString text(1, ch);
  e.Font().SetColor(clMaroon);
  e.Brush().SetStyle(bsClear);
  e.TextOut(20 - e.TextWidth(text) / 2, 20 - e.TextHeight(text) / 2, text);
  int inked = 0, sumX = 0, sumY = 0;
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 0; x < 40; ++x) {
      ASSERT_EQ(drawn.Canvas().Pixels(x, y), e.Pixels(x, y)) << "mark " << mark << " at " << x << "," << y;
      if (e.Pixels(x, y) == clMaroon) ++inked, sumX += x, sumY += y;
    }
  ASSERT_GT(inked, 5) << "mark " << mark;
  // The ink lies around the centre (the cell is centred, the glyph sits in it as the face
  // has it).
  EXPECT_NEAR(sumX / inked, 20, 2) << "mark " << mark;
  EXPECT_NEAR(sumY / inked, 20, 3) << "mark " << mark;
}

TEST(DrawMarkOnCanvas, CharacterMarksWriteTheirCharacterCentred) {
  CheckCharacter(65, u'A');
  CheckCharacter(203, u'3');
  CheckCharacter(200, u'0');
  CheckCharacter(209, u'9');
  CheckCharacter(52, u'4');
  CheckCharacter(233, u'\u00E9');
}

TEST(CreateMarkAsBitmap, ClampsTheMarginAndDrawsAtTheCentre) {
  struct Case {
    int32_t margin, side;
  };
  for (const Case c : {Case{-5, 7}, Case{0, 7}, Case{1, 9}, Case{255, 517}, Case{300, 517}}) {
    const std::unique_ptr<TBitmap> b = CreateMarkAsBitmap(9, clRed, clBlue, c.margin);
    ASSERT_EQ(b->Width(), c.side) << c.margin;
    ASSERT_EQ(b->Height(), c.side) << c.margin;
    const int32_t m = (c.side - 7) / 2;
    // Mark 9 fills the 7 x 7 square in the middle, the rest is background.
    for (int32_t y = 0; y < c.side; y += (c.side > 20 ? 7 : 1))
      for (int32_t x = 0; x < c.side; ++x) {
        const bool inside = x >= m && x < m + 7 && y >= m && y < m + 7;
        ASSERT_EQ(b->Canvas().Pixels(x, y), inside ? clRed : clBlue) << c.margin << ": " << x << "," << y;
      }
  }
  const std::unique_ptr<TBitmap> dot = CreateMarkAsBitmap(0, clBlack, clWhite, 2);
  EXPECT_EQ(dot->Canvas().Pixels(5, 5), clBlack);
  EXPECT_EQ(dot->Canvas().Pixels(4, 5), clWhite);
}

}  // namespace
}  // namespace zub
