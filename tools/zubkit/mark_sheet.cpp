#include "tools/zubkit/mark_sheet.hpp"

#include <string>

#include "foundation/data_marks.hpp"
#include "host/stream.hpp"
#include "tools/zubkit/output.hpp"

namespace zubkit {

namespace {

constexpr int32_t kField = 15;  // a mark reaches at most 8 pixels from its centre
constexpr int32_t kLabel = 16;  // the number's strip under the field

}  // namespace

std::unique_ptr<zub::TBitmap> MarkSheet(int32_t Scale) {
  using namespace zub;
  const int32_t cellW = kField * Scale + 2, cellH = kField * Scale + kLabel + 2;
  auto sheet = std::make_unique<TBitmap>(16 * cellW + 1, 16 * cellH + 1);
  TCanvas& c = sheet->Canvas();
  c.Pen().SetColor(clSilver);
  for (int32_t i = 0; i <= 16; ++i) {
    c.MoveTo(i * cellW, 0);
    c.LineTo(i * cellW, sheet->Height());
    c.MoveTo(0, i * cellH);
    c.LineTo(sheet->Width(), i * cellH);
  }
  c.Font().SetName(u"DejaVu Sans");
  c.Font().SetSize(8);
  c.Brush().SetStyle(bsClear);
  for (int32_t mark = 0; mark < 256; ++mark) {
    const int32_t left = (mark % 16) * cellW + 1, top = (mark / 16) * cellH + 1;
    const std::unique_ptr<TBitmap> field =
        CreateMarkAsBitmap(static_cast<uint8_t>(mark), clBlack, clWhite, 4);
    for (int32_t y = 0; y < kField * Scale; ++y) {
      const uint32_t* src = field->PixelBuffer().Row(y / Scale);
      uint32_t* dst = sheet->ScanLine(top + y) + left;
      for (int32_t x = 0; x < kField * Scale; ++x) dst[x] = src[x / Scale];
    }
    const UnicodeString number = Utf8ToUnicode(std::to_string(mark));
    c.Font().SetColor(clGray);
    c.TextOut(left + (cellW - 2 - c.TextWidth(number)) / 2, top + kField * Scale + 1, number);
  }
  return sheet;
}

void WritePNG(const zub::TBitmap& Bitmap, const std::string& Path) {
  zub::TMemoryStream png;
  Bitmap.SaveToPNGStream(png);
  if (Path == "-") {
    Out().write(reinterpret_cast<const char*>(png.Memory()), static_cast<std::streamsize>(png.Size()));
    FlushOut();
    return;
  }
  try {
    png.SaveToFile(zub::SystemNameToUnicode(Path));
  } catch (const zub::Exception& e) {
    throw WriteError(zub::UnicodeToUtf8(e.Message()), false);
  }
}

}  // namespace zubkit
