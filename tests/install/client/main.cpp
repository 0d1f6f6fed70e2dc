#include <iostream>

#include "zubcorekit.hpp"

// The CMake package asks for C++20 by itself; the pkg-config build passes a later -std and
// ZUB_CLIENT_AFTER_CXX20, which nothing from the package may turn back.
static_assert(__cplusplus >= 202002L, "zubcorekit clients are built as C++20 or later");
#ifdef ZUB_CLIENT_AFTER_CXX20
static_assert(__cplusplus > 202002L, "the client's later -std was overridden");
#endif

int main() {
  const zub::TCSVDelimiters d = zub::ResolveCSVDelimiter(u';');
  std::cout << zub::UnicodeToUtf8(zub::UnicodeString(zub::CSVDELIMITERIDS[d])) << " "
            << zub::UnicodeToUtf8(zub::FloatToStr(2.5, zub::TFormatSettings::Invariant())) << "\n";
  return d == zub::csvSemicolon ? 0 : 1;
}
