// Tokenize (both forms), ConvertToTabs and ReadLnString on arbitrary texts: no crash, the
// token limit holds, and line reading always ends.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strings/tokens.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const zub::UnicodeString all =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 3), size - 3));
  const size_t cut = std::min<size_t>(data[1] % 4, all.size());
  const zub::UnicodeString sep = all.substr(0, cut), text = all.substr(cut);
  zub::TStrArray tokens;
  const int32_t n = zub::Tokenize(text, sep, tokens);
  if (n < 1 || n > 1000 || static_cast<size_t>(n) != tokens.size()) std::abort();
  const int32_t m = zub::Tokenize(text, sep, static_cast<zub::Char>(data[2]), tokens);
  if (m < 1 || m > 1000) std::abort();
  const zub::UnicodeString tabs = zub::ConvertToTabs(text, data[0] & 1, data[0] & 2);
  if (tabs.size() > text.size()) std::abort();
  int32_t pos = 1;
  size_t lines = 0;
  for (bool end = false; !end;) {
    zub::ReadLnString(text, pos, end, (data[0] >> 2) % 6);
    if (++lines > text.size() + 1) std::abort();
  }
  return 0;
}
