#include "html/url.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(URLEncode, EscapesTheTwentyCharacters) {
  struct Case {
    UnicodeString in, out;
  };
  const Case cases[] = {
      {u"", u""},
      {u"a b&c", u"a%20b%26c"},
      {u"100%", u"100%25"},
      {u"'", u"%27"},
      {u" !#$%&'()*+,/:;=?@[]", u"%20%21%23%24%25%26%27%28%29%2A%2B%2C%2F%3A%3B%3D%3F%40%5B%5D"},
      {u"\"-.<>\\^_`{|}~09AZaz", u"\"-.<>\\^_`{|}~09AZaz"},  // not in the set
      {u"Grüße €", u"Grüße%20€"},
  };
  for (const Case& c : cases) EXPECT_EQ(URLEncode(c.in), c.out) << UnicodeToUtf8(c.in);
  // Every code up to 255 comes back through URLDecode.
  UnicodeString all;
  for (Char c = 0; c < 256; ++c) all += c;
  EXPECT_EQ(URLDecode(URLEncode(all)), all);
}

TEST(URLDecode, TwoPassesOverWellFormedEscapes) {
  struct Case {
    UnicodeString in, out;
  };
  const Case cases[] = {
      {u"%4", u"%4"},   {u"%zz", u"%zz"},     {u"%41%42", u"AB"}, {u"%2541", u"A"},
      {u"a+b", u"a+b"}, {u"%e4%C4", u"äÄ"},   {u"%", u"%"},       {u"x%4g", u"x%4g"},
      {u"%%41", u"%A"}, {u"%252541", u"%41"}, {u"%41%", u"A%"},   {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(URLDecode(c.in), c.out) << UnicodeToUtf8(c.in);
}

TEST(ExtractHTTPPath, KeepsHostAndFolder) {
  struct Case {
    UnicodeString in, out;
  };
  const Case cases[] = {
      {u"HTTP://host/docs/index.html", u"host/docs/"},
      {u"ftp://x/y/z", u"ftp://x/y/"},
      {u"see http://a.org/b/c?q=1", u"a.org/b/"},
      {u"http://host", u""},  // no path at all
      {u"http://host/", u"host/"},
      {u"", u""},
      {u"index.html", u""},
      {u"http://a/http://b/c", u"a/http://b/"},  // only the first scheme goes
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractHTTPPath(c.in), c.out) << UnicodeToUtf8(c.in);
}

}  // namespace
}  // namespace zub
