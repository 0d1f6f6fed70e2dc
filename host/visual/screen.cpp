#include "host/visual/screen.hpp"

#include "host/visual/internal/font_engine.hpp"

namespace zub {

const TStringList& TScreen::Fonts() {
  if (!FFontsRead) RefreshFonts();
  return FFonts;
}

void TScreen::RefreshFonts() {
  FFonts.Clear();
  for (const std::string& name : visual_internal::InstalledFamilies()) FFonts.Add(Utf8ToUnicode(name));
  FFonts.Sort();
  FFontsRead = true;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace zub
