// ReadLnString in every line-end mode on arbitrary texts: no crash, progress on every call,
// no control character in a line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strings/tokens.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const zub::UnicodeString text =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  int32_t pos = 1;
  for (bool end = false; !end;) {
    const int32_t before = pos;
    const zub::UnicodeString line = zub::ReadLnString(text, pos, end, data[0] % 7);
    for (zub::Char c : line)
      if (c < 32) std::abort();
    if (!end && pos <= before) std::abort();
  }
  return 0;
}
