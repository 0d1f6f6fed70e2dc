// The sheet of all 256 data-point marks that `zubkit marks` writes and the tour shows: each
// mark drawn at its own size and enlarged by whole pixels, so the eye sees every pixel,
// under its number.
#pragma once

#include <cstdint>
#include <memory>

#include "host/visual/bitmap.hpp"

namespace zubkit {

// 16 rows of 16 cells, mark n in row n / 16, column n % 16. Each mark is drawn in black on
// white around the centre of a 15 x 15 field, and the field enlarged Scale times (1 to 16);
// the number is written under it at 8 points. Cells are separated by grey lines.
std::unique_ptr<zub::TBitmap> MarkSheet(int32_t Scale);

// The bitmap as PNG bytes written to Path, or to standard output for "-"; raises WriteError
// when that fails.
void WritePNG(const zub::TBitmap& Bitmap, const std::string& Path);

}  // namespace zubkit
