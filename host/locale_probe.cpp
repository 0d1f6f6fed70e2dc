// Prints what the process-wide format settings took from the user's locale at load, for
// format_settings_locale_test.cmake.
#include <iostream>

#include "host/convert.hpp"

int main() {
  std::cout << zub::UnicodeToUtf8(zub::FloatToStr(1234.5)) << "|"
            << zub::UnicodeToUtf8(zub::UnicodeString(1, zub::FormatSettings.ThousandSeparator)) << "\n";
  double v = 0;
  return zub::TryStrToFloat(u"2,5", v) && v == 2.5 ? 0 : 3;
}
