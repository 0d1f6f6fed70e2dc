// TMixedFStream: a file stream on which text lines, scanned numbers and raw binary values
// mix in one file, with the byte and line conventions of the stream routines.
#pragma once

#include <cstdint>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

class TMixedFStream : public TFileStream {
 public:
  // Opens AFileName with Mode (fmCreate or an fmOpen... value, with share flags).
  TMixedFStream(const UnicodeString& AFileName, uint16_t Mode) : TFileStream(AFileName, Mode) {}
  UnicodeString ClassName() const override { return u"TMixedFStream"; }

  using TFileStream::Read;
  using TFileStream::ReadByte;
  using TFileStream::Write;

  // No byte left to read: Position >= Size on a file, the end of the data on a pipe.
  bool Eos();

  // The characters as bytes (low 8 bits), as WriteStringStream writes them.
  void Write(std::u16string_view AString);
  // The same followed by CR LF.
  void WriteLn(std::u16string_view AString);
  void WriteDouble(double aNum);
  void WriteInteger(int32_t aNum);
  void WriteByte(uint8_t aNum);

  // The next line in EOLMode (0..4 as the stream routines; others never end a line):
  // bytes from 32 up and tabs are kept, other control bytes are dropped and may end the
  // line. At the end of the file, what was gathered (possibly nothing).
  UnicodeString ReadLn(int32_t EOLMode);
  // Raw little-endian values; error true (value from a zero buffer) when too few bytes remain.
  Extended ReadExtended(bool& error);
  double ReadDouble(bool& error);
  int32_t ReadInteger(bool& error);
  uint8_t ReadByte(bool& error);
  // ScanStreamDecimal and ScanStreamFPNum on this stream.
  int32_t ReadDecimal();
  double ReadFPNum(bool AllowExp, int32_t DecPChar);
};

}  // namespace zub
