// A reversible character-substitution scrambler: a seeded permutation of the codes 1..255
// and its inverse. The unit fills the tables from a fixed built-in seed when it loads.
#pragma once

#include <array>
#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The seed the unit uses when it loads.
inline constexpr int32_t BuiltInScrambleSeed = 4711;

// Seeds the process-wide generator with seed and builds the tables: entry 0 stays 0,
// entries 1..255 of the scramble table are a permutation of 1..255, the descramble table
// its inverse. Must not run while another thread scrambles.
void InitScramble(int32_t seed);
// Every character through the scramble / descramble table. Characters above 255 are left
// unchanged, so DeScramble(Scramble(s)) == s for every text.
UnicodeString Scramble(std::u16string_view s);
UnicodeString DeScramble(std::u16string_view s);
// The current tables (for inspection).
const std::array<uint8_t, 256>& ScrambleTable();
const std::array<uint8_t, 256>& DescrambleTable();

}  // namespace zub
