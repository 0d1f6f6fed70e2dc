// ReadNextTagInStream and ReadStreamUntilTagList over arbitrary bytes: no crash, no hang,
// and every call consumes input until the end.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "streams/ZUB_streams.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const zub::UnicodeString list[] = {u"a", u"/a", u"point", u"", u"dummy"};
  {
    zub::TStringStream s{zub::AnsiString(bytes)};
    zub::UnicodeString attribs, content;
    int64_t last = -1;
    while (s.Position() < s.Size()) {
      const int32_t ix = zub::ReadNextTagInStream(s, list, attribs, content);
      if (ix < 0 || ix > 4 || s.Position() <= last) std::abort();
      last = s.Position();
      zub::ScanForXMLAttrib(attribs, u"x");
    }
  }
  {
    zub::TStringStream s{zub::AnsiString(bytes)};
    int32_t ix = 0;
    const zub::UnicodeString before = zub::ReadStreamUntilTagList(s, {u"b", u"/a"}, ix);
    if (before.size() > bytes.size()) std::abort();
  }
  return 0;
}
