#include "strings/scramble.hpp"

namespace zub {

namespace {
std::array<uint8_t, 256> scrambleTable{};
std::array<uint8_t, 256> descrambleTable{};

UnicodeString Through(std::u16string_view s, const std::array<uint8_t, 256>& table) {
  UnicodeString out(s);
  for (Char& c : out)
    if (c < 256) c = table[c];
  return out;
}
}  // namespace

void InitScramble(int32_t seed) {
  RandSeed = static_cast<uint32_t>(seed);
  scrambleTable.fill(0);
  descrambleTable.fill(0);
  for (int c = 1; c <= 255; ++c) {
    int r;
    do {
      r = Random(255) + 1;
    } while (descrambleTable[static_cast<size_t>(r)] != 0);
    scrambleTable[static_cast<size_t>(c)] = static_cast<uint8_t>(r);
    descrambleTable[static_cast<size_t>(r)] = static_cast<uint8_t>(c);
  }
}

UnicodeString Scramble(std::u16string_view s) {
  return Through(s, scrambleTable);
}
UnicodeString DeScramble(std::u16string_view s) {
  return Through(s, descrambleTable);
}
const std::array<uint8_t, 256>& ScrambleTable() {
  return scrambleTable;
}
const std::array<uint8_t, 256>& DescrambleTable() {
  return descrambleTable;
}

}  // namespace zub
