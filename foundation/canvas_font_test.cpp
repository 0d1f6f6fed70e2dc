#include "foundation/canvas_font.hpp"

#include <gtest/gtest.h>

#include "foundation/zub_error.hpp"
#include "host/visual/screen.hpp"

namespace zub {
namespace {

TEST(FontIsTrueType, TellsTrueTypeOutlinesFromOthers) {
  EXPECT_TRUE(FontIsTrueType(u"DejaVu Sans"));
  EXPECT_TRUE(FontIsTrueType(u"dejavu sans mono"));
  // PostScript outlines, in OpenType and Type 1 files (fonts-urw-base35).
  if (Screen().Fonts().IndexOf(u"URW Bookman") < 0)
    GTEST_SKIP() << "URW Bookman (fonts-urw-base35) is not installed";
  EXPECT_FALSE(FontIsTrueType(u"URW Bookman"));
}

TEST(FontIsTrueType, ANameNoInstalledFontCarriesRaises) {
  for (const UnicodeString& name :
       {UnicodeString(u"No Such Font"), UnicodeString(u""), UnicodeString(u"DejaVu")}) {
    try {
      FontIsTrueType(name);
      ADD_FAILURE() << "no error for " << UnicodeToUtf8(name);
    } catch (const EZUBError& e) {
      EXPECT_EQ(e.Message(), u"Font \"" + name + u"\" is not installed");
    }
  }
}

TEST(SetCanvasFontSizeScaled, MeasuresTheSizeAtTheScreensDensity) {
  TPixelBuffer buffer;
  TCanvas screen(buffer), printer(buffer, 600, true);
  SetCanvasFontSizeScaled(screen, 10);
  EXPECT_EQ(screen.Font().Height(), -13);
  EXPECT_EQ(screen.Font().Size(), 10);
  SetCanvasFontSizeScaled(printer, 10);
  EXPECT_EQ(printer.Font().PixelsPerInch(), 600);
  EXPECT_EQ(printer.Font().Height(), -13);  // screen pixels, now on the printer's
  EXPECT_EQ(printer.Font().Size(), 2);

  const int32_t saved = Screen().PixelsPerInch();
  Screen().SetPixelsPerInch(120);
  SetCanvasFontSizeScaled(screen, 10);
  EXPECT_EQ(screen.Font().PixelsPerInch(), 96);
  EXPECT_EQ(screen.Font().Height(), -17);
  Screen().SetPixelsPerInch(saved);
}

}  // namespace
}  // namespace zub
