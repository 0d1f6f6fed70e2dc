#include "colors/named_colors.hpp"

#include <gtest/gtest.h>

#include <set>

#include "colors/color_tables.hpp"

namespace zub {
namespace {

TColor ByName(std::u16string_view name) {
  for (size_t i = 0; i < AllZUBColorNames.size(); ++i)
    if (AllZUBColorNames[i] == name) return AllZUBColors[i];
  ADD_FAILURE() << "no colour named " << UnicodeToUtf8(name);
  return 0;
}

TEST(NamedColors, TablesAreCompleteAndConsistent) {
  std::set<std::u16string_view> names(AllZUBColorNames.begin(), AllZUBColorNames.end());
  EXPECT_EQ(names.size(), 466u);  // no name twice
  for (TColor c : AllZUBColors) EXPECT_EQ(c >> 24, 0u);
  // Rows 0..15 are the basic colours, the same as the first 16 predefined colours.
  for (size_t i = 0; i < 16; ++i) EXPECT_EQ(AllZUBColors[i], PredefinedColors[i]) << i;
  EXPECT_EQ(AllZUBColorNames[0], u"Black");
  EXPECT_EQ(AllZUBColorNames[18], u"MedGray");
  EXPECT_EQ(AllZUBColorNames[465], u"YellowGreen");
  EXPECT_EQ(ByName(u"SkyBlue1"), 0xEBCE87u);  // as listed, though it differs from X11's
  EXPECT_EQ(ByName(u"RebeccaPurple"), 0x993366u);
  EXPECT_EQ(ByName(u"Carbon"), 0x222222u);
  // Every X11 colour is a named colour; a few by position.
  const std::set<TColor> values(AllZUBColors.begin(), AllZUBColors.end());
  for (TColor c : X11Colors) EXPECT_TRUE(values.count(c)) << std::hex << c;
  EXPECT_EQ(X11Colors[0], ByName(u"AliceBlue"));
  EXPECT_EQ(X11Colors[7], ByName(u"Black"));
  EXPECT_EQ(X11Colors[125], 0xF0CAA6u);  // SkyBlue
  EXPECT_EQ(X11Colors[144], ByName(u"YellowGreen"));
  EXPECT_EQ(PredefinedColors[17], 0xF0CAA6u);
  EXPECT_EQ(PredefinedColors[29], 0x20000000u);
  EXPECT_EQ(PredefinedColors[40], 0x1FFFFFFFu);
  EXPECT_EQ(ColorArray_Rainbow.front(), 0x400020u);
  EXPECT_EQ(ColorArray_Contrast.size(), 16u);
  EXPECT_EQ(ColorArray_MorgenStemning.back(), 0xFFFFFFu);
}

TEST(NamedColors, ObtainColorName) {
  EXPECT_EQ(ObtainColorName(0x0000FF, true), u"$000000FF (clRed)");
  EXPECT_EQ(ObtainColorName(0x0000FF), u"Red");
  EXPECT_EQ(ObtainColorName(0x123456), u"$00123456");
  EXPECT_EQ(ObtainColorName(0x00FFFF), u"Yellow");  // first of the rows holding it
  EXPECT_EQ(ObtainColorName(0xFF000005, true), u"$FF000005");
}

}  // namespace
}  // namespace zub
