#include "html/html_entities.hpp"

#include <string>
#include <unordered_map>

#include "foundation/hex_digits.hpp"
#include "strings/char_class.hpp"

namespace zub {

namespace {

// The reference of code 160..255 from the shared table, "&nbsp;" ... "&yuml;".
UnicodeString Lat1Entity(int code) {
  return HTMLLat1Entities[code].Text();
}

// Every known name without "&" and ";", with its character.
const std::unordered_map<std::u16string, char32_t>& Names() {
  static const auto names = [] {
    std::unordered_map<std::u16string, char32_t> m = {
        {u"amp", U'&'}, {u"lt", U'<'}, {u"gt", U'>'}, {u"quot", U'"'}, {u"apos", U'\''}};
    for (int c = 160; c <= 255; ++c) {
      const UnicodeString e = Lat1Entity(c);
      m.emplace(e.substr(1, e.size() - 2), static_cast<char32_t>(c));
    }
    return m;
  }();
  return names;
}

void AppendCodePoint(UnicodeString& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<Char>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<Char>(0xD800 + (cp >> 10));
    out += static_cast<Char>(0xDC00 + (cp & 0x3FF));
  }
}

bool IsHighSurrogate(Char c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(Char c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The digit's value in base 10 or 16, or -1.
int DigitValue(Char c, int base) {
  const int d = HexDigitValue(c);
  return d < base ? d : -1;
}

// The reference that starts at s[at] (an "&"): its character and the index after its ";",
// or false when none is there.
bool ParseReference(std::u16string_view s, size_t at, char32_t& cp, size_t& next) {
  size_t i = at + 1;
  if (i < s.size() && s[i] == u'#') {
    ++i;
    int base = 10;
    if (i < s.size() && (s[i] == u'x' || s[i] == u'X')) {
      base = 16;
      ++i;
    }
    const size_t first = i;
    uint32_t value = 0;
    for (int d; i < s.size() && (d = DigitValue(s[i], base)) >= 0; ++i) {
      value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
      if (value > 0x10FFFF) return false;
    }
    if (i == first || i >= s.size() || s[i] != u';') return false;
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return false;
    cp = value;
    next = i + 1;
    return true;
  }
  const size_t first = i;
  // The longest known name, "frac34", has 6 characters.
  while (i < s.size() && i - first < 8 && IsDigitLetter(s[i])) ++i;
  if (i == first || i >= s.size() || s[i] != u';') return false;
  const auto found = Names().find(std::u16string(s.substr(first, i - first)));
  if (found == Names().end()) return false;
  cp = found->second;
  next = i + 1;
  return true;
}

void AppendDecimalReference(UnicodeString& out, char32_t cp) {
  out += u"&#";
  out += IntToStr(static_cast<int64_t>(cp));
  out += u';';
}

void AppendEntity(UnicodeString& out, Char c) {
  switch (c) {
    case u'&':
      out += u"&amp;";
      return;
    case u'<':
      out += u"&lt;";
      return;
    case u'>':
      out += u"&gt;";
      return;
    case u'"':
      out += u"&quot;";
      return;
    case u'\'':
      out += u"&#39;";
      return;
    default:
      break;
  }
  if (c >= 160 && c <= 255) {
    out += Lat1Entity(c);
  } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
    out += u"&#65533;";
  } else if (c > 255) {
    AppendDecimalReference(out, c);
  } else {
    out += c;
  }
}

}  // namespace

UnicodeString AnsiToHTMLEntity(Char c) {
  UnicodeString out;
  AppendEntity(out, c);
  return out;
}

UnicodeString MakeStringHTMLCompatible(const UnicodeString& s) {
  UnicodeString out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
      AppendDecimalReference(out, 0x10000 + ((char32_t{s[i]} - 0xD800) << 10) + (s[i + 1] - 0xDC00));
      ++i;
    } else {
      AppendEntity(out, s[i]);
    }
  }
  return out;
}

UnicodeString ResolveHTMLEntities(const UnicodeString& s) {
  UnicodeString out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const size_t amp = s.find(u'&', i);
    if (amp == UnicodeString::npos) {
      out.append(s, i, UnicodeString::npos);
      break;
    }
    out.append(s, i, amp - i);
    char32_t cp = 0;
    size_t next = 0;
    if (ParseReference(s, amp, cp, next)) {
      AppendCodePoint(out, cp);
      i = next;
    } else {
      out += u'&';
      i = amp + 1;
    }
  }
  return out;
}

UnicodeString HTMLEntityToAnsi(const UnicodeString& s) {
  char32_t cp = 0;
  size_t next = 0;
  if (s.empty() || s[0] != u'&' || !ParseReference(s, 0, cp, next) || next != s.size()) return s;
  UnicodeString out;
  AppendCodePoint(out, cp);
  return out;
}

}  // namespace zub
