// PrintBitmap: a bitmap onto the current page of the process's printer, pixel for pixel.
#pragma once

#include <cstdint>

#include "host/visual/bitmap.hpp"

namespace zub {

// Copies Bitmap's device-independent bits to the canvas of Printer() with the top left
// corner at (X, Y), Bitmap.Width() x Bitmap.Height() printer pixels from the whole image,
// a plain copy (StretchDIBits). Pixels beyond the page are left out; an empty bitmap
// prints nothing. The copy of the bits is released however the call ends.
void PrintBitmap(const TBitmap& Bitmap, int32_t X, int32_t Y);

}  // namespace zub
