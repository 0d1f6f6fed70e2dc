#include "strings/string_search.hpp"

#include <algorithm>

#include "strings/char_class.hpp"

namespace zub {

UnicodeString FoldAscii(std::u16string_view s) {
  return LowerCase(s);
}

namespace {

// Both texts, folded when asked; views into the originals otherwise.
struct Searched {
  UnicodeString subStore, sStore;
  std::u16string_view sub, s;
  Searched(std::u16string_view subIn, std::u16string_view sIn, bool fold) : sub(subIn), s(sIn) {
    if (fold) {
      subStore = FoldAscii(subIn);
      sStore = FoldAscii(sIn);
      sub = subStore;
      s = sStore;
    }
  }
};

}  // namespace

int32_t NumberedPos(std::u16string_view sub, std::u16string_view s, int32_t start, int32_t n,
                    bool ignoreCase) {
  if (n <= 0 || sub.empty()) return 0;
  const Searched t(sub, s, ignoreCase);
  size_t from = static_cast<size_t>(std::max(start, 1)) - 1;
  for (int32_t k = 1; from <= t.s.size(); ++k) {
    const size_t p = t.s.find(t.sub, from);
    if (p == std::u16string_view::npos) return 0;
    if (k == n) return static_cast<int32_t>(p) + 1;
    from = p + t.sub.size();
  }
  return 0;
}

int32_t NumberedPosBw(std::u16string_view sub, std::u16string_view s, int32_t start, int32_t n,
                      bool ignoreCase) {
  if (n <= 0 || sub.empty() || s.empty()) return 0;
  const Searched t(sub, s, ignoreCase);
  // Occurrences must end within the first `end` characters; each match moves `end` to its start.
  size_t end = static_cast<size_t>(std::clamp<int64_t>(start, 1, static_cast<int64_t>(s.size())));
  for (int32_t k = 1; end >= t.sub.size(); ++k) {
    const size_t p = t.s.substr(0, end).rfind(t.sub);
    if (p == std::u16string_view::npos) return 0;
    if (k == n) return static_cast<int32_t>(p) + 1;
    end = p;
  }
  return 0;
}

int32_t PosLast(std::u16string_view sub, std::u16string_view s) {
  if (sub.empty()) return 0;
  int32_t last = 0;
  for (size_t p = s.find(sub); p != std::u16string_view::npos; p = s.find(sub, p + sub.size()))
    last = static_cast<int32_t>(p) + 1;
  return last;
}

int32_t CountStringInString(std::u16string_view sub, std::u16string_view s, bool caseSensitive) {
  if (sub.empty()) return 0;
  const Searched t(sub, s, !caseSensitive);
  int32_t count = 0;
  for (size_t p = t.s.find(t.sub); p != std::u16string_view::npos; p = t.s.find(t.sub, p + t.sub.size()))
    ++count;
  return count;
}

int32_t CountCharInString(Char c, std::u16string_view s, bool caseSensitive) {
  const auto up = [](Char x) { return (x >= u'a' && x <= u'z') ? Char(x - 32) : x; };
  const Char want = caseSensitive ? c : up(c);
  return static_cast<int32_t>(
      std::count_if(s.begin(), s.end(), [&](Char x) { return (caseSensitive ? x : up(x)) == want; }));
}

int32_t FindFirstNonBlank(std::u16string_view s) {
  const size_t p = s.find_first_not_of(u' ');
  return p == std::u16string_view::npos ? 0 : static_cast<int32_t>(p) + 1;
}

int32_t FindFirstDigit(std::u16string_view s) {
  const auto it = std::find_if(s.begin(), s.end(), IsDigit);
  return it == s.end() ? 0 : static_cast<int32_t>(it - s.begin()) + 1;
}

bool EqualAnsiStrings(std::u16string_view a, std::u16string_view b) {
  return AnsiSameText(a, b);
}

}  // namespace zub
