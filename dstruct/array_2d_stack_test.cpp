#include "dstruct/array_2d_stack.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

TDouble2DArray Filled(size_t Rows, size_t Cols, double First) {
  TDouble2DArray a(Rows, TDoubleArray(Cols));
  for (size_t r = 0; r < Rows; ++r)
    for (size_t c = 0; c < Cols; ++c) a[r][c] = First + static_cast<double>(r * Cols + c);
  return a;
}

TEST(T2DArrayStack, HoldsMaxSizeEntriesAndRefusesMore) {
  T2DArrayStack s(nullptr);
  EXPECT_EQ(s.ClassName(), u"T2DArrayStack");
  EXPECT_EQ(s.MaxSize(), 20);
  EXPECT_EQ(s.GetNumEntries(), 0);
  for (int32_t i = 1; i <= 20; ++i) ASSERT_EQ(s.Push(Filled(1, 1, i)), i);
  EXPECT_EQ(s.Push(Filled(1, 1, 0)), -1);
  EXPECT_EQ(s.NumEntries(), 20);

  // The limits of the capacity, each filled to the brim.
  for (const int32_t n : {1, 999}) {
    s.SetStackSize(n);
    EXPECT_EQ(s.MaxSize(), n);
    for (int32_t i = 1; i <= n; ++i) ASSERT_EQ(s.Push({}), i);
    EXPECT_EQ(s.Push({}), -1) << n;
  }
}

TEST(T2DArrayStack, SetStackSizeOutsideOneTo999IsIgnoredElseEmptiesTheStack) {
  T2DArrayStack s(nullptr);
  s.Push(Filled(2, 2, 1), u"kept");
  for (const int32_t n : {0, -1, 1000, INT32_MIN, INT32_MAX}) {
    s.SetStackSize(n);
    EXPECT_EQ(s.MaxSize(), 20) << n;
    EXPECT_EQ(s.NumEntries(), 1) << n;
  }
  for (const int32_t n : {5, 5}) {  // the same size again empties too
    s.Push(Filled(2, 2, 1), u"gone");
    s.SetStackSize(n);
    EXPECT_EQ(s.MaxSize(), 5);
    EXPECT_EQ(s.NumEntries(), 0);
    EXPECT_EQ(s.FindByName(u"gone"), 0);
  }
}

TEST(T2DArrayStack, PopReturnsTheTopEntryWithItsName) {
  T2DArrayStack s(nullptr);
  const TDouble2DArray a = Filled(3, 2, 1.5);
  s.Push(Filled(1, 4, 0));
  EXPECT_EQ(s.Push(a, u"Abc"), 2);
  EXPECT_EQ(s.FindByName(u"aBC"), 2);
  EXPECT_EQ(s.FindByName(u""), 1);  // the unnamed entry
  TDouble2DArray out;
  UnicodeString name = u"old";
  EXPECT_EQ(s.Pop(out, name), 0);
  EXPECT_EQ(out, a);
  EXPECT_EQ(name, u"Abc");
  EXPECT_EQ(s.Pop(out), 0);
  EXPECT_EQ(out, Filled(1, 4, 0));

  // Empty: 0 x 0 and no name.
  EXPECT_EQ(s.Pop(out, name), -1);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(name, u"");
  out = Filled(2, 2, 0);
  EXPECT_EQ(s.Pop(out), -1);
  EXPECT_TRUE(out.empty());
}

TEST(T2DArrayStack, EntriesAreCopiesOfWhatWasPushed) {
  T2DArrayStack s(nullptr);
  TDouble2DArray a = Filled(2, 3, 0);
  s.Push(a, u"m");
  a[0][0] = 99;  // changes the caller's array only
  TDouble2DArray clone;
  ASSERT_EQ(s.CloneArray(1, clone), 0);
  EXPECT_EQ(clone, Filled(2, 3, 0));
  clone[1][2] = 42;  // changes the clone only
  TDouble2DArray out;
  s.Pop(out);
  EXPECT_EQ(out, Filled(2, 3, 0));
}

TEST(T2DArrayStack, RaggedArraysTakeTheFirstRowsWidth) {
  struct Case {
    const char* what;
    TDouble2DArray in, stored;
  };
  const Case cases[] = {
      {"rectangular", {{1, 2}, {3, 4}}, {{1, 2}, {3, 4}}},
      {"shorter rows padded", {{1, 2, 3}, {4}, {}}, {{1, 2, 3}, {4, 0, 0}, {0, 0, 0}}},
      {"longer rows cut", {{1}, {2, 3, 4}}, {{1}, {2}}},
      {"empty first row", {{}, {1, 2}}, {{}, {}}},
      {"no rows", {}, {}},
  };
  for (const Case& c : cases) {
    T2DArrayStack s(nullptr);
    // A slot that held a larger entry before must not leak into the new one.
    s.Push(Filled(4, 4, 100));
    s.Clear();
    ASSERT_EQ(s.Push(c.in), 1) << c.what;
    TDouble2DArray out;
    ASSERT_EQ(s.CloneArray(1, out), 0) << c.what;
    EXPECT_EQ(out, c.stored) << c.what;
  }
}

TEST(T2DArrayStack, IndicesOutsideTheEntriesChangeNothing) {
  T2DArrayStack s(nullptr);
  s.SetName(u"Stack");
  s.Push(Filled(1, 1, 1), u"one");
  s.Push(Filled(1, 1, 2), u"two");
  for (const int32_t ix : {0, -1, 3, 20, INT32_MAX}) {
    TDouble2DArray out = Filled(2, 2, 0);
    EXPECT_EQ(s.CloneArray(ix, out), -1) << ix;
    EXPECT_TRUE(out.empty()) << ix;
    EXPECT_EQ(s.GetArrayName(ix), u"") << ix;
    s.SetArrayName(ix, u"x");
  }
  EXPECT_EQ(s.NumEntries(), 2);
  EXPECT_EQ(s.GetArrayName(1), u"one");
  EXPECT_EQ(s.GetArrayName(2), u"two");
  EXPECT_EQ(s.FindByName(u"x"), 0);
  EXPECT_EQ(s.Name(), u"Stack");
}

TEST(T2DArrayStack, NamesFoldOnlyAsciiLettersAndOnlyLiveEntriesCount) {
  T2DArrayStack s(nullptr);
  s.Push({}, u"Gr\u00fcn");
  s.Push({}, u"rot");
  s.Push({}, u"ROT");
  EXPECT_EQ(s.FindByName(u"GR\u00fcN"), 1);
  EXPECT_EQ(s.FindByName(u"GR\u00dcN"), 0);  // U+00DC is not folded
  EXPECT_EQ(s.FindByName(u"Rot"), 2);        // the first from the bottom
  s.SetArrayName(2, u"blau");
  EXPECT_EQ(s.GetArrayName(2), u"blau");
  EXPECT_EQ(s.FindByName(u"rot"), 3);

  TDouble2DArray out;
  s.Pop(out);
  EXPECT_EQ(s.FindByName(u"rot"), 0);
  s.Clear();
  EXPECT_EQ(s.FindByName(u"blau"), 0);
  EXPECT_EQ(s.GetArrayName(1), u"");
}

}  // namespace
}  // namespace zub
