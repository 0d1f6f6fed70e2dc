#include "host/visual/internal/png_codec.hpp"

#include <png.h>

#include <cstring>
#include <stdexcept>

namespace zub::visual_internal {

std::vector<uint8_t> EncodePNG(const TPixelBuffer& Pixels) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(Pixels.Width());
  image.height = static_cast<png_uint_32>(Pixels.Height());
  image.format = PNG_FORMAT_BGR;
  std::vector<uint8_t> rgb(3 * static_cast<size_t>(Pixels.Width()) * static_cast<size_t>(Pixels.Height()));
  uint8_t* dst = rgb.data();
  for (int32_t y = 0; y < Pixels.Height(); ++y)
    for (const uint32_t *p = Pixels.Row(y), *end = p + Pixels.Width(); p < end; ++p) {
      *dst++ = static_cast<uint8_t>(*p);
      *dst++ = static_cast<uint8_t>(*p >> 8);
      *dst++ = static_cast<uint8_t>(*p >> 16);
    }
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr))
    throw std::runtime_error(std::string("libpng: ") + image.message);
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr))
    throw std::runtime_error(std::string("libpng: ") + image.message);
  bytes.resize(size);
  return bytes;
}

bool DecodePNG(const std::vector<uint8_t>& Bytes, TPixelBuffer& Pixels, std::string& Error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, Bytes.data(), Bytes.size())) {
    Error = image.message;
    return false;
  }
  image.format = PNG_FORMAT_BGRA;
  // Up to 2^26 pixels (8192 x 8192): a header may claim any size before the data runs out.
  if (image.width > 0x7FFF'FFFF / 4 || image.height > 0x7FFF'FFFF / 4 ||
      static_cast<uint64_t>(image.width) * image.height > (uint64_t{1} << 26)) {
    png_image_free(&image);
    Error = "image too large";
    return false;
  }
  TPixelBuffer decoded;
  decoded.SetSize(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height), 0);
  if (!png_image_finish_read(&image, nullptr, decoded.Bits(), 0, nullptr)) {
    Error = image.message;
    png_image_free(&image);
    return false;
  }
  // BGRA bytes read as little-endian words: the alpha lands in the top byte, which the
  // buffer keeps 0.
  uint32_t* bits = decoded.Bits();
  for (size_t i = 0, n = static_cast<size_t>(image.width) * image.height; i < n; ++i) bits[i] &= 0x00FF'FFFF;
  std::swap(Pixels, decoded);
  return true;
}

}  // namespace zub::visual_internal
