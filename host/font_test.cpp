#include "host/font.hpp"

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
