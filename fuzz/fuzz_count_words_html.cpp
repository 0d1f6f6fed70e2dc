// CountWordsHTML fed an arbitrary text in arbitrary pieces (the first byte gives the piece
// length): no crash, and never more words than the text has separators.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "html/ZUB_htmlsupport.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t piece = 1 + data[0] % 32;
  const bool skipNumbers = (data[1] & 1) != 0;
  const zub::UnicodeString s =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  bool inTag = (data[1] & 2) != 0;
  int64_t words = 0;
  for (size_t at = 0; at < s.size(); at += piece)
    words += zub::CountWordsHTML(s.substr(at, piece), skipNumbers, inTag);
  if (words * 3 > static_cast<int64_t>(s.size()) + 2)
    std::abort();  // a word takes 2 characters and its separator
  return 0;
}
