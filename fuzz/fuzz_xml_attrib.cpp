// ScanForXMLAttrib on arbitrary attribute texts and names: no crash, and a value found is
// part of the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "streams/tag_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zub::UnicodeString all = zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data), size));
  const size_t cut = all.find(u'\n');
  const zub::UnicodeString attribs = cut == zub::UnicodeString::npos ? all : all.substr(cut + 1);
  const zub::UnicodeString name =
      cut == zub::UnicodeString::npos ? zub::UnicodeString(u"a") : all.substr(0, cut);
  const zub::UnicodeString value = zub::ScanForXMLAttrib(attribs, name);
  if (!value.empty() && attribs.find(value) == zub::UnicodeString::npos) std::abort();
  return 0;
}
