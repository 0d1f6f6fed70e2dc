#include "streams/tag_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "streams/stream_text.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

struct Tag {
  int32_t index;
  UnicodeString attribs, content;
  friend bool operator==(const Tag&, const Tag&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Tag& t) {
    return o << t.index << " [" << UnicodeToUtf8(t.attribs) << "] [" << UnicodeToUtf8(t.content) << "]";
  }
};

std::vector<Tag> ReadAll(const std::string& text, std::initializer_list<UnicodeString> list, int calls) {
  TStringStream s{AnsiString(text)};
  std::vector<Tag> tags;
  for (int i = 0; i < calls; ++i) {
    Tag t;
    t.index = ReadNextTagInStream(s, list, t.attribs, t.content);
    tags.push_back(t);
  }
  return tags;
}

TEST(TagReader, EmptyElementsCommentsAndPlaceholders) {
  EXPECT_EQ(ReadAll("<!-- note --><point x=\"1\" y=\"2\"/>", {u"point", u"dummy"}, 2),
            (std::vector<Tag>{{0, u"x=\"1\" y=\"2\"", u""}, {1, u"", u""}}));
  EXPECT_EQ(ReadAll("<br/>", {u"br", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u""}}));
  EXPECT_EQ(
      ReadAll("<POINT/><Point/>", {u"Point", u"point", u"dummy"}, 2),
      (std::vector<Tag>{{1, u"", u""}, {1, u"", u""}}));  // names are lower-cased; "Point" never matches
  EXPECT_EQ(ReadAll("</custtextlbl>", {u"posxy", u"/custtextlbl", u"dummy"}, 1),
            (std::vector<Tag>{{1, u"", u""}}));
  EXPECT_EQ(ReadAll("</custtextlbl>", {u"posxy", u"dummy"}, 1), (std::vector<Tag>{{1, u"", u""}}));
  // A comment holding ">" is cut there; its rest is skipped as text.
  EXPECT_EQ(ReadAll("<!-- a > b --><x/>", {u"x", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u""}}));
  EXPECT_EQ(ReadAll("<a  b='1'  />", {u"a", u"dummy"}, 1), (std::vector<Tag>{{0, u"b='1'", u""}}));
}

TEST(TagReader, OpeningTagsCarryTheirContentUpToTheClosingTag) {
  const std::string text = "<Caption font=\"Arial\">Hello <b>you</b></CAPTION><next/>";
  EXPECT_EQ(ReadAll(text, {u"caption", u"next", u"dummy"}, 3),
            (std::vector<Tag>{{0, u"font=\"Arial\"", u"Hello <b>you</b>"}, {1, u"", u""}, {2, u"", u""}}));
  // Never closed: the content is the rest of the input; so for a processing instruction.
  EXPECT_EQ(ReadAll("<?xml version=\"1.0\"?><a>x</a>", {u"a", u"dummy"}, 1),
            (std::vector<Tag>{{1, u"version=\"1.0\"?", u"<a>x</a>"}}));
  // No nesting: the first closing tag of the name ends the content.
  EXPECT_EQ(ReadAll("<a>1<a>2</a>3</a>", {u"a", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u"1<a>2"}}));
  // Bytes above 127 come through as the characters with the same codes.
  EXPECT_EQ(ReadAll("<a>\xE9\xFF</a>", {u"a", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u"\u00e9\u00ff"}}));
  // A closing tag with a space inside does not close.
  EXPECT_EQ(ReadAll("<a>1</a >2", {u"a", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u"1</a >2"}}));
}

TEST(TagReader, EndOfInputAndTruncatedTags) {
  EXPECT_EQ(ReadAll("just text", {u"a", u"dummy"}, 1), (std::vector<Tag>{{1, u"", u""}}));
  EXPECT_EQ(ReadAll("text <a b=\"1\"", {u"a", u"dummy"}, 1), (std::vector<Tag>{{1, u"", u""}}));
  EXPECT_EQ(ReadAll("<", {u"", u"dummy"}, 1), (std::vector<Tag>{{0, u"", u""}}));  // the empty name's entry
  TStringStream s{AnsiString("<a/>")};
  UnicodeString attribs = u"x", content = u"y";
  EXPECT_EQ(ReadNextTagInStream(s, std::span<const UnicodeString>(), attribs, content), -1);
  EXPECT_EQ(s.Position(), 4);
}

TEST(TagReader, TextFileVariantDropsTextAfterTheLastGreaterThan) {
  zub::testing::TempDir dir;
  dir.WriteBytes("t.xml", "<!DOCTYPE x><Caption a=\"1\">Hi <b>x</b></caption>tail<open>abc>def");
  TextFile f;
  AssignFile(f, dir.Name("t.xml"));
  Reset(f);
  UnicodeString attribs, content;
  EXPECT_EQ(ReadNextTagInTextFile(f, {u"caption", u"open", u"dummy"}, attribs, content), 0);
  EXPECT_EQ(attribs, u"a=\"1\"");
  EXPECT_EQ(content, u"Hi <b>x</b>");
  EXPECT_EQ(ReadNextTagInTextFile(f, {u"caption", u"open", u"dummy"}, attribs, content), 1);
  EXPECT_EQ(content, u"abc>");
  EXPECT_EQ(ReadNextTagInTextFile(f, {u"caption", u"open", u"dummy"}, attribs, content), 2);
  CloseFile(f);
}

TEST(TagReader, ScanForXMLAttrib) {
  struct Case {
    std::u16string_view attribs, name, value;
  };
  const Case cases[] = {
      {u"a = \"1\" B = \"two words\"", u"B", u"two words"},
      {u"a = \"1\" B = \"two words\"", u"c", u""},
      {u"a = \"1\" B = \"two words\"", u"A", u"1"},
      {u"x=5 y=\"6\"", u"y", u"6"},
      {u"x=5 y=\"6\"", u"x", u"5"},
      {u"n\"ame=1 b=2", u"b", u""},  // a quote in a name stops the search
      {u"x=1\ty=2", u"y", u""},      // the tab joins the value, then "=" breaks it
      {u"x='1 2' y=3", u"y", u""},   // single quotes are ordinary: "2'" is read as a name
      {u"flag", u"flag", u""},
      {u"a=\"x=y\" b=1", u"a", u"x=y"},
      {u"a=\"open", u"a", u"open"},
      {u"a==1", u"a", u""},
      {u"a=1=2 b=3", u"b", u""},
      {u"a=1 a=2", u"a", u"1"},
      {u"", u"a", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScanForXMLAttrib(c.attribs, c.name), c.value)
        << UnicodeToUtf8(c.attribs) << " / " << UnicodeToUtf8(c.name);
}

TEST(TagReader, ScanStreamForXMLTagSkipsOtherTagsAndReportsProgress) {
  const std::string text = "<doc><head>h</head><item id=\"7\">seven</item><item id=\"8\"/></doc>";
  TStringStream s{AnsiString(text)};
  std::vector<int32_t> progress;
  UnicodeString attribs, content;
  const auto onPercent = [&](TObject* sender, int32_t p) {
    EXPECT_EQ(sender, nullptr);
    progress.push_back(p);
  };
  ASSERT_TRUE(ScanStreamForXMLTag(s, u"ITEM", attribs, content, onPercent));
  EXPECT_EQ(attribs, u"id=\"7\"");
  EXPECT_EQ(content, u"seven");
  ASSERT_TRUE(ScanStreamForXMLTag(s, u"item", attribs, content, nullptr));
  EXPECT_EQ(attribs, u"id=\"8\"");
  EXPECT_FALSE(ScanStreamForXMLTag(s, u"item", attribs, content, onPercent));
  EXPECT_TRUE(attribs.empty() && content.empty());
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), 100);
}

TEST(TagReader, ReadStreamUntilTagList) {
  TStringStream s{AnsiString("intro <b>bold</b> <!-- c --> <Stop x=1>rest")};
  int32_t ix = 9;
  EXPECT_EQ(ReadStreamUntilTagList(s, {u"stop", u"end"}, ix), u"intro <b>bold</b> <!-- c --> ");
  EXPECT_EQ(ix, 0);
  EXPECT_EQ(StreamAsByteString(s), u"rest");
  TStringStream cut{AnsiString("x <!-- y")};
  EXPECT_EQ(ReadStreamUntilTagList(cut, {u"stop"}, ix), u"x <!-- y");  // each byte once
  TStringStream t{AnsiString("no tags <here")};
  EXPECT_EQ(ReadStreamUntilTagList(t, {u"stop"}, ix), u"no tags <here");
  EXPECT_EQ(ix, -1);
}

}  // namespace
}  // namespace zub

namespace zub {
namespace {

// A sparse file: the readers keep 64-bit positions past 4 GiB.
TEST(TagReader, PositionsBeyondFourGiB) {
  zub::testing::TempDir dir;
  const int64_t at = (int64_t{9} << 29);  // 4.5 GiB
  TFileStream f(dir.Name("big.bin"), fmCreate);
  f.SetSize(at);
  f.SetPosition(at);
  const std::string doc = "<a k=\"v\">x</a> tail";
  f.WriteBuffer(doc.data(), static_cast<int32_t>(doc.size()));
  f.SetPosition(at);
  UnicodeString attribs, content;
  EXPECT_EQ(ReadNextTagInStream(f, {u"a", u"dummy"}, attribs, content), 0);
  EXPECT_EQ(content, u"x");
  EXPECT_EQ(f.Position(), at + 14);
  int32_t err = 1;
  EXPECT_EQ(ReadStreamUntil(f, u"TAIL", err), u" tail");
  EXPECT_EQ(err, 0);
  EXPECT_EQ(f.Position(), at + static_cast<int64_t>(doc.size()));
}

}  // namespace
}  // namespace zub
