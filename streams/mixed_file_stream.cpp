#include "streams/mixed_file_stream.hpp"

#include "streams/number_scan.hpp"
#include "streams/stream_binary.hpp"
#include "streams/stream_text.hpp"

namespace zub {

bool TMixedFStream::Eos() {
  return AtEnd();
}

void TMixedFStream::Write(std::u16string_view AString) {
  WriteStringStream(*this, AString);
}

void TMixedFStream::WriteLn(std::u16string_view AString) {
  UnicodeString line(AString);
  line += u"\r\n";
  WriteStringStream(*this, line);
}

void TMixedFStream::WriteDouble(double aNum) {
  WriteDoubleToStream(*this, aNum);
}
void TMixedFStream::WriteInteger(int32_t aNum) {
  WriteLongintToStream(*this, aNum);
}
void TMixedFStream::WriteByte(uint8_t aNum) {
  TStream::WriteByte(aNum);
}

UnicodeString TMixedFStream::ReadLn(int32_t EOLMode) {
  UnicodeString line;
  uint8_t previous = 0, current = 0;
  for (;;) {
    previous = current;
    const int b = ReadByte();
    if (b < 0) return line;
    current = static_cast<uint8_t>(b);
    if (current >= 32 || current == 9) {
      line += static_cast<Char>(current);
    } else if (IsLineEnd(EOLMode, current, previous)) {
      return line;
    }
  }
}

Extended TMixedFStream::ReadExtended(bool& error) {
  return ReadExtendedFromStream(*this, error);
}
double TMixedFStream::ReadDouble(bool& error) {
  return ReadDoubleFromStream(*this, error);
}
int32_t TMixedFStream::ReadInteger(bool& error) {
  return ReadLongintFromStream(*this, error);
}

uint8_t TMixedFStream::ReadByte(bool& error) {
  uint8_t b = 0;
  error = !ReadExactly(*this, &b, 1);
  return b;
}

int32_t TMixedFStream::ReadDecimal() {
  return ScanStreamDecimal(*this);
}
double TMixedFStream::ReadFPNum(bool AllowExp, int32_t DecPChar) {
  return ScanStreamFPNum(*this, AllowExp, DecPChar);
}

}  // namespace zub
