#include "strings/tokens.hpp"

#include <algorithm>

#include "strings/line_end.hpp"
#include "strings/string_edit.hpp"
#include "strings/string_search.hpp"

namespace zub {

namespace {
constexpr int32_t kMaxTokens = 1000;

// Splits s at the positions find() gives, at most kMaxTokens tokens.
template <typename Find>
int32_t Split(std::u16string_view s, size_t sepLen, TStrArray& tokens, Find find) {
  tokens.clear();
  size_t start = 0;
  while (tokens.size() < kMaxTokens - 1) {
    const size_t p = find(start);
    if (p == std::u16string_view::npos) break;
    tokens.emplace_back(s.substr(start, p - start));
    start = p + sepLen;
  }
  tokens.emplace_back(s.substr(start));
  return static_cast<int32_t>(tokens.size());
}
}  // namespace

int32_t Tokenize(std::u16string_view s, std::u16string_view separator, TStrArray& tokens) {
  if (separator.empty()) {
    tokens.assign(1, UnicodeString(s));
    return 1;
  }
  return Split(s, separator.size(), tokens, [&](size_t from) { return s.find(separator, from); });
}

int32_t Tokenize(std::u16string_view s, std::u16string_view separator, Char escape, TStrArray& tokens) {
  if (separator.empty()) {
    tokens.assign(1, UnicodeString(s));
  } else {
    Split(s, separator.size(), tokens, [&](size_t from) {
      size_t p = s.find(separator, from);
      while (p != std::u16string_view::npos && p > 0 && s[p - 1] == escape) p = s.find(separator, p + 1);
      return p;
    });
  }
  const UnicodeString esc(1, escape);
  for (UnicodeString& t : tokens) {
    t = ReplaceStringInString(t, esc + esc, esc, true);
    if (!separator.empty()) t = ReplaceStringInString(t, esc + UnicodeString(separator), separator, true);
  }
  return static_cast<int32_t>(tokens.size());
}

int32_t StringIx(std::u16string_view s, bool caseSensitive, std::span<const UnicodeString> list) {
  const UnicodeString key = caseSensitive ? UnicodeString(s) : FoldAscii(s);
  for (size_t i = 0; i < list.size(); ++i)
    if ((caseSensitive ? list[i] : FoldAscii(list[i])) == key) return static_cast<int32_t>(i) + 1;
  return 0;
}

int32_t StringIx(std::u16string_view s, std::span<const UnicodeString> list) {
  return StringIx(s, true, list);
}
int32_t StringIx(std::u16string_view s, std::initializer_list<UnicodeString> list) {
  return StringIx(s, true, std::span<const UnicodeString>(list.begin(), list.size()));
}
int32_t StringIx(std::u16string_view s, bool caseSensitive, std::initializer_list<UnicodeString> list) {
  return StringIx(s, caseSensitive, std::span<const UnicodeString>(list.begin(), list.size()));
}

UnicodeString ReadLnString(std::u16string_view s, int32_t& pos, bool& endOfText, int32_t lineEnd) {
  endOfText = false;
  UnicodeString line;
  Char previous = 0;
  if (pos < 1) pos = 1;
  for (;;) {
    if (pos > static_cast<int64_t>(s.size())) {
      endOfText = true;
      return line;
    }
    const Char c = s[static_cast<size_t>(pos - 1)];
    ++pos;
    if (c >= 32) {
      line += c;
    } else if (IsLineEnd(lineEnd, static_cast<uint8_t>(c),
                         static_cast<uint8_t>(previous < 256 ? previous : 0))) {
      return line;
    }
    previous = c;
  }
}

UnicodeString ConvertToTabs(std::u16string_view s, bool colons, bool plusMinus) {
  UnicodeString out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    if (s[i] == u' ' && i + 1 < s.size() && s[i + 1] == u' ') {
      while (i < s.size() && s[i] == u' ') ++i;
      out += u'\t';
    } else {
      out += s[i++];
    }
  }
  if (colons) {
    UnicodeString t;
    for (size_t i = 0; i < out.size();) {
      t += out[i];
      if (out[i] == u':' && i + 1 < out.size() && out[i + 1] == u' ') {
        i += 1;
        while (i < out.size() && out[i] == u' ') ++i;
        t += u'\t';
      } else {
        ++i;
      }
    }
    out = t;
  }
  if (plusMinus) {
    UnicodeString t;
    for (size_t i = 0; i < out.size();) {
      if (out[i] == u' ' && out.compare(i + 1, 3, u"+/-") == 0) {
        t += u"\t+/-";
        i += 4;
        while (i < out.size() && out[i] == u' ') ++i;
      } else {
        t += out[i++];
      }
    }
    out = t;
  }
  return out;
}

std::array<int32_t, 6> CountCSVDelimiters(std::u16string_view s) {
  std::array<int32_t, 6> counts{};
  for (size_t d = 0; d < counts.size(); ++d)
    counts[d] = static_cast<int32_t>(std::count(s.begin(), s.end(), CSVDELIMITERS[d]));
  return counts;
}

TCSVDelimiters DetectCSVDelimiter(std::u16string_view s) {
  const std::array<int32_t, 6> counts = CountCSVDelimiters(s);
  size_t best = 0;
  int32_t bestCount = 0;
  for (size_t d = 0; d < counts.size(); ++d) {
    if (counts[d] > bestCount) {
      bestCount = counts[d];
      best = d;
    }
  }
  return static_cast<TCSVDelimiters>(best);
}

}  // namespace zub
