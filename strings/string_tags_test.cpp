#include "strings/string_tags.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(StringTags, ReadNextTagInStringWalksLikeTheStreamReader) {
  const std::u16string_view doc = u"<!-- c --><Caption a=\"1\">Hi <b>x</b></CAPTION><pt x=\"2\"/>tail";
  int32_t pos = 1;
  UnicodeString tag, text;
  EXPECT_EQ(ReadNextTagInString(doc, pos, {u"caption", u"pt", u"dummy"}, tag, text), 0);
  EXPECT_EQ(tag, u"a=\"1\"");
  EXPECT_EQ(text, u"Hi <b>x</b>");
  EXPECT_EQ(doc.substr(size_t(pos - 1), 3), u"<pt");
  EXPECT_EQ(ReadNextTagInString(doc, pos, {u"caption", u"pt", u"dummy"}, tag, text), 1);
  EXPECT_EQ(tag, u"x=\"2\"");
  EXPECT_EQ(ReadNextTagInString(doc, pos, {u"caption", u"pt", u"dummy"}, tag, text), 2);
  EXPECT_TRUE(tag.empty() && text.empty());
  EXPECT_EQ(pos, static_cast<int32_t>(doc.size()) + 1);
}

TEST(StringTags, ContentAbove255KeepsEveryCharacter) {
  int32_t pos = 1;
  UnicodeString tag, text;
  EXPECT_EQ(ReadNextTagInString(u"<a>\u00e9x\u0100y</A>z", pos, {u"a", u"dummy"}, tag, text), 0);
  EXPECT_EQ(text, u"\u00e9x\u0100y");
  EXPECT_EQ(pos, 12);  // just after the closing tag
}

TEST(StringTags, DetectAndScan) {
  const std::u16string_view doc = u"x <a>1</a> <b k=v/> <c>3</c>";
  int32_t start = 1, stop = 0;
  UnicodeString tag;
  bool found = false;
  EXPECT_EQ(DetectNextTagInString(doc, start, stop, {u"c", u"b"}, tag, found), 1);
  EXPECT_TRUE(found);
  EXPECT_EQ(tag, u"b");
  EXPECT_EQ(doc.substr(size_t(start - 1), size_t(stop - start + 1)), u"<b k=v/>");
  start = stop + 1;
  EXPECT_EQ(DetectNextTagInString(doc, start, stop, {u"c", u"b"}, tag, found), 0);
  start = stop + 1;
  EXPECT_EQ(DetectNextTagInString(doc, start, stop, {u"c", u"b"}, tag, found), -1);
  EXPECT_FALSE(found);
  EXPECT_EQ(start, 0);

  UnicodeString first, second;
  const int32_t after = ScanStringForXMLTag(doc, 1, u"C", first, second);
  EXPECT_EQ(second, u"3");
  EXPECT_EQ(after, static_cast<int32_t>(doc.size()) + 1);
  EXPECT_EQ(ScanStringForXMLTag(doc, 1, u"b", first, second), 20);
  EXPECT_EQ(first, u"k=v");
  EXPECT_EQ(ScanStringForXMLTag(doc, 1, u"zz", first, second), 0);
  EXPECT_EQ(ScanStringForXMLTag(u"", 5, u"a", first, second), 0);
}

}  // namespace
}  // namespace zub
