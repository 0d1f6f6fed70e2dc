// URLDecode and URLEncode on arbitrary texts: decoding never lengthens a text, and a text
// encoded and decoded comes back as it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "html/ZUB_htmlsupport.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zub::UnicodeString s = zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data), size));
  if (zub::URLDecode(s).size() > s.size()) std::abort();
  // A text without "%" is its own first decoding pass, so the round trip must hold.
  if (s.find(u'%') == zub::UnicodeString::npos && zub::URLDecode(zub::URLEncode(s)) != s) std::abort();
  zub::ExtractHTTPPath(s);
  return 0;
}
