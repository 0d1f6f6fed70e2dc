#include "host/visual/dib.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zub {
namespace {

// The bits of a 2 x 2 image, rows from the bottom up: bottom blue, lime; top red, white.
struct TwoByTwo {
  TBitmapInfoHeader Info;
  std::vector<uint8_t> Bits;
  TwoByTwo() {
    TBitmap b(2, 2);
    b.Canvas().SetPixels(0, 0, clRed);
    b.Canvas().SetPixels(0, 1, clBlue);
    b.Canvas().SetPixels(1, 1, clLime);
    Bits.resize(16);
    GetDIB(b, Info, Bits);
  }
};

std::vector<std::string> Picture(TBitmap& b) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < b.Width(); ++x) {
      const TColor c = b.Canvas().Pixels(x, y);
      row += c == clWhite ? '.' : c == clRed ? 'r' : c == clBlue ? 'b' : c == clLime ? 'g' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(StretchDIBits, CopiesPixelForPixelAtThePlaceGiven) {
  const TwoByTwo src;
  TBitmap dest(4, 3);
  EXPECT_EQ(StretchDIBits(dest.Canvas(), 1, 1, 2, 2, 0, 0, 2, 2, src.Bits, src.Info), 2);
  EXPECT_EQ(Picture(dest), (std::vector<std::string>{"....", ".r..", ".bg."}));
}

TEST(StretchDIBits, ReadsTopDownBitsScalesAndClips) {
  TwoByTwo src;
  // The same picture with the rows the other way round and a negative height.
  TBitmapInfoHeader down = src.Info;
  down.biHeight = -2;
  std::vector<uint8_t> flipped(src.Bits.begin() + 8, src.Bits.end());
  flipped.insert(flipped.end(), src.Bits.begin(), src.Bits.begin() + 8);
  TBitmap dest(5, 4);
  StretchDIBits(dest.Canvas(), -1, 0, 4, 4, 0, 0, 2, 2, flipped, down);
  EXPECT_EQ(Picture(dest), (std::vector<std::string>{"r....", "r....", "bgg..", "bgg.."}));
}

TEST(StretchDIBits, RefusesBitsItCannotRead) {
  TwoByTwo src;
  TBitmap dest(2, 2);
  TBitmapInfoHeader info = src.Info;
  info.biBitCount = 24;
  EXPECT_EQ(StretchDIBits(dest.Canvas(), 0, 0, 2, 2, 0, 0, 2, 2, src.Bits, info), 0);
  const std::vector<uint8_t> few(src.Bits.begin(), src.Bits.begin() + 15);
  EXPECT_EQ(StretchDIBits(dest.Canvas(), 0, 0, 2, 2, 0, 0, 2, 2, few, src.Info), 0);
  EXPECT_EQ(Picture(dest), (std::vector<std::string>{"..", ".."}));
}

}  // namespace
}  // namespace zub
