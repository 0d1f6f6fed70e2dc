#include "strings/char_class.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace zub {

namespace charclass {

namespace {

constexpr std::array<uint8_t, 256> MakeTable() {
  std::array<uint8_t, 256> t{};
  for (int c = '0'; c <= '9'; ++c) t[c] |= kDigit | kHex;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] |= kUpper;
  for (int c = 'a'; c <= 'z'; ++c) t[c] |= kLower;
  for (int c = 'A'; c <= 'F'; ++c) t[c] |= kHex;
  for (int c = 'a'; c <= 'f'; ++c) t[c] |= kHex;
  for (int c : {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF}) t[c] |= kUmlaut;
  // 33, 35..41, 45, 46, 48..57, 64..90, 94..123, 125, 126
  const auto fn83 = [&t](int lo, int hi) {
    for (int c = lo; c <= hi; ++c) t[c] |= kFN83;
  };
  fn83(33, 33);
  fn83(35, 41);
  fn83(45, 46);
  fn83(48, 57);
  fn83(64, 90);
  fn83(94, 123);
  fn83(125, 126);
  return t;
}

constexpr std::array<uint8_t, 256> kTable = MakeTable();

}  // namespace

uint8_t Flags(Char c) {
  return c < 256 ? kTable[c] : 0;
}

}  // namespace charclass

using namespace charclass;

bool IsDigit(Char c) {
  return (Flags(c) & kDigit) != 0;
}
bool IsLetter(Char c) {
  return (Flags(c) & (kUpper | kLower)) != 0;
}
bool IsDigitLetter(Char c) {
  return (Flags(c) & (kDigit | kUpper | kLower)) != 0;
}
bool IsHexChar(Char c) {
  return (Flags(c) & kHex) != 0;
}
bool IsUmlaut(Char c) {
  return (Flags(c) & kUmlaut) != 0;
}

bool IsAllHex(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), IsHexChar);
}
bool IsAllDec(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), IsDigit);
}

bool TestAllChar(std::u16string_view s, Char c) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [c](Char x) { return x == c; });
}

bool IsAbbreviation(std::u16string_view s) {
  int run = 0, longest = 0, small = 0;
  for (Char c : s) {
    const uint8_t f = Flags(c);
    run = (f & kUpper) ? run + 1 : 0;
    longest = std::max(longest, run);
    if (f & (kLower | kDigit)) ++small;
  }
  return longest >= 2 && longest > small;
}

namespace {

// Expands the range tokens in passes, each pass replacing the first occurrence of each
// token in table order, until a pass finds none.
std::bitset<256> ClassMembers(std::u16string_view charClass) {
  static const std::array<std::pair<std::u16string_view, UnicodeString>, 5> kTokens = [] {
    UnicodeString low, high;
    for (int c = 0; c <= 31; ++c) low += static_cast<Char>(c);
    for (int c = 128; c <= 255; ++c) high += static_cast<Char>(c);
    return std::array<std::pair<std::u16string_view, UnicodeString>, 5>{{
        {u"//dig", u"0123456789"},
        {u"//lc", u"abcdefghijklmnopqrstuvwxyz"},
        {u"//uc", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {u"//31dwn", low},
        {u"//128up", high},
    }};
  }();
  UnicodeString cls(charClass);
  for (bool found = true; found;) {
    found = false;
    for (const auto& [token, expansion] : kTokens) {
      const size_t p = cls.find(token);
      if (p == UnicodeString::npos) continue;
      cls.replace(p, token.size(), expansion);
      found = true;
    }
  }
  std::bitset<256> members;
  for (Char c : cls)
    if (c < 256) members.set(c);
  return members;
}

}  // namespace

bool StringContains(std::u16string_view s, std::u16string_view charClass) {
  const std::bitset<256> members = ClassMembers(charClass);
  return std::any_of(s.begin(), s.end(), [&](Char c) { return c < 256 && members.test(c); });
}

bool StringContainsOtherThan(std::u16string_view s, std::u16string_view charClass) {
  const std::bitset<256> members = ClassMembers(charClass);
  return std::any_of(s.begin(), s.end(), [&](Char c) { return c >= 256 || !members.test(c); });
}

namespace {
std::bitset<256> InitialWordSeps() {
  std::bitset<256> s;
  for (int c : {0, 10, 13, 32, 34, 35, 37, 39, 58, 59, 60, 61, 62, 91, 92, 93, 123, 125})
    s.set(static_cast<size_t>(c));
  for (int c = 40; c <= 47; ++c) s.set(static_cast<size_t>(c));
  return s;
}
}  // namespace

std::bitset<256> WordSeps = InitialWordSeps();

bool IsWordSep(Char c) {
  return c < 256 && WordSeps.test(c);
}

}  // namespace zub
