// A text file of arbitrary bytes read with every reading procedure until its end.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "host/text_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/zub_fuzz_text_" + std::to_string(::getpid()) + ".txt";
  if (size == 0) return 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data + 1, 1, size - 1, f);
  std::fclose(f);
  zub::TextFile t;
  zub::AssignFile(t, zub::Utf8ToUnicode(path));
  zub::Reset(t);
  uint8_t choice = data[0];
  for (int steps = 0; !zub::Eof(t) && steps < 100000; ++steps) {
    zub::UnicodeString s;
    zub::Char c;
    int64_t v;
    switch (choice % 5) {
      case 0:
        zub::ReadLn(t, s);
        break;
      case 1:
        zub::Read(t, c);
        break;
      case 2:
        try {
          zub::Read(t, v);
        } catch (const zub::EInOutError&) {
          zub::ReadLn(t);
        }
        break;
      case 3:
        zub::Eoln(t);
        zub::Read(t, s);
        zub::ReadLn(t);
        break;
      default:
        zub::SeekEof(t);
        zub::Read(t, c);
        break;
    }
    choice = static_cast<uint8_t>(choice * 31 + 7);
  }
  zub::CloseFile(t);
  return 0;
}
