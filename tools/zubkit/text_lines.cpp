#include "tools/zubkit/text_lines.hpp"

#include <cstring>

#include "tools/zubkit/cli.hpp"

namespace zubkit {

Encoding ParseEncoding(const std::string& name) {
  if (name.empty() || name == "auto") return Encoding::Auto;
  if (name == "utf-8" || name == "utf8") return Encoding::Utf8;
  if (name == "windows-1252" || name == "cp1252") return Encoding::Windows1252;
  if (name == "latin-1" || name == "latin1" || name == "iso-8859-1") return Encoding::Latin1;
  throw UsageError("--encoding takes auto, utf-8, windows-1252 or latin-1, not '" + name + "'");
}

zub::UnicodeString Decode(std::string_view bytes, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return zub::Utf8ToUnicode(bytes);
    case Encoding::Windows1252:
      return zub::AnsiToUnicode(bytes);
    case Encoding::Latin1: {
      zub::UnicodeString text(bytes.size(), u'\0');
      for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<uint8_t>(bytes[i]);
      return text;
    }
    case Encoding::Auto:
      break;
  }
  zub::UnicodeString text;
  return zub::TryUtf8ToUnicode(bytes, text) ? text : zub::AnsiToUnicode(bytes);
}

bool LineReader::Next(std::string& line) {
  line.clear();
  zub::TStream& s = FIn.Stream();
  bool any = false;
  for (;;) {
    FIn.BeforeRead();
    std::span<const uint8_t> window = s.Buffered();
    if (window.empty()) {
      const int b = s.ReadByte();
      if (b < 0) return any;
      any = true;
      if (b == '\n' || b == '\r') {
        if (b == '\r') {
          FIn.BeforeRead();
          if (!s.AtEnd() && s.Buffered()[0] == '\n') s.Consume(1);
        }
        ++FEnds;
        return true;
      }
      line.push_back(static_cast<char>(b));
      continue;
    }
    any = true;
    const uint8_t* p = window.data();
    size_t k = 0;
    while (k < window.size() && p[k] != '\n' && p[k] != '\r') ++k;
    line.append(reinterpret_cast<const char*>(p), k);
    if (k == window.size()) {
      s.Consume(k);
      continue;
    }
    const bool cr = p[k] == '\r';
    s.Consume(k + 1);
    if (cr) {
      // CR LF is one end; the LF may sit in the next block.
      FIn.BeforeRead();
      if (!s.AtEnd() && s.Buffered()[0] == '\n') s.Consume(1);
    }
    ++FEnds;
    return true;
  }
}

}  // namespace zubkit
