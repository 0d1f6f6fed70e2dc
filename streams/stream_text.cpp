#include "streams/stream_text.hpp"

#include <array>

#include "strings/string_search.hpp"

namespace zub {

namespace {
constexpr int32_t kWriteBlock = 4096;
constexpr int32_t kReadBlock = 256;

// One byte from the stream, or -1 at its end.
int NextByte(TStream& s) {
  uint8_t b;
  return s.Read(&b, 1) == 1 ? b : -1;
}
}  // namespace

void WriteStringStream(TStream& OutStream, std::u16string_view Text) {
  std::array<uint8_t, kWriteBlock> buf;
  int32_t n = 0;
  for (Char c : Text) {
    buf[static_cast<size_t>(n++)] = static_cast<uint8_t>(c & 0xFF);
    if (n == kWriteBlock) {
      OutStream.WriteBuffer(buf.data(), n);
      n = 0;
    }
  }
  OutStream.WriteBuffer(buf.data(), n);
}

void WriteLnStream(TStream& OutStream, std::u16string_view Text) {
  WriteStringStream(OutStream, Text);
  static constexpr uint8_t kCrLf[2] = {13, 10};
  OutStream.WriteBuffer(kCrLf, 2);
}

UnicodeString ReadLnStream(TStream& InStream, bool& Eos, int32_t EOLMode) {
  Eos = false;
  UnicodeString line;
  uint8_t previous = 0, current = 0;
  for (;;) {
    previous = current;
    const int b = NextByte(InStream);
    if (b < 0) {
      Eos = true;
      return line;
    }
    current = static_cast<uint8_t>(b);
    line += static_cast<Char>(current);
    if (IsLineEnd(EOLMode, current, previous)) break;
  }
  for (int k = 0; k < 2 && !line.empty() && (line.back() == u'\n' || line.back() == u'\r'); ++k)
    line.pop_back();
  return line;
}

bool FindInStream(TStream& InStream, uint8_t B) {
  for (int b = NextByte(InStream); b >= 0; b = NextByte(InStream))
    if (b == B) return true;
  return false;
}

UnicodeString StreamAsString(TStream& InStream) {
  UnicodeString text;
  std::array<uint8_t, kReadBlock> buf;
  for (;;) {
    const int32_t n = InStream.Read(buf.data(), kReadBlock);
    for (int32_t i = 0; i + 1 < n; i += 2)
      text += static_cast<Char>(buf[size_t(i)] | (buf[size_t(i) + 1] << 8));
    if (n < kReadBlock) return text;
  }
}

UnicodeString StreamAsByteString(TStream& InStream) {
  UnicodeString text;
  std::array<uint8_t, kReadBlock> buf;
  for (;;) {
    const int32_t n = InStream.Read(buf.data(), kReadBlock);
    text.append(buf.begin(), buf.begin() + std::max(n, 0));
    if (n < kReadBlock) return text;
  }
}

UnicodeString ReadStreamUntil(TStream& InStream, std::u16string_view SearchStr, int32_t& ErrCode) {
  ErrCode = -1;
  const UnicodeString wanted = FoldAscii(SearchStr);
  const int64_t start = InStream.Position();
  UnicodeString text, folded;
  std::array<uint8_t, kReadBlock> buf;
  size_t found = UnicodeString::npos;
  for (;;) {
    const int32_t n = InStream.Read(buf.data(), kReadBlock);
    const size_t before = folded.size();
    text.append(buf.begin(), buf.begin() + std::max(n, 0));
    folded += FoldAscii(std::u16string_view(text).substr(before));
    if (!wanted.empty()) {
      // Only the new block and the tail that a match could straddle need a look.
      const size_t from = before >= wanted.size() ? before - wanted.size() + 1 : 0;
      found = folded.find(wanted, from);
    }
    if (found != UnicodeString::npos || n < kReadBlock) break;
  }
  if (found == UnicodeString::npos) return text;
  ErrCode = 0;
  text.resize(found + wanted.size());
  InStream.SetPosition(start + static_cast<int64_t>(text.size()));
  return text;
}

int32_t CountLinesInStream(TStream& InStream) {
  int32_t lines = 0;
  std::array<uint8_t, 4096> buf;
  for (int32_t n = InStream.Read(buf.data(), 4096); n > 0; n = InStream.Read(buf.data(), 4096))
    for (int32_t i = 0; i < n; ++i) lines += buf[size_t(i)] == 10;
  return lines;
}

}  // namespace zub
