// Val and StrToFloat on arbitrary text: no crash, and an accepted number reads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/convert.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zub::UnicodeString text = zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data), size));
  int64_t i = 0;
  int32_t code = 0;
  zub::Val(text, i, code);
  if (code < 0 || code > static_cast<int32_t>(text.size()) + 1) std::abort();
  if (code == 0 && zub::StrToInt64(zub::IntToStr(i)) != i) std::abort();
  double d = 0;
  zub::Val(text, d, code);
  if (code == 0) {
    if (!std::isfinite(d)) std::abort();
    double back = 0;
    const zub::UnicodeString shown = zub::FloatToStr(d, zub::TFormatSettings::Invariant());
    if (!zub::TryStrToFloat(shown, back, zub::TFormatSettings::Invariant())) std::abort();
  }
  zub::TryStrToFloat(text, d);
  return 0;
}
