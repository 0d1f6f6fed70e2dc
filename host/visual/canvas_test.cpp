#include "host/visual/canvas.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zub {
namespace {

using Rows = std::vector<std::string>;

// A white buffer of the given size with its canvas: black pen, red brush.
struct Sheet {
  TPixelBuffer Buffer;
  TCanvas Canvas{Buffer};
  Sheet(int32_t w, int32_t h) {
    Buffer.SetSize(w, h, ColorToPixel(clWhite));
    Canvas.Brush().SetColor(clRed);
  }
  // '.' white, '#' black, 'o' red, '?' any other colour.
  Rows Picture() const {
    Rows rows;
    for (int32_t y = 0; y < Buffer.Height(); ++y) {
      std::string row;
      for (int32_t x = 0; x < Buffer.Width(); ++x) {
        const TColor c = Canvas.Pixels(x, y);
        row += c == clWhite ? '.' : c == clBlack ? '#' : c == clRed ? 'o' : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }
};

TEST(Canvas, LineToStopsBeforeItsEndAndMovesThePen) {
  struct Case {
    TPoint from, to;
    Rows want;
  };
  const Case cases[] = {
      {{1, 1}, {6, 1}, {"........", ".#####..", "........", "........"}},
      {{6, 2}, {1, 2}, {"........", "........", "..#####.", "........"}},
      {{2, 0}, {2, 3}, {"..#.....", "..#.....", "..#.....", "........"}},
      {{0, 0}, {3, 3}, {"#.......", ".#......", "..#.....", "........"}},
      // Shallow: y = round(i * 2 / 4), halves away from the start.
      {{0, 0}, {4, 2}, {"#.......", ".##.....", "...#....", "........"}},
      {{4, 2}, {0, 0}, {".#......", "..##....", "....#...", "........"}},
      {{3, 3}, {3, 3}, {"........", "........", "........", "........"}},
  };
  for (const Case& c : cases) {
    Sheet s(8, 4);
    s.Canvas.MoveTo(c.from.X, c.from.Y);
    s.Canvas.LineTo(c.to.X, c.to.Y);
    EXPECT_EQ(s.Picture(), c.want) << c.from.X << "," << c.from.Y << " -> " << c.to.X << "," << c.to.Y;
    EXPECT_EQ(s.Canvas.PenPos(), c.to);
  }
}

TEST(Canvas, ConsecutiveLinesCloseAFigureWithEveryCornerSet) {
  Sheet s(5, 5);
  s.Canvas.MoveTo(1, 1);
  for (const TPoint p : {TPoint{1, 3}, TPoint{3, 3}, TPoint{3, 1}, TPoint{1, 1}}) s.Canvas.LineTo(p.X, p.Y);
  EXPECT_EQ(s.Picture(), (Rows{".....", ".###.", ".#.#.", ".###.", "....."}));
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  struct Case {
    const char* what;
    TPenStyle pen;
    TBrushStyle brush;
    TRect box;
    Rows want;
  };
  const Case cases[] = {
      {"solid",
       psSolid,
       bsSolid,
       {1, 1, 6, 5},
       {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
      {"clear brush",
       psSolid,
       bsClear,
       {1, 1, 6, 5},
       {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
      {"clear pen",
       psClear,
       bsSolid,
       {1, 1, 6, 5},
       {".......", ".ooooo.", ".ooooo.", ".ooooo.", ".ooooo.", "......."}},
      {"corners swapped",
       psSolid,
       bsSolid,
       {6, 5, 1, 1},
       {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
      {"one pixel high",
       psSolid,
       bsSolid,
       {1, 2, 5, 3},
       {".......", ".......", ".####..", ".......", ".......", "......."}},
      {"one pixel",
       psSolid,
       bsSolid,
       {3, 3, 4, 4},
       {".......", ".......", ".......", "...#...", ".......", "......."}},
      {"empty",
       psSolid,
       bsSolid,
       {2, 2, 2, 5},
       {".......", ".......", ".......", ".......", ".......", "......."}},
  };
  for (const Case& c : cases) {
    Sheet s(7, 6);
    s.Canvas.Pen().SetStyle(c.pen);
    s.Canvas.Brush().SetStyle(c.brush);
    s.Canvas.MoveTo(0, 5);
    s.Canvas.Rectangle(c.box);
    EXPECT_EQ(s.Picture(), c.want) << c.what;
    EXPECT_EQ(s.Canvas.PenPos(), (TPoint{0, 5})) << c.what;
  }
}

TEST(Canvas, EllipseIsTheInscribedDiscWithItsRimAsOutline) {
  Sheet s(9, 9);
  s.Canvas.Ellipse(1, 1, 8, 8);  // 7 x 7
  EXPECT_EQ(s.Picture(), (Rows{".........", "...###...", "..#ooo#..", ".#ooooo#.", ".#ooooo#.", ".#ooooo#.",
                               "..#ooo#..", "...###...", "........."}));
  Sheet t(6, 6);
  t.Canvas.Ellipse(1, 1, 5, 5);  // 4 x 4: the corners fall outside
  EXPECT_EQ(t.Picture(), (Rows{"......", "..##..", ".#oo#.", ".#oo#.", "..##..", "......"}));
  Sheet u(7, 4);
  u.Canvas.Brush().SetStyle(bsClear);
  u.Canvas.Ellipse(0, 0, 7, 3);  // wide and flat
  EXPECT_EQ(u.Picture(), (Rows{".#####.", "#.....#", ".#####.", "......."}));
}

TEST(Canvas, PolygonFillsByTheAlternateRule) {
  // A triangle: the fill reaches the edges' crossings, the pen draws over them.
  Sheet s(7, 5);
  s.Canvas.Pen().SetColor(clBlue);
  s.Canvas.Polygon({{0, 0}, {3, 3}, {6, 0}});
  Rows want = {"???????", ".?ooo?.", "..?o?..", "...?...", "......."};
  EXPECT_EQ(s.Picture(), want);

  // Without a pen, the fill alone: an edge counts from its upper end up to but not
  // including its lower end.
  Sheet f(7, 5);
  f.Canvas.Pen().SetStyle(psClear);
  f.Canvas.Polygon({{0, 0}, {3, 3}, {6, 0}});
  EXPECT_EQ(f.Picture(), (Rows{"ooooooo", ".ooooo.", "..ooo..", ".......", "......."}));

  // A square gone round twice covers its inside an even number of times: not filled.
  Sheet d(6, 6);
  d.Canvas.Polygon({{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}, {4, 1}, {4, 4}, {1, 4}});
  EXPECT_EQ(d.Picture(), (Rows{"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"}));

  // A five-pointed star: the points are filled, the pentagon in the middle is not.
  Sheet star(11, 11);
  star.Canvas.Pen().SetStyle(psClear);
  star.Canvas.Polygon({{5, 0}, {8, 10}, {0, 4}, {10, 4}, {2, 10}});
  EXPECT_EQ(star.Canvas.Pixels(5, 2), clRed);    // top point
  EXPECT_EQ(star.Canvas.Pixels(1, 4), clRed);    // left point
  EXPECT_EQ(star.Canvas.Pixels(5, 6), clWhite);  // centre
  EXPECT_EQ(star.Canvas.Pixels(5, 9), clWhite);  // between the lower points
}

TEST(Canvas, PolygonOfFewerThanTwoPointsDrawsNothing) {
  Sheet s(3, 3);
  s.Canvas.Polygon({});
  s.Canvas.Polygon({{1, 1}});
  EXPECT_EQ(s.Picture(), (Rows{"...", "...", "..."}));
}

TEST(Canvas, WidePensSetASquareAroundEachPixel) {
  Sheet s(7, 5);
  s.Canvas.Pen().SetWidth(3);
  s.Canvas.MoveTo(1, 2);
  s.Canvas.LineTo(5, 2);
  EXPECT_EQ(s.Picture(), (Rows{".......", "######.", "######.", "######.", "......."}));
  s.Canvas.Pen().SetWidth(0);
  EXPECT_EQ(s.Canvas.Pen().Width(), 1);
  // A pen wider than any buffer covers it, without visiting the rows beyond.
  Sheet huge(3, 2);
  huge.Canvas.Pen().SetWidth(INT32_MAX);
  huge.Canvas.MoveTo(1, 1);
  huge.Canvas.LineTo(2, 1);
  EXPECT_EQ(huge.Picture(), (Rows{"###", "###"}));
}

TEST(Canvas, StyledPensRunTheirPatternAcrossLines) {
  Sheet s(14, 2);
  s.Canvas.Pen().SetStyle(psDot);
  s.Canvas.MoveTo(0, 0);
  s.Canvas.LineTo(5, 0);
  s.Canvas.LineTo(14, 0);  // goes on where the last line stopped
  s.Canvas.MoveTo(0, 1);   // starts again
  s.Canvas.Pen().SetStyle(psAlternate);
  s.Canvas.LineTo(14, 1);
  EXPECT_EQ(s.Picture(), (Rows{"###...###...##", "#.#.#.#.#.#.#."}));
  Sheet w(7, 3);
  w.Canvas.Pen().SetStyle(psDot);
  w.Canvas.Pen().SetWidth(2);  // wider styled pens draw solid
  w.Canvas.MoveTo(0, 1);
  w.Canvas.LineTo(6, 1);
  EXPECT_EQ(w.Picture(), (Rows{".......", "#######", "#######"}));
}

TEST(Canvas, PixelsReadAndWriteInsideOnly) {
  Sheet s(3, 2);
  s.Canvas.SetPixels(2, 1, 0x123456);
  s.Canvas.SetPixels(3, 1, clBlack);
  s.Canvas.SetPixels(-1, 0, clBlack);
  EXPECT_EQ(s.Canvas.Pixels(2, 1), 0x123456u);
  EXPECT_EQ(s.Buffer.Row(1)[2], 0x563412u);  // blue in the low byte
  EXPECT_EQ(s.Canvas.Pixels(3, 1), kInvalidPixel);
  EXPECT_EQ(s.Canvas.Pixels(0, -1), kInvalidPixel);
  s.Canvas.SetPixels(0, 0, clBtnFace);  // system colours in the standard scheme
  EXPECT_EQ(s.Canvas.Pixels(0, 0), 0xF0F0F0u);
}

TEST(Canvas, FiguresFarOutsideTheBufferAreClippedQuickly) {
  Sheet s(4, 4);
  s.Canvas.Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
  s.Canvas.MoveTo(INT32_MIN, 1);
  s.Canvas.LineTo(INT32_MAX, 1);
  s.Canvas.Rectangle(-2000000000, 2, 2000000000, 2000000000);
  s.Canvas.Polygon({{INT32_MIN, 3}, {INT32_MAX, 3}, {0, INT32_MAX}});
  const Rows got = s.Picture();
  EXPECT_EQ(got, (Rows{"oooo",     // deep inside the ellipse
                       "####",     // the line
                       "####",     // the rectangle's top edge
                       "####"}));  // the polygon's top edge over its fill
}

class CanvasText : public ::testing::Test {
 protected:
  Sheet s{80, 30};
  void SetUp() override {
    s.Canvas.Font().SetName(u"DejaVu Sans");
    s.Canvas.Font().SetSize(12);
  }
  int32_t Inked(const Sheet& sheet) const {
    int32_t n = 0;
    for (int32_t y = 0; y < sheet.Buffer.Height(); ++y)
      for (int32_t x = 0; x < sheet.Buffer.Width(); ++x) n += sheet.Canvas.Pixels(x, y) == clBlack;
    return n;
  }
};

TEST_F(CanvasText, ExtentsFollowTheFace) {
  // DejaVu Sans at 12 points and 96 pixels per inch: a 16-pixel em, cell 15 + 4 high.
  EXPECT_EQ(s.Canvas.Font().Height(), -16);
  EXPECT_EQ(s.Canvas.TextHeight(u"x"), 19);
  EXPECT_EQ(s.Canvas.TextHeight(u""), 19);
  EXPECT_EQ(s.Canvas.TextWidth(u""), 0);
  const int32_t a = s.Canvas.TextWidth(u"A");
  EXPECT_GT(a, 5);
  EXPECT_EQ(s.Canvas.TextWidth(u"AAA"), 3 * a);
  EXPECT_LT(s.Canvas.TextWidth(u"i"), s.Canvas.TextWidth(u"W"));
  s.Canvas.Font().SetSize(24);
  EXPECT_GT(s.Canvas.TextHeight(u"x"), 30);
}

TEST_F(CanvasText, TextOutInksInsideTheCellAndMovesThePen) {
  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.TextOut(10, 5, u"Hi");
  const int32_t w = s.Canvas.TextWidth(u"Hi"), h = s.Canvas.TextHeight(u"Hi");
  EXPECT_EQ(s.Canvas.PenPos(), (TPoint{10 + w, 5}));
  int32_t inked = 0;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 80; ++x) {
      const TColor c = s.Canvas.Pixels(x, y);
      EXPECT_TRUE(c == clBlack || c == clWhite) << "smoothed pixel at " << x << "," << y;
      if (c == clBlack) {
        ++inked;
        EXPECT_TRUE(x >= 10 && x < 10 + w && y >= 5 && y < 5 + h)
            << "ink outside the cell at " << x << "," << y;
      }
    }
  EXPECT_GT(inked, 20);
}

TEST_F(CanvasText, SolidBrushFillsTheCellAndTheFontColourInks) {
  s.Canvas.Font().SetColor(clBlue);
  s.Canvas.TextOut(0, 0, u"o");
  const int32_t w = s.Canvas.TextWidth(u"o"), h = s.Canvas.TextHeight(u"o");
  EXPECT_EQ(s.Canvas.Pixels(0, 0), clRed);
  EXPECT_EQ(s.Canvas.Pixels(w - 1, h - 1), clRed);
  EXPECT_EQ(s.Canvas.Pixels(w, 0), clWhite);
  EXPECT_EQ(s.Canvas.Pixels(0, h), clWhite);
  bool blue = false;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) blue = blue || s.Canvas.Pixels(x, y) == clBlue;
  EXPECT_TRUE(blue);
}

TEST_F(CanvasText, BoldInksMoreAndUnderlineAddsABar) {
  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.TextOut(2, 2, u"Ab");
  const int32_t plain = Inked(s);
  Sheet bold(80, 30);
  bold.Canvas.Font().Assign(&s.Canvas.Font());
  bold.Canvas.Font().SetStyle({fsBold});
  bold.Canvas.Brush().SetStyle(bsClear);
  bold.Canvas.TextOut(2, 2, u"Ab");
  EXPECT_GT(Inked(bold), plain);
  Sheet under(80, 30);
  under.Canvas.Font().Assign(&s.Canvas.Font());
  under.Canvas.Font().SetStyle({fsUnderline});
  under.Canvas.Brush().SetStyle(bsClear);
  under.Canvas.TextOut(2, 2, u"Ab");
  EXPECT_GE(Inked(under), plain + s.Canvas.TextWidth(u"Ab"));
}

TEST_F(CanvasText, AnUnknownNameFallsBackToAnInstalledFace) {
  s.Canvas.Font().SetName(u"No Such Font At All");
  s.Canvas.Brush().SetStyle(bsClear);
  s.Canvas.TextOut(0, 0, u"A");
  EXPECT_GT(Inked(s), 10);
}

}  // namespace
}  // namespace zub
