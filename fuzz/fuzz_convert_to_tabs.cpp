// ConvertToTabs alone, on arbitrary texts with every flag combination: no crash, no growth.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "strings/tokens.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const zub::UnicodeString text =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  const zub::UnicodeString tabs = zub::ConvertToTabs(text, data[0] & 1, data[0] & 2);
  if (tabs.size() > text.size()) std::abort();
  if (zub::ConvertToTabs(tabs, false, false).find(u"  ") != zub::UnicodeString::npos) std::abort();
  return 0;
}
