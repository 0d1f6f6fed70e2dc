#include "dstruct/string_accu.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <unordered_map>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

std::vector<UnicodeString> EntriesOf(const TStringAccu& a) {
  std::vector<UnicodeString> entries;
  for (int32_t i = 1; i <= a.Size(); ++i) entries.push_back(a.GetString(i));
  return entries;
}

TEST(TStringAccu, CountsExactStringsInFirstSeenOrder) {
  TStringAccu a(nullptr);
  EXPECT_EQ(a.ClassName(), u"TStringAccu");
  EXPECT_EQ(a.Size(), 0);
  for (const Char* s : {u"a", u"b", u"a", u"A"}) a.Add(s);
  EXPECT_EQ(a.Size(), 3);
  EXPECT_EQ(EntriesOf(a), (std::vector<UnicodeString>{u"a", u"b", u"A"}));
  EXPECT_EQ(a.GetCount(1), 2);
  EXPECT_EQ(a.GetCount(2), 1);
  EXPECT_EQ(a.GetCount(3), 1);
}

TEST(TStringAccu, EveryCharacterCounts) {
  // Strings that differ only in what a careless comparison would overlook.
  const UnicodeString strings[] = {
      u"",        UnicodeString(1, u'\0'), UnicodeString(2, u'\0'),        u" ",   u"\u00e4",
      u"a\u0308", u"\U0001F600",           UnicodeString(1, Char{0xD83D}), u"abc", u"abc ",
      u"ab"};
  TStringAccu a(nullptr);
  for (int round = 1; round <= 3; ++round)
    for (const UnicodeString& s : strings) a.Add(s);
  ASSERT_EQ(a.Size(), static_cast<int32_t>(std::size(strings)));
  for (int32_t i = 1; i <= a.Size(); ++i) {
    EXPECT_EQ(a.GetString(i), strings[i - 1]) << i;
    EXPECT_EQ(a.GetCount(i), 3) << i;
  }
}

TEST(TStringAccu, IndicesOutsideTheEntriesReadAsEmpty) {
  TStringAccu a(nullptr);
  a.Add(u"x");
  for (const int32_t ix : {INT32_MIN, -1, 0, 2, INT32_MAX}) {
    EXPECT_EQ(a.GetString(ix), u"") << ix;
    EXPECT_EQ(a.GetCount(ix), 0) << ix;
  }
}

TEST(TStringAccu, ClearForgetsEveryEntry) {
  TStringAccu a(nullptr);
  for (int i = 0; i < 100; ++i) a.Add(IntToStr(i % 10));
  a.Clear();
  EXPECT_EQ(a.Size(), 0);
  EXPECT_EQ(a.GetString(1), u"");
  a.Add(u"7");
  a.Add(u"new");
  a.Add(u"7");
  EXPECT_EQ(EntriesOf(a), (std::vector<UnicodeString>{u"7", u"new"}));
  EXPECT_EQ(a.GetCount(1), 2);
}

// Random strings with many repeats, across the index's growth: the order is that of first
// appearance, the counts those of a hash map, and every string is found at its own entry.
TEST(TStringAccu, AgreesWithAnUnorderedMapOnRandomInput) {
  std::mt19937 rng(77);
  TStringAccu a(nullptr);
  std::unordered_map<UnicodeString, int32_t> counts;
  std::vector<UnicodeString> order;
  for (int i = 0; i < 60000; ++i) {
    // Mostly short strings from a small alphabet, so that they collide and repeat; some long.
    const size_t length = rng() % 8 == 0 ? 20 + rng() % 40 : rng() % 4;
    UnicodeString s;
    for (size_t k = 0; k < length; ++k) s += static_cast<Char>(u'a' + rng() % 5);
    a.Add(s);
    if (counts[s]++ == 0) order.push_back(s);
  }
  ASSERT_EQ(a.Size(), static_cast<int32_t>(order.size()));
  for (int32_t i = 1; i <= a.Size(); ++i) {
    ASSERT_EQ(a.GetString(i), order[static_cast<size_t>(i - 1)]) << i;
    ASSERT_EQ(a.GetCount(i), counts[order[static_cast<size_t>(i - 1)]]) << i;
  }
}

}  // namespace
}  // namespace zub
