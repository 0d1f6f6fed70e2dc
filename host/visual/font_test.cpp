#include "host/visual/font.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(Font, DefaultsAndAssignCopyEverySetting) {
  TFont f;
  EXPECT_EQ(f.Name(), u"Tahoma");
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Color(), 0x000000u);
  EXPECT_TRUE(f.Style().Empty());

  f.SetName(u"Courier New");
  f.SetSize(-3);  // stored as given
  f.SetColor(0xFF00000F);
  f.SetStyle({fsItalic, fsStrikeOut});
  TFont g;
  g.Assign(&f);
  EXPECT_TRUE(g == f);
  EXPECT_EQ(g.Name(), u"Courier New");
  EXPECT_EQ(g.Size(), -3);
  EXPECT_EQ(g.Color(), 0xFF00000Fu);
  EXPECT_TRUE(g.Style().Contains(fsStrikeOut));
  EXPECT_FALSE(g.Style().Contains(fsBold));
  g.SetSize(9);
  EXPECT_FALSE(g == f);
}

TEST(Font, SizeIsAHeightInPixelsAtTheFontsDensity) {
  struct Case {
    int32_t ppi, size, height;
  };
  // -size * ppi / 72, rounded to nearest with halves away from zero.
  for (const Case& c : {Case{96, 8, -11}, Case{96, 12, -16}, Case{96, 9, -12}, Case{72, 10, -10},
                        Case{600, 8, -67}, Case{96, -3, 4}, Case{96, 0, 0}}) {
    TFont f;
    f.SetPixelsPerInch(c.ppi);
    f.SetSize(c.size);
    EXPECT_EQ(f.Height(), c.height) << c.ppi << " " << c.size;
    EXPECT_EQ(f.Size(), c.size) << c.ppi << " " << c.size;
  }
  TFont f;
  EXPECT_EQ(f.PixelsPerInch(), 96);
  EXPECT_EQ(f.Height(), -11);
  f.SetPixelsPerInch(192);  // the height stays, the size halves
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 4);
  f.SetHeight(19);  // a cell height: the size comes out negative
  EXPECT_EQ(f.Size(), -7);
  f.SetPixelsPerInch(0);
  EXPECT_EQ(f.PixelsPerInch(), 1);
}

TEST(Font, AssignKeepsTheDensityAndCarriesTheSizeAcrossDensities) {
  TFont screen;
  screen.SetSize(10);
  TFont printer;
  printer.SetPixelsPerInch(600);
  printer.Assign(&screen);
  EXPECT_EQ(printer.PixelsPerInch(), 600);
  EXPECT_EQ(printer.Size(), 10);
  EXPECT_EQ(printer.Height(), -83);
  TFont same;
  same.SetHeight(7);  // at one density the height itself is copied
  screen.Assign(&same);
  EXPECT_EQ(screen.Height(), 7);
}

TEST(Font, AssignFromAnotherClassOrNothingFails) {
  class Other : public TPersistent {
   public:
    UnicodeString ClassName() const override { return u"TOther"; }
  } other;
  TFont f;
  try {
    f.Assign(&other);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a TOther to a TFont");
  }
  EXPECT_THROW(f.Assign(nullptr), EConvertError);
  EXPECT_THROW(other.Assign(&f), EConvertError);  // TFont copies only into fonts
}

TEST(Font, StyleSetHoldsEachFlagOnce) {
  TFontStyles s;
  s.Include(fsBold);
  s.Include(fsBold);
  s.Include(fsUnderline);
  EXPECT_EQ(s, (TFontStyles{fsUnderline, fsBold}));
  s.Exclude(fsBold);
  s.Exclude(fsItalic);  // not in the set: nothing happens
  EXPECT_EQ(s, TFontStyles{fsUnderline});
  s.Include(static_cast<TFontStyle>(9));  // no such flag
  EXPECT_EQ(s, TFontStyles{fsUnderline});
  EXPECT_FALSE(s.Contains(static_cast<TFontStyle>(9)));
}

}  // namespace
}  // namespace zub
