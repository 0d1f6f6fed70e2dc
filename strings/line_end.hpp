// The line-end modes shared by the line readers of strings and streams:
// 0 LF; 1 CR; 2 CR or LF; 3 CR right after LF; 4 LF right after CR; others never.
#pragma once

#include <cstdint>

namespace zub {

// Whether Byte, read after Previous, ends a line in EOLMode.
inline bool IsLineEnd(int32_t EOLMode, uint8_t Byte, uint8_t Previous) {
  switch (EOLMode) {
    case 0:
      return Byte == 10;
    case 1:
      return Byte == 13;
    case 2:
      return Byte == 10 || Byte == 13;
    case 3:
      return Byte == 13 && Previous == 10;
    case 4:
      return Byte == 10 && Previous == 13;
    default:
      return false;
  }
}

}  // namespace zub
