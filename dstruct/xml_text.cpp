#include "dstruct/xml_text.hpp"

#include <cstdint>

#include "host/convert.hpp"

namespace zub {

UnicodeString EscapeXMLText(std::u16string_view s, bool NonAscii) {
  UnicodeString out;
  out.reserve(s.size());
  for (Char c : s) {
    switch (c) {
      case u'&':
        out += u"&amp;";
        break;
      case u'<':
        out += u"&lt;";
        break;
      case u'>':
        out += u"&gt;";
        break;
      case u'"':
        out += u"&quot;";
        break;
      default:
        if (c < 32 || (NonAscii && c >= 127))
          out += u"&#" + IntToStr(int32_t{c}) + u";";
        else
          out += c;
    }
  }
  return out;
}

namespace {

// The character an entity name (between "&" and ";") stands for, or nullopt.
std::optional<Char> EntityChar(std::u16string_view name) {
  if (name == u"amp") return u'&';
  if (name == u"lt") return u'<';
  if (name == u"gt") return u'>';
  if (name == u"quot") return u'"';
  if (name == u"apos") return u'\'';
  if (name.size() < 2 || name[0] != u'#') return std::nullopt;
  const bool hex = name[1] == u'x' || name[1] == u'X';
  const std::u16string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  uint32_t code = 0;
  for (Char d : digits) {
    uint32_t v;
    if (d >= u'0' && d <= u'9')
      v = d - u'0';
    else if (hex && d >= u'a' && d <= u'f')
      v = d - u'a' + 10;
    else if (hex && d >= u'A' && d <= u'F')
      v = d - u'A' + 10;
    else
      return std::nullopt;
    code = code * (hex ? 16 : 10) + v;
  }
  if (code > 0xFFFF) return std::nullopt;
  return static_cast<Char>(code);
}

}  // namespace

std::optional<UnicodeString> UnescapeXMLText(std::u16string_view s, bool Strict) {
  UnicodeString out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'&') {
      const size_t semi = s.find(u';', i);
      const std::optional<Char> c =
          semi == std::u16string_view::npos ? std::nullopt : EntityChar(s.substr(i + 1, semi - i - 1));
      if (c) {
        out += *c;
        i = semi;
        continue;
      }
      if (Strict) return std::nullopt;
    }
    out += s[i];
  }
  return out;
}

}  // namespace zub
