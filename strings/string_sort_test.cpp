#include "strings/string_sort.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace zub {
namespace {

void Fill(TStringList& l, std::initializer_list<const Char*> items) {
  l.Clear();
  for (const Char* s : items) l.Add(s);
}

std::vector<UnicodeString> Items(const TStringList& l) {
  std::vector<UnicodeString> v;
  for (int32_t i = 0; i < l.Count(); ++i) v.push_back(l.Strings(i));
  return v;
}

TEST(SortStringList, SortsByTheTextAfterTheKey) {
  TStringList l;
  Fill(l, {u"#10 x", u"#9 y", u"#2 z"});
  EXPECT_EQ(SortStringList(l, u"#", 1, 1, false, true), 0);
  EXPECT_EQ(Items(l), (std::vector<UnicodeString>{u"#2 z", u"#9 y", u"#10 x"}));
  EXPECT_EQ(SortStringList(l, u"#", 1, 1, false, false), 0);
  EXPECT_EQ(Items(l), (std::vector<UnicodeString>{u"#10 x", u"#2 z", u"#9 y"}));

  // The second key from the right, offset 2 skips one more character, keys found in any case.
  TStringList m;
  Fill(m, {u"a:K:xb:K:z", u"q:k:ya:k:z", u"r:K:wc:K:z"});
  EXPECT_EQ(SortStringList(m, u"k:", -2, 2, true, false), 0);
  EXPECT_EQ(Items(m), (std::vector<UnicodeString>{u"q:k:ya:k:z", u"a:K:xb:K:z", u"r:K:wc:K:z"}));
}

TEST(SortStringList, NumericOrderExtendsBeyond32Bits) {
  TStringList l;
  Fill(l, {u"=99999999999999999999 a", u"=7 b", u"=x c", u"=0007 a", u"=2147483648 d", u"= e"});
  EXPECT_EQ(SortStringList(l, u"=", 1, 1, false, true), 0);
  EXPECT_EQ(Items(l), (std::vector<UnicodeString>{u"= e", u"=0007 a", u"=7 b", u"=2147483648 d",
                                                  u"=99999999999999999999 a", u"=x c"}));
}

TEST(SortStringList, Statuses) {
  TStringList l;
  Fill(l, {u"b=1", u"a=2"});
  EXPECT_EQ(SortStringList(l, u"=", 0, 1, false, false), -3);
  EXPECT_EQ(Items(l), (std::vector<UnicodeString>{u"b=1", u"a=2"}));  // untouched
  TStringList missing;
  Fill(missing, {u"b=1", u"a2", u"c=3"});
  EXPECT_EQ(SortStringList(missing, u"=", 1, 1, false, false), -1);
  TStringList outside;
  Fill(outside, {u"b=1", u"a=2"});
  EXPECT_EQ(SortStringList(outside, u"=", 1, 5, false, false), -2);
  EXPECT_EQ(SortStringList(outside, u"=", 1, -5, false, false), -2);
  EXPECT_EQ(SortStringList(outside, u"", 1, 1, false, false), -1);  // an empty key is never found
  TStringList single;
  Fill(single, {u"no key"});
  EXPECT_EQ(SortStringList(single, u"=", 1, 1, false, false), 0);  // nothing compared
}

TEST(SortStringList, TwoSortsRunAtOnce) {
  auto work = [](bool numeric) {
    for (int round = 0; round < 200; ++round) {
      TStringList l;
      Fill(l, {u"#10", u"#9", u"#100", u"#1"});
      if (SortStringList(l, u"#", 1, 1, false, numeric) != 0) return false;
      const bool ok = numeric ? l.Strings(0) == u"#1" && l.Strings(3) == u"#100" : l.Strings(3) == u"#9";
      if (!ok) return false;
    }
    return true;
  };
  bool a = false, b = false;
  std::thread t1([&] { a = work(true); });
  std::thread t2([&] { b = work(false); });
  t1.join();
  t2.join();
  EXPECT_TRUE(a);
  EXPECT_TRUE(b);
}

}  // namespace
}  // namespace zub
