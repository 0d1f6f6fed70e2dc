// TLogicOp, the bit-wise combinations that the bit field and the byte matrix apply to their
// storage, with the display names of the operations.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// Result per bit, a the own bit, b the other operand's.
enum TLogicOp : uint8_t {
  loAND,     // a and b
  loOR,      // a or b
  loXOR,     // a xor b
  loANDNot,  // a and not b
  loORNot,   // a or not b
  loXORNot   // a xor not b
};

// "AND", "OR", "XOR", "ANDNOT", "ORNOT", "XORNOT", indexed by TLogicOp.
extern const std::array<UnicodeString, 6> IDS_LOGICOP;

// Combines Count bytes of Own with the bytes of Other, byte by byte (Own[i] = Own[i] op
// Other[i]); the two ranges may be the same. An operation outside TLogicOp leaves Own as it is.
void CombineBytes(uint8_t* Own, const uint8_t* Other, size_t Count, TLogicOp Operation);

}  // namespace zub
