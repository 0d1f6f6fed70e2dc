// PNG through libpng, between a TPixelBuffer and the bytes of a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/visual/pixel_buffer.hpp"

namespace zub::visual_internal {

// 8-bit RGB, no interlacing.
std::vector<uint8_t> EncodePNG(const TPixelBuffer& Pixels);
// Decodes any PNG into Pixels; false with Error set (libpng's reason) for bytes that are no
// valid PNG or an image of more than 2^26 pixels (8192 x 8192), Pixels then unchanged.
bool DecodePNG(const std::vector<uint8_t>& Bytes, TPixelBuffer& Pixels, std::string& Error);

}  // namespace zub::visual_internal
