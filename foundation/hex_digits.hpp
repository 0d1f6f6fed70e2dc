// Reading hexadecimal digits out of a text, shared by the units that parse hex codes
// (colours, escapes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zub {

// The value of a hex digit (0-9, A-F, a-f), or -1.
inline int HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// The value of the hex digits of s from index at on, at most maxDigits of them, up to the
// first other character; the low 32 bits of it. next receives the index after the last
// digit read.
inline uint32_t ReadHexDigits(std::u16string_view s, size_t at, size_t maxDigits, size_t& next) {
  uint32_t value = 0;
  size_t i = at;
  for (; i < s.size() && i - at < maxDigits; ++i) {
    const int d = HexDigitValue(s[i]);
    if (d < 0) break;
    value = value * 16 + static_cast<uint32_t>(d);
  }
  next = i;
  return value;
}

}  // namespace zub
