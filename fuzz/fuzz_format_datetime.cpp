// FormatDateTime with an arbitrary format string and date.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "host/date_time.hpp"
#include "host/exceptions.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  double when = 45000.25;
  if (size >= sizeof when) {
    std::memcpy(&when, data, sizeof when);
    data += sizeof when;
    size -= sizeof when;
  }
  const zub::UnicodeString format =
      zub::AnsiToUnicode(std::string(reinterpret_cast<const char*>(data), size));
  try {
    zub::FormatDateTime(format, when, zub::TFormatSettings{});
  } catch (const zub::EConvertError&) {
    // dates outside the calendar are refused
  }
  return 0;
}
