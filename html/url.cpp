#include "html/url.hpp"

#include <string_view>

#include "foundation/hex_digits.hpp"

namespace zub {

namespace {

bool Escaped(Char c) {
  switch (c) {
    case u' ':
    case u'!':
    case u'#':
    case u'$':
    case u'%':
    case u'&':
    case u'\'':
    case u'(':
    case u')':
    case u'*':
    case u'+':
    case u',':
    case u'/':
    case u':':
    case u';':
    case u'=':
    case u'?':
    case u'@':
    case u'[':
    case u']':
      return true;
    default:
      return false;
  }
}

UnicodeString DecodePass(const UnicodeString& s) {
  UnicodeString out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'%' && i + 2 < s.size()) {
      const int hi = HexDigitValue(s[i + 1]), lo = HexDigitValue(s[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<Char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

}  // namespace

UnicodeString URLEncode(const UnicodeString& s) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  UnicodeString out;
  out.reserve(s.size());
  for (const Char c : s) {
    if (Escaped(c)) {
      out += u'%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += c;
    }
  }
  return out;
}

UnicodeString URLDecode(const UnicodeString& s) {
  return DecodePass(DecodePass(s));
}

UnicodeString ExtractHTTPPath(const UnicodeString& url) {
  const UnicodeString lower = LowerCase(url);
  const size_t scheme = lower.find(u"http://");
  const size_t from = scheme == UnicodeString::npos ? 0 : scheme + 7;
  const size_t slash = url.rfind(u'/');
  if (slash == UnicodeString::npos || slash < from) return {};
  return url.substr(from, slash + 1 - from);
}

}  // namespace zub
