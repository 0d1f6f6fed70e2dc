// DecodeBase64 on arbitrary bytes: no crash, no hang, a result of 0 or -1, and a text of
// nothing but alphabet characters in whole groups encodes back from what it decodes to.
// Every encoding of the input decodes back to it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  zub::TStringStream in{zub::AnsiString(bytes)}, out;
  const int32_t r = zub::DecodeBase64(in, out);
  if (r != 0 && r != -1) std::abort();
  if (r == 0 && bytes.size() % 4 == 0 &&
      bytes.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/") ==
          std::string::npos) {
    zub::TStringStream again{zub::AnsiString(out.Bytes())}, text;
    zub::EncodeBase64(again, text, false);
    if (text.Bytes() != bytes) std::abort();
  }
  for (const bool breaks : {true, false}) {
    zub::TStringStream raw{zub::AnsiString(bytes)}, text, back;
    zub::EncodeBase64(raw, text, breaks);
    text.SetPosition(0);
    if (zub::DecodeBase64(text, back) != 0 || back.Bytes() != bytes) std::abort();
  }
  return 0;
}
