#include "colors/color_models.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zub {
namespace {

TEST(ColorModels, InterpolationTruncatesInExtendedPrecision) {
  EXPECT_EQ(InterpolateColor(0xFF123456, 0x000000FF, 0), 0x123456u);  // top byte cleared
  EXPECT_EQ(InterpolateColor(0x000000, 0x0000FF, 0.5), 0x00007Fu);    // 127.5 truncated
  EXPECT_EQ(InterpolateColor(0x000000, 0xFFFFFF, 1), 0xFFFFFFu);
  EXPECT_EQ(InterpolateColor(0x000000, 0xFFFFFF, 7), 0xFFFFFFu);
  EXPECT_EQ(InterpolateColor(0x000000, 0xFFFFFF, std::nan("")), 0xFFFFFFu);
  EXPECT_EQ(InterpolateColor(0x000000, 0xFFFFFF, -3), 0x000000u);
  // 1/3 held as a double lies just below the third: 255 * f is 84.99999999999999 in
  // extended precision (plain double arithmetic would round it to 85).
  EXPECT_EQ(InterpolateColor(0x000000, 0xFFFFFF, 1.0 / 3), 0x545454u);
  EXPECT_EQ(Interpolate3Colors(0x0000FF, 0x00FF00, 0xFF0000, 0.5), 0x00FF00u);
  EXPECT_EQ(Interpolate3Colors(0x0000FF, 0x00FF00, 0xFF0000, 0.75), 0x7F7F00u);
  EXPECT_EQ(Interpolate3Colors(0x0000FF, 0x00FF00, 0xFF0000, 0), 0x0000FFu);
  EXPECT_EQ(MeanColor(0x000000, 0xFEFEFE), 0x7F7F7Fu);
  EXPECT_EQ(ReverseRGBColor(0x123456), 0x563412u);
  EXPECT_EQ(InvertColor(0xFF00FF00), 0xFF00FFu);
}

TEST(ColorModels, HexText) {
  EXPECT_EQ(ColorToHexStr(0x000080FF), u"000080FF");
  EXPECT_EQ(ColorToHexStr(0xFF000005), u"FF000005");
  struct Case {
    std::u16string_view text;
    TColor color;
  };
  const Case cases[] = {{u"  $80ff  ", 0x80FF},     {u"12g4", 0x12}, {u"", 0}, {u"   ", 0}, {u"$ ff", 0xFF},
                        {u"123456789", 0x23456789}, {u"xyz", 0}};
  for (const auto& c : cases) EXPECT_EQ(HexStrToColor(c.text), c.color) << UnicodeToUtf8(c.text);
}

TEST(ColorModels, HslRoundTripsAndHueReduction) {
  double h, s, l;
  RGBtoHSL(255, 0, 0, h, s, l);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 1);
  EXPECT_EQ(l, 0.5);
  RGBtoHSL(0, 0, 255, h, s, l);
  EXPECT_EQ(h, 240);
  RGBtoHSL(255, 0, 128, h, s, l);
  EXPECT_NEAR(h, 329.88, 0.01);
  EXPECT_EQ(HSLtoColor(360, 1, 0.5), HSLtoColor(0, 1, 0.5));
  EXPECT_EQ(HSLtoColor(-30, 1, 0.5), HSLtoColor(330, 1, 0.5));
  EXPECT_EQ(HSLtoColor(390, 1, 0.5), HSLtoColor(30, 1, 0.5));
  // Beyond the single reduction the hue is taken modulo 360.
  EXPECT_EQ(HSLtoColor(750, 1, 0.5), HSLtoColor(30, 1, 0.5));
  EXPECT_EQ(HSLtoColor(-1000, 1, 0.5), HSLtoColor(80, 1, 0.5));
  EXPECT_EQ(HSItoColor(1e9, 0.5, 0.5), HSItoColor(std::fmod(1e9, 360.0), 0.5, 0.5));
  EXPECT_EQ(HSLtoColor(std::nan(""), 1, 0.5), HSLtoColor(0, 1, 0.5));
  for (TColor c : {0x0000FFu, 0x123456u, 0xFFFFFFu, 0x808080u, 0x00A5FFu}) {
    ColorToHSL(c, h, s, l);
    EXPECT_EQ(HSLtoColor(h, s, l), c) << std::hex << c;
    ColorToHSV(c, h, s, l);
    EXPECT_EQ(HSVtoColor(h < 0 ? 0 : h, s, l), c) << std::hex << c;
  }
}

TEST(ColorModels, HsvAndHsiOfGreys) {
  double h, s, v;
  RGBtoHSV(0, 0, 0, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  RGBtoHSI(0, 0, 0, h, s, v);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(s, 0);
  for (int g = 1; g <= 255; ++g) {
    RGBtoHSV(g, g, g, h, s, v);
    ASSERT_EQ(h, -1) << g;
    ASSERT_EQ(s, 0) << g;
    RGBtoHSI(g, g, g, h, s, v);
    ASSERT_EQ(h, -1) << g;
    ASSERT_EQ(s, 0) << g;
  }
  EXPECT_EQ(HSVtoColor(360, 1, 1), HSVtoColor(0, 1, 1));
  EXPECT_EQ(HSVtoColor(0, 1, 1), 0x0000FFu);
  EXPECT_EQ(HSVtoColor(120, 1, 1), 0x00FF00u);
  EXPECT_EQ(HSItoColor(0, 0, 0.5), 0x808080u);
  EXPECT_EQ(AdjustColorIntSat(0x808080, 0, 0.5), 0xFFFFFFu);
  EXPECT_EQ(AdjustColorIntSat(0x0000FF, -1, 0), 0x555555u);
}

TEST(ColorModels, CmyCmykGreyDistanceContrast) {
  uint8_t r, g, b;
  CMYtoRGB(0, 1, 2, r, g, b);
  EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{255, 0, 0}));
  double c, m, y, k;
  RGBtoCMY(255, 0, 51, c, m, y);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(m, 1);
  EXPECT_DOUBLE_EQ(y, 0.8);
  c = 0.2, m = 0.5, y = 0.9;
  CMYtoCMYK(c, m, y, k);
  EXPECT_DOUBLE_EQ(k, 0.2);
  EXPECT_DOUBLE_EQ(c, 0);
  EXPECT_DOUBLE_EQ(m, 0.3);
  EXPECT_DOUBLE_EQ(y, 0.7);
  CMYKtoCMY(c, m, y, 0.5);
  EXPECT_DOUBLE_EQ(m, 0.8);
  EXPECT_EQ(y, 1);
  EXPECT_EQ(RGBtoGray(255, 255, 255), 255);
  EXPECT_EQ(ColorToGrayColor(0x0000FF), 0x4C4C4Cu);  // 0.3 * 255 = 76.5 -> 76
  EXPECT_EQ(RGBColorDistance(0x000000, 0xFFFFFF), 1);
  EXPECT_EQ(RGBColorDistance(0x123456, 0x123456), 0);
  EXPECT_EQ(ContrastBWColor(0xFFFFFF), 0x000000u);
  EXPECT_EQ(ContrastBWColor(0x7F7F7F), 0xFFFFFFu);
  EXPECT_EQ(ContrastBWColor(0x8C8C8C), 0x000000u);
}

TEST(ColorModels, Wavelengths) {
  struct Case {
    int32_t nm;
    double gamma;
    TColor color;
  };
  const Case cases[] = {{379, 0.8, 0},      {780, 0.8, 0},      {2000, 1, 0},       {645, 1, 0x0000FF},
                        {510, 1, 0x00FF00}, {440, 1, 0xFF0000}, {380, 1, 0x4C004C}, {750, 1, 0x00008F}};
  for (const auto& c : cases) EXPECT_EQ(WavelengthToColor(c.nm, c.gamma), c.color) << c.nm;
  EXPECT_EQ(WavelengthToColor(500, std::nan("")), 0u);  // never raises
}

TEST(ColorModels, RandomColorsStayWithinTheirBounds) {
  RandSeed = 99;
  const TColor a = RandomColor();
  RandSeed = 99;
  EXPECT_EQ(RandomColor(), a);
  for (int i = 0; i < 2000; ++i) {
    const TColor c = RandomColor(10, 20, 200, 100, 7, 7);  // green bounds reversed
    ASSERT_GE(GetRValue(c), 10);
    ASSERT_LE(GetRValue(c), 20);
    ASSERT_GE(GetGValue(c), 100);
    ASSERT_LE(GetGValue(c), 200);
    ASSERT_EQ(GetBValue(c), 7);
  }
  EXPECT_EQ(RandomColor(0, 255, 0, 255, 0, 255) >> 24, 0u);
}

}  // namespace
}  // namespace zub
