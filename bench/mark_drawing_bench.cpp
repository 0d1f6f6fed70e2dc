// DrawMarkOnCanvas drawing 1 000 000 marks, all 256 kinds in turn, at scattered points of a
// 4096 x 4096 bitmap, against cairo drawing the same figures on a 4096 x 4096 RGB24 image
// with antialiasing off: the same lines (one pixel wide, through the pixel centres), filled
// and outlined rectangles, ellipses and polygons, single pixels for the pixel patterns, and
// the same characters from the same face (DejaVu Sans at an 11-pixel em, 8 points at 96
// pixels per inch, measured for centring as the canvas does). At the end the ratio of the
// two times is printed.
#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/ratio_reporter.hpp"
#include "foundation/data_marks.hpp"
#include "host/visual/bitmap.hpp"

namespace {

constexpr int kSide = 4096;
constexpr int kMarks = 1'000'000;

struct Spot {
  int32_t x, y;
  uint8_t mark;
};

const std::vector<Spot>& Spots() {
  static const std::vector<Spot> spots = [] {
    std::vector<Spot> s(kMarks);
    uint32_t r = 12345;
    for (int i = 0; i < kMarks; ++i) {
      r = r * 1664525u + 1013904223u;
      const int32_t x = 12 + static_cast<int32_t>((r >> 8) % (kSide - 24));
      r = r * 1664525u + 1013904223u;
      const int32_t y = 12 + static_cast<int32_t>((r >> 8) % (kSide - 24));
      s[i] = {x, y, static_cast<uint8_t>(i % 256)};
    }
    return s;
  }();
  return spots;
}

void BM_DrawMarkOnCanvas(benchmark::State& state) {
  zub::TBitmap bitmap(kSide, kSide);
  zub::TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetName(u"DejaVu Sans");
  canvas.Pen().SetColor(zub::clBlack);
  const std::vector<Spot>& spots = Spots();
  for (auto _ : state) {
    for (const Spot& s : spots) zub::DrawMarkOnCanvas(canvas, s.mark, s.x, s.y);
    benchmark::DoNotOptimize(bitmap.ScanLine(kSide / 2));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kMarks);
}

// ---- The peer: each mark's figures drawn with cairo.

std::string DejaVuFile() {
  FcInit();
  FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans"));
  FcConfigSubstitute(nullptr, p, FcMatchPattern);
  FcDefaultSubstitute(p);
  FcResult result;
  FcPattern* m = FcFontMatch(nullptr, p, &result);
  FcChar8* file = nullptr;
  std::string path;
  if (m && FcPatternGetString(m, FC_FILE, 0, &file) == FcResultMatch)
    path = reinterpret_cast<const char*>(file);
  if (m) FcPatternDestroy(m);
  FcPatternDestroy(p);
  return path;
}

class CairoMarks {
 public:
  explicit CairoMarks(cairo_t* cr) : c(cr) {
    cairo_set_antialias(c, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(c, 1);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_BUTT);
    cairo_set_source_rgb(c, 0, 0, 0);
    FT_Init_FreeType(&ft);
    FT_New_Face(ft, DejaVuFile().c_str(), 0, &face);
    font = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(c, font);
    cairo_set_font_size(c, 11);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_set_font_options(c, options);
    cairo_font_options_destroy(options);
  }
  ~CairoMarks() {
    cairo_font_face_destroy(font);
    FT_Done_Face(face);
    FT_Done_FreeType(ft);
  }

  void Draw(uint8_t mark, int px, int py) {
    x = px;
    y = py;
    switch (mark) {
      case 0:
        Dot(0, 0), Fill();
        break;
      case 1:
        Pattern({0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00});
        break;
      case 2:
        Pattern({0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00});
        break;
      case 3:
        Pattern({0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08});
        break;
      case 4:
        Pattern({0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00});
        break;
      case 5:
        Pattern({0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00});
        break;
      case 6:
        Pattern({0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41});
        break;
      case 7:
        Rect(-1, -1, 2, 2, true);
        break;
      case 8:
        Rect(-2, -2, 3, 3, true);
        break;
      case 9:
        Rect(-3, -3, 4, 4, true);
        break;
      case 10:
        Poly({{-1, -1}, {-1, 1}, {1, 1}, {1, -1}}, false);
        break;
      case 11:
        Poly({{-2, -2}, {-2, 2}, {2, 2}, {2, -2}}, false);
        break;
      case 12:
        Poly({{-3, -3}, {-3, 3}, {3, 3}, {3, -3}}, false);
        break;
      case 13:
        Poly({{-3, 0}, {0, 3}, {3, 0}, {0, -3}}, false), Dot(0, 0), Fill();
        break;
      case 14:
        Poly({{-2, 0}, {0, 2}, {2, 0}, {0, -2}}, true);
        break;
      case 15:
        Poly({{-3, 0}, {0, 3}, {3, 0}, {0, -3}}, true);
        break;
      case 16:
        Oval(-2, -2, 3, 3, false);
        break;
      case 17:
        Oval(-3, -3, 4, 4, false);
        break;
      case 18:
        Pattern({0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55});
        break;
      case 19:
        Poly({{-3, 0}, {0, 3}, {3, 0}, {0, -3}}, false);
        break;
      case 20:
        Line(0, 0, -3, 3), Line(0, 0, 3, 3);
        break;
      case 21:
        Line(0, 0, -4, 4), Line(0, 0, 4, 4);
        break;
      case 22:
        Line(0, 0, -3, -3), Line(0, 0, 3, -3);
        break;
      case 23:
        Line(0, 0, -4, -4), Line(0, 0, 4, -4);
        break;
      case 24:
        Oval(-3, -3, 4, 4, true);
        break;
      case 25:
        Line(-3, -3, 4, 4), Line(-3, -2, 3, 4), Line(-2, -3, 4, 3);
        Line(-3, 3, 4, -4), Line(-3, 2, 3, -4), Line(-2, 3, 4, -3);
        break;
      case 26:
        Oval(-2, -2, 3, 3, true);
        break;
      case 27:
        Oval(-2, -2, 2, 2, false);
        break;
      case 28:
        Oval(-2, -2, 2, 2, true);
        break;
      case 29:
        Poly({{-2, 0}, {0, 2}, {2, 0}}, true);
        break;
      case 30:
        Poly({{-3, 0}, {0, 3}, {3, 0}}, true);
        break;
      case 31:
        Poly({{-2, 0}, {0, 2}, {2, 0}}, false);
        break;
      case 32:
        Poly({{-3, 0}, {0, 3}, {3, 0}}, false);
        break;
      case 33:
        Poly({{-4, -3}, {0, 4}, {4, -3}}, false);
        break;
      case 34:
        Poly({{-4, -3}, {0, 4}, {4, -3}}, true);
        break;
      case 35:
        Poly({{-4, 3}, {0, -4}, {4, 3}}, false);
        break;
      case 36:
        Poly({{-4, 3}, {0, -4}, {4, 3}}, true);
        break;
      case 37:
        Line(-3, 0, 4, 0), Line(0, 0, 0, -8);
        break;
      case 38:
        Line(-3, -2, 4, -2), Line(-3, 2, 4, 2), Line(0, -2, 0, 2);
        break;
      case 39:
        Oval(-3, -3, 4, 4, false), Plus(3, 4);
        break;
      case 40:
        Poly({{3, -2}, {-2, 0}, {3, 2}}, false);
        break;
      case 41:
        Poly({{3, -2}, {-2, 0}, {3, 2}}, true);
        break;
      case 42:
        Poly({{4, -3}, {-3, 0}, {4, 3}}, false);
        break;
      case 43:
        Poly({{4, -3}, {-3, 0}, {4, 3}}, true);
        break;
      case 44:
        Poly({{-3, -2}, {2, 0}, {-3, 2}}, false);
        break;
      case 45:
        Poly({{-3, -2}, {2, 0}, {-3, 2}}, true);
        break;
      case 46:
        Poly({{-4, -3}, {3, 0}, {-4, 3}}, false);
        break;
      case 47:
        Poly({{-4, -3}, {3, 0}, {-4, 3}}, true);
        break;
      case 48:
        Rect(-3, -3, 4, 4, false), Plus(3, 4);
        break;
      case 49:
        Rect(-2, -2, 3, 3, false), Plus(4, 5);
        break;
      case 50:
        Plus(4, 5), Line(-3, -3, 4, 4), Line(-3, 3, 4, -4);
        break;
      case 51:
        Plus(4, 5);
        Line(-1, -3, 2, -3), Line(-1, 3, 2, 3), Line(-3, -1, -3, 2), Line(3, -1, 3, 2);
        break;
      default:
        Char(mark >= 200 && mark <= 209 ? '0' + (mark - 200) : mark);
        break;
    }
  }

 private:
  struct Pt {
    int dx, dy;
  };
  void Dot(int dx, int dy) { cairo_rectangle(c, x + dx, y + dy, 1, 1); }
  void Fill() { cairo_fill(c); }
  void Pattern(std::initializer_list<uint8_t> rows) {
    int j = 0;
    for (const uint8_t row : rows) {
      for (int i = 0; i < 7; ++i)
        if (row & (0x40 >> i)) Dot(i - 3, j - 3);
      ++j;
    }
    Fill();
  }
  void Line(int x0, int y0, int x1, int y1) {
    cairo_move_to(c, x + x0 + 0.5, y + y0 + 0.5);
    cairo_line_to(c, x + x1 + 0.5, y + y1 + 0.5);
    cairo_stroke(c);
  }
  void Plus(int a, int b) { Line(-a, 0, b, 0), Line(0, -a, 0, b); }
  void Rect(int l, int t, int r, int b, bool filled) {
    if (filled) {
      cairo_rectangle(c, x + l, y + t, r - l, b - t);
      cairo_fill(c);
    }
    cairo_rectangle(c, x + l + 0.5, y + t + 0.5, r - l - 1, b - t - 1);
    cairo_stroke(c);
  }
  void Oval(int l, int t, int r, int b, bool filled) {
    cairo_save(c);
    cairo_translate(c, x + (l + r) / 2.0, y + (t + b) / 2.0);
    cairo_scale(c, (r - l - 1) / 2.0, (b - t - 1) / 2.0);
    cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(c);
    if (filled) cairo_fill_preserve(c);
    cairo_stroke(c);
  }
  void Poly(std::initializer_list<Pt> pts, bool filled) {
    bool first = true;
    for (const Pt& p : pts) {
      if (first)
        cairo_move_to(c, x + p.dx + 0.5, y + p.dy + 0.5);
      else
        cairo_line_to(c, x + p.dx + 0.5, y + p.dy + 0.5);
      first = false;
    }
    cairo_close_path(c);
    if (filled) cairo_fill_preserve(c);
    cairo_stroke(c);
  }
  void Char(int code) {
    char utf8[3] = {0, 0, 0};
    if (code < 0x80) {
      utf8[0] = static_cast<char>(code);
    } else {
      utf8[0] = static_cast<char>(0xC0 | (code >> 6));
      utf8[1] = static_cast<char>(0x80 | (code & 0x3F));
    }
    cairo_text_extents_t te;
    cairo_font_extents_t fe;
    cairo_text_extents(c, utf8, &te);
    cairo_font_extents(c, &fe);
    const int w = static_cast<int>(te.x_advance), h = static_cast<int>(fe.ascent + fe.descent);
    cairo_move_to(c, x - w / 2, y - h / 2 + fe.ascent);
    cairo_show_text(c, utf8);
  }

  cairo_t* c;
  int x = 0, y = 0;
  FT_Library ft = nullptr;
  FT_Face face = nullptr;
  cairo_font_face_t* font = nullptr;
};

void BM_Cairo(benchmark::State& state) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSide, kSide);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  {
    CairoMarks marks(cr);
    const std::vector<Spot>& spots = Spots();
    for (auto _ : state) {
      for (const Spot& s : spots) marks.Draw(s.mark, s.x, s.y);
      cairo_surface_flush(surface);
      benchmark::DoNotOptimize(cairo_image_surface_get_data(surface));
      benchmark::ClobberMemory();
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  state.SetItemsProcessed(state.iterations() * kMarks);
}

BENCHMARK(BM_DrawMarkOnCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cairo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  zub_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nTime ratio, zubcorekit / peer:\n");
  reporter.Ratio("DrawMarkOnCanvas / cairo, 1 000 000 marks", "BM_DrawMarkOnCanvas", "BM_Cairo", 1.0);
  benchmark::Shutdown();
  return 0;
}
