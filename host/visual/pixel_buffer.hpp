// TPixelBuffer: the pixels a canvas draws on, rows of 32-bit values from the top row down.
// Each value holds blue in the low byte, then green, then red, and 0 in the top byte (the
// layout of a 32-bit device-independent bitmap row, and of cairo's RGB24 images).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/graphics.hpp"

namespace zub {

// The stored value of a colour (plain red-green-blue, no system colour) and back.
constexpr uint32_t ColorToPixel(TColor c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr TColor PixelToColor(uint32_t p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

class TPixelBuffer {
 public:
  TPixelBuffer() = default;

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  // Changes the size; pixels inside both the old and the new size keep their values, the
  // others are set to Fill. Negative sizes are taken as 0. Raises EOutOfMemory when the
  // pixels cannot be held.
  void SetSize(int32_t Width, int32_t Height, uint32_t Fill);

  // The row y (0 = top); y must lie in 0 .. Height - 1.
  uint32_t* Row(int32_t y) { return FBits.data() + static_cast<size_t>(y) * static_cast<size_t>(FWidth); }
  const uint32_t* Row(int32_t y) const {
    return FBits.data() + static_cast<size_t>(y) * static_cast<size_t>(FWidth);
  }
  uint32_t* Bits() { return FBits.data(); }
  const uint32_t* Bits() const { return FBits.data(); }

 private:
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  std::vector<uint32_t> FBits;
};

}  // namespace zub
