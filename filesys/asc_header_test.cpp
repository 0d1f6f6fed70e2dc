#include "filesys/asc_header.hpp"

#include <gtest/gtest.h>

#include <string>

#include "filesys/ZUB_filesys.hpp"
#include "streams/stream_text.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

struct Header {
  uint8_t code = 0;
  UnicodeString comment;
  int32_t first = -1, second = -1;
  bool f1 = true, f2 = true, f3 = true, f4 = true;
  bool operator==(const Header&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Header& h) {
  return os << int(h.code) << " '" << UnicodeToUtf8(h.comment) << "' " << h.first << " " << h.second << " " << h.f1
            << h.f2 << h.f3 << h.f4;
}

Header FromFile(const UnicodeString& name) {
  Header h;
  h.code = ReadHeaderOfASC(name, h.comment, h.first, h.second, h.f1, h.f2, h.f3, h.f4);
  return h;
}

Header FromStream(TStream& s) {
  Header h;
  h.code = ReadHeaderOfASC(s, h.comment, h.first, h.second, h.f1, h.f2, h.f3, h.f4);
  return h;
}

// Both forms read the same headers alike; the counts and flags not reached keep what the
// caller had in them (-1), the flags are false once line 4 is reached.
TEST(AscHeader, FileAndStreamFormsReadTheHeader) {
  struct Case {
    std::string text;
    Header want;
  };
  const Case cases[] = {
      {"my data\r\n12\r\n7 columns\r\ntrue\tfalse TRUE\r\n1 2 3\r\n", {0, u"my data", 12, 7, true, false, true, false}},
      {"lf only\n3\n4\nFALSE FALSE FALSE TRUE\n", {0, u"lf only", 3, 4, false, false, false, true}},
      {"c\n\n  5 rows\n\n6\n  true true true true\n", {0, u"c", 5, 6, true, true, true, true}},
      {"c\n5\n6\nTRUEFALSE true\n", {0, u"c", 5, 6, true, false, true, false}},
      {"c\n5\n6\ntrue false\n", {253, u"c", 5, 6, true, false, false, false}},
      {"c\n5\n6\nyes FALSE\n", {253, u"c", 5, 6, false, false, false, false}},
      {"c\n5\n0\n", {254, u"c", 5, 0, false, false, false, false}},
      {"c\n5\n", {254, u"c", 5, 0, false, false, false, false}},
      {"c\n-3\n", {255, u"c", -3, -1, false, false, false, false}},
      {"c\nrows\n", {255, u"c", 0, -1, false, false, false, false}},
      {"", {255, u"", 0, -1, false, false, false, false}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    dir.WriteBytes("h.asc", c.text);
    EXPECT_EQ(FromFile(dir.Name("h.asc")), c.want) << c.text;
    TStringStream s((AnsiString(c.text)));
    EXPECT_EQ(FromStream(s), c.want) << c.text;
  }
  EXPECT_THROW(FromFile(dir.Name("missing.asc")), EInOutError);
}

TEST(AscHeader, TheStreamIsLeftBehindTheHeader) {
  TStringStream s(AnsiString("skip\r\nc\r\n2\r\n3\r\nTRUE FALSE FALSE\r\ndata 1\r\n"));
  bool eos = false;
  ReadLnStream(s, eos, 0);
  EXPECT_EQ(FromStream(s), (Header{0, u"c", 2, 3, true, false, false, false}));
  EXPECT_EQ(ReadLnStream(s, eos, 0), u"data 1");
}

TEST(AscHeader, EveryCodeHasAMeaning) {
  for (uint8_t code : {kAscHeaderRead, kAscCommentHoldsLineFeed, kAscBadFlag, kAscBadSecondCount, kAscBadFirstCount})
    EXPECT_NE(AscHeaderCodeText(code), AscHeaderCodeText(1));
}

}  // namespace
}  // namespace zub
