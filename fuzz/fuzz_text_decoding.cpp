// UTF-8 and Windows-1252 decoding of arbitrary bytes: no crash, and what comes out
// round-trips.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/unicode.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const zub::UnicodeString text = zub::Utf8ToUnicode(bytes);
  if (zub::Utf8ToUnicode(zub::UnicodeToUtf8(text)) != text) std::abort();
  if (zub::UnicodeToAnsi(zub::AnsiToUnicode(bytes)) != bytes) std::abort();
  return 0;
}
