// ResolveHTMLEntities, the document routines and the reference writers on arbitrary texts
// (the input read as UTF-16LE, so lone surrogates come too): resolving never lengthens a
// text, a text made HTML-compatible resolves back to itself, and the body and text
// extraction end without a crash.
#include <cstdint>
#include <cstdlib>

#include "html/ZUB_htmlsupport.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zub::UnicodeString s(size / 2, u'\0');
  for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  const zub::UnicodeString resolved = zub::ResolveHTMLEntities(s);
  if (resolved.size() > s.size()) std::abort();
  bool loneSurrogate = false;
  for (size_t i = 0; i < s.size(); ++i) {
    const bool high = s[i] >= 0xD800 && s[i] <= 0xDBFF, low = s[i] >= 0xDC00 && s[i] <= 0xDFFF;
    if (high && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
      ++i;
    else if (high || low)
      loneSurrogate = true;
  }
  if (!loneSurrogate && zub::ResolveHTMLEntities(zub::MakeStringHTMLCompatible(s)) != s) std::abort();
  zub::HTMLEntityToAnsi(s);
  if (zub::ExtractHTMLBody(s).size() > s.size()) std::abort();
  zub::ConvertHTMLBodyToText(s, (size & 1) != 0);
  return 0;
}
