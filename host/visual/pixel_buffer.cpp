#include "host/visual/pixel_buffer.hpp"

#include <algorithm>
#include <new>
#include <string>

#include "host/exceptions.hpp"

namespace zub {

void TPixelBuffer::SetSize(int32_t Width, int32_t Height, uint32_t Fill) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == FWidth && Height == FHeight) return;
  try {
    std::vector<uint32_t> bits(static_cast<size_t>(Width) * static_cast<size_t>(Height), Fill);
    const int32_t keepW = std::min(Width, FWidth), keepH = std::min(Height, FHeight);
    for (int32_t y = 0; y < keepH; ++y)
      std::copy_n(Row(y), keepW, bits.data() + static_cast<size_t>(y) * static_cast<size_t>(Width));
    FBits.swap(bits);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory for " + std::to_string(Width) + " x " + std::to_string(Height) +
                       " pixels");
  }
  FWidth = Width;
  FHeight = Height;
}

}  // namespace zub
