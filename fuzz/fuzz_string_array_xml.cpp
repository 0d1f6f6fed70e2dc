// TStringArray::ReadFromOpenXMLFile on a file of arbitrary bytes: no crash, no hang, and a
// table that stays within its dimensions and the file limit; what was read writes out again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dstruct/ZUB_dstruct.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/zub_fuzz_strarray_" + std::to_string(::getpid()) + ".xml";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  zub::TStringArray table(nullptr);
  zub::TextFile t;
  zub::AssignFile(t, zub::Utf8ToUnicode(path));
  zub::Reset(t);
  const bool ok = table.ReadFromOpenXMLFile(t, u"");
  zub::CloseFile(t);
  if (table.NrOfColumns() < 1 || table.NrOfRows() < 1 ||
      (int64_t{table.NrOfColumns()} + 1) * table.NrOfRows() > zub::TStringArray::MaxFileCells)
    std::abort();
  if (ok) table.SaveAsXMLFile(zub::Utf8ToUnicode(path), u"again");
  return 0;
}
