#include "host/visual/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/visual/internal/font_engine.hpp"
#include "host/visual/system_colors.hpp"

namespace zub {

namespace {

// The on/off runs of the styled one-pixel pens, starting with a run that draws.
struct Pattern {
  const uint8_t* Runs;
  int32_t Count;
};
constexpr uint8_t kDash[] = {18, 6}, kDot[] = {3, 3}, kDashDot[] = {9, 6, 3, 6},
                  kDashDotDot[] = {9, 3, 3, 3, 3, 3}, kAlternate[] = {1, 1};

Pattern PatternOf(TPenStyle Style, int32_t Width) {
  if (Width > 1) return {nullptr, 0};
  switch (Style) {
    case psDash:
      return {kDash, 2};
    case psDot:
      return {kDot, 2};
    case psDashDot:
      return {kDashDot, 4};
    case psDashDotDot:
      return {kDashDotDot, 6};
    case psAlternate:
      return {kAlternate, 2};
    default:
      return {nullptr, 0};
  }
}

int32_t PatternLength(const Pattern& p) {
  int32_t n = 0;
  for (int32_t i = 0; i < p.Count; ++i) n += p.Runs[i];
  return n;
}

bool PatternOn(const Pattern& p, int32_t pos) {
  for (int32_t i = 0; i < p.Count; ++i) {
    if (pos < p.Runs[i]) return (i & 1) == 0;
    pos -= p.Runs[i];
  }
  return false;
}

// Round(q / n) for n > 0, halves away from zero; in 64 bits when the figure is small
// enough, as nearly every one is.
inline int64_t RoundDiv(__int128 q, int64_t n) {
  constexpr int64_t kSmall = int64_t{1} << 60;
  if (q > -kSmall && q < kSmall && n < kSmall) {
    const auto q64 = static_cast<int64_t>(q);
    return q64 >= 0 ? (2 * q64 + n) / (2 * n) : -((-2 * q64 + n) / (2 * n));
  }
  return static_cast<int64_t>(q >= 0 ? (2 * q + n) / (2 * n) : -((-2 * q + n) / (2 * n)));
}

// floor and ceiling of a / b for b > 0.
inline int64_t FloorDiv(__int128 a, int64_t b) {
  return static_cast<int64_t>(a >= 0 ? a / b : -((-a + b - 1) / b));
}
inline int64_t CeilDiv(__int128 a, int64_t b) {
  return static_cast<int64_t>(a >= 0 ? (a + b - 1) / b : -((-a) / b));
}

void Normalize(int32_t& l, int32_t& t, int32_t& r, int32_t& b) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
}

// A horizontal run of one colour, clipped to the buffer.
inline void Span(TPixelBuffer& buf, int64_t y, int64_t x0, int64_t x1, uint32_t value) {
  if (y < 0 || y >= buf.Height()) return;
  x0 = std::max<int64_t>(x0, 0);
  x1 = std::min<int64_t>(x1, buf.Width() - 1);
  if (x0 > x1) return;
  uint32_t* row = buf.Row(static_cast<int32_t>(y));
  std::fill(row + x0, row + x1 + 1, value);
}

// The rows of an ellipse in the box L .. L + W - 1 by T .. T + H - 1 (W, H > 0): pixel
// (px, py) belongs to it when u^2 H^2 + v^2 W^2 <= W^2 H^2 for u = 2(px - L) + 1 - W and
// v = 2(py - T) + 1 - H, its centre's offsets from the middle of the box in half pixels.
struct EllipseRows {
  int64_t L, T, W, H;
  // The first and last column of row y; false for an empty row.
  bool Row(int64_t y, int64_t& x0, int64_t& x1) const {
    if (y < T || y >= T + H) return false;
    using U = unsigned __int128;
    const int64_t v = 2 * (y - T) + 1 - H;
    const U w2 = static_cast<U>(W) * static_cast<U>(W), h2 = static_cast<U>(H) * static_cast<U>(H);
    const U v2 = static_cast<U>(v < 0 ? -v : v) * static_cast<U>(v < 0 ? -v : v);
    if (v2 > h2) return false;
    // The largest u >= 0 with u^2 h^2 <= w^2 (h^2 - v^2), then of the parity of w - 1.
    const U rhs = w2 * (h2 - v2);
    int64_t u = static_cast<int64_t>(std::sqrt(static_cast<long double>(rhs) / static_cast<long double>(h2)));
    const auto fits = [&](int64_t c) { return static_cast<U>(c) * static_cast<U>(c) * h2 <= rhs; };
    while (u > 0 && !fits(u)) --u;
    while (fits(u + 1)) ++u;
    if ((u - W) % 2 == 0) --u;  // u = 2(px - L) + 1 - W has the parity of W - 1
    if (u < 0) return false;
    x1 = L + (u + W - 1) / 2;
    x0 = L + (W - 1 - u) / 2;
    return true;
  }
};

}  // namespace

// Sets the pixels of the pen along a figure: the pattern, the width and the clipping.
struct TCanvas::Plotter {
  TPixelBuffer& Buf;
  uint32_t Value;
  int32_t Width;
  bool Visible;
  Pattern Pat;
  int32_t PatLen;
  int32_t PatPos;

  void Plot(int64_t x, int64_t y) {
    if (Pat.Runs) {
      const bool on = PatternOn(Pat, PatPos);
      PatPos = (PatPos + 1) % PatLen;
      if (!on) return;
    }
    if (Width == 1) {
      if (x >= 0 && y >= 0 && x < Buf.Width() && y < Buf.Height())
        Buf.Row(static_cast<int32_t>(y))[x] = Value;
      return;
    }
    const int64_t x0 = x - (Width - 1) / 2, y0 = y - (Width - 1) / 2;
    const int64_t yEnd = std::min<int64_t>(y0 + Width, Buf.Height());
    for (int64_t yy = std::max<int64_t>(y0, 0); yy < yEnd; ++yy) Span(Buf, yy, x0, x0 + Width - 1, Value);
  }

  // The line from (x0, y0) up to but not including (x1, y1). Steps that fall outside the
  // buffer (with the pen's width as margin) along the longer axis are skipped unplotted,
  // but still advance the pattern.
  void Line(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const int64_t dx = x1 - x0, dy = y1 - y0;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const int64_t n = xMajor ? adx : ady;
    if (n == 0) return;
    const int64_t start = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0, d = xMajor ? dy : dx;
    const int64_t step = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t limit = xMajor ? Buf.Width() : Buf.Height(), margin = Width;
    const int64_t lo = step > 0 ? -margin - start : start - limit - margin + 1;
    const int64_t hi = step > 0 ? limit + margin - start : start + margin + 1;
    const int64_t i0 = std::clamp<int64_t>(lo, 0, n), i1 = std::clamp<int64_t>(hi, i0, n);
    Skip(i0);
    for (int64_t i = i0; i < i1; ++i) {
      const int64_t major = start + i * step, minor = minor0 + RoundDiv(static_cast<__int128>(i) * d, n);
      if (xMajor)
        Plot(major, minor);
      else
        Plot(minor, major);
    }
    Skip(n - i1);
  }

  void Skip(int64_t steps) {
    if (Pat.Runs) PatPos = static_cast<int32_t>((PatPos + steps % PatLen) % PatLen);
  }
};

TCanvas::TCanvas(TPixelBuffer& Target, int32_t PixelsPerInch, bool PrinterCanvas)
    : FTarget(Target), FPrinterCanvas(PrinterCanvas) {
  FFont.SetPixelsPerInch(PixelsPerInch);
  FFont.SetSize(8);
}

TCanvas::~TCanvas() = default;

TCanvas::Plotter TCanvas::MakePlotter() {
  const Pattern pat = PatternOf(FPen.Style(), FPen.Width());
  return {FTarget,
          ColorToPixel(ColorToRGB(FPen.Color())),
          FPen.Width(),
          FPen.Style() != psClear,
          pat,
          pat.Runs ? PatternLength(pat) : 1,
          0};
}

void TCanvas::MoveTo(int32_t X, int32_t Y) {
  FPenPos = {X, Y};
  FPatternPos = 0;
}

void TCanvas::LineTo(int32_t X, int32_t Y) {
  Plotter p = MakePlotter();
  p.PatPos = FPatternPos % p.PatLen;
  if (p.Visible) p.Line(FPenPos.X, FPenPos.Y, X, Y);
  FPatternPos = p.PatPos;
  FPenPos = {X, Y};
}

TColor TCanvas::Pixels(int32_t X, int32_t Y) const {
  if (X < 0 || Y < 0 || X >= FTarget.Width() || Y >= FTarget.Height()) return kInvalidPixel;
  return PixelToColor(FTarget.Row(Y)[X]);
}

void TCanvas::SetPixels(int32_t X, int32_t Y, TColor Color) {
  if (X < 0 || Y < 0 || X >= FTarget.Width() || Y >= FTarget.Height()) return;
  FTarget.Row(Y)[X] = ColorToPixel(ColorToRGB(Color));
}

void TCanvas::FillRect(const TRect& R) {
  if (FBrush.Style() == bsClear) return;
  const uint32_t value = ColorToPixel(ColorToRGB(FBrush.Color()));
  for (int32_t y = std::max(R.Top, 0); y < std::min(R.Bottom, FTarget.Height()); ++y)
    Span(FTarget, y, R.Left, static_cast<int64_t>(R.Right) - 1, value);
}

void TCanvas::Rectangle(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
  Normalize(Left, Top, Right, Bottom);
  if (Right == Left || Bottom == Top) return;
  Plotter p = MakePlotter();
  if (FBrush.Style() != bsClear) {
    if (p.Visible)
      FillRect({Left + 1, Top + 1, Right - 1, Bottom - 1});
    else
      FillRect({Left, Top, Right, Bottom});
  }
  if (!p.Visible) return;
  const int64_t r = static_cast<int64_t>(Right) - 1, b = static_cast<int64_t>(Bottom) - 1;
  if (r == Left || b == Top) {  // one pixel wide or high: the lines would cover it twice
    p.Line(Left, Top, r + (r == Left ? 0 : 1), b + (r == Left ? 1 : 0));
    return;
  }
  p.Line(Left, Top, r, Top);
  p.Line(r, Top, r, b);
  p.Line(r, b, Left, b);
  p.Line(Left, b, Left, Top);
}

void TCanvas::Ellipse(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
  Normalize(Left, Top, Right, Bottom);
  if (Right == Left || Bottom == Top) return;
  Plotter p = MakePlotter();
  p.Pat = {nullptr, 0};  // outlines of ellipses are solid
  const bool fill = FBrush.Style() != bsClear;
  const uint32_t brush = ColorToPixel(ColorToRGB(FBrush.Color()));
  const EllipseRows rows{Left, Top, static_cast<int64_t>(Right) - Left, static_cast<int64_t>(Bottom) - Top};
  // Rows and columns beyond the buffer and the pen's reach are not visited.
  const int64_t reach = FPen.Width() + 1;
  const int64_t yEnd = std::min<int64_t>(Bottom, FTarget.Height() + reach);
  const auto clampX = [&](int64_t x) { return std::clamp<int64_t>(x, -reach, FTarget.Width() + reach); };
  for (int64_t y = std::max<int64_t>(Top, -reach); y < yEnd; ++y) {
    int64_t x0, x1;
    if (!rows.Row(y, x0, x1)) continue;
    // Inside: the pixels whose four neighbours all belong to the ellipse.
    int64_t i0 = x0 + 1, i1 = x1 - 1, a0, a1, b0, b1;
    if (rows.Row(y - 1, a0, a1) && rows.Row(y + 1, b0, b1)) {
      i0 = std::max({i0, a0, b0});
      i1 = std::min({i1, a1, b1});
    } else {
      i1 = i0 - 1;
    }
    if (!p.Visible) {
      if (fill) Span(FTarget, y, x0, x1, brush);
      continue;
    }
    if (fill && i0 <= i1) Span(FTarget, y, i0, i1, brush);
    if (i0 > i1) {
      for (int64_t x = clampX(x0), e = clampX(x1); x <= e; ++x) p.Plot(x, y);
    } else {
      for (int64_t x = clampX(x0), e = clampX(i0 - 1); x <= e; ++x) p.Plot(x, y);
      for (int64_t x = clampX(i1 + 1), e = clampX(x1); x <= e; ++x) p.Plot(x, y);
    }
  }
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.size() < 2) return;
  const size_t n = Points.size();
  if (FBrush.Style() != bsClear) {
    const uint32_t brush = ColorToPixel(ColorToRGB(FBrush.Color()));
    int32_t top = Points[0].Y, bottom = Points[0].Y;
    for (const TPoint& pt : Points) {
      top = std::min(top, pt.Y);
      bottom = std::max(bottom, pt.Y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, FTarget.Height() - 1);
    // Crossings as fractions num / den with den > 0.
    struct Crossing {
      __int128 Num;
      int64_t Den;
    };
    // At most one crossing per edge; marks and most figures need no heap.
    Crossing small[16];
    std::vector<Crossing> big(n > 16 ? n : 0);
    Crossing* const xs = n > 16 ? big.data() : small;
    for (int32_t y = top; y <= bottom; ++y) {
      size_t count = 0;
      for (size_t i = 0; i < n; ++i) {
        const TPoint& a = Points[i];
        const TPoint& b = Points[(i + 1) % n];
        if (a.Y == b.Y) continue;
        const TPoint& up = a.Y < b.Y ? a : b;
        const TPoint& down = a.Y < b.Y ? b : a;
        if (y < up.Y || y >= down.Y) continue;
        const int64_t den = static_cast<int64_t>(down.Y) - up.Y;
        xs[count++] = {
            static_cast<__int128>(up.X) * den +
                static_cast<__int128>(static_cast<int64_t>(y) - up.Y) * (static_cast<int64_t>(down.X) - up.X),
            den};
      }
      std::sort(xs, xs + count,
                [](const Crossing& p, const Crossing& q) { return p.Num * q.Den < q.Num * p.Den; });
      for (size_t k = 0; k + 1 < count; k += 2) {
        const int64_t x0 = CeilDiv(xs[k].Num, xs[k].Den), x1 = FloorDiv(xs[k + 1].Num, xs[k + 1].Den);
        if (x0 <= x1) Span(FTarget, y, x0, x1, brush);
      }
    }
  }
  Plotter p = MakePlotter();
  if (!p.Visible) return;
  for (size_t i = 0; i < n; ++i) {
    const TPoint& a = Points[i];
    const TPoint& b = Points[(i + 1) % n];
    p.Line(a.X, a.Y, b.X, b.Y);
  }
}

visual_internal::FaceAtSize& TCanvas::Face() {
  const int32_t flags = (FFont.Style().Contains(fsBold) ? 1 : 0) | (FFont.Style().Contains(fsItalic) ? 2 : 0);
  if (!FFace || flags != FFaceFlags || FFont.Height() != FFaceHeight || FFont.Name() != FFaceName) {
    FFace = visual_internal::FindFace(FFont.Name(), flags & 1, flags & 2, FFont.Height());
    FFaceFlags = flags;
    FFaceHeight = FFont.Height();
    FFaceName = FFont.Name();
  }
  return *FFace;
}

namespace {

// Calls Visit(code point) for each character of Text; lone surrogates stand for themselves.
template <typename F>
void ForEachCodePoint(const UnicodeString& Text, F&& Visit) {
  for (size_t i = 0; i < Text.size(); ++i) {
    char32_t c = Text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (Text[i + 1] - 0xDC00);
      ++i;
    }
    Visit(c);
  }
}

}  // namespace

int32_t TCanvas::TextWidth(const UnicodeString& Text) {
  visual_internal::FaceAtSize& face = Face();
  int32_t width = 0;
  ForEachCodePoint(Text, [&](char32_t c) { width += face.GlyphOf(c).Advance; });
  return width;
}

int32_t TCanvas::TextHeight(const UnicodeString&) {
  const visual_internal::FaceAtSize& face = Face();
  return face.Ascent() + face.Descent();
}

TTextMetric TCanvas::TextMetrics() {
  const visual_internal::FaceAtSize& face = Face();
  TTextMetric m;
  m.tmAscent = face.Ascent();
  m.tmDescent = face.Descent();
  m.tmHeight = m.tmAscent + m.tmDescent;
  m.tmPitchAndFamily =
      static_cast<uint8_t>((face.FixedPitch() ? 0 : TMPF_FIXED_PITCH) | (face.Scalable() ? TMPF_VECTOR : 0) |
                           (face.TrueTypeOutlines() ? TMPF_TRUETYPE : 0));
  return m;
}

void TCanvas::TextOut(int32_t X, int32_t Y, const UnicodeString& Text) {
  visual_internal::FaceAtSize& face = Face();
  const int32_t width = TextWidth(Text), height = face.Ascent() + face.Descent();
  FillRect({X, Y, X + width, Y + height});
  const uint32_t ink = ColorToPixel(ColorToRGB(FFont.Color()));
  const int32_t baseline = Y + face.Ascent();
  int32_t penX = X;
  ForEachCodePoint(Text, [&](char32_t c) {
    const visual_internal::Glyph& g = face.GlyphOf(c);
    const int32_t gx = penX + g.Left, gy = baseline - g.Top;
    for (int32_t row = 0; row < g.Height; ++row) {
      const int32_t y = gy + row;
      if (y < 0 || y >= FTarget.Height()) continue;
      uint32_t* dst = FTarget.Row(y);
      const uint8_t* src = g.Bits.data() + static_cast<size_t>(row) * static_cast<size_t>(g.Width);
      const int32_t c0 = std::max(0, -gx), c1 = std::min(g.Width, FTarget.Width() - gx);
      for (int32_t col = c0; col < c1; ++col)
        if (src[col]) dst[gx + col] = ink;
    }
    penX += g.Advance;
  });
  const auto bar = [&](int32_t top) {
    for (int32_t y = top; y < top + face.LineThickness(); ++y) Span(FTarget, y, X, X + width - 1, ink);
  };
  if (FFont.Style().Contains(fsUnderline))
    bar(baseline + face.UnderlinePosition() - face.LineThickness() / 2);
  if (FFont.Style().Contains(fsStrikeOut)) bar(baseline - face.Ascent() / 3);
  MoveTo(X + width, Y);
}

}  // namespace zub
