#include "host/string_list.hpp"

#include <gtest/gtest.h>

#include <random>

#include "host/case_map.hpp"
#include "host/convert.hpp"

namespace zub {
namespace {

TEST(StringList, ItemsAndBounds) {
  TStringList l;
  EXPECT_EQ(l.Add(u"a"), 0);
  l.Add(u"b");
  l.SetStrings(1, u"B");
  l.Insert(0, u"first");
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Strings(2), u"B");
  EXPECT_EQ(l.IndexOf(u"b"), 2);
  EXPECT_THROW(l.Strings(3), EListError);
  EXPECT_THROW(l.SetStrings(-1, u"x"), EListError);
  l.Delete(0);
  EXPECT_EQ(l.Text(), u"a\r\nB\r\n");
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, SetTextSplitsAtEveryLineEnd) {
  TStringList l;
  l.SetText(u"a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(l.Count(), 6);
  EXPECT_EQ(l.Strings(4), u"");
  EXPECT_EQ(l.Strings(5), u"e");
}

TEST(StringList, CustomSortOrdersInPlaceWithTheCallback) {
  TStringList l;
  std::mt19937 rng(7);
  for (int i = 0; i < 500; ++i) l.Add(IntToStr(static_cast<int32_t>(rng() % 100)));
  // Numeric order, seen through the list as it is being sorted.
  l.CustomSort([](TStringList& list, int32_t a, int32_t b) {
    return StrToInt(list.Strings(a)) - StrToInt(list.Strings(b));
  });
  for (int i = 1; i < l.Count(); ++i) ASSERT_LE(StrToInt(l.Strings(i - 1)), StrToInt(l.Strings(i)));
  l.Sort();
  for (int i = 1; i < l.Count(); ++i) ASSERT_LE(CompareText(l.Strings(i - 1), l.Strings(i)), 0);

  TStringList copy;
  copy.Assign(&l);
  EXPECT_EQ(copy.Text(), l.Text());
}

}  // namespace
}  // namespace zub
