// ScanStreamFPNum and ScanStreamDecimal over arbitrary bytes with every flag combination:
// no crash, results finite and within the clamp, progress on every call.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "streams/number_scan.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool allowExp = data[0] & 1;
  const int32_t decPChar = (data[0] >> 1) & 3;
  zub::TStringStream s{zub::AnsiString(reinterpret_cast<const char*>(data + 1), size - 1)};
  for (int64_t last = -1; s.Position() < s.Size();) {
    const double v = (data[0] & 8) ? zub::ScanStreamDecimal(s) : zub::ScanStreamFPNum(s, allowExp, decPChar);
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(zub::uc_MaxDouble)) std::abort();
    if (s.Position() <= last) std::abort();
    last = s.Position();
  }
  return 0;
}
