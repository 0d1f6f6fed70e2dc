#include "host/stream.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "host/file_stream.hpp"

namespace zub {

namespace {
UnicodeString Num(int64_t v) {
  return Utf8ToUnicode(std::to_string(v));
}
}  // namespace

int64_t TStream::Size() {
  const int64_t pos = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
  if (Count < 0) throw EReadError(u"Stream read error: negative count on " + Describe());
  const int32_t got = Count == 0 ? 0 : Read(Buffer, Count);
  if (got != Count)
    throw EReadError(u"Stream read error: " + Num(got) + u" of " + Num(Count) + u" bytes read from " +
                     Describe());
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
  if (Count < 0) throw EWriteError(u"Stream write error: negative count on " + Describe());
  const int32_t put = Count == 0 ? 0 : Write(Buffer, Count);
  if (put != Count)
    throw EWriteError(u"Stream write error: " + Num(put) + u" of " + Num(Count) + u" bytes written to " +
                      Describe());
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(Count, 1 << 16)) + 1);
  int64_t left = Count;
  while (left > 0) {
    const auto n = static_cast<int32_t>(std::min<int64_t>(left, static_cast<int64_t>(buf.size())));
    Source.ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    left -= n;
  }
  return Count;
}

// ---- TMemoryStream

int32_t TMemoryStream::Read(void* Buffer, int32_t Count) {
  if (Count <= 0 || FPosition >= FSize) return 0;
  const auto n = static_cast<int32_t>(std::min<int64_t>(Count, FSize - FPosition));
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
  if (Count <= 0) return 0;
  const int64_t end = FPosition + Count;
  if (end > FSize) SetSize(end);
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
  const int64_t target = base + Offset;
  if (target < 0) throw EStreamError(u"Seek before the start of " + Describe());
  FPosition = target;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(u"Negative size for " + Describe());
  try {
    if (static_cast<uint64_t>(NewSize) > FData.size()) {
      // Grow geometrically so that byte-by-byte writing stays linear.
      FData.resize(std::max<size_t>(static_cast<size_t>(NewSize), FData.size() + FData.size() / 2));
    }
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory while expanding " + Describe());
  } catch (const std::length_error&) {
    throw EOutOfMemory(u"Out of memory while expanding " + Describe());
  }
  if (NewSize > FSize) std::fill(FData.begin() + FSize, FData.begin() + NewSize, uint8_t{0});
  FSize = NewSize;
  if (FPosition > FSize) FPosition = FSize;
}

void TMemoryStream::Clear() {
  FData.clear();
  FData.shrink_to_fit();
  FSize = 0;
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  const int64_t n = Stream.Size();
  SetSize(n);
  FPosition = 0;
  int64_t done = 0;
  while (done < n) {
    const auto chunk = static_cast<int32_t>(std::min<int64_t>(n - done, 1 << 30));
    Stream.ReadBuffer(FData.data() + done, chunk);
    done += chunk;
  }
}

void TMemoryStream::SaveToStream(TStream& Stream) {
  int64_t done = 0;
  while (done < FSize) {
    const auto chunk = static_cast<int32_t>(std::min<int64_t>(FSize - done, 1 << 30));
    Stream.WriteBuffer(FData.data() + done, chunk);
    done += chunk;
  }
}

void TMemoryStream::LoadFromFile(const UnicodeString& FileName) {
  TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const UnicodeString& FileName) {
  TFileStream f(FileName, fmCreate);
  SaveToStream(f);
  f.FlushBuffer();
}

// ---- TStringStream

TStringStream::TStringStream(const AnsiString& Bytes) {
  if (!Bytes.empty()) WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
  SetPosition(0);
}

TStringStream::TStringStream(const UnicodeString& Text) : TStringStream(UnicodeToAnsi(Text)) {}

AnsiString TStringStream::Bytes() const {
  return AnsiString(reinterpret_cast<const char*>(Memory()), static_cast<size_t>(DataSize()));
}

UnicodeString TStringStream::DataString() const {
  return AnsiToUnicode(Bytes());
}

UnicodeString TStringStream::ReadString(int32_t Count) {
  AnsiString bytes(static_cast<size_t>(std::max(Count, 0)), '\0');
  const int32_t n = Read(bytes.data(), Count);
  bytes.resize(static_cast<size_t>(std::max(n, 0)));
  return AnsiToUnicode(bytes);
}

void TStringStream::WriteString(const UnicodeString& Text) {
  const AnsiString bytes = UnicodeToAnsi(Text);
  if (!bytes.empty()) WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

}  // namespace zub
