#include "filesys/password.hpp"

#include <algorithm>

#include "host/random.hpp"

namespace zub {

namespace {

constexpr std::u16string_view kVowels = u"aeiouy";
constexpr std::u16string_view kConsonants = u"bcdfghjklmnpqrstvwxz";
constexpr std::u16string_view kSpecials = u"_!$%#=";

Char Pick(std::u16string_view from) {
  return from[SecureRandom(static_cast<uint32_t>(from.size()))];
}

// True with probability numerator / denominator.
bool Chance(uint32_t numerator, uint32_t denominator) {
  return SecureRandom(denominator) < numerator;
}

}  // namespace

UnicodeString InventPassword(int32_t NChars) {
  const int32_t n = std::clamp(NChars, 4, 14);
  UnicodeString word;
  if (n % 2 == 1) word += Pick(kVowels);
  for (int32_t i = 0; i < n / 2; ++i) {
    word += Pick(kConsonants);
    word += Pick(kVowels);
  }
  const uint32_t number = SecureRandom(100);
  const UnicodeString digits{static_cast<Char>(u'0' + number / 10), static_cast<Char>(u'0' + number % 10)};
  if (word.size() < 6)
    word += digits;
  else
    word.insert(6, digits);
  return word;
}

UnicodeString InventPassword(int32_t NChars, bool MixedCase, bool SpecialChars) {
  UnicodeString word = InventPassword(NChars);
  const size_t visit = std::min(word.size(), static_cast<size_t>(std::max(NChars, 0)));
  if (MixedCase)
    for (size_t i = 0; i < visit; ++i)
      if (word[i] >= u'a' && word[i] <= u'z' && Chance(1, 2)) word[i] = static_cast<Char>(word[i] - 32);
  if (SpecialChars)
    for (size_t i = 0; i < visit; ++i)
      if (Chance(1, 5)) {
        const uint32_t k = SecureRandom(16);
        word[i] = k < 6 ? kSpecials[k] : static_cast<Char>(u'0' + (k - 6));
      }
  return word;
}

}  // namespace zub
