#include <iostream>

#include "zubcorekit.hpp"

int main() {
  const zub::TCSVDelimiters d = zub::ResolveCSVDelimiter(u';');
  std::cout << zub::UnicodeToUtf8(zub::UnicodeString(zub::CSVDELIMITERIDS[d])) << " "
            << zub::UnicodeToUtf8(zub::FloatToStr(2.5, zub::TFormatSettings::Invariant())) << "\n";
  return d == zub::csvSemicolon ? 0 : 1;
}
