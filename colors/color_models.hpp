// Colour values and their conversions between RGB and the HSL, HSV, HSI, CMY and CMYK
// models; mixing, grey levels, contrast, wavelengths, hexadecimal text and random colours.
//
// TColor is $00BBGGRR. The routines read only the three low bytes of a colour and return
// colours with a zero top byte (HexStrToColor aside). Hue is in degrees, 0 up to 360;
// saturation, lightness, value, intensity and the CMY(K) components are 0..1. Rounding is
// to the nearest integer with halves to the even neighbour.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The channels of a colour, and a colour from channels (each taken modulo 256).
inline uint8_t GetRValue(TColor c) {
  return static_cast<uint8_t>(c & 0xFF);
}
inline uint8_t GetGValue(TColor c) {
  return static_cast<uint8_t>((c >> 8) & 0xFF);
}
inline uint8_t GetBValue(TColor c) {
  return static_cast<uint8_t>((c >> 16) & 0xFF);
}
inline TColor RGBToColor(int32_t r, int32_t g, int32_t b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Each channel Trunc(c1 + (c2 - c1) * f), evaluated in extended precision; f is clamped to
// 0..1 (NaN counts as 1).
TColor InterpolateColor(TColor c1, TColor c2, double f);
// Through c2 at f = 0.5: the first half mixes c1 and c2, the second c2 and c3.
TColor Interpolate3Colors(TColor c1, TColor c2, TColor c3, double f);
TColor MeanColor(TColor c1, TColor c2);
TColor ReverseRGBColor(TColor c);
TColor InvertColor(TColor c);

// The full 32-bit value as 8 upper-case hex digits.
UnicodeString ColorToHexStr(TColor c);
// Hex digits after optional blanks and "$", up to the first other character; the low 32
// bits of the value; 0 for an empty text.
TColor HexStrToColor(std::u16string_view s);

// Adds to the HSI saturation and intensity (each clamped to 0..1).
TColor AdjustColorIntSat(TColor c, double saturationChange, double intensityChange);

// Hues outside the single reduction of the ...toRGB routines (below -360, or 720 and
// above) are reduced modulo 360; a NaN hue counts as 0.
void RGBtoHSL(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& lightness);
void ColorToHSL(TColor c, double& hue, double& saturation, double& lightness);
void HSLtoRGB(double hue, double saturation, double lightness, int32_t& R, int32_t& G, int32_t& B);
TColor HSLtoColor(double hue, double saturation, double lightness);
// Grey has hue -1 (black hue 0).
void RGBtoHSV(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& value);
void ColorToHSV(TColor c, double& hue, double& saturation, double& value);
void HSVtoRGB(double hue, double saturation, double value, int32_t& R, int32_t& G, int32_t& B);
TColor HSVtoColor(double hue, double saturation, double value);
// Grey has saturation 0 and hue -1 (black hue 0).
void RGBtoHSI(int32_t R, int32_t G, int32_t B, double& hue, double& saturation, double& intensity);
void ColorToHSI(TColor c, double& hue, double& saturation, double& intensity);
void HSItoRGB(double hue, double saturation, double intensity, int32_t& R, int32_t& G, int32_t& B);
TColor HSItoColor(double hue, double saturation, double intensity);

void CMYtoRGB(double cyan, double magenta, double yellow, uint8_t& R, uint8_t& G, uint8_t& B);
void RGBtoCMY(uint8_t R, uint8_t G, uint8_t B, double& cyan, double& magenta, double& yellow);
// Adds black to each component, then clamps to 0..1.
void CMYKtoCMY(double& cyan, double& magenta, double& yellow, double black);
// Takes the common part out as black.
void CMYtoCMYK(double& cyan, double& magenta, double& yellow, double& black);

// Round(0.3 R + 0.59 G + 0.11 B), and the grey colour of that level.
int32_t RGBtoGray(int32_t R, int32_t G, int32_t B);
TColor RGBtoGrayColor(int32_t R, int32_t G, int32_t B);
int32_t ColorToGray(TColor c);
TColor ColorToGrayColor(TColor c);
// Euclidean RGB distance scaled so that black to white is 1.
double RGBColorDistance(TColor c1, TColor c2);
// Black for colours with a grey level of at least 140, white otherwise.
TColor ContrastBWColor(TColor c);
// The colour of light of a wavelength (nm), black outside 380..779, with gamma.
TColor WavelengthToColor(int32_t wavelength, double gamma);

// From the process-wide generator, blue drawn first, then green, then red.
TColor RandomColor();
// Each channel low + Random(high - low + 1); a high bound below its low bound is swapped
// with it, so the channel stays between the two.
TColor RandomColor(uint8_t redLow, uint8_t redHigh, uint8_t greenLow, uint8_t greenHigh, uint8_t blueLow,
                   uint8_t blueHigh);

}  // namespace zub
