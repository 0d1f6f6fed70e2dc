// A test peer for `zubkit crc32`: prints HEX  NAME for each file with zlib's crc32, in the same
// format, so the test can compare the two outputs byte for byte. Not installed.
#include <zlib.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  std::vector<unsigned char> block(1 << 16);
  int rc = 0;
  for (int i = 1; i < argc; ++i) {
    std::FILE* f = std::fopen(argv[i], "rb");
    if (f == nullptr) {
      std::perror(argv[i]);
      rc = 1;
      continue;
    }
    uLong crc = crc32(0, nullptr, 0);
    for (size_t n; (n = std::fread(block.data(), 1, block.size(), f)) > 0;)
      crc = crc32(crc, block.data(), static_cast<uInt>(n));
    if (std::ferror(f) != 0) rc = 1;
    std::fclose(f);
    std::printf("%08lx  %s\n", crc, argv[i]);
  }
  return rc;
}
