// DecodeASCII85 on arbitrary bytes: no crash, no hang, a result of 0, -1 or -2 or the
// integer-overflow error; and every encoding of the input decodes back to it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    zub::TStringStream in{zub::AnsiString(bytes)}, out;
    try {
      const int32_t r = zub::DecodeASCII85(in, out);
      if (r != 0 && r != -1 && r != -2) std::abort();
    } catch (const zub::EIntOverflow&) {
    }
    if (in.Position() > static_cast<int64_t>(bytes.size())) std::abort();
  }
  for (const bool breaks : {true, false}) {
    zub::TStringStream raw{zub::AnsiString(bytes)}, text, back;
    zub::EncodeASCII85(raw, text, breaks);
    text.SetPosition(0);
    if (zub::DecodeASCII85(text, back) != 0 || back.Bytes() != bytes) std::abort();
    if (text.Position() != text.Size() - 1) std::abort();  // just after the "~", before ">"
  }
  return 0;
}
