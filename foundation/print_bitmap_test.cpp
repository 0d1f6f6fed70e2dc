#include "foundation/print_bitmap.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "host/visual/printer.hpp"

namespace zub {
namespace {

TEST(PrintBitmap, CopiesTheBitmapToThePrinterPagePixelForPixel) {
  ::setenv("CUPS_SERVER", "/nonexistent/zubcorekit-cups.sock", 1);
  TBitmap b(3, 2);
  b.Canvas().SetPixels(0, 0, clRed);
  b.Canvas().SetPixels(2, 1, clBlue);
  TPrinter& p = *Printer();
  p.SetFileName(Utf8ToUnicode((std::filesystem::temp_directory_path() / "zub-print-bitmap.pdf").string()));
  p.BeginDoc();
  PrintBitmap(b, 100, 50);
  TCanvas& c = p.Canvas();
  EXPECT_EQ(c.Pixels(100, 50), clRed);
  EXPECT_EQ(c.Pixels(101, 50), clWhite);
  EXPECT_EQ(c.Pixels(102, 51), clBlue);
  EXPECT_EQ(c.Pixels(103, 51), clWhite);
  EXPECT_EQ(c.Pixels(102, 52), clWhite);
  PrintBitmap(b, p.PageWidth() - 1, p.PageHeight() - 1);  // runs off the page
  EXPECT_EQ(c.Pixels(p.PageWidth() - 1, p.PageHeight() - 1), clRed);
  PrintBitmap(TBitmap(), 0, 0);
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  p.Abort();
  p.SetFileName(u"");
}

}  // namespace
}  // namespace zub
