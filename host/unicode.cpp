#include "host/unicode.hpp"

#include <array>

namespace zub {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// A byte b that is not valid UTF-8 in a system name stands for itself as U+DC00 + b.
constexpr Char kEscapeBase = 0xDC00;

// Windows-1252 bytes 0x80..0x9F; the holes keep their own code (C1 control).
constexpr std::array<Char, 32> kHigh1252 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf16(UnicodeString& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<Char>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<Char>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<Char>(0xDC00 + (cp & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes well-formed UTF-8 and hands every byte that does not begin a well-formed
// sequence to invalidByte, then resumes at the next byte, so each offending byte is
// reported once (bad lead or continuation bytes, overlong forms, encoded surrogates,
// values above U+10FFFF, a sequence cut off by the end).
template <typename OnInvalidByte>
UnicodeString DecodeUtf8(std::string_view s, OnInvalidByte invalidByte) {
  UnicodeString out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<uint8_t>(s[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    int extra;
    char32_t cp;
    char32_t min;
    if ((b & 0xE0) == 0xC0) {
      extra = 1, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, cp = b & 0x07, min = 0x10000;
    } else {
      invalidByte(out, b);
      ++i;
      continue;
    }
    bool ok = i + extra < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto c = static_cast<uint8_t>(s[i + k]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      invalidByte(out, b);
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += extra + 1;
  }
  return out;
}

// Encodes UTF-16 as UTF-8; a surrogate that is not part of a pair goes to loneSurrogate.
template <typename OnLoneSurrogate>
std::string EncodeUtf8(std::u16string_view s, OnLoneSurrogate loneSurrogate) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      loneSurrogate(out, static_cast<Char>(c));
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

}  // namespace

bool TryUtf8ToUnicode(std::string_view utf8, UnicodeString& text) {
  bool valid = true;
  text = DecodeUtf8(utf8, [&](UnicodeString&, uint8_t) { valid = false; });
  return valid;
}

UnicodeString Utf8ToUnicode(std::string_view utf8) {
  return DecodeUtf8(utf8, [](UnicodeString& out, uint8_t) { AppendUtf16(out, kReplacement); });
}

std::string UnicodeToUtf8(std::u16string_view text) {
  return EncodeUtf8(text, [](std::string& out, Char) { AppendUtf8(out, kReplacement); });
}

UnicodeString SystemNameToUnicode(std::string_view name) {
  // Only bytes 0x80..0xFF can be invalid, so the escapes stay within U+DC80..U+DCFF.
  return DecodeUtf8(name,
                    [](UnicodeString& out, uint8_t b) { out.push_back(static_cast<Char>(kEscapeBase + b)); });
}

std::string UnicodeToSystemName(std::u16string_view name) {
  return EncodeUtf8(name, [](std::string& out, Char c) {
    if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
      out.push_back(static_cast<char>(c - kEscapeBase));
    } else {
      // Never the escaped byte itself: U+DC00..U+DC7F would turn into ASCII such as "/"
      // or NUL. The three-byte form keeps distinct names distinct, and reading it back
      // gives three escapes that name the same entry.
      AppendUtf8(out, c);
    }
  });
}

Char AnsiCharToUnicode(uint8_t b) {
  return (b >= 0x80 && b <= 0x9F) ? kHigh1252[b - 0x80] : Char(b);
}

bool HasAnsiChar(Char c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
  for (Char h : kHigh1252)
    if (h == c) return true;
  return false;
}

uint8_t UnicodeCharToAnsi(Char c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (size_t k = 0; k < kHigh1252.size(); ++k)
    if (kHigh1252[k] == c) return static_cast<uint8_t>(0x80 + k);
  return '?';
}

UnicodeString AnsiToUnicode(std::string_view ansi) {
  UnicodeString out(ansi.size(), u'\0');
  for (size_t i = 0; i < ansi.size(); ++i) out[i] = AnsiCharToUnicode(static_cast<uint8_t>(ansi[i]));
  return out;
}

AnsiString UnicodeToAnsi(std::u16string_view text) {
  AnsiString out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(UnicodeCharToAnsi(text[i]));
  return out;
}

}  // namespace zub
