#include "dstruct/string_stack.hpp"

#include <gtest/gtest.h>

#include <cstdint>

#include "dstruct/ZUB_dstruct.hpp"

namespace zub {
namespace {

TEST(TStringStack, HoldsMaxSizeEntriesAndRefusesMore) {
  TStringStack s(nullptr);
  EXPECT_EQ(s.ClassName(), u"TStringStack");
  EXPECT_EQ(s.MaxSize(), 20);
  for (int32_t i = 1; i <= 20; ++i) ASSERT_EQ(s.Push(IntToStr(i)), i);
  EXPECT_EQ(s.Push(u"21"), -1);
  EXPECT_EQ(s.GetNumEntries(), 20);
  UnicodeString top;
  EXPECT_EQ(s.Pop(top), 0);
  EXPECT_EQ(top, u"20");  // the refused push left the top alone

  for (const int32_t n : {1, 999}) {
    s.SetStackSize(n);
    EXPECT_EQ(s.MaxSize(), n);
    EXPECT_EQ(s.NumEntries(), 0);
    for (int32_t i = 1; i <= n; ++i) ASSERT_EQ(s.Push(u"x"), i);
    EXPECT_EQ(s.Push(u"x"), -1) << n;
  }
  for (const int32_t n : {0, -5, 1000}) {
    s.SetStackSize(n);
    EXPECT_EQ(s.MaxSize(), 999) << n;
    EXPECT_EQ(s.NumEntries(), 999) << n;
  }
  s.SetStackSize(999);  // the same size still empties
  EXPECT_EQ(s.NumEntries(), 0);
}

TEST(TStringStack, PopAndCloneString) {
  TStringStack s(nullptr);
  UnicodeString str = u"old";
  EXPECT_EQ(s.Pop(str), -1);
  EXPECT_EQ(str, u"");
  s.Push(u"bottom");
  s.Push(u"");
  s.Push(u"top");
  for (const int32_t ix : {0, -1, 4, INT32_MAX}) {
    str = u"old";
    EXPECT_EQ(s.CloneString(ix, str), -1) << ix;
    EXPECT_EQ(str, u"") << ix;
  }
  EXPECT_EQ(s.CloneString(1, str), 0);
  EXPECT_EQ(str, u"bottom");
  EXPECT_EQ(s.NumEntries(), 3);
  EXPECT_EQ(s.Pop(str), 0);
  EXPECT_EQ(str, u"top");
  EXPECT_EQ(s.Pop(str), 0);
  EXPECT_EQ(str, u"");
  EXPECT_EQ(s.CloneString(2, str), -1);  // popped entries are gone
  s.Clear();
  EXPECT_EQ(s.NumEntries(), 0);
  EXPECT_EQ(s.CloneString(1, str), -1);
}

TEST(TStringStack, FindStringWholeOrPartWithOrWithoutCase) {
  TStringStack s(nullptr);
  for (const Char* e : {u"Hello", u"say hello", u"HELLO", u"", u"\u00c4pfel"}) s.Push(e);
  struct Case {
    const Char* str;
    bool subString, ignoreCase;
    int32_t found;
  };
  const Case cases[] = {
      {u"ell", true, false, 1},   {u"hello", false, false, 0},     {u"hello", false, true, 1},
      {u"hello", true, false, 2}, {u"HELLO", false, false, 3},     {u"y h", true, false, 2},
      {u"Hello!", true, true, 0}, {u"", false, false, 4},          {u"", true, false, 0},
      {u"", true, true, 0},       {u"\u00e4pfel", false, true, 0},  // only A..Z fold
      {u"PFEL", true, true, 5},   {u"Hell", false, true, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(s.FindString(c.str, c.subString, c.ignoreCase), c.found)
        << UnicodeToUtf8(c.str) << " " << c.subString << " " << c.ignoreCase;

  // Only the entries on the stack are searched.
  UnicodeString str;
  s.Pop(str);
  EXPECT_EQ(s.FindString(u"pfel", true, false), 0);
}

}  // namespace
}  // namespace zub
