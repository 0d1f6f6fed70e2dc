// TScreen: what the library asks of the screen, the installed fonts and the pixel density.
// This host has no screen of its own, so the density is a setting (96 pixels per inch unless
// changed) and the fonts are the ones fontconfig knows.
#pragma once

#include <cstdint>

#include "host/string_list.hpp"
#include "host/visual/font.hpp"

namespace zub {

class TScreen {
 public:
  // The family names of the installed fonts, each once, sorted without regard to ASCII
  // case. Read from fontconfig on the first call; RefreshFonts reads them again.
  const TStringList& Fonts();
  void RefreshFonts();

  // The pixel density that stands for the screen's; kDefaultPixelsPerInch (96) until
  // changed, and at least 1.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t Value) { FPixelsPerInch = Value < 1 ? 1 : Value; }

 private:
  TStringList FFonts;
  bool FFontsRead = false;
  int32_t FPixelsPerInch = kDefaultPixelsPerInch;
};

// The process's screen.
TScreen& Screen();

}  // namespace zub
