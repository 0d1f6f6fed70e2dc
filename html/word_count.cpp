#include "html/word_count.hpp"

#include "strings/char_class.hpp"

namespace zub {

int32_t CountWordsHTML(const UnicodeString& s, bool skipNumbers, bool& inTag) {
  int32_t words = 0;
  size_t runLength = 0;
  Char first = 0;
  for (const Char c : s) {
    if (c == u'<') inTag = true;
    if (c == u'>') inTag = false;
    if (inTag) continue;
    if (IsWordSep(c)) {
      if (runLength >= 2 && !(skipNumbers && IsDigit(first))) ++words;
      runLength = 0;
    } else {
      if (runLength == 0) first = c;
      ++runLength;
    }
  }
  return words;
}

}  // namespace zub
