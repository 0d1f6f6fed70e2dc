#include "strings/string_extract.hpp"

#include "strings/char_class.hpp"
#include "strings/string_layout.hpp"

namespace zub {

void SplitString(std::u16string_view s, std::u16string_view trigger, bool trim, UnicodeString& before,
                 UnicodeString& after) {
  const size_t p = trigger.empty() ? std::u16string_view::npos : s.find(trigger);
  if (p == std::u16string_view::npos) {
    before.clear();
    after.clear();
    return;
  }
  before = UnicodeString(s.substr(0, p));
  after = UnicodeString(s.substr(p + trigger.size()));
  if (trim) {
    before = StripLTBlanks(before);
    after = StripLTBlanks(after);
  }
}

UnicodeString ExtractAfterTrigger(std::u16string_view s, std::u16string_view trigger, bool trim) {
  UnicodeString before, after;
  SplitString(s, trigger, trim, before, after);
  return after;
}

UnicodeString ExtractBeforeTrigger(std::u16string_view s, std::u16string_view trigger, bool trim) {
  UnicodeString before, after;
  SplitString(s, trigger, trim, before, after);
  return before;
}

UnicodeString ExtractWordFromString(std::u16string_view s, int32_t pos, int32_t& startPos, int32_t& endPos) {
  startPos = endPos = 0;
  if (pos < 1 || pos > static_cast<int64_t>(s.size())) return UnicodeString();
  const auto i = static_cast<size_t>(pos - 1);
  if (IsWordSep(s[i])) {
    startPos = endPos = pos;
    return UnicodeString(1, s[i]);
  }
  size_t first = i, last = i;
  while (first > 0 && !IsWordSep(s[first - 1])) --first;
  while (last + 1 < s.size() && !IsWordSep(s[last + 1])) ++last;
  startPos = static_cast<int32_t>(first) + 1;
  endPos = static_cast<int32_t>(last) + 1;
  return UnicodeString(s.substr(first, last - first + 1));
}

UnicodeString ExtractWordFromString(std::u16string_view s, int32_t pos) {
  int32_t a = 0, b = 0;
  return ExtractWordFromString(s, pos, a, b);
}

UnicodeString ExtractSubString(std::u16string_view s, int32_t index, std::u16string_view separator) {
  if (index < 0 || s.empty()) return UnicodeString();
  if (separator.empty()) return index == 0 ? UnicodeString(s) : UnicodeString();
  size_t start = 0;
  for (int32_t k = 0; k < index; ++k) {
    const size_t p = s.find(separator, start);
    if (p == std::u16string_view::npos) return UnicodeString();
    start = p + separator.size();
  }
  if (start >= s.size()) return UnicodeString();
  if (AnsiSameText(s.substr(start, separator.size()), separator)) return UnicodeString();
  const size_t end = s.find(separator, start + 1);
  return UnicodeString(
      s.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
}

}  // namespace zub
