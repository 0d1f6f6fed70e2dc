#include "filesys/text_file_type.hpp"

#include <array>

namespace zub {

TTextfileType CheckTextFileType(const UnicodeString& FileName) {
  std::array<uint8_t, 4> b{};
  UntypedFile f;
  AssignFile(f, FileName);
  ResetReadOnly(f, 1);
  int32_t got = 0;
  BlockRead(f, b.data(), 4, got);  // a short file leaves the rest zero
  CloseFile(f);
  if (b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return tftUTF8;
  // The zeros of a UTF-32 mark must be in the file: a two-byte file FF FE is UTF-16.
  if (got == 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0) return tftUnicode4_le;
  if (b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF) return tftUnicode4_be;
  if (b[0] == 0xFF && b[1] == 0xFE) return tftUnicode_le;
  if (b[0] == 0xFE && b[1] == 0xFF) return tftUnicode_be;
  if (b[0] == '{' && b[1] == '\\' && b[2] == 'r') return tftRTF;
  return tftUnknown;
}

}  // namespace zub
