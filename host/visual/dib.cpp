#include "host/visual/dib.hpp"

#include <cstring>

namespace zub {

void GetDIBSizes(const TBitmap& Bitmap, uint32_t& InfoHeaderSize, uint32_t& ImageSize) {
  InfoHeaderSize = 40;
  ImageSize = 4u * static_cast<uint32_t>(Bitmap.Width()) * static_cast<uint32_t>(Bitmap.Height());
}

bool GetDIB(const TBitmap& Bitmap, TBitmapInfoHeader& Info, std::span<uint8_t> Bits) {
  uint32_t headerSize, imageSize;
  GetDIBSizes(Bitmap, headerSize, imageSize);
  if (Bits.size() < imageSize) return false;
  Info = TBitmapInfoHeader{};
  Info.biWidth = Bitmap.Width();
  Info.biHeight = Bitmap.Height();
  Info.biSizeImage = imageSize;
  const TPixelBuffer& px = Bitmap.PixelBuffer();
  const size_t rowBytes = 4 * static_cast<size_t>(px.Width());
  for (int32_t y = 0; y < px.Height(); ++y) {
    const uint32_t* row = px.Row(px.Height() - 1 - y);
    uint8_t* dst = Bits.data() + rowBytes * static_cast<size_t>(y);
    for (int32_t x = 0; x < px.Width(); ++x) {
      const uint32_t v = row[x];
      dst[4 * x] = static_cast<uint8_t>(v);
      dst[4 * x + 1] = static_cast<uint8_t>(v >> 8);
      dst[4 * x + 2] = static_cast<uint8_t>(v >> 16);
      dst[4 * x + 3] = 0;
    }
  }
  return true;
}

int32_t StretchDIBits(TCanvas& Canvas, int32_t DestX, int32_t DestY, int32_t DestWidth, int32_t DestHeight,
                      int32_t SrcX, int32_t SrcY, int32_t SrcWidth, int32_t SrcHeight,
                      std::span<const uint8_t> Bits, const TBitmapInfoHeader& Info) {
  if (Info.biBitCount != 32 || Info.biCompression != 0 || Info.biWidth <= 0 || Info.biHeight == 0) return 0;
  const int64_t width = Info.biWidth, height = Info.biHeight < 0 ? -int64_t{Info.biHeight} : Info.biHeight;
  if (static_cast<uint64_t>(Bits.size()) < static_cast<uint64_t>(4 * width * height)) return 0;
  if (DestWidth <= 0 || DestHeight <= 0 || SrcWidth <= 0 || SrcHeight <= 0) return 0;
  int32_t rows = 0;
  for (int32_t dy = 0; dy < DestHeight; ++dy) {
    const int64_t sy = SrcY + int64_t{dy} * SrcHeight / DestHeight;
    if (sy < 0 || sy >= height) continue;
    // Row sy from the top is stored at sy (top-down) or height - 1 - sy (bottom-up).
    const uint8_t* row = Bits.data() + 4 * width * (Info.biHeight < 0 ? sy : height - 1 - sy);
    bool any = false;
    for (int32_t dx = 0; dx < DestWidth; ++dx) {
      const int64_t sx = SrcX + int64_t{dx} * SrcWidth / DestWidth;
      if (sx < 0 || sx >= width) continue;
      const uint8_t* p = row + 4 * sx;
      Canvas.SetPixels(DestX + dx, DestY + dy, TColor{p[2]} | TColor{p[1]} << 8 | TColor{p[0]} << 16);
      any = true;
    }
    rows += any;
  }
  return rows;
}

}  // namespace zub
