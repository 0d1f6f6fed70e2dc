#include "streams/stream_text.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "host/byte_count.hpp"
#include "host/convert.hpp"

#include "strings/string_search.hpp"

namespace zub {

namespace {
constexpr int32_t kWriteBlock = 4096;
constexpr int32_t kReadBlock = 256;

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

namespace {

struct LineScan {
  size_t used;  // bytes that belong to the line, its end included
  bool ended;   // whether they end it
};

// Looks for the byte that ends a line in EOLMode; Previous is the byte before Bytes and
// becomes the last byte taken.
LineScan FindLineEnd(std::span<const uint8_t> Bytes, int32_t EOLMode, uint8_t& Previous) {
  const uint8_t* p = Bytes.data();
  const size_t n = Bytes.size();
  if (n == 0) return {0, false};
  if (EOLMode == 0 || EOLMode == 1 || EOLMode == 3 || EOLMode == 4) {
    const uint8_t target = EOLMode == 0 || EOLMode == 4 ? 10 : 13;
    const uint8_t before = EOLMode == 4 ? 13 : 10;
    for (size_t i = 0;;) {
      const void* hit = std::memchr(p + i, target, n - i);
      if (hit == nullptr) break;
      const size_t k = static_cast<size_t>(static_cast<const uint8_t*>(hit) - p);
      if (EOLMode < 3 || (k == 0 ? Previous : p[k - 1]) == before) {
        Previous = target;
        return {k + 1, true};
      }
      i = k + 1;
    }
  } else if (EOLMode == 2) {
    for (size_t i = 0; i < n; ++i) {
      if (p[i] == 10 || p[i] == 13) {
        Previous = p[i];
        return {i + 1, true};
      }
    }
  }
  Previous = p[n - 1];
  return {n, false};
}

// A line longer than this on a stream that can seek is measured first and then read into
// a string of its exact size, so a huge line is built once instead of through a string
// that keeps growing.
constexpr size_t kMeasureFrom = size_t{1} << 20;

// The Count bytes from Start as characters; the stream ends up after them.
UnicodeString ReadCharsAt(TStream& InStream, int64_t Start, int64_t Count) {
  UnicodeString text;
  try {
    text.resize(static_cast<size_t>(Count));
  } catch (const std::exception&) {
    throw EOutOfMemory(u"Out of memory reading a line of " + IntToStr(Count) + u" characters");
  }
  InStream.SetPosition(Start);
  std::array<uint8_t, 1 << 16> buf;
  size_t done = 0;
  while (done < text.size()) {
    const auto ask = static_cast<int32_t>(std::min(buf.size(), text.size() - done));
    const int32_t n = InStream.Read(buf.data(), ask);
    if (n <= 0) break;  // the file shrank meanwhile
    std::copy(buf.begin(), buf.begin() + n, text.begin() + static_cast<ptrdiff_t>(done));
    done += static_cast<size_t>(n);
  }
  text.resize(done);
  return text;
}

}  // namespace

UnicodeString ReadLnStream(TStream& InStream, bool& Eos, int32_t EOLMode) {
  Eos = false;
  UnicodeString line;
  uint8_t previous = 0;
  bool ended = false;
  int64_t start = -1;  // where the line began, once it is only being measured
  int64_t measured = 0;
  while (!ended) {
    std::span<const uint8_t> window = InStream.Buffered();
    const bool buffered = !window.empty();
    uint8_t single = 0;
    if (!buffered) {
      // Nothing buffered: one byte through the stream, which refills its buffer if it has one.
      const int b = InStream.ReadByte();
      if (b < 0) {
        Eos = true;
        break;
      }
      single = static_cast<uint8_t>(b);
      window = {&single, 1};
    }
    const LineScan scan = FindLineEnd(window, EOLMode, previous);
    if (start < 0)
      line.append(window.begin(), window.begin() + static_cast<ptrdiff_t>(scan.used));
    else
      measured += static_cast<int64_t>(scan.used);
    if (buffered) InStream.Consume(scan.used);
    ended = scan.ended;
    if (!ended && start < 0 && line.size() >= kMeasureFrom && InStream.CanSeek()) {
      measured = static_cast<int64_t>(line.size());
      start = InStream.Position() - measured;
      UnicodeString().swap(line);
    }
  }
  if (start >= 0) line = ReadCharsAt(InStream, start, measured);
  if (ended)
    for (int k = 0; k < 2 && !line.empty() && (line.back() == u'\n' || line.back() == u'\r'); ++k)
      line.pop_back();
  return line;
}

bool FindInStream(TStream& InStream, uint8_t B) {
  for (;;) {
    const std::span<const uint8_t> window = InStream.Buffered();
    if (window.empty()) {
      const int b = InStream.ReadByte();
      if (b < 0) return false;
      if (b == B) return true;
      continue;
    }
    const void* hit = std::memchr(window.data(), B, window.size());
    if (hit != nullptr) {
      InStream.Consume(static_cast<size_t>(static_cast<const uint8_t*>(hit) - window.data()) + 1);
      return true;
    }
    InStream.Consume(window.size());
  }
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
    lines += static_cast<int32_t>(CountByte(buf.data(), static_cast<size_t>(n), 10));
  return lines;
}

}  // namespace zub
