#include "foundation/frame_drawing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/visual/bitmap.hpp"

namespace zub {
namespace {

using Rows = std::vector<std::string>;
constexpr TColor kColours[5] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055};

// '.' white, '1' .. '5' the frame colours, '?' anything else.
Rows Picture(TBitmap& b) {
  Rows rows;
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < b.Width(); ++x) {
      const TColor c = b.Canvas().Pixels(x, y);
      char ch = c == clWhite ? '.' : '?';
      for (int i = 0; i < 5; ++i)
        if (c == kColours[i]) ch = static_cast<char>('1' + i);
      row += ch;
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(DrawRectangle, SetsEveryPixelOfTheOutlineIncludingRightAndBottom) {
  TBitmap b(6, 5);
  DrawRectangle(b.Canvas(), 1, 1, 4, 3);
  EXPECT_EQ(Picture(b), (Rows{"......", ".????.", ".?..?.", ".????.", "......"}));
  EXPECT_EQ(b.Canvas().PenPos(), (TPoint{1, 1}));
}

TEST(DrawFrame, DrawsEachStyleAsItsBevelsSay) {
  struct Case {
    TFrameStyle style;
    Rows want;
    TColor lastPen;
  };
  const Rows blank(7, "........");
  const Case cases[] = {
      {fsNone, blank, clBlack},
      {fsSimple,
       {"........", ".555555.", ".5....5.", ".5....5.", ".5....5.", ".555555.", "........"},
       kColours[4]},
      {fsRaised,
       {"........", ".111111.", ".122224.", ".12..34.", ".133334.", ".444444.", "........"},
       kColours[2]},
      {fsLowered,
       {"........", ".333333.", ".344441.", ".34..21.", ".322221.", ".111111.", "........"},
       kColours[1]},
      {fsEmbossed,
       {"........", ".111111.", ".133333.", ".13..13.", ".111113.", ".333333.", "........"},
       kColours[0]},
      {fsEngraved,
       {"........", ".333333.", ".311111.", ".31..31.", ".333331.", ".111111.", "........"},
       kColours[2]},
      {static_cast<TFrameStyle>(6), blank, clBlack},
      {static_cast<TFrameStyle>(255), blank, clBlack},
  };
  for (const Case& c : cases) {
    TBitmap b(8, 7);
    DrawFrame(b.Canvas(), c.style, 1, 1, 6, 5, kColours[0], kColours[1], kColours[2], kColours[3],
              kColours[4]);
    EXPECT_EQ(Picture(b), c.want) << "style " << int{c.style};
    EXPECT_EQ(b.Canvas().Pen().Color(), c.lastPen) << "style " << int{c.style};
  }
}

TEST(DrawFrame, RaisedFrameOfTheTenByTenBox) {
  TBitmap b(25, 25);
  DrawFrame(b.Canvas(), fsRaised, 10, 10, 20, 20, kColours[0], kColours[1], kColours[2], kColours[3],
            kColours[4]);
  for (int32_t x = 10; x <= 20; ++x) EXPECT_EQ(b.Canvas().Pixels(x, 10), kColours[0]) << x;
  EXPECT_EQ(b.Canvas().Pixels(20, 20), kColours[3]);
  EXPECT_EQ(b.Canvas().Pixels(21, 10), clWhite);
  EXPECT_EQ(b.Canvas().Pixels(9, 20), clWhite);
}

}  // namespace
}  // namespace zub
