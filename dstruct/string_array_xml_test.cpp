#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dstruct/ZUB_dstruct.hpp"
#include "host/text_file.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

TEST(StringArrayXML, WritesTheElementLineByLine) {
  TempDir dir;
  TStringArray a(nullptr);
  a.Resize(2, 2);
  a.SetString(0, 1, u"zero");
  a.SetString(2, 2, u"a<b & \"c\"\r\n");
  a.SetString(1, 2, u"");  // holds an empty text: still written
  a.SetColAttrib(2, 7);
  a.SetRowAttrib(1, 5);
  a.SaveAsXMLFile(dir.Name("t.xml"), u"Tab1");
  EXPECT_EQ(dir.ReadBytes("t.xml"),
            "<?xml version=\"1.0\"?>\r\n"
            "<stringarray signature=\"zubtoolkit\" id=\"Tab1\" cols=2 rows=2>\r\n"
            "  <colattrib c=2 val=7 />\r\n"
            "  <rowattrib r=1 val=5 />\r\n"
            "  <cell c=0 r=1>zero</cell>\r\n"
            "  <cell c=1 r=2></cell>\r\n"
            "  <cell c=2 r=2>a&lt;b &amp; &quot;c&quot;&#13;&#10;</cell>\r\n"
            "</stringarray>\r\n");
}

TEST(StringArrayXML, RoundTripKeepsTheViewAndAttributes) {
  TempDir dir;
  TStringArray a(nullptr);
  a.Resize(3, 4);
  const std::vector<UnicodeString> texts{u"d", u"b\u20AC", u"c&amp;", u"a <x>"};
  for (int32_t r = 1; r <= 4; ++r) {
    a.SetString(1, r, texts[r - 1]);
    a.SetString(0, r, u"row" + IntToStr(r));
    a.SetRowAttrib(r, static_cast<uint8_t>(10 * r));
  }
  a.SetColAttrib(3, 255);
  a.Sort(1, 0, true);
  a.SaveAsXMLFile(dir.Name("t.xml"), u"x");

  TStringArray b(nullptr);
  int changes = 0;
  b.SetOnChange([&](TObject*) { ++changes; });
  ASSERT_TRUE(b.LoadFromXMLFile(dir.Name("t.xml"), u"X"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.NrOfColumns(), 3);
  EXPECT_EQ(b.NrOfRows(), 4);
  for (int32_t r = 1; r <= 4; ++r) {
    EXPECT_EQ(b.GetSortOrder(r), r);
    for (int32_t c = 0; c <= 3; ++c) EXPECT_EQ(b.GetString(c, r), a.GetString(c, r)) << c << "," << r;
    EXPECT_EQ(b.GetRowAttrib(r), a.GetRowAttrib(r));
  }
  EXPECT_EQ(b.GetColAttrib(3), 255);
  b.SetString(1, 1, u"z");  // the handler survived the load
  EXPECT_EQ(changes, 2);
}

TEST(StringArrayXML, PicksTheElementByIdentifier) {
  TempDir dir;
  {
    TextFile f;
    AssignFile(f, dir.Name("two.xml"));
    Rewrite(f);
    for (const char16_t* id : {u"first", u"second"}) {
      TStringArray a(nullptr);
      a.SetString(1, 1, id);
      a.WriteToOpenXMLFile(f, false, id);
    }
    CloseFile(f);
  }
  struct Case {
    const char16_t* id;
    bool found;
    const char16_t* cell;
  };
  for (const Case& k :
       std::vector<Case>{{u"", true, u"first"}, {u"SECOND", true, u"second"}, {u"third", false, u"kept"}}) {
    TStringArray b(nullptr);
    b.SetString(1, 1, u"kept");
    EXPECT_EQ(b.LoadFromXMLFile(dir.Name("two.xml"), k.id), k.found) << UnicodeToUtf8(k.id);
    EXPECT_EQ(b.GetString(1, 1), k.cell);
  }
}

TEST(StringArrayXML, BadFilesLeaveTheTableUnchanged) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const std::string start = "<stringarray signature=\"zubtoolkit\" id=\"t\" cols=2 rows=2>\r\n";
  for (const Case& k : std::vector<Case>{
           {"cut before the closing line", start + "  <cell c=1 r=1>new</cell>\r\n"},
           {"no signature", "<stringarray id=\"t\" cols=2 rows=2>\r\n</stringarray>\r\n"},
           {"zero rows", "<stringarray signature=\"zubtoolkit\" cols=2 rows=0>\r\n</stringarray>\r\n"},
           // 4097 x 4096 cells with column 0: one row more than MaxFileCells allows
           {"too many cells",
            "<stringarray signature=\"zubtoolkit\" cols=4096 rows=4096>\r\n</stringarray>\r\n"},
           {"empty file", ""}}) {
    TempDir dir;
    dir.WriteBytes("bad.xml", k.bytes);
    TStringArray b(nullptr);
    b.SetString(1, 1, u"kept");
    int changes = 0;
    b.SetOnChange([&](TObject*) { ++changes; });
    EXPECT_FALSE(b.LoadFromXMLFile(dir.Name("bad.xml"), u"")) << k.name;
    EXPECT_EQ(b.GetString(1, 1), u"kept") << k.name;
    EXPECT_EQ(b.NrOfColumns(), 1) << k.name;
    EXPECT_EQ(changes, 0) << k.name;
  }
  TStringArray b(nullptr);
  EXPECT_FALSE(b.LoadFromXMLFile(u"/nonexistent/zub/none.xml", u""));
  TempDir dir;
  dir.WriteBytes("max.xml",
                 "<stringarray signature=\"zubtoolkit\" cols=4095 rows=4096>\r\n</stringarray>\r\n");
  EXPECT_TRUE(b.LoadFromXMLFile(dir.Name("max.xml"), u""));  // exactly MaxFileCells
  EXPECT_EQ(b.NrOfColumns(), 4095);
}

TEST(StringArrayXML, ForeignLinesAndCellsOutsideTheTableArePassedOver) {
  TempDir dir;
  dir.WriteBytes("t.xml",
                 "<other>\n"
                 "<StringArray Signature=\"zubtoolkit\" cols=1 rows=2>\n"
                 "  <comment>ignored</comment>\n"
                 "  <cell c=5 r=1>outside</cell>\n"
                 "  <cell c=1 r=3>outside</cell>\n"
                 "  <rowattrib r=2 val=300 />\n"
                 "  <CELL C=1 R=2>x &unknown; &#65;</CELL>\n"
                 "</stringarray>\n");
  TStringArray b(nullptr);
  ASSERT_TRUE(b.LoadFromXMLFile(dir.Name("t.xml"), u""));
  EXPECT_EQ(b.NrOfRows(), 2);
  EXPECT_EQ(b.GetString(1, 1), u"");
  EXPECT_EQ(b.GetString(1, 2), u"x &unknown; A");
  EXPECT_EQ(b.GetRowAttrib(2), 0);
}

}  // namespace
}  // namespace zub
