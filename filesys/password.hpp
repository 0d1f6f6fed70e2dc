// Pronounceable passwords: consonant-vowel pairs with two digits inside.
//
// Every draw comes from the system's cryptographic generator (SecureRandom), not from the
// seeded process-wide generator: a password from a predictable sequence would be no
// password. The shape of the result is as described below.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// n = NChars clamped to 4..14 letters: a vowel ("aeiouy") first when n is odd, then n div 2
// pairs of a consonant ("bcdfghjklmnpqrstvwxz") and a vowel; then a number 00..99 as two
// digits inserted at position 7 (appended for n of 4 or 5). n + 2 characters.
UnicodeString InventPassword(int32_t NChars);
// The same, then over the first NChars characters (at most the whole password): with
// MixedCase each letter a..z becomes upper case with probability 1/2; with SpecialChars
// (after that) each position is replaced with probability 1/5 by one of 16 equally likely
// characters, the six of "_!$%#=" or a digit 0..9.
UnicodeString InventPassword(int32_t NChars, bool MixedCase, bool SpecialChars);

}  // namespace zub
