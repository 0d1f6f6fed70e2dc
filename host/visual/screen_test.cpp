#include "host/visual/screen.hpp"

#include <gtest/gtest.h>

namespace zub {
namespace {

TEST(Screen, ListsTheInstalledFamiliesSortedAndOnce) {
  const TStringList& fonts = Screen().Fonts();
  ASSERT_GT(fonts.Count(), 0);
  EXPECT_GE(fonts.IndexOf(u"DejaVu Sans"), 0);
  EXPECT_GE(fonts.IndexOf(u"dejavu sans"), 0);  // names compare without regard to ASCII case
  EXPECT_EQ(fonts.IndexOf(u"No Such Font At All"), -1);
  for (int32_t i = 1; i < fonts.Count(); ++i) {
    TStringList pair;
    pair.Add(fonts.Strings(i));
    pair.Add(fonts.Strings(i - 1));
    pair.Sort();
    EXPECT_EQ(pair.Strings(0), fonts.Strings(i - 1)) << "out of order at " << i;
    EXPECT_NE(pair.Strings(0), pair.Strings(1)) << "twice: " << UnicodeToUtf8(fonts.Strings(i));
  }
}

TEST(Screen, DensityDefaultsTo96AndCanBeSet) {
  TScreen screen;
  EXPECT_EQ(screen.PixelsPerInch(), 96);
  screen.SetPixelsPerInch(120);
  EXPECT_EQ(screen.PixelsPerInch(), 120);
  screen.SetPixelsPerInch(-4);
  EXPECT_EQ(screen.PixelsPerInch(), 1);
}

}  // namespace
}  // namespace zub
