#include "foundation/print_bitmap.hpp"

#include <vector>

#include "host/visual/dib.hpp"
#include "host/visual/printer.hpp"

namespace zub {

void PrintBitmap(const TBitmap& Bitmap, int32_t X, int32_t Y) {
  uint32_t headerSize, imageSize;
  GetDIBSizes(Bitmap, headerSize, imageSize);
  TBitmapInfoHeader info;
  std::vector<uint8_t> bits(imageSize);
  if (!GetDIB(Bitmap, info, bits)) return;
  StretchDIBits(Printer()->Canvas(), X, Y, info.biWidth, info.biHeight, 0, 0, info.biWidth, info.biHeight,
                bits, info);
}

}  // namespace zub
