#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "foundation/ZUB_zubbase.hpp"
#include "host/text_file.hpp"
#include "testing/temp_dir.hpp"

namespace zub {
namespace {

using zub::testing::TempDir;

// Every setting of a label on one line, doubles by their bits, for exact comparisons.
std::string Describe(const TCustomTextLabel& l) {
  char pos[96];
  std::snprintf(pos, sizeof pos, "pos %a %a", l.PosX(), l.PosY());
  const TFont& f = l.Font();
  std::string style;
  for (TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
    style += f.Style().Contains(s) ? '1' : '0';
  return std::string(pos) + " layer " + std::to_string(l.Layer()) + " shadow " + std::to_string(l.XShadow()) +
         "," + std::to_string(l.YShadow()) + " colors " + std::to_string(l.ColorBrd()) + "," +
         std::to_string(l.ColorBkg()) + "," + std::to_string(l.ColorShadow()) + " align " +
         std::to_string(l.Alignment()) + "," + std::to_string(l.VertAlign()) + " attach " +
         std::to_string(l.AttachDat()) + " transpar " + std::to_string(l.TransPar()) + " visible " +
         std::to_string(l.Visible()) + " mode " + std::to_string(l.Mode()) + " font " +
         UnicodeToUtf8(f.Name()) + "/" + std::to_string(f.Size()) + "/" + std::to_string(f.Color()) + "/" +
         style + " caption [" + UnicodeToUtf8(l.Caption()) + "]";
}

class LabelFile : public ::testing::Test {
 protected:
  std::string Write(const TCustomTextLabel& l, bool header, const UnicodeString& id, int32_t indent) {
    TextFile f;
    AssignFile(f, dir.Name("w.xml"));
    Rewrite(f);
    l.WriteToOpenXMLFile(f, header, id, indent);
    CloseFile(f);
    return dir.ReadBytes("w.xml");
  }
  // Reads the first element with identifier id from a file holding bytes.
  bool Read(TCustomTextLabel& l, const std::string& bytes, const UnicodeString& id = u"") {
    dir.WriteBytes("r.xml", bytes);
    TextFile f;
    AssignFile(f, dir.Name("r.xml"));
    Reset(f);
    const bool ok = l.ReadFromOpenXMLFile(f, id);
    CloseFile(f);
    return ok;
  }
  // A label that counts its notifications in changes.
  void Count(TCustomTextLabel& l) {
    l.SetOnChange([this](TObject*) { ++changes; });
  }
  // A label with no setting at its default.
  static void Customise(TCustomTextLabel& l) {
    l.SetTxtLblPosX(1.0 / 3);
    l.SetTxtLblPosY(-1e-300);
    l.SetTxtLblLayer(7);
    l.SetTxtLblShadowDx(-3);
    l.SetTxtLblShadowDy(4);
    l.SetTxtLblColorShadow(0x0000FF);
    l.SetTxtLblColorBkg(0xFF00000F);  // a system colour
    l.SetTxtLblColorBrd(0xABCDEF);
    l.SetTxtLblAlignment(taRightJustify);
    l.SetTxtLblVertAlignment(vaTop);
    l.SetTxtLblScreenPos(tlamBoth);
    l.SetTxtLblTranspar(true);
    l.SetTxtLblVisible(false);
    TFont f;
    f.SetName(u"Courier New");
    f.SetSize(11);
    f.SetColor(0x00FF00);
    f.SetStyle({fsBold, fsStrikeOut});
    l.SetTxtLblFont(f);
    l.SetTxtLblCaption(u"two\nlines, a < b and a</b>c, \u00E9\u20AC");
    l.SetTxtLblMode(tlShadow);
  }

  TempDir dir;
  int changes = 0;
};

TEST_F(LabelFile, WritesTheElementLineByLine) {
  TCustomTextLabel l;
  EXPECT_EQ(Write(l, true, u"Lbl1", 2),
            "  <?xml version=\"1.0\"?>\r\n"
            "\r\n"
            "  <!-- TCustomTextLabel / Zub Toolkit -->\r\n"
            "  <custtextlbl sig=\"ZubToolkit\" vers=\"1.0\" id=\"Lbl1\">\r\n"
            "    <posxy x= 1.000E+0002 y= 1.000E+0001 />\r\n"
            "    <caption></caption>\r\n"
            "    <colors brd=$000000 bg=$C0C0C0 shdw=$808080 />\r\n"
            "    <shadowofs dx=0 dy=0 />\r\n"
            "    <layer val=1 />\r\n"
            "    <transparent val=0 />\r\n"
            "    <visible val=1 />\r\n"
            "    <alignment horiz=taCenter vert=vaBottom />\r\n"
            "    <attachmode val=tlamNone />\r\n"
            "    <font name=\"Tahoma\" size=8 color=$000000 style=\"\" />\r\n"
            "    <style val=tlsimple />\r\n"
            "  </custtextlbl>\r\n");
  Customise(l);
  EXPECT_EQ(Write(l, false, u"", 0),
            "\r\n"
            " <!-- TCustomTextLabel / Zub Toolkit -->\r\n"
            " <custtextlbl sig=\"ZubToolkit\" vers=\"1.0\" id=\"\">\r\n"
            "   <posxy x= 3.333333333333333E-0001 y=-1.000E-0300 />\r\n"
            "   <caption>two\nlines, a < b and a</b>c, \xE9\x80</caption>\r\n"
            "   <colors brd=$ABCDEF bg=$FF00000F shdw=$0000FF />\r\n"
            "   <shadowofs dx=-3 dy=4 />\r\n"
            "   <layer val=7 />\r\n"
            "   <transparent val=1 />\r\n"
            "   <visible val=0 />\r\n"
            "   <alignment horiz=taRightJustify vert=vaTop />\r\n"
            "   <attachmode val=tlamBoth />\r\n"
            "   <font name=\"Courier New\" size=11 color=$00FF00 style=\"fsBold fsStrikeOut\" />\r\n"
            "   <style val=tlShadow />\r\n"
            " </custtextlbl>\r\n");
}

TEST_F(LabelFile, IndentationIsOneTo255Blanks) {
  TCustomTextLabel l;
  const std::string wide = Write(l, true, u"x", 300);
  EXPECT_EQ(wide.substr(0, 256), std::string(255, ' ') + "<");
  EXPECT_EQ(wide.substr(wide.size() - 271), std::string(255, ' ') + "</custtextlbl>\r\n");
}

// The narrowest layout that reads back the same bits: four significant digits when they
// are enough, up to seventeen when they are not.
TEST_F(LabelFile, CoordinatesAreWrittenNarrowAndReadBackBitForBit) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {100, " 1.000E+0002"},
      {0.1, " 1.000E-0001"},
      {-2.25, "-2.250E+0000"},
      {0, " 0.000E+0000"},
      {-0.0, "-0.000E+0000"},
      {1234.56, " 1.23456E+0003"},
      {1.0 / 3, " 3.333333333333333E-0001"},
      {2.0 / 3, " 6.666666666666666E-0001"},
      {0.1 + 0.2, " 3.0000000000000004E-0001"},
      {1e-300, " 1.000E-0300"},
      {4.9406564584124654e-324, " 4.941E-0324"},              // the smallest subnormal
      {2.2250738585072009e-308, " 2.225073858507201E-0308"},  // the largest subnormal
      {1e308, " 1.000E+0308"},
      {-1.6e308, "-1.600E+0308"},
      {9007199254740993.0, " 9.007199254740992E+0015"},
  };
  for (const auto& c : cases) {
    TCustomTextLabel l;
    l.SetTxtLblPosX(c.value);
    l.SetTxtLblPosY(-c.value);
    const std::string file = Write(l, false, u"", 1);
    EXPECT_NE(file.find(std::string("<posxy x=") + c.text + " y="), std::string::npos) << file;
    TCustomTextLabel back;
    ASSERT_TRUE(Read(back, file)) << c.text;
    EXPECT_EQ(std::bit_cast<uint64_t>(back.PosX()), std::bit_cast<uint64_t>(c.value)) << c.text;
    EXPECT_EQ(std::bit_cast<uint64_t>(back.PosY()), std::bit_cast<uint64_t>(-c.value)) << c.text;
  }
}

// What the reader cannot give back: no number for NaN and infinities, and its limit of
// +-uc_MaxDouble above that.
TEST_F(LabelFile, ValuesBeyondTheReaderReadAsItsLimitOrZero) {
  const double bound = static_cast<double>(uc_MaxDouble);
  const struct {
    double value;
    const char* text;
    double read;
  } cases[] = {
      {std::numeric_limits<double>::quiet_NaN(), "         NAN", 0},
      {std::numeric_limits<double>::infinity(), "         INF", 0},
      {-std::numeric_limits<double>::infinity(), "        -INF", 0},
      {1.75e308, " 1.750E+0308", bound},
      {-std::numeric_limits<double>::max(), "-1.798E+0308", -bound},
  };
  for (const auto& c : cases) {
    TCustomTextLabel l;
    l.SetTxtLblPosX(c.value);
    const std::string file = Write(l, false, u"", 1);
    EXPECT_NE(file.find(std::string("<posxy x=") + c.text + " y="), std::string::npos) << file;
    TCustomTextLabel back;
    ASSERT_TRUE(Read(back, file));
    EXPECT_EQ(back.PosX(), c.read) << c.text;
  }
}

TEST_F(LabelFile, ReadBackRestoresEverySettingWithOneNotification) {
  TCustomTextLabel l;
  Customise(l);
  const std::string file = Write(l, true, u"Chart label", 4);
  TCustomTextLabel back;
  Count(back);
  ASSERT_TRUE(Read(back, file, u"chart LABEL"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Describe(back), Describe(l));
  EXPECT_TRUE(back.OnChange());  // the reader's own handler stays
}

// A file cut anywhere before the end of the closing tag is no element: false, the label as
// it was, no notification. From the closing ">" on it is the whole element.
TEST_F(LabelFile, AFileCutAtAnyLengthChangesNothing) {
  TCustomTextLabel l;
  Customise(l);
  const std::string file = Write(l, true, u"cut", 2);
  const size_t whole = file.find("</custtextlbl>") + 14;
  TCustomTextLabel untouched;
  untouched.SetTxtLblCaption(u"before");
  for (size_t length = 0; length <= file.size(); ++length) {
    TCustomTextLabel back;
    back.Assign(&untouched);
    changes = 0;
    Count(back);
    const bool ok = Read(back, file.substr(0, length), u"cut");
    ASSERT_EQ(ok, length >= whole) << length;
    if (ok) {
      EXPECT_EQ(Describe(back), Describe(l)) << length;
      EXPECT_EQ(changes, 1);
    } else {
      EXPECT_EQ(Describe(back), Describe(untouched)) << length;
      EXPECT_EQ(changes, 0) << length;
    }
  }
}

TEST_F(LabelFile, TheIdentifierPicksTheElementInAnyCase) {
  const std::string file =
      "<custtextlbl sig=\"Other\" id=\"Lbl1\">\r\n<caption>other signature</caption>\r\n</custtextlbl>\r\n"
      "<custtextlbl vers=\"1.0\"> <!-- zubtoolkit -->\r\n<caption>no id</caption>\r\n</custtextlbl>\r\n"
      "<CustTextLbl sig=\"ZUBTOOLKIT\" id=\" LBL1 \">\r\n<caption>lbl1</caption>\r\n</CUSTTEXTLBL>\r\n";
  const struct {
    const Char* id;
    bool found;
    const Char* caption;
  } cases[] = {{u"", true, u"no id"}, {u"Lbl1", true, u"lbl1"}, {u"lbl2", false, u"unchanged"}};
  for (const auto& c : cases) {
    TCustomTextLabel l;
    l.SetTxtLblCaption(u"unchanged");
    EXPECT_EQ(Read(l, file, c.id), c.found) << UnicodeToUtf8(c.id);
    EXPECT_EQ(l.Caption(), c.caption);
  }
}

TEST_F(LabelFile, SeveralLabelsInOneFileReadInTurn) {
  TCustomTextLabel a, b;
  a.SetTxtLblCaption(u"first");
  b.SetTxtLblCaption(u"second");
  TextFile f;
  AssignFile(f, dir.Name("two.xml"));
  Rewrite(f);
  a.WriteToOpenXMLFile(f, true, u"a", 1);
  b.WriteToOpenXMLFile(f, false, u"b", 1);
  CloseFile(f);
  Reset(f);
  TCustomTextLabel l;
  ASSERT_TRUE(l.ReadFromOpenXMLFile(f, u""));
  EXPECT_EQ(l.Caption(), u"first");
  ASSERT_TRUE(l.ReadFromOpenXMLFile(f, u""));
  EXPECT_EQ(l.Caption(), u"second");
  EXPECT_FALSE(l.ReadFromOpenXMLFile(f, u""));
  CloseFile(f);
}

// Hand-written values: the reader takes what it can and keeps settings whose text names
// nothing it knows.
TEST_F(LabelFile, ReadsForgivingValues) {
  TCustomTextLabel l;
  Count(l);
  ASSERT_TRUE(Read(
      l,
      "<custtextlbl sig=ZubToolkit>\n"
      "<posxy x=1,5 y=abc />\n"
      "<colors brd=ff bg= $00ff00 shdw=$0000000000000A />\n"
      "<shadowofs dx=+7px dy=-99999999999 />\n"
      "<layer val=40 /><transparent val=2 /><visible val=0 />\n"
      "<alignment horiz=tacenter vert=vaTop />\n"
      "<attachmode val=tlamXOnly /><style val=TLBOX />\n"
      "<font name=\"Lucida Sans = wide\" size=12 color=$FF000008 style=\"fsItalic fsbold fsStrikeOut\" />\n"
      "<unknown a=1 /><note>skipped <posxy x=9 /></note>\n"
      "<caption>tab\there\r\nand <b>markup</b></caption>\n"
      "</custtextlbl>"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(l.PosX(), 1.5);
  EXPECT_EQ(l.PosY(), 0);
  EXPECT_EQ(l.ColorBrd(), 0xFFu);
  EXPECT_EQ(l.ColorBkg(), 0x00FF00u);
  EXPECT_EQ(l.ColorShadow(), 0x0Au);
  EXPECT_EQ(l.XShadow(), 7);
  EXPECT_EQ(l.YShadow(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(l.Layer(), 40);  // no range check from the file
  EXPECT_FALSE(l.TransPar());
  EXPECT_FALSE(l.Visible());
  EXPECT_EQ(l.Alignment(), taCenter);  // "tacenter" is no table name: unchanged
  EXPECT_EQ(l.VertAlign(), vaTop);
  EXPECT_EQ(l.AttachDat(), tlamXOnly);
  EXPECT_EQ(l.Mode(), tlsimple);  // "TLBOX" is no table name either
  EXPECT_EQ(l.Font().Name(), u"Lucida Sans = wide");
  EXPECT_EQ(l.Font().Size(), 12);
  EXPECT_EQ(l.Font().Color(), 0xFF000008u);
  EXPECT_EQ(l.Font().Style(), (TFontStyles{fsItalic, fsStrikeOut}));
  EXPECT_EQ(l.Caption(), u"tab\there\r\nand <b>markup</b>");  // content as it is, no filtering
}

TEST_F(LabelFile, NumberTextsOfThePosition) {
  const double bound = static_cast<double>(uc_MaxDouble);
  const struct {
    const char* x;
    double value;
  } cases[] = {{"1,5", 1.5},  {"1.5", 1.5},     {"abc", 0},         {"-7.", -7},
               {"2e3", 2000}, {"1E999", bound}, {"-1e999", -bound}, {"1e", 0},
               {"+.5", 0.5},  {"3.25x", 3.25},  {"\"  4 \"", 4},    {"", 0}};
  for (const auto& c : cases) {
    TCustomTextLabel l;
    ASSERT_TRUE(Read(l, std::string("<custtextlbl zubtoolkit>\n<posxy x=") + c.x + " y=1 /></custtextlbl>"))
        << c.x;
    EXPECT_EQ(l.PosX(), c.value) << c.x;
  }
}

TEST_F(LabelFile, NoElementOrNoEndGivesFalse) {
  const char* files[] = {"",
                         "<custtextlbl id=\"x\"><caption>no signature</caption></custtextlbl>",
                         "<custtextlbl sig=\"ZubToolkit\">\n<caption>never closed</caption>\n<layer val=3 />",
                         "<custtextlbl sig=\"ZubToolkit\">\n<caption>open caption",
                         "<custtextlbl sig=\"ZubToolkit\">\n</custtextlbl",
                         "zubtoolkit <custtextlbl\n\x1A\x1A</custtextlbl x"};
  for (const char* bytes : files) {
    TCustomTextLabel l;
    changes = 0;
    Count(l);
    EXPECT_FALSE(Read(l, bytes)) << bytes;
    EXPECT_EQ(Describe(l), Describe(TCustomTextLabel())) << bytes;
    EXPECT_EQ(changes, 0);
  }
}

}  // namespace
}  // namespace zub
