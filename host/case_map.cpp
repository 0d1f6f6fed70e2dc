#include "host/case_map.hpp"

#include <array>

#include "host/internal/os.hpp"

namespace zub {

namespace {

Char AsciiUpper(Char c) {
  return (c >= u'a' && c <= u'z') ? c - 32 : c;
}
Char AsciiLower(Char c) {
  return (c >= u'A' && c <= u'Z') ? c + 32 : c;
}

// The whole BMP mapped once: two tables of 64 Ki units, built on first use.
struct CaseTables {
  std::array<Char, 65536> upper;
  std::array<Char, 65536> lower;
  CaseTables() {
    for (uint32_t c = 0; c < 65536; ++c) {
      upper[c] = os::UpperChar(static_cast<Char>(c));
      lower[c] = os::LowerChar(static_cast<Char>(c));
    }
  }
};

const CaseTables& Tables() {
  static const CaseTables* t = new CaseTables;  // kept for the process's lifetime
  return *t;
}

template <typename F>
int32_t CompareMapped(std::u16string_view a, std::u16string_view b, F map) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const Char x = map(a[i]), y = map(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

UnicodeString UpperCase(std::u16string_view S) {
  UnicodeString r(S);
  for (Char& c : r) c = AsciiUpper(c);
  return r;
}

UnicodeString LowerCase(std::u16string_view S) {
  UnicodeString r(S);
  for (Char& c : r) c = AsciiLower(c);
  return r;
}

int32_t CompareText(std::u16string_view S1, std::u16string_view S2) {
  return CompareMapped(S1, S2, AsciiUpper);
}
bool SameText(std::u16string_view S1, std::u16string_view S2) {
  return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}
int32_t CompareStr(std::u16string_view S1, std::u16string_view S2) {
  return CompareMapped(S1, S2, [](Char c) { return c; });
}

Char AnsiUpperChar(Char C) {
  return Tables().upper[C];
}
Char AnsiLowerChar(Char C) {
  return Tables().lower[C];
}

UnicodeString AnsiUpperCase(std::u16string_view S) {
  const auto& t = Tables();
  UnicodeString r(S);
  for (Char& c : r) c = t.upper[c];
  return r;
}

UnicodeString AnsiLowerCase(std::u16string_view S) {
  const auto& t = Tables();
  UnicodeString r(S);
  for (Char& c : r) c = t.lower[c];
  return r;
}

int32_t AnsiCompareText(std::u16string_view S1, std::u16string_view S2) {
  const auto& t = Tables();
  return CompareMapped(S1, S2, [&t](Char c) { return t.lower[c]; });
}

bool AnsiSameText(std::u16string_view S1, std::u16string_view S2) {
  return S1.size() == S2.size() && AnsiCompareText(S1, S2) == 0;
}

}  // namespace zub
