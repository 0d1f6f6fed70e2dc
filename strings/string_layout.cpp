#include "strings/string_layout.hpp"

#include <algorithm>

namespace zub {

namespace {

std::u16string_view StripLeft(Char c, std::u16string_view s) {
  const size_t p = s.find_first_not_of(c);
  return p == std::u16string_view::npos ? std::u16string_view() : s.substr(p);
}

std::u16string_view StripRight(Char c, std::u16string_view s) {
  const size_t p = s.find_last_not_of(c);
  return p == std::u16string_view::npos ? std::u16string_view() : s.substr(0, p + 1);
}

}  // namespace

UnicodeString StripLTBlanks(std::u16string_view s) {
  return UnicodeString(StripRight(u' ', StripLeft(u' ', s)));
}
UnicodeString StripLeadingBlanks(std::u16string_view s) {
  return UnicodeString(StripLeft(u' ', s));
}
UnicodeString StripTrailingBlanks(std::u16string_view s) {
  return UnicodeString(StripRight(u' ', s));
}
UnicodeString StripLeadingChars(Char c, std::u16string_view s) {
  return UnicodeString(StripLeft(c, s));
}
UnicodeString StripTrailingChars(Char c, std::u16string_view s) {
  return UnicodeString(StripRight(c, s));
}

UnicodeString EnsureTrailingChar(Char c, std::u16string_view s) {
  UnicodeString r(s);
  if (!r.empty() && r.back() != c) r += c;
  return r;
}

UnicodeString EnsureTrailingBkSlash(std::u16string_view s) {
  return EnsureTrailingChar(u'\\', s);
}

UnicodeString EnsureLeadingChar(Char c, std::u16string_view s) {
  UnicodeString r(s);
  if (!r.empty() && r.front() != c) r.insert(r.begin(), c);
  return r;
}

UnicodeString LeftString(std::u16string_view s, uint8_t n) {
  UnicodeString r(s.substr(0, n));
  r.resize(n, u' ');
  return r;
}

UnicodeString RightString(std::u16string_view s, uint8_t n) {
  UnicodeString r(s.substr(0, n));
  r.insert(0, n - r.size(), u' ');
  return r;
}

UnicodeString CenterString(std::u16string_view s, uint8_t n) {
  UnicodeString r(s.substr(0, n));
  const size_t before = (n - r.size()) / 2;
  r.insert(0, before, u' ');
  r.resize(n, u' ');
  return r;
}

UnicodeString MultiChar(Char c, int32_t n) {
  return UnicodeString(static_cast<size_t>(std::clamp(n, 1, 255)), c);
}

UnicodeString AbbrevString(std::u16string_view s, int32_t n) {
  if (static_cast<int64_t>(s.size()) <= n) return UnicodeString(s);
  return UnicodeString(s.substr(0, static_cast<size_t>(std::max(n - 2, 0)))) + u"..";
}

}  // namespace zub
