// ReadLnStream in every line-end mode over arbitrary bytes: no crash, lines never longer
// than the input, and the end reported once everything is read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "streams/stream_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t mode = data[0] % 6;
  zub::TStringStream s{zub::AnsiString(reinterpret_cast<const char*>(data + 1), size - 1)};
  size_t total = 0;
  for (bool eos = false; !eos;) {
    const zub::UnicodeString line = zub::ReadLnStream(s, eos, mode);
    total += line.size();
    if (total > size) std::abort();
  }
  if (s.Position() != s.Size()) std::abort();
  return 0;
}
