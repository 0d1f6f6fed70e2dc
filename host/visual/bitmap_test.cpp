#include "host/visual/bitmap.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "host/stream.hpp"
#include "host/visual/dib.hpp"

namespace zub {
namespace {

std::vector<uint8_t> Bytes(TMemoryStream& m) {
  const auto* p = static_cast<const uint8_t*>(m.Memory());
  return {p, p + m.Size()};
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A 3 x 2 bitmap with a distinct colour in each pixel.
std::unique_ptr<TBitmap> Sample() {
  auto b = std::make_unique<TBitmap>(3, 2);
  const TColor colours[] = {clRed, clLime, clBlue, 0x102030, clWhite, clBlack};
  for (int i = 0; i < 6; ++i) b->Canvas().SetPixels(i % 3, i / 3, colours[i]);
  return b;
}

TEST(Bitmap, SizeChangesKeepThePixelsThatRemainAndWhitenTheNew) {
  TBitmap b;
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), kInvalidPixel);
  b.SetSize(2, 2);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clWhite);
  b.Canvas().SetPixels(1, 1, clRed);
  b.SetWidth(4);
  b.SetHeight(3);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixels(3, 2), clWhite);
  b.Canvas().Pen().SetColor(clBlue);  // the canvas follows the new size
  b.Canvas().MoveTo(0, 2);
  b.Canvas().LineTo(4, 2);
  EXPECT_EQ(b.Canvas().Pixels(3, 2), clBlue);
  b.SetSize(-1, 5);
  EXPECT_EQ(b.Width(), 0);
  EXPECT_THROW(b.ScanLine(5), EInvalidArgument);
}

TEST(Bitmap, AssignCopiesSizeAndPixels) {
  const auto a = Sample();
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Canvas().Pixels(0, 1), 0x102030u);
  a->Canvas().SetPixels(0, 1, clBlack);
  EXPECT_EQ(b.Canvas().Pixels(0, 1), 0x102030u);
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(Bitmap, DIBBitsRunFromTheBottomRowUp) {
  const auto sample = Sample();
  const TBitmap& b = *sample;
  uint32_t header, image;
  GetDIBSizes(b, header, image);
  EXPECT_EQ(header, 40u);
  EXPECT_EQ(image, 24u);
  TBitmapInfoHeader info;
  std::vector<uint8_t> bits(image);
  ASSERT_TRUE(GetDIB(b, info, bits));
  EXPECT_EQ(info.biWidth, 3);
  EXPECT_EQ(info.biHeight, 2);
  EXPECT_EQ(info.biBitCount, 32);
  // First the bottom row: $102030 is red 0x30, green 0x20, blue 0x10: bytes 10 20 30 00.
  EXPECT_EQ((std::vector<uint8_t>(bits.begin(), bits.begin() + 4)),
            (std::vector<uint8_t>{0x10, 0x20, 0x30, 0}));
  EXPECT_EQ((std::vector<uint8_t>(bits.begin() + 12, bits.begin() + 16)),
            (std::vector<uint8_t>{0, 0, 0xFF, 0}));
  std::vector<uint8_t> small(image - 1);
  EXPECT_FALSE(GetDIB(b, info, small));
}

TEST(Bitmap, SavesABmpFile) {
  const auto b = Sample();
  TMemoryStream m;
  b->SaveToStream(m);
  const std::vector<uint8_t> bytes = Bytes(m);
  ASSERT_EQ(bytes.size(), 14u + 40u + 24u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Le32(bytes, 2), 78u);
  EXPECT_EQ(Le32(bytes, 10), 54u);
  EXPECT_EQ(Le32(bytes, 14), 40u);
  EXPECT_EQ(Le32(bytes, 18), 3u);
  EXPECT_EQ(Le32(bytes, 22), 2u);
  EXPECT_EQ(Le32(bytes, 54), 0x00302010u);  // bottom left: $102030
}

TEST(Bitmap, PngRoundTripsEveryPixel) {
  const auto b = Sample();
  TMemoryStream m;
  b->SaveToPNGStream(m);
  const std::vector<uint8_t> bytes = Bytes(m);
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  m.SetPosition(0);
  TBitmap c;
  c.LoadFromPNGStream(m);
  ASSERT_EQ(c.Width(), 3);
  ASSERT_EQ(c.Height(), 2);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x)
      EXPECT_EQ(c.Canvas().Pixels(x, y), b->Canvas().Pixels(x, y)) << x << "," << y;
}

TEST(Bitmap, PngFilesThroughTheFileSystem) {
  const auto path =
      std::filesystem::temp_directory_path() /
      ("zub-bitmap-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".png");
  const UnicodeString name = Utf8ToUnicode(path.string());
  Sample()->SaveToPNGFile(name);
  TBitmap c;
  c.LoadFromPNGFile(name);
  EXPECT_EQ(c.Canvas().Pixels(2, 0), clBlue);
  std::filesystem::remove(path);
  EXPECT_THROW(c.LoadFromPNGFile(name), EFOpenError);
}

TEST(Bitmap, ABrokenPngIsRefusedAndLeavesTheBitmap) {
  const auto sample = Sample();
  TBitmap& b = *sample;
  TMemoryStream m;
  b.SaveToPNGStream(m);
  std::vector<uint8_t> bytes = Bytes(m);
  bytes.resize(bytes.size() / 2);  // cut short
  for (const std::vector<uint8_t>& bad : {bytes, std::vector<uint8_t>{'n', 'o', 't', ' ', 'p', 'n', 'g'}}) {
    TMemoryStream in;
    in.WriteBuffer(bad.data(), static_cast<int32_t>(bad.size()));
    in.SetPosition(0);
    try {
      b.LoadFromPNGStream(in);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message().rfind(u"Invalid PNG image: ", 0), 0u);
    }
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clRed);
  }
}

}  // namespace
}  // namespace zub
