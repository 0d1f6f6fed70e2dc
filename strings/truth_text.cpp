#include "strings/truth_text.hpp"

#include <array>

#include "strings/string_layout.hpp"

namespace zub {

UnicodeString BoolToStr(bool value, int32_t mode) {
  static constexpr std::array<std::array<std::u16string_view, 2>, 8> kTexts = {{
      {u"FALSE", u"TRUE"},
      {u"F", u"T"},
      {u".F.", u".T."},
      {u"0", u"1"},
      {u"0", u"-1"},
      {u"00", u"FF"},
      {u"NO", u"YES"},
      {u"BAD", u"GOOD"},
  }};
  if (mode < 0 || mode >= static_cast<int32_t>(kTexts.size())) mode = 0;
  return UnicodeString(kTexts[static_cast<size_t>(mode)][value ? 1 : 0]);
}

UnicodeString BinString(bool value, const UnicodeString& trueText, const UnicodeString& falseText) {
  return value ? trueText : falseText;
}

TTriState StrToTriState(std::u16string_view text) {
  const UnicodeString t = StripLTBlanks(LowerCase(text));
  if (t == u"true" || t == u"1" || t == u"+1" || t == u"yes") return tsTrue;
  if (t == u"false" || t == u"-1" || t == u"no") return tsFalse;
  return tsUndefined;
}

UnicodeString TriStateToStr(TTriState value, int32_t mode) {
  const int v = value == tsFalse ? 0 : value == tsTrue ? 1 : 2;
  static constexpr std::array<std::u16string_view, 3> kMode1 = {u"-1", u"1", u"0"};
  static constexpr std::array<std::u16string_view, 3> kMode2 = {u"no", u"yes", u"unknown"};
  static constexpr std::array<std::u16string_view, 3> kOther = {u"false", u"true", u""};
  const auto& texts = mode == 1 ? kMode1 : mode == 2 ? kMode2 : kOther;
  return UnicodeString(texts[static_cast<size_t>(v)]);
}

}  // namespace zub
