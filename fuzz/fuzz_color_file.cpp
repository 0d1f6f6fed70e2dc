// TColorArray::ReadFromOpenTextFile on a file of arbitrary bytes, with and without
// AdjustSize: no crash, no hang, and the array keeps a sane size.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "colors/color_array.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/zub_fuzz_colors_" + std::to_string(::getpid()) + ".txt";
  if (size == 0) return 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data + 1, 1, size - 1, f);
  std::fclose(f);
  zub::TColorArray colors(nullptr);
  colors.Resize(16);
  zub::TextFile t;
  zub::AssignFile(t, zub::Utf8ToUnicode(path));
  zub::Reset(t);
  colors.ReadFromOpenTextFile(t, data[0] & 1);
  zub::CloseFile(t);
  if (colors.Size() < 1 || colors.Size() > zub::TColorArray::MaxFileSize) std::abort();
  return 0;
}
