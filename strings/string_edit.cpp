#include "strings/string_edit.hpp"

#include <algorithm>

#include "strings/char_class.hpp"
#include "strings/string_search.hpp"

namespace zub {

UnicodeString ReplaceCharInString(std::u16string_view s, Char oldChar, Char newChar) {
  UnicodeString r(s);
  std::replace(r.begin(), r.end(), oldChar, newChar);
  return r;
}

UnicodeString ReplaceStringInString(std::u16string_view s, std::u16string_view oldText,
                                    std::u16string_view newText, bool ignoreCase) {
  if (oldText.empty()) return UnicodeString(s);
  // Search the (folded) original: the text after each insertion is exactly the rest of the
  // original, so one pass from the left finds what repeated searching would.
  UnicodeString foldedS, foldedOld;
  std::u16string_view hay = s, needle = oldText;
  if (ignoreCase) {
    foldedS = FoldAscii(s);
    foldedOld = FoldAscii(oldText);
    hay = foldedS;
    needle = foldedOld;
  }
  UnicodeString out;
  size_t from = 0;
  for (size_t p = hay.find(needle); p != std::u16string_view::npos; p = hay.find(needle, from)) {
    if (out.empty()) out.reserve(s.size());
    out.append(s.substr(from, p - from)).append(newText);
    from = p + needle.size();
  }
  if (from == 0) return UnicodeString(s);
  out.append(s.substr(from));
  return out;
}

UnicodeString RemoveCharInString(std::u16string_view s, Char c) {
  UnicodeString r(s);
  r.erase(std::remove(r.begin(), r.end(), c), r.end());
  return r;
}

UnicodeString RemoveMultiChars(std::u16string_view s, Char c) {
  UnicodeString r(s);
  r.erase(std::unique(r.begin(), r.end(), [c](Char a, Char b) { return a == c && b == c; }), r.end());
  return r;
}

namespace {
template <typename Keep>
UnicodeString ReplaceUnless(std::u16string_view s, Keep keep) {
  UnicodeString r(s);
  for (Char& ch : r)
    if (!keep(ch)) ch = u'_';
  return r;
}
}  // namespace

UnicodeString ReduceStringToAZ09(std::u16string_view s) {
  return ReplaceUnless(s, IsDigitLetter);
}

UnicodeString ReduceStringToFN83CompliantChars(std::u16string_view s) {
  return ReplaceUnless(s, [](Char c) { return (charclass::Flags(c) & charclass::kFN83) != 0; });
}

UnicodeString ReverseString(std::u16string_view s) {
  return UnicodeString(s.rbegin(), s.rend());
}

UnicodeString CapitalizeString(std::u16string_view s) {
  UnicodeString r(s);
  bool wordStart = true;
  for (Char& c : r) {
    if (IsLetter(c) || c > 127) {
      if (wordStart && c >= u'a' && c <= u'z') c = static_cast<Char>(c - 32);
      wordStart = false;
    } else if (IsDigit(c)) {
      wordStart = false;
    } else {
      wordStart = true;
    }
  }
  return r;
}

UnicodeString ChangeCase(std::u16string_view s) {
  UnicodeString r(s);
  for (Char& c : r) c = AnsiUpperChar(c) == c ? AnsiLowerChar(c) : AnsiUpperChar(c);
  return r;
}

}  // namespace zub
