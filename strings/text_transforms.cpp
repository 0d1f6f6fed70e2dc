#include "strings/text_transforms.hpp"

#include <algorithm>

#include "foundation/hex_digits.hpp"
#include "strings/char_class.hpp"
#include "strings/string_layout.hpp"

namespace zub {

UnicodeString ExpandDiphthongs(std::u16string_view s) {
  UnicodeString out;
  out.reserve(s.size() + 8);
  for (size_t i = 0; i < s.size(); ++i) {
    const Char c = s[i];
    const bool lowerNext = i + 1 < s.size() && s[i + 1] >= u'a' && s[i + 1] <= u'z';
    switch (c) {
      case 0xE4:
        out += u"ae";
        break;
      case 0xF6:
        out += u"oe";
        break;
      case 0xFC:
        out += u"ue";
        break;
      case 0xDF:
        out += u"ss";
        break;
      case 0xB5:
        out += u"u";
        break;
      case 0xC4:
        out += lowerNext ? u"Ae" : u"AE";
        break;
      case 0xD6:
        out += lowerNext ? u"Oe" : u"OE";
        break;
      case 0xDC:
        out += lowerNext ? u"Ue" : u"UE";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

UnicodeString ProcessHexChars(std::u16string_view s) {
  UnicodeString out;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] != u'\\' || i + 1 >= s.size()) {
      out += s[i++];
      continue;
    }
    if (s[i + 1] == u'#') {
      size_t next = 0;
      const uint32_t code = ReadHexDigits(s, i + 2, 2, next);
      out += static_cast<Char>(code);
      i = std::min(i + 4, s.size());
    } else if (s[i + 1] == u'\\') {
      out += u'\\';
      i += 2;
    } else {
      out += s[i++];
    }
  }
  return out;
}

int32_t CountWords(std::u16string_view s) {
  int32_t words = 0, run = 0;
  for (Char c : s) {
    if (IsWordSep(c)) {
      if (run >= 2) ++words;
      run = 0;
    } else {
      ++run;
    }
  }
  return words;
}

int32_t CountControlChars(std::u16string_view s) {
  return static_cast<int32_t>(std::count_if(s.begin(), s.end(), [](Char c) { return c < 32; }));
}

UnicodeString RemoveControlChars(std::u16string_view s) {
  UnicodeString out;
  for (Char c : s)
    if (c >= 32) out += c;
  return out;
}

UnicodeString ReplaceControlChars(std::u16string_view s, Char c) {
  UnicodeString out(s);
  for (Char& x : out)
    if (x < 32) x = c;
  return out;
}

namespace {
Char UUChar(uint32_t v) {
  return v == 0 ? u'`' : static_cast<Char>(32 + v);
}
uint32_t UUValue(Char c) {
  return (static_cast<uint32_t>(c) - 32) & 63;
}
}  // namespace

UnicodeString UUEncodeStr(std::u16string_view s) {
  const AnsiString bytes = UnicodeToAnsi(s);
  UnicodeString out;
  for (size_t at = 0; at < bytes.size(); at += 45) {
    const size_t n = std::min<size_t>(45, bytes.size() - at);
    out += UUChar(static_cast<uint32_t>(n));
    for (size_t g = 0; g < n; g += 3) {
      uint32_t b[3] = {0, 0, 0};
      for (size_t k = 0; k < 3 && g + k < n; ++k) b[k] = static_cast<uint8_t>(bytes[at + g + k]);
      out += UUChar(b[0] >> 2);
      out += UUChar(((b[0] << 4) | (b[1] >> 4)) & 63);
      out += UUChar(((b[1] << 2) | (b[2] >> 6)) & 63);
      out += UUChar(b[2] & 63);
    }
    out += u"\r\n";
  }
  return out + u"`\r\n";
}

UnicodeString UUDecodeStr(std::u16string_view s) {
  AnsiString bytes;
  size_t i = 0;
  while (i < s.size()) {
    size_t end = i;
    while (end < s.size() && s[end] != u'\r' && s[end] != u'\n') ++end;
    const std::u16string_view line = s.substr(i, end - i);
    i = end;
    if (i < s.size() && s[i] == u'\r') ++i;
    if (i < s.size() && s[i] == u'\n') ++i;
    if (line.empty()) continue;
    const uint32_t n = UUValue(line[0]);
    if (n == 0) break;  // the closing "`" line
    std::u16string_view data = line.substr(1);
    uint32_t got = 0;
    for (size_t g = 0; g + 1 < data.size() && got < n; g += 4) {
      uint32_t v[4] = {0, 0, 0, 0};
      for (size_t k = 0; k < 4 && g + k < data.size(); ++k) v[k] = UUValue(data[g + k]);
      const uint8_t b[3] = {static_cast<uint8_t>((v[0] << 2) | (v[1] >> 4)),
                            static_cast<uint8_t>((v[1] << 4) | (v[2] >> 2)),
                            static_cast<uint8_t>((v[2] << 6) | v[3])};
      const size_t have = std::min<size_t>(3, data.size() - g - 1);  // bytes this group can carry
      for (size_t k = 0; k < have && got < n; ++k, ++got) bytes.push_back(static_cast<char>(b[k]));
    }
  }
  return AnsiToUnicode(bytes);
}

void ParseQuotedName(Char c, Char quote, UnicodeString& text, TQuotedStrState& state) {
  switch (state) {
    case vsStart:
      if (c == quote)
        state = vs1stQuote;
      else if (c != u' ')
        text += c, state = vsNormal;
      break;
    case vs1stQuote:
      if (c == quote)
        state = vsQuote;
      else
        text += c;
      break;
    case vsQuote:
      if (c == quote)
        text += c, state = vs1stQuote;  // a doubled quote
      else
        state = vsEnd;
      break;
    case vsNormal:
      if (c == u' ')
        state = vsEnd;
      else
        text += c;
      break;
    case vsEnd:
      break;
  }
}

UnicodeString ExtractParam(std::u16string_view s, int32_t index, Char separator, Char quote,
                           const UnicodeString& Default) {
  if (index < 1) return Default;
  int32_t field = 1;
  UnicodeString current;
  bool quoted = false;
  for (size_t i = 0; i <= s.size(); ++i) {
    const bool atEnd = i == s.size();
    const Char c = atEnd ? 0 : s[i];
    if (!atEnd && c == quote) {
      quoted = !quoted;
      current += c;
      continue;
    }
    if (atEnd || (c == separator && !quoted)) {
      if (field == index) {
        UnicodeString t = StripLTBlanks(current);
        if (t.size() >= 2 && t.front() == quote && t.back() == quote) {
          UnicodeString inner;
          for (size_t k = 1; k + 1 < t.size(); ++k) {
            inner += t[k];
            if (t[k] == quote && k + 2 < t.size() && t[k + 1] == quote) ++k;  // doubled quote
          }
          t = inner;
        }
        return t.empty() ? Default : t;
      }
      ++field;
      current.clear();
      continue;
    }
    current += c;
  }
  return Default;
}

void TextLineCoords(std::u16string_view s, int32_t position, int32_t& line, int32_t& column) {
  const auto target =
      static_cast<size_t>(std::clamp<int64_t>(position, 1, static_cast<int64_t>(s.size()) + 1));
  line = 1;
  column = 1;
  for (size_t i = 0; i + 1 < target; ++i) {
    if (s[i] == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n' && i + 2 < target) {
      ++i;  // CR LF counts once
      ++line;
      column = 1;
    } else if (s[i] == u'\r' || s[i] == u'\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
}

}  // namespace zub
