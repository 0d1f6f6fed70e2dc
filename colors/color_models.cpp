#include "colors/color_models.hpp"

#include "foundation/hex_digits.hpp"

#include <algorithm>
#include <cmath>

namespace zub {

namespace {

double Frac(double x) {
  return x - std::trunc(x);
}
double Clamp01(double x) {
  return !(x >= 0) ? 0 : x > 1 ? 1 : x;
}  // NaN counts as 0

// The hue reduction of the ...toRGB routines: once up by 360 when negative, once down when
// above 360; hues beyond that single step are reduced modulo 360.
double ReduceHue(double hue) {
  if (std::isnan(hue)) return 0;
  if (hue < 0) hue += 360;
  if (hue > 360) hue -= 360;
  if (hue < 0 || hue > 360) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360;
  }
  return hue;
}

// The (C, X, 0) arrangement of a hue sector; sector 6 (hue 360) is sector 0.
void BySector(int sector, double c, double x, double& r, double& g, double& b) {
  switch (sector % 6) {
    case 0:
      r = c, g = x, b = 0;
      break;
    case 1:
      r = x, g = c, b = 0;
      break;
    case 2:
      r = 0, g = c, b = x;
      break;
    case 3:
      r = 0, g = x, b = c;
      break;
    case 4:
      r = x, g = 0, b = c;
      break;
    default:
      r = c, g = 0, b = x;
      break;
  }
}

// Round that never raises: NaN gives 0, values beyond 32 bits saturate.
int32_t RoundInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return 2147483647;
  if (x <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(Round(x));
}

// Hue of RGBtoHSV and RGBtoHSI from the index of the largest channel.
double HueOf(int index, int32_t R, int32_t G, int32_t B, double delta) {
  double h;
  if (index == 0)
    h = (G - B) / delta;
  else if (index == 1)
    h = (B - R) / delta + 2;
  else
    h = (R - G) / delta + 4;
  double hue = h * 60;
  if (hue < 0) hue += 360;
  return hue;
}

// The largest channel (ties favour red, then green) and its index.
int32_t MaxChannel(int32_t R, int32_t G, int32_t B, int& index) {
  int32_t max = R;
  index = 0;
  if (R < G) max = G, index = 1;
  if (max < B) max = B, index = 2;
  return max;
}

}  // namespace

TColor InterpolateColor(TColor c1, TColor c2, double f) {
  if (!(f <= 1)) f = 1;
  if (f < 0) f = 0;
  const long double lf = f;
  auto mix = [lf](int a, int b) { return static_cast<int32_t>(std::trunc(a + (b - a) * lf)); };
  return RGBToColor(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                    mix(GetBValue(c1), GetBValue(c2)));
}

TColor Interpolate3Colors(TColor c1, TColor c2, TColor c3, double f) {
  if (!(f <= 1)) f = 1;
  if (f < 0) f = 0;
  if (f > 0.5) {
    const long double d = static_cast<double>((f - 0.5) * 2);
    auto mix = [d](int b, int c) { return static_cast<int32_t>(std::trunc(d * (c - b) + b)); };
    return RGBToColor(mix(GetRValue(c2), GetRValue(c3)), mix(GetGValue(c2), GetGValue(c3)),
                      mix(GetBValue(c2), GetBValue(c3)));
  }
  const long double twoF = 2.0L * f;
  auto mix = [twoF](int a, int b) { return static_cast<int32_t>(std::trunc(twoF * (b - a) + a)); };
  return RGBToColor(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                    mix(GetBValue(c1), GetBValue(c2)));
}

TColor MeanColor(TColor c1, TColor c2) {
  return InterpolateColor(c1, c2, 0.5);
}
TColor ReverseRGBColor(TColor c) {
  return RGBToColor(GetBValue(c), GetGValue(c), GetRValue(c));
}
TColor InvertColor(TColor c) {
  return RGBToColor(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

UnicodeString ColorToHexStr(TColor c) {
  return IntToHex(uint64_t{c}, 8);
}

TColor HexStrToColor(std::u16string_view text) {
  size_t a = 0, b = text.size();
  while (a < b && text[a] == u' ') ++a;
  while (b > a && text[b - 1] == u' ') --b;
  const std::u16string_view s = text.substr(a, b - a);
  if (s.empty()) return 0;
  size_t i = s[0] == u'$' ? 1 : 0;
  while (i + 1 < s.size() && s[i] == u' ') ++i;
  size_t next = 0;
  const uint32_t value = ReadHexDigits(s, i, SIZE_MAX, next);
  return value;
}

TColor AdjustColorIntSat(TColor c, double saturationChange, double intensityChange) {
  double h, s, i;
  ColorToHSI(c, h, s, i);
  return HSItoColor(h, Clamp01(s + saturationChange), Clamp01(i + intensityChange));
}

void RGBtoHSL(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& lightness) {
  const double r = Clamp01(R / 255.0), g = Clamp01(G / 255.0), b = Clamp01(B / 255.0);
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  const double delta = max - min;
  double h = 0;
  if (delta != 0) {
    if (r == max)
      h = Frac((g - b) / delta / 6) * 6;
    else if (g == max)
      h = (b - r) / delta + 2;
    else
      h = (r - g) / delta + 4;
  }
  hue = h * 60;
  if (hue < 0) hue += 360;
  lightness = (max + min) / 2;
  saturation = delta != 0 ? delta / (1 - std::fabs(2 * lightness - 1)) : 0;
}

void ColorToHSL(TColor c, double& hue, double& saturation, double& lightness) {
  RGBtoHSL(GetRValue(c), GetGValue(c), GetBValue(c), hue, saturation, lightness);
}

void HSLtoRGB(double hue, double saturation, double lightness, int32_t& R, int32_t& G, int32_t& B) {
  hue = ReduceHue(hue);
  const double S = Clamp01(saturation), L = Clamp01(lightness);
  const double h = hue / 60;
  const auto sector = static_cast<int>(std::trunc(h));
  const double C = (1 - std::fabs(2 * L - 1)) * S;
  const double X = (1 - std::fabs(2 * Frac(h / 2) - 1)) * C;
  const double m = L - C / 2;
  double r, g, b;
  BySector(sector, C, X, r, g, b);
  R = RoundInt((r + m) * 255);
  G = RoundInt((g + m) * 255);
  B = RoundInt((b + m) * 255);
}

TColor HSLtoColor(double hue, double saturation, double lightness) {
  int32_t r, g, b;
  HSLtoRGB(hue, saturation, lightness, r, g, b);
  return RGBToColor(r, g, b);
}

void RGBtoHSV(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& value) {
  int index;
  const int32_t max = MaxChannel(R, G, B, index);
  const int32_t min = std::min({R, G, B});
  const double delta = max - min;
  value = max / 255.0;
  if (max == 0) {
    saturation = 0, hue = 0;
    return;
  }
  saturation = delta / max;
  if (saturation == 0) {
    hue = -1;
    return;
  }
  hue = HueOf(index, R, G, B, delta);
}

void ColorToHSV(TColor c, double& hue, double& saturation, double& value) {
  RGBtoHSV(GetRValue(c), GetGValue(c), GetBValue(c), hue, saturation, value);
}

void HSVtoRGB(double hue, double saturation, double value, int32_t& R, int32_t& G, int32_t& B) {
  const double S = Clamp01(saturation), V = Clamp01(value);
  if (!(hue >= 0 && hue < 360)) hue = 0;
  if (S == 0) {
    R = G = B = RoundInt(V * 255);
    return;
  }
  const double h = hue / 60;
  const auto i = static_cast<int>(std::trunc(h));
  const double f = h - i;
  const double p = V * (1 - S) * 255, q = V * (1 - f * S) * 255, t = V * (1 - (1 - f) * S) * 255, v = V * 255;
  double r, g, b;
  switch (i) {
    case 0:
      r = v, g = t, b = p;
      break;
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    default:
      r = v, g = p, b = q;
      break;
  }
  R = RoundInt(r), G = RoundInt(g), B = RoundInt(b);
}

TColor HSVtoColor(double hue, double saturation, double value) {
  int32_t r, g, b;
  HSVtoRGB(hue, saturation, value, r, g, b);
  return RGBToColor(r, g, b);
}

void RGBtoHSI(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& intensity) {
  int index;
  const int32_t max = MaxChannel(R, G, B, index);
  const int32_t min = std::min({R, G, B});
  const double delta = max - min;
  intensity = (R + G + B) / 3.0 / 255;
  if (max == 0) {
    saturation = 0, hue = 0;
    return;
  }
  // Plain double arithmetic: for every grey, min/255 and the intensity are the same double
  // and the saturation comes out exactly 0.
  const double minShare = min / 255.0;
  saturation = 1 - minShare / intensity;
  if (saturation == 0) {
    hue = -1;
    return;
  }
  hue = HueOf(index, R, G, B, delta);
}

void ColorToHSI(TColor c, double& hue, double& saturation, double& intensity) {
  RGBtoHSI(GetRValue(c), GetGValue(c), GetBValue(c), hue, saturation, intensity);
}

void HSItoRGB(double hue, double saturation, double intensity, int32_t& R, int32_t& G, int32_t& B) {
  hue = ReduceHue(hue);
  const double S = Clamp01(saturation), I = Clamp01(intensity);
  const double h = hue / 60;
  const auto sector = static_cast<int>(std::trunc(h));
  const double z = 1 - std::fabs(2 * Frac(h / 2) - 1);
  const double C = 3 * I * S / (1 + z);
  const double X = z * C;
  const double m = I * (1 - S);
  double r, g, b;
  BySector(sector, C, X, r, g, b);
  R = RoundInt(std::min(r + m, 1.0) * 255);
  G = RoundInt(std::min(g + m, 1.0) * 255);
  B = RoundInt(std::min(b + m, 1.0) * 255);
}

TColor HSItoColor(double hue, double saturation, double intensity) {
  int32_t r, g, b;
  HSItoRGB(hue, saturation, intensity, r, g, b);
  return RGBToColor(r, g, b);
}

void CMYtoRGB(double cyan, double magenta, double yellow, uint8_t& R, uint8_t& G, uint8_t& B) {
  R = static_cast<uint8_t>(RoundInt((1 - Clamp01(cyan)) * 255));
  G = static_cast<uint8_t>(RoundInt((1 - Clamp01(magenta)) * 255));
  B = static_cast<uint8_t>(RoundInt((1 - Clamp01(yellow)) * 255));
}

void RGBtoCMY(uint8_t R, uint8_t G, uint8_t B, double& cyan, double& magenta, double& yellow) {
  cyan = 1 - R / 255.0;
  magenta = 1 - G / 255.0;
  yellow = 1 - B / 255.0;
}

void CMYKtoCMY(double& cyan, double& magenta, double& yellow, double black) {
  cyan = Clamp01(cyan + black);
  magenta = Clamp01(magenta + black);
  yellow = Clamp01(yellow + black);
}

void CMYtoCMYK(double& cyan, double& magenta, double& yellow, double& black) {
  cyan = Clamp01(cyan);
  magenta = Clamp01(magenta);
  yellow = Clamp01(yellow);
  black = std::min({cyan, magenta, yellow});
  cyan -= black;
  magenta -= black;
  yellow -= black;
}

int32_t RGBtoGray(int32_t R, int32_t G, int32_t B) {
  return RoundInt(0.3 * R + 0.59 * G + 0.11 * B);
}

TColor RGBtoGrayColor(int32_t R, int32_t G, int32_t B) {
  const int32_t level = RGBtoGray(R, G, B);
  return RGBToColor(level, level, level);
}

int32_t ColorToGray(TColor c) {
  return RGBtoGray(GetRValue(c), GetGValue(c), GetBValue(c));
}
TColor ColorToGrayColor(TColor c) {
  return RGBtoGrayColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

double RGBColorDistance(TColor c1, TColor c2) {
  const double dr = GetRValue(c1) - GetRValue(c2), dg = GetGValue(c1) - GetGValue(c2),
               db = GetBValue(c1) - GetBValue(c2);
  return std::sqrt((dr * dr + dg * dg + db * db) / 195075);
}

TColor ContrastBWColor(TColor c) {
  return ColorToGray(c) >= 140 ? 0x000000 : 0xFFFFFF;
}

TColor WavelengthToColor(int32_t wavelength, double gamma) {
  const double w = wavelength;
  double red = 0, green = 0, blue = 0;
  if (w >= 380 && w <= 439)
    red = (440 - w) / 60, blue = 1;
  else if (w >= 440 && w <= 489)
    green = (w - 440) / 50, blue = 1;
  else if (w >= 490 && w <= 509)
    green = 1, blue = (510 - w) / 20;
  else if (w >= 510 && w <= 579)
    red = (w - 510) / 70, green = 1;
  else if (w >= 580 && w <= 644)
    red = 1, green = (645 - w) / 65;
  else if (w >= 645 && w <= 779)
    red = 1;
  double factor;
  if (w > 700)
    factor = 0.3 + 0.7 * (780 - w) / 80;
  else if (w >= 420)
    factor = 1;
  else
    factor = 0.3 + 0.7 * (w - 380) / 40;
  if (factor < 0) factor = 0;
  auto channel = [&](double weight) {
    if (factor == 0 || weight == 0) return 0;
    return RoundInt(std::exp(gamma * std::log(weight * factor)) * 255);
  };
  return RGBToColor(channel(red), channel(green), channel(blue));
}

TColor RandomColor() {
  const int32_t b = Random(256);
  const int32_t g = Random(256);
  const int32_t r = Random(256);
  return RGBToColor(r, g, b);
}

TColor RandomColor(uint8_t redLow, uint8_t redHigh, uint8_t greenLow, uint8_t greenHigh, uint8_t blueLow,
                   uint8_t blueHigh) {
  auto draw = [](uint8_t lo, uint8_t hi) {
    if (hi < lo) std::swap(lo, hi);
    return static_cast<uint8_t>(lo + Random(hi - lo + 1));
  };
  const uint8_t b = draw(blueLow, blueHigh);
  const uint8_t g = draw(greenLow, greenHigh);
  const uint8_t r = draw(redLow, redHigh);
  return RGBToColor(r, g, b);
}

}  // namespace zub
