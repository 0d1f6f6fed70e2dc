// CompileRegExp and MatchString on arbitrary expressions and texts: no crash, no write past
// the token table, match positions inside the text, and the same answer twice.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strings/grep.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const zub::UnicodeString all =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  const size_t cut = std::min<size_t>(data[1], all.size());
  zub::TGrep g(nullptr);
  g.SetStopOnError(false);
  g.SetIgnoreCase(data[0] & 1);
  g.SetSearchStartPos((data[0] >> 1) % 8);
  g.SetRegExp(all.substr(0, cut));
  if (g.NrOfRegExpTokens() > zub::MaxGrepTokens || g.LastError() < 0 || g.LastError() > 12) std::abort();
  const zub::UnicodeString text = all.substr(cut);
  int32_t pos = 0;
  const bool m = g.MatchString(text, pos);
  if (m) {
    if (g.MatchStartPos() < 1 || g.MatchStartPos() > static_cast<int32_t>(text.size()) + 1) std::abort();
    if (g.MatchEndPos() < g.MatchStartPos() - 1 || g.MatchEndPos() > static_cast<int32_t>(text.size()))
      std::abort();
  }
  int32_t again = 0;
  if (g.MatchString(text, again) != m || (m && again != pos)) std::abort();
  g.RegExpListing();
  return 0;
}
