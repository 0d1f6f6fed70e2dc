// The text-file routines on a file of arbitrary bytes: the ASC header from the file and
// from a stream, line-end repair (every CR of the output followed by LF, and dropping the
// added LFs gives the input back), and the block-wise line count and the last lines
// against plain ReadLn.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "filesys/ZUB_filesys.hpp"

namespace {

std::string Slurp(const std::string& path) {
  std::string s;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  for (int c; (c = std::fgetc(f)) != EOF;) s.push_back(static_cast<char>(c));
  std::fclose(f);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string base = "/tmp/zub_fuzz_textutil_" + std::to_string(::getpid());
  const std::string in = base + ".in", out = base + ".out";
  std::FILE* f = std::fopen(in.c_str(), "wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  const zub::UnicodeString inName = zub::Utf8ToUnicode(in), outName = zub::Utf8ToUnicode(out);

  zub::UnicodeString comment;
  int32_t a = 0, b = 0;
  bool f1, f2, f3, f4;
  const uint8_t fileCode = zub::ReadHeaderOfASC(inName, comment, a, b, f1, f2, f3, f4);
  if (fileCode == 0 && (a <= 0 || b <= 0)) std::abort();
  zub::TStringStream stream(zub::AnsiString(reinterpret_cast<const char*>(data), size));
  const uint8_t streamCode = zub::ReadHeaderOfASC(stream, comment, a, b, f1, f2, f3, f4);
  if (streamCode == 0 && (a <= 0 || b <= 0)) std::abort();
  if (stream.Position() > static_cast<int64_t>(size)) std::abort();

  zub::EnsureCRLFInFile(inName, outName);
  const std::string fixed = Slurp(out);
  std::string back;
  for (size_t i = 0; i < fixed.size(); ++i) {
    if (fixed[i] == '\r' && (i + 1 == fixed.size() || fixed[i + 1] != '\n')) std::abort();
    back.push_back(fixed[i]);
    // An LF that the input did not have behind this CR was added.
    if (fixed[i] == '\r' && back.size() <= size && (back.size() == size || data[back.size()] != '\n')) ++i;
  }
  if (back != std::string(reinterpret_cast<const char*>(data), size)) std::abort();

  zub::TextFile t;
  zub::AssignFile(t, inName);
  zub::Reset(t);
  std::vector<zub::UnicodeString> lines;
  for (zub::UnicodeString s; !zub::Eof(t);) {
    zub::ReadLn(t, s);
    lines.push_back(s);
  }
  if (zub::CountLinesInTextFile(t, nullptr) != static_cast<int32_t>(lines.size())) std::abort();
  int32_t count = 0;
  const zub::TStrArray last = zub::ReadLastNLinesOfTextFile(t, 3, count);
  if (count != static_cast<int32_t>(lines.size()) || last.size() != 3) std::abort();
  for (size_t i = 0; i < 3; ++i) {
    const size_t k = lines.size() + i;
    if (last[i] != (k >= 3 ? lines[k - 3] : zub::UnicodeString())) std::abort();
  }
  zub::CloseFile(t);
  return 0;
}
