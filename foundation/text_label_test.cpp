#include "foundation/text_label.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {
namespace {

// A label that counts its notifications and keeps the last sender.
struct CountedLabel {
  CountedLabel() {
    label.SetOnChange([this](TObject* s) {
      sender = s;
      ++changes;
    });
  }
  TCustomTextLabel label;
  int changes = 0;
  TObject* sender = nullptr;
};

TEST(TextLabel, Defaults) {
  TCustomTextLabel l;
  EXPECT_EQ(l.PosX(), 100.0);
  EXPECT_EQ(l.PosY(), 10.0);
  EXPECT_EQ(l.Layer(), 1);
  EXPECT_EQ(l.XShadow(), 0);
  EXPECT_EQ(l.YShadow(), 0);
  EXPECT_EQ(l.ColorShadow(), 0x808080u);
  EXPECT_EQ(l.Alignment(), taCenter);
  EXPECT_EQ(l.VertAlign(), vaBottom);
  EXPECT_EQ(l.AttachDat(), tlamNone);
  EXPECT_EQ(l.ColorBkg(), 0xC0C0C0u);
  EXPECT_EQ(l.ColorBrd(), 0x000000u);
  EXPECT_FALSE(l.TransPar());
  EXPECT_TRUE(l.Font() == TFont());
  EXPECT_EQ(l.Caption(), u"");
  EXPECT_EQ(l.Mode(), tlsimple);
  EXPECT_TRUE(l.Visible());
  EXPECT_FALSE(l.OnChange());
}

// Each setter stores and notifies exactly once, also when the value does not change.
TEST(TextLabel, EverySetterNotifiesOnceEvenForTheSameValue) {
  TFont bold;
  bold.SetStyle({fsBold});
  const std::pair<const char*, std::function<void(TCustomTextLabel&)>> setters[] = {
      {"PosX", [](auto& l) { l.SetTxtLblPosX(100.0); }},
      {"PosY", [](auto& l) { l.SetTxtLblPosY(-2.5); }},
      {"Layer", [](auto& l) { l.SetTxtLblLayer(16); }},
      {"ShadowDx", [](auto& l) { l.SetTxtLblShadowDx(3); }},
      {"ShadowDy", [](auto& l) { l.SetTxtLblShadowDy(-3); }},
      {"ColorShadow", [](auto& l) { l.SetTxtLblColorShadow(0x808080); }},
      {"ColorBkg", [](auto& l) { l.SetTxtLblColorBkg(0x123456); }},
      {"ColorBrd", [](auto& l) { l.SetTxtLblColorBrd(0xFF00000F); }},
      {"Alignment", [](auto& l) { l.SetTxtLblAlignment(taLeftJustify); }},
      {"VertAlignment", [](auto& l) { l.SetTxtLblVertAlignment(vaBottom); }},
      {"ScreenPos", [](auto& l) { l.SetTxtLblScreenPos(tlamYOnly); }},
      {"Transpar", [](auto& l) { l.SetTxtLblTranspar(true); }},
      {"Visible", [](auto& l) { l.SetTxtLblVisible(true); }},
      {"Mode", [](auto& l) { l.SetTxtLblMode(tlBox); }},
      {"Font", [&bold](auto& l) { l.SetTxtLblFont(bold); }},
      {"Caption", [](auto& l) { l.SetTxtLblCaption(u""); }},
  };
  for (const auto& [name, set] : setters) {
    CountedLabel c;
    set(c.label);
    EXPECT_EQ(c.changes, 1) << name;
    EXPECT_EQ(c.sender, &c.label) << name;
  }
  CountedLabel c;
  c.label.SetTxtLblFont(bold);
  EXPECT_TRUE(c.label.Font().Style().Contains(fsBold));
  bold.SetSize(20);  // the label holds a copy
  EXPECT_EQ(c.label.Font().Size(), 8);
  c.label.SetTxtLblScreenPos(tlamBoth);
  EXPECT_EQ(c.label.AttachDat(), tlamBoth);
}

TEST(TextLabel, LayerOutsideOneToSixteenIsIgnoredSilently) {
  CountedLabel c;
  for (int32_t bad : {0, 17, -1, 1000}) c.label.SetTxtLblLayer(bad);
  EXPECT_EQ(c.label.Layer(), 1);
  EXPECT_EQ(c.changes, 0);
  c.label.SetTxtLblLayer(16);
  EXPECT_EQ(c.label.Layer(), 16);
  EXPECT_EQ(c.changes, 1);
}

TEST(TextLabel, CaptionControlCharactersBecomeBlanksExceptLineFeed) {
  TCustomTextLabel l;
  l.SetTxtLblCaption(u"a\tb");
  EXPECT_EQ(l.Caption(), u"a b");
  l.SetTxtLblCaption(u"one\r\ntwo\x01\x1F\x7F\u00E9");
  EXPECT_EQ(l.Caption(), u"one \ntwo  \x7F\u00E9");  // 127 and above stay
}

TEST(TextLabel, AssignCopiesEverySettingAndTheHandlerWithoutNotifying) {
  CountedLabel source;
  source.label.SetTxtLblPosX(1.0 / 3);
  source.label.SetTxtLblPosY(-0.0);
  source.label.SetTxtLblLayer(5);
  source.label.SetTxtLblShadowDx(2);
  source.label.SetTxtLblShadowDy(-4);
  source.label.SetTxtLblColorShadow(0x010203);
  source.label.SetTxtLblColorBkg(0x040506);
  source.label.SetTxtLblColorBrd(0x070809);
  source.label.SetTxtLblAlignment(taRightJustify);
  source.label.SetTxtLblVertAlignment(vaTop);
  source.label.SetTxtLblScreenPos(tlamXOnly);
  source.label.SetTxtLblTranspar(true);
  TFont f;
  f.SetName(u"Courier New");
  f.SetStyle({fsUnderline});
  source.label.SetTxtLblFont(f);
  source.label.SetTxtLblCaption(u"x\ny");
  source.label.SetTxtLblMode(tlShadow);
  source.label.SetTxtLblVisible(false);
  const int before = source.changes;

  TCustomTextLabel copy;
  copy.Assign(&source.label);
  EXPECT_EQ(source.changes, before);  // no notification from Assign
  EXPECT_EQ(copy.PosX(), 1.0 / 3);
  EXPECT_TRUE(std::signbit(copy.PosY()));
  EXPECT_EQ(copy.Layer(), 5);
  EXPECT_EQ(copy.XShadow(), 2);
  EXPECT_EQ(copy.YShadow(), -4);
  EXPECT_EQ(copy.ColorShadow(), 0x010203u);
  EXPECT_EQ(copy.ColorBkg(), 0x040506u);
  EXPECT_EQ(copy.ColorBrd(), 0x070809u);
  EXPECT_EQ(copy.Alignment(), taRightJustify);
  EXPECT_EQ(copy.VertAlign(), vaTop);
  EXPECT_EQ(copy.AttachDat(), tlamXOnly);
  EXPECT_TRUE(copy.TransPar());
  EXPECT_TRUE(copy.Font() == f);
  EXPECT_NE(&copy.Font(), &source.label.Font());
  EXPECT_EQ(copy.Caption(), u"x\ny");
  EXPECT_EQ(copy.Mode(), tlShadow);
  EXPECT_FALSE(copy.Visible());
  // The handler came along: a change of the copy reaches the source's counter.
  copy.SetTxtLblPosX(2);
  EXPECT_EQ(source.changes, before + 1);
  EXPECT_EQ(source.sender, &copy);
}

TEST(TextLabel, CopiesOnlyBetweenLabels) {
  TCustomTextLabel l;
  TFont f;
  EXPECT_THROW(l.Assign(&f), EConvertError);
  EXPECT_THROW(f.Assign(&l), EConvertError);
  EXPECT_THROW(l.Assign(nullptr), EConvertError);
  // A derived label is a label, so a label copies from it.
  class TChartLabel : public TCustomTextLabel {};
  TChartLabel derived;
  derived.SetTxtLblCaption(u"derived");
  l.Assign(&derived);
  EXPECT_EQ(l.Caption(), u"derived");
}

}  // namespace
}  // namespace zub
