// Lines of text as the tool reads them: ends are LF, CR LF or CR (one end each, as `wc -l`
// counts LF files), and the bytes of a line are decoded in the chosen encoding.
//
// Encodings: "utf-8" (bytes that are not UTF-8 become U+FFFD), "windows-1252" (0x80 is the
// euro sign), "latin-1" (each byte is the character of that code), and the default "auto":
// UTF-8 where a line is valid UTF-8, else Windows-1252, decided line by line so legacy files
// read right while the input streams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/zubkit/input.hpp"

namespace zubkit {

enum class Encoding { Auto, Utf8, Windows1252, Latin1 };

// The --encoding value; UsageError for an unknown name.
Encoding ParseEncoding(const std::string& name);
zub::UnicodeString Decode(std::string_view bytes, Encoding encoding);

class LineReader {
 public:
  explicit LineReader(Input& in) : FIn(in) {}
  // The bytes of the next line without its end; false when the input has no more lines.
  // A last line without an end still comes, but does not count as an end.
  bool Next(std::string& line);
  // Lines read so far that had an end (what `wc -l` would say for them).
  int64_t Ends() const { return FEnds; }

 private:
  Input& FIn;
  int64_t FEnds = 0;
};

}  // namespace zubkit
