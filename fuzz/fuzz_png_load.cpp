// TBitmap::LoadFromPNGStream on arbitrary bytes: a bitmap or EInvalidGraphic, never a crash;
// a loaded bitmap saves and loads back to the same pixels.
#include <cstdint>
#include <cstdlib>

#include "host/stream.hpp"
#include "host/visual/bitmap.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zub::TMemoryStream in;
  if (size > 0) in.WriteBuffer(data, static_cast<int32_t>(size));
  in.SetPosition(0);
  zub::TBitmap b(1, 1);
  try {
    b.LoadFromPNGStream(in);
  } catch (const zub::EInvalidGraphic&) {
    if (b.Width() != 1 || b.Height() != 1) std::abort();  // a failed load leaves the bitmap
    return 0;
  }
  zub::TMemoryStream png;
  b.SaveToPNGStream(png);
  png.SetPosition(0);
  zub::TBitmap back;
  back.LoadFromPNGStream(png);
  if (back.Width() != b.Width() || back.Height() != b.Height()) std::abort();
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x)
      if (back.Canvas().Pixels(x, y) != b.Canvas().Pixels(x, y)) std::abort();
  return 0;
}
