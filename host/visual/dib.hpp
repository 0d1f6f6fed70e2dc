// The pixels of a TBitmap as a device-independent bitmap: the 40-byte information header
// and the bits, 32 per pixel (blue, green, red, 0), rows from the bottom up, as the
// platform's GetDIBSizes and GetDIB hand them out, and StretchDIBits, which copies such
// bits onto a canvas.
#pragma once

#include <cstdint>
#include <span>

#include "host/visual/bitmap.hpp"

namespace zub {

struct TBitmapInfoHeader {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;  // positive: rows from the bottom up
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 32;
  uint32_t biCompression = 0;  // BI_RGB
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 3780;  // 96 pixels per inch
  int32_t biYPelsPerMeter = 3780;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};

// The sizes in bytes of the header (40) and of the bits (4 * width * height).
void GetDIBSizes(const TBitmap& Bitmap, uint32_t& InfoHeaderSize, uint32_t& ImageSize);
// Fills Info and copies the bits into Bits; false (and nothing copied) when Bits is smaller
// than GetDIBSizes' ImageSize.
bool GetDIB(const TBitmap& Bitmap, TBitmapInfoHeader& Info, std::span<uint8_t> Bits);

// Copies the source rectangle (SrcX, SrcY, SrcWidth x SrcHeight, counted from the image's
// top left corner) of the bits described by Info onto Canvas's pixels DestWidth x
// DestHeight at (DestX, DestY), each destination pixel taking the source pixel it falls on
// (a plain copy when the sizes agree). Takes 32-bit BI_RGB bits with rows from the bottom
// up (positive biHeight) or from the top down (negative); source pixels outside the image
// and destination pixels outside the canvas are left out. Returns the number of rows
// copied, 0 for bits of another format or fewer bytes than Info describes.
int32_t StretchDIBits(TCanvas& Canvas, int32_t DestX, int32_t DestY, int32_t DestWidth, int32_t DestHeight,
                      int32_t SrcX, int32_t SrcY, int32_t SrcWidth, int32_t SrcHeight,
                      std::span<const uint8_t> Bits, const TBitmapInfoHeader& Info);

}  // namespace zub
