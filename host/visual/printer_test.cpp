#include "host/visual/printer.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/visual/bitmap.hpp"

namespace zub {
namespace {

// No spooler answers here, so the printer knows no destination.
class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("CUPS_SERVER", "/nonexistent/zubcorekit-cups.sock", 1); }
  std::filesystem::path Scratch(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::filesystem::temp_directory_path() / ("zub-printer-" + std::string(info->name()) + "-" + name);
  }
};

TEST_F(PrinterTest, PagesAreA4AtThePrintersResolution) {
  TPrinter p;
  EXPECT_EQ(p.PixelsPerInch(), 300);
  EXPECT_EQ(p.PageWidth(), 2480);
  EXPECT_EQ(p.PageHeight(), 3508);
  EXPECT_TRUE(p.Canvas().IsPrinterCanvas());
  EXPECT_EQ(p.Canvas().Font().PixelsPerInch(), 300);
  p.SetPixelsPerInch(600);
  EXPECT_EQ(p.PageWidth(), 4961);
  EXPECT_EQ(p.Canvas().Font().PixelsPerInch(), 600);
  EXPECT_EQ(p.Canvas().Font().Size(), 8);
  p.SetPixelsPerInch(5000);
  EXPECT_EQ(p.PixelsPerInch(), 1200);
  EXPECT_EQ(p.Printers().Count(), 0);
}

TEST_F(PrinterTest, DocumentsMustBeOpenToTakePages) {
  TPrinter p;
  EXPECT_THROW(p.NewPage(), EPrinter);
  EXPECT_THROW(p.EndDoc(), EPrinter);
  p.SetFileName(Utf8ToUnicode(Scratch("a.pdf").string()));
  p.BeginDoc();
  EXPECT_TRUE(p.Printing());
  EXPECT_EQ(p.PageNumber(), 1);
  try {
    p.BeginDoc();
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_EQ(e.Message(), u"Printing in progress");
  }
  p.SetPixelsPerInch(600);  // not while printing
  EXPECT_EQ(p.PixelsPerInch(), 300);
  p.NewPage();
  EXPECT_EQ(p.PageNumber(), 2);
  p.Abort();
  EXPECT_FALSE(p.Printing());
  EXPECT_FALSE(std::filesystem::exists(Scratch("a.pdf")));
}

TEST_F(PrinterTest, WithoutSpoolerOrFileNameTheDocumentDoesNotBegin) {
  TPrinter p;
  try {
    p.BeginDoc();
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_EQ(e.Message(), u"There is no default printer to print to; name a printer or a PDF file");
  }
  p.SetPrinterName(u"nowhere");
  EXPECT_THROW(p.BeginDoc(), EPrinter);
  EXPECT_FALSE(p.Printing());
}

TEST_F(PrinterTest, WritesThePagesAsAPdfFile) {
  const auto pdf = Scratch("doc.pdf");
  TPrinter p;
  p.SetFileName(Utf8ToUnicode(pdf.string()));
  p.Canvas().SetPixels(0, 0, clBlack);  // before the document: cleared by BeginDoc
  p.BeginDoc();
  EXPECT_EQ(p.Canvas().Pixels(0, 0), clWhite);
  p.Canvas().Brush().SetColor(clBlack);
  p.Canvas().FillRect({300, 600, 600, 900});
  p.Canvas().Brush().SetColor(clRed);
  p.Canvas().FillRect({400, 700, 500, 800});
  p.NewPage();
  EXPECT_EQ(p.Canvas().Pixels(400, 700), clWhite);
  p.EndDoc();
  EXPECT_FALSE(p.Printing());
  std::ifstream in(pdf, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  EXPECT_NE(bytes.find("/Count 2"), std::string::npos);

  // Rendered back at the printer's resolution, the first page shows the square where it was
  // drawn, 300 pixels a side, with the red one in its middle (the renderer smooths the
  // edges by a pixel or two).
  const auto png = Scratch("page");
  const std::string command = "pdftoppm -r 300 -f 1 -l 1 -singlefile -png -aa no -aaVector no '" +
                              pdf.string() + "' '" + png.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) {
    std::filesystem::remove(pdf);
    GTEST_SKIP() << "pdftoppm (poppler-utils) cannot render the PDF here";
  }
  TBitmap page;
  page.LoadFromPNGFile(Utf8ToUnicode(png.string() + ".png"));
  EXPECT_NEAR(page.Width(), 2480, 1);
  EXPECT_NEAR(page.Height(), 3508, 1);
  const auto near = [](TColor a, TColor b) {
    for (int shift = 0; shift < 24; shift += 8)
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 16)
        return false;
    return true;
  };
  struct Probe {
    int32_t x, y;
    TColor want;
  };
  for (const Probe& probe : {Probe{303, 603, clBlack}, Probe{596, 896, clBlack}, Probe{450, 750, clRed},
                             Probe{403, 703, clRed}, Probe{396, 750, clBlack}, Probe{296, 750, clWhite},
                             Probe{604, 750, clWhite}, Probe{450, 596, clWhite}, Probe{450, 904, clWhite}})
    EXPECT_TRUE(near(page.Canvas().Pixels(probe.x, probe.y), probe.want))
        << probe.x << "," << probe.y << ": " << std::hex << page.Canvas().Pixels(probe.x, probe.y);
  std::filesystem::remove(pdf);
  std::filesystem::remove(png.string() + ".png");
}

TEST_F(PrinterTest, AFileThatCannotBeWrittenEndsTheDocumentWithAnError) {
  TPrinter p;
  p.SetFileName(Utf8ToUnicode(Scratch("no-such-dir").string() + "/doc.pdf"));
  p.BeginDoc();
  EXPECT_ANY_THROW(p.EndDoc());
  EXPECT_FALSE(p.Printing());
}

}  // namespace
}  // namespace zub
