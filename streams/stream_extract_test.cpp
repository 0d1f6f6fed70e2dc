#include "streams/stream_extract.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

std::string Bytes(TMemoryStream& m) {
  return std::string(reinterpret_cast<const char*>(m.Memory()), m.DataSize());
}

TEST(StreamExtract, CopiesTheLinesThatMentionAKey) {
  TStringStream in{AnsiString("alpha ERROR one\r\nbeta\nwarning: two\rgamma error\n")};
  TMemoryStream out;
  TStringList keys;
  keys.Add(u"error");
  keys.Add(u"");
  keys.Add(u"Warning");
  EXPECT_EQ(ExtractFromStream(in, out, keys), 3);
  EXPECT_EQ(Bytes(out), "alpha ERROR one\r\nwarning: two\r\ngamma error\r\n");
  TStringList none;
  TStringStream again{AnsiString("x\n")};
  EXPECT_EQ(ExtractFromStream(again, out, none), 0);
}

TEST(StreamExtract, SearchAndReplaceCountsOccurrencesAndExpandsModifiers) {
  auto run = [](const std::string& text, std::u16string_view search, std::u16string_view replace,
                bool ignoreCase, int32_t first, int32_t max, std::u16string_view brackets,
                const TSRUnknownModifierEvent& ev, int32_t& count) {
    TMemoryStream in, out;
    in.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    in.SetPosition(0);
    count = SearchAndReplace(in, out, search, replace, ignoreCase, first, max, brackets, ev);
    return Bytes(out);
  };
  int32_t n = 0;
  EXPECT_EQ(run("a-A-a", u"a", u"b", false, 1, 0, u"", nullptr, n), "b-A-b");
  EXPECT_EQ(n, 2);
  EXPECT_EQ(run("a-A-a", u"a", u"b", true, 2, 1, u"", nullptr, n), "a-b-a");
  EXPECT_EQ(n, 1);
  EXPECT_EQ(run("x x x", u"x", u"[{count}:{match}@{pos}]", false, 0, 0, u"{}", nullptr, n),
            "[1:x@0] [2:x@2] [3:x@4]");
  EXPECT_EQ(run(
                "ab", u"A", u"<{upper}{other}{", true, 1, 0, u"{}",
                [](const UnicodeString& cmd, UnicodeString& sub) {
                  if (cmd == u"upper") sub.push_back(u'U');
                },
                n),
            "<U{b");
  EXPECT_EQ(run("ab", u"a", u"{nope}", false, 1, 0, u"{}", nullptr, n), "{nope}b");
  EXPECT_EQ(run("aaa", u"", u"x", false, 1, 0, u"{}", nullptr, n), "aaa");
  EXPECT_EQ(n, 0);
}

}  // namespace
}  // namespace zub
