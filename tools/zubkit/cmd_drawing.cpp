// `zubkit marks`, `zubkit frame`, `zubkit fonts` and `zubkit print`: the canvas drawing
// routines, the fonts they write with and the printer; and the tour's stop that draws the
// mark sheet.
#include <filesystem>
#include <ostream>
#include <string>

#include "foundation/ZUB_zubbase.hpp"
#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/mark_sheet.hpp"
#include "tools/zubkit/output.hpp"

namespace zubkit {
namespace {

std::string U8(std::u16string_view s) {
  return zub::UnicodeToUtf8(s);
}

int RunMarks(const Args& args, std::ostream& out) {
  if (!args.Has("out")) throw UsageError("marks wants --out FILE");
  const auto scale = static_cast<int32_t>(args.GetInt("scale", 4, 1, 16));
  const std::unique_ptr<zub::TBitmap> sheet = MarkSheet(scale);
  WritePNG(*sheet, args.Get("out"));
  if (args.Get("out") != "-")
    out << "wrote " << args.Get("out") << ": " << sheet->Width() << " x " << sheet->Height()
        << " pixels, marks 0 to 255 enlarged " << scale << " times\n";
  return 0;
}

const Registration marks({"marks",
                          "",
                          "draw all 256 data-point marks on one sheet (PNG)",
                          "Marks 0 to 51 are the shapes, 52 to 255 characters (200 to 209 the digits),\n"
                          "each drawn in black by DrawMarkOnCanvas at its own size and enlarged SCALE\n"
                          "times pixel for pixel, in 16 rows of 16 with its number under it.",
                          {{"out", "FILE", "the PNG file to write (- for standard output)"},
                           {"scale", "N", "enlargement, 1 to 16 (default 4)"}},
                          0,
                          0,
                          RunMarks});

// A frame style by name (raised or fsRaised, any case) or by value 0 to 255.
zub::TFrameStyle FrameStyleArg(const std::string& arg) {
  for (int i = 0; i <= zub::fsEngraved; ++i) {
    const zub::UnicodeString name(zub::xmlFrameStyle[i]);
    if (zub::SameText(name, zub::Utf8ToUnicode(arg)) ||
        zub::SameText(name.substr(2), zub::Utf8ToUnicode(arg)))
      return static_cast<zub::TFrameStyle>(i);
  }
  int32_t code = 0;
  int64_t n = 0;
  zub::Val(zub::Utf8ToUnicode(arg), n, code);
  if (code != 0 || n < 0 || n > 255)
    throw UsageError(
        "STYLE is none, simple, lowered, raised, embossed, engraved or a number 0 to 255, not '" + arg + "'");
  return static_cast<zub::TFrameStyle>(n);
}

int RunFrame(const Args& args, std::ostream& out) {
  using namespace zub;
  if (!args.Has("out")) throw UsageError("frame wants --out FILE");
  const TFrameStyle style = FrameStyleArg(args.Positional()[0]);
  const auto scale = static_cast<int32_t>(args.GetInt("scale", 4, 1, 16));
  TBitmap small(48, 32);
  small.Canvas().Pen().SetColor(clBtnFace);
  small.Canvas().Brush().SetColor(clBtnFace);
  small.Canvas().Rectangle(0, 0, 48, 32);
  DrawFrame(small.Canvas(), style, 6, 6, 41, 25, clBtnHighlight, cl3DLight, clBtnShadow, cl3DDkShadow,
            clBlack);
  TBitmap big(48 * scale, 32 * scale);
  for (int32_t y = 0; y < big.Height(); ++y)
    for (int32_t x = 0; x < big.Width(); ++x)
      big.ScanLine(y)[x] = small.PixelBuffer().Row(y / scale)[x / scale];
  WritePNG(big, args.Get("out"));
  if (args.Get("out") != "-")
    out << "wrote " << args.Get("out") << ": DrawFrame style " << int{style}
        << (style <= fsEngraved ? " (" + U8(xmlFrameStyle[style]) + ")"
                                : std::string(" (none: beyond fsEngraved)"))
        << " on (6, 6, 41, 25) of 48 x 32 pixels, enlarged " << scale << " times\n";
  return 0;
}

const Registration frame({"frame",
                          "STYLE",
                          "draw a frame in one of the frame styles (PNG)",
                          "STYLE: none, simple, lowered, raised, embossed, engraved (or fsRaised ..., any\n"
                          "case), or the style's value; values above 5 draw nothing. The frame is drawn by\n"
                          "DrawFrame on a button-face background with the standard 3-D colours\n"
                          "(highlight, light, shadow, dark shadow) and black for the simple frame.",
                          {{"out", "FILE", "the PNG file to write (- for standard output)"},
                           {"scale", "N", "enlargement, 1 to 16 (default 4)"}},
                          1,
                          1,
                          RunFrame});

int RunFonts(const Args&, std::ostream& out) {
  const zub::TStringList& fonts = zub::Screen().Fonts();
  for (int32_t i = 0; i < fonts.Count(); ++i)
    out << U8(fonts.Strings(i)) << "\t" << (zub::FontIsTrueType(fonts.Strings(i)) ? "TrueType" : "other")
        << "\n";
  return 0;
}

const Registration fonts(
    {"fonts",
     "",
     "list the installed font families and whether they are TrueType",
     "One family a line, sorted: the name, a tab, and \"TrueType\" for TrueType outlines\n"
     "or \"other\" (PostScript outlines in OpenType or Type 1 files, bitmap fonts), as\n"
     "FontIsTrueType tells.",
     {},
     0,
     0,
     RunFonts});

// "X,Y" as two whole numbers from 0 up.
zub::TPoint PointArg(const std::string& arg) {
  const size_t comma = arg.find(',');
  int32_t x = -1, y = -1, cx = 1, cy = 1;
  if (comma != std::string::npos) {
    zub::Val(zub::Utf8ToUnicode(arg.substr(0, comma)), x, cx);
    zub::Val(zub::Utf8ToUnicode(arg.substr(comma + 1)), y, cy);
  }
  if (cx != 0 || cy != 0 || x < 0 || y < 0)
    throw UsageError("--at wants X,Y in printer pixels, not '" + arg + "'");
  return {x, y};
}

int RunPrint(const Args& args, std::ostream& out) {
  using namespace zub;
  if (args.Has("printer") && args.Has("pdf")) throw UsageError("print takes --printer or --pdf, not both");
  const TPoint at = PointArg(args.Get("at", "0,0"));
  TBitmap image;
  const std::string& name = args.Positional()[0];
  image.LoadFromPNGFile(SystemNameToUnicode(name));
  TPrinter& printer = *Printer();
  printer.SetTitle(Utf8ToUnicode(std::filesystem::path(name).filename().string()));
  if (args.Has("pdf")) printer.SetFileName(SystemNameToUnicode(args.Get("pdf")));
  if (args.Has("printer")) printer.SetPrinterName(Utf8ToUnicode(args.Get("printer")));
  printer.BeginDoc();
  try {
    PrintBitmap(image, at.X, at.Y);
    printer.EndDoc();
  } catch (...) {
    printer.Abort();
    throw;
  }
  out << (args.Has("pdf") ? "wrote " + args.Get("pdf")
                          : "printed to " + (args.Has("printer") ? args.Get("printer")
                                                                 : std::string("the default printer")))
      << ": " << name << ", " << image.Width() << " x " << image.Height() << " pixels at (" << at.X << ", "
      << at.Y << ") of an A4 page of " << printer.PageWidth() << " x " << printer.PageHeight()
      << " pixels (300 per inch)\n";
  return 0;
}

const Registration print({"print",
                          "IMAGE.png",
                          "print a PNG image pixel for pixel on an A4 page, or make the page a PDF file",
                          "The image goes through PrintBitmap onto a page of 300 pixels per inch, its top\n"
                          "left corner at --at (printer pixels from the page's top left corner), so an\n"
                          "image of 300 pixels is an inch wide. The page is sent to the print spooler\n"
                          "(CUPS) as a PDF, to the default destination or to --printer; with --pdf it is\n"
                          "written to that file instead and no spooler is needed.",
                          {{"printer", "NAME", "the spooler's destination to print to"},
                           {"pdf", "OUT.pdf", "write the page to this PDF file instead"},
                           {"at", "X,Y", "where the image's top left corner goes (default 0,0)"}},
                          1,
                          1,
                          RunPrint});

const TourRegistration stop(
    {13, "Frames and data-point marks",
     [](std::ostream& out) {
       using namespace zub;
       TBitmap b(9, 9);
       DrawMarkOnCanvas(b.Canvas(), 17, 4, 4);
       out << "DrawMarkOnCanvas(canvas, 17, 4, 4) on a 9 x 9 bitmap, an open circle:\n";
       for (int32_t y = 0; y < 9; ++y) {
         out << "  ";
         for (int32_t x = 0; x < 9; ++x) out << (b.Canvas().Pixels(x, y) == clBlack ? '#' : '.');
         out << "\n";
       }
       const std::unique_ptr<TBitmap> mark = CreateMarkAsBitmap(24, clRed, clWhite, 300);
       out << "CreateMarkAsBitmap(24, clRed, clWhite, 300): " << mark->Width() << " x " << mark->Height()
           << " (the margin clamped to 255)\n";
       out << "FontIsTrueType(\"DejaVu Sans\") = " << (FontIsTrueType(u"DejaVu Sans") ? "true" : "false")
           << "\n";
       const std::filesystem::path sheet = std::filesystem::temp_directory_path() / "zubkit-marks.png";
       WritePNG(*MarkSheet(4), sheet.string());
       out << "The sheet of all 256 marks, enlarged 4 times: " << sheet.string() << "\n";
       out << "Try: zubkit marks --out sheet.png, zubkit frame raised --out frame.png, zubkit fonts\n";
     },
     "foundation/ZUB_zubbase.hpp"});

}  // namespace
}  // namespace zubkit
