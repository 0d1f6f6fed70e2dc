#include "filesys/password.hpp"

#include <gtest/gtest.h>

#include <set>

#include "host/random.hpp"

namespace zub {
namespace {

bool IsVowel(Char c) {
  return UnicodeString(u"aeiouy").find(c) != UnicodeString::npos;
}
bool IsConsonant(Char c) {
  return UnicodeString(u"bcdfghjklmnpqrstvwxz").find(c) != UnicodeString::npos;
}
bool IsDigit(Char c) {
  return c >= u'0' && c <= u'9';
}

// The shape letter by letter: v vowel, c consonant, d digit.
std::string Shape(const UnicodeString& p) {
  std::string s;
  for (Char c : p) s += IsVowel(c) ? 'v' : IsConsonant(c) ? 'c' : IsDigit(c) ? 'd' : '?';
  return s;
}

TEST(Password, ShapeByLength) {
  const std::vector<std::pair<int32_t, std::string>> cases = {
      {3, "cvcvdd"},
      {4, "cvcvdd"},
      {5, "vcvcvdd"},
      {6, "cvcvcvdd"},
      {9, "vcvcvcddvcv"},
      {14, "cvcvcvddcvcvcvcv"},
      {99, "cvcvcvddcvcvcvcv"},
  };
  for (const auto& [n, shape] : cases)
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Shape(InventPassword(n)), shape) << n;
}

TEST(Password, DrawsFromTheSystemGenerator) {
  // The seeded generator neither decides the password nor is moved by it.
  std::set<UnicodeString> seen;
  for (int i = 0; i < 50; ++i) {
    RandSeed = 7;
    seen.insert(InventPassword(10));
    EXPECT_EQ(RandSeed, 7u);
  }
  EXPECT_GT(seen.size(), 45u);
}

TEST(Password, MixedCaseAndSpecialCharacters) {
  int upper = 0, special = 0, total = 0;
  for (int i = 0; i < 400; ++i) {
    const UnicodeString p = InventPassword(8, true, false);
    ASSERT_EQ(p.size(), 10u);
    for (size_t k = 0; k < p.size(); ++k) {
      const Char lower = (p[k] >= u'A' && p[k] <= u'Z') ? static_cast<Char>(p[k] + 32) : p[k];
      if (k >= 8) {
        EXPECT_EQ(p[k], lower) << "only the first 8 are visited";
      }
      if (lower != p[k]) ++upper;
    }
    const UnicodeString q = InventPassword(8, false, true);
    for (size_t k = 0; k < 8; ++k) {
      ++total;
      if (UnicodeString(u"_!$%#=").find(q[k]) != UnicodeString::npos) ++special;
    }
  }
  EXPECT_GT(upper, 400 * 8 * 3 / 10);  // about half of the letters in 8 positions
  EXPECT_LT(upper, 400 * 8 * 7 / 10);
  EXPECT_GT(special, total * 2 / 100);  // about 1/5 * 6/16 = 7.5 %
  EXPECT_LT(special, total * 15 / 100);
}

}  // namespace
}  // namespace zub
