// Telling a text file's encoding from its first bytes.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

enum TTextfileType : uint8_t {
  tftUnicode_le,
  tftUnicode_be,
  tftUnicode4_le,
  tftUnicode4_be,
  tftRTF,
  tftUTF8,
  tftUnknown
};

// The encoding the file's first four bytes announce: a byte-order mark (UTF-8, UTF-32 LE
// and BE, then UTF-16 LE and BE, in that order, so FF FE 00 00 is UTF-32), or "{\r" for
// RTF; tftUnknown otherwise, also for a file shorter than the mark (the zeros of a UTF-32
// mark must be in the file: "FF FE" alone is UTF-16). The file is opened
// read-only, whatever FileMode says, so a file one may only read can be typed too. A file
// that cannot be opened raises EInOutError.
TTextfileType CheckTextFileType(const UnicodeString& FileName);

}  // namespace zub
