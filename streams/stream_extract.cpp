#include "streams/stream_extract.hpp"

#include "streams/stream_text.hpp"
#include "strings/string_search.hpp"

namespace zub {

int32_t ExtractFromStream(TStream& InStream, TMemoryStream& OutStream, const TStringList& Keys) {
  std::vector<UnicodeString> keys;
  for (int32_t i = 0; i < Keys.Count(); ++i)
    if (!Keys.Strings(i).empty()) keys.push_back(FoldAscii(Keys.Strings(i)));
  int32_t copied = 0;
  bool eos = false;
  while (!eos) {
    // Mode 2 ends lines at CR or LF; the LF of a CR LF pair then reads as an empty line,
    // which matches nothing.
    const UnicodeString line = ReadLnStream(InStream, eos, 2);
    if (eos && line.empty()) break;
    const UnicodeString folded = FoldAscii(line);
    for (const auto& k : keys) {
      if (folded.find(k) != UnicodeString::npos) {
        WriteLnStream(OutStream, line);
        ++copied;
        break;
      }
    }
  }
  return copied;
}

namespace {

// The replacement for one occurrence, with its modifiers resolved.
UnicodeString Expand(std::u16string_view replace, std::u16string_view brackets, std::u16string_view match,
                     int32_t count, int64_t pos, const TSRUnknownModifierEvent& onUnknown) {
  if (brackets.size() < 2) return UnicodeString(replace);
  const Char open = brackets[0], close = brackets[1];
  UnicodeString out;
  size_t i = 0;
  while (i < replace.size()) {
    const size_t o = replace.find(open, i);
    const size_t c = o == std::u16string_view::npos ? o : replace.find(close, o + 1);
    if (c == std::u16string_view::npos) {
      out.append(replace.substr(i));
      break;
    }
    out.append(replace.substr(i, o - i));
    const UnicodeString name(replace.substr(o + 1, c - o - 1));
    if (name == u"match") {
      out.append(match);
    } else if (name == u"count") {
      out += IntToStr(count);
    } else if (name == u"pos") {
      out += IntToStr(pos);
    } else if (onUnknown) {
      UnicodeString sub;
      onUnknown(name, sub);
      out += sub;
    } else {
      out.append(replace.substr(o, c - o + 1));
    }
    i = c + 1;
  }
  return out;
}

}  // namespace

int32_t SearchAndReplace(TMemoryStream& InStream, TMemoryStream& OutStream, std::u16string_view SearchStr,
                         std::u16string_view ReplaceStr, bool IgnoreCase, int32_t FirstOccurrence,
                         int32_t MaxCount, std::u16string_view Brackets,
                         const TSRUnknownModifierEvent& OnUnknownModifier) {
  const UnicodeString text = StreamAsByteString(InStream);
  if (SearchStr.empty()) {
    WriteStringStream(OutStream, text);
    return 0;
  }
  const UnicodeString hay = IgnoreCase ? FoldAscii(text) : text;
  const UnicodeString needle = IgnoreCase ? FoldAscii(SearchStr) : UnicodeString(SearchStr);
  const int32_t first = std::max(FirstOccurrence, 1);
  UnicodeString out;
  out.reserve(text.size());
  int32_t occurrence = 0, replaced = 0;
  size_t from = 0;
  for (size_t p = hay.find(needle); p != UnicodeString::npos; p = hay.find(needle, p + needle.size())) {
    ++occurrence;
    if (occurrence < first) continue;
    if (MaxCount > 0 && replaced >= MaxCount) break;
    out.append(text, from, p - from);
    ++replaced;
    out += Expand(ReplaceStr, Brackets, std::u16string_view(text).substr(p, needle.size()), replaced,
                  static_cast<int64_t>(p), OnUnknownModifier);
    from = p + needle.size();
  }
  out.append(text, from, UnicodeString::npos);
  WriteStringStream(OutStream, out);
  return replaced;
}

}  // namespace zub
