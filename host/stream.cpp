#include "host/stream.hpp"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <new>
#include <string>

#include "host/file_stream.hpp"
#include "host/file_system.hpp"

namespace zub {

namespace {
UnicodeString Num(int64_t v) {
  return Utf8ToUnicode(std::to_string(v));
}
constexpr int64_t kMaxPosition = std::numeric_limits<int64_t>::max();
}  // namespace

int64_t TStream::Size() {
  const int64_t pos = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::ReadBufferSlow(void* Buffer, int32_t Count) {
  if (Count < 0) throw EReadError(u"Stream read error: negative count on " + Describe());
  // Read may stop short of Count on a stream that delivers bytes as they come; only a
  // read of nothing means the end.
  auto* out = static_cast<uint8_t*>(Buffer);
  int32_t got = 0;
  while (got < Count) {
    const int32_t n = Read(out + got, Count - got);
    if (n <= 0) break;
    got += n;
  }
  if (got != Count)
    throw EReadError(u"Stream read error: " + Num(got) + u" of " + Num(Count) + u" bytes read from " +
                     Describe());
}

void TStream::WriteBufferSlow(const void* Buffer, int32_t Count) {
  if (Count < 0) throw EWriteError(u"Stream write error: negative count on " + Describe());
  const int32_t put = Count == 0 ? 0 : Write(Buffer, Count);
  if (put != Count)
    throw EWriteError(u"Stream write error: " + Num(put) + u" of " + Num(Count) + u" bytes written to " +
                      Describe());
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count < 0) throw EStreamError(u"Negative count " + Num(Count) + u" to copy into " + Describe());
  constexpr int32_t kChunk = 1 << 16;
  std::vector<uint8_t> buf;
  try {
    buf.resize(static_cast<size_t>(Count == 0 ? kChunk : std::min<int64_t>(Count, kChunk)));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory while copying into " + Describe());
  }
  if (Count == 0) {
    Source.SetPosition(0);
    int64_t done = 0;
    for (int32_t n; (n = Source.Read(buf.data(), kChunk)) > 0; done += n) WriteBuffer(buf.data(), n);
    return done;
  }
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
//
// While the position lies within the data the window covers it: reads may run to the end
// of the data, writes to the end of the allocation (whose bytes past the data are zero).
// Every virtual method first takes what the window did into FPosition and FSize.

void TMemoryStream::Sync() {
  if (FWriteEnd != nullptr) {
    FPosition = FCur - FData.data();
    FSize = std::max(FSize, FPosition);
  }
  FCur = FReadEnd = FWriteEnd = nullptr;
}

void TMemoryStream::Arm() {
  if (FData.empty() || FPosition > FSize) return;
  FCur = FData.data() + FPosition;
  FReadEnd = FData.data() + FSize;
  FWriteEnd = FData.data() + FData.size();
}

int64_t TMemoryStream::DataSize() const {
  return FWriteEnd != nullptr ? std::max<int64_t>(FSize, FCur - FData.data()) : FSize;
}

// Shuts the window for one call and opens it again at the new position when the call
// ends, by return or by exception.
class TMemoryStream::Pause {
 public:
  explicit Pause(TMemoryStream& m) : FStream(m) { FStream.Sync(); }
  ~Pause() { FStream.Arm(); }
  Pause(const Pause&) = delete;
  Pause& operator=(const Pause&) = delete;

 private:
  TMemoryStream& FStream;
};

int32_t TMemoryStream::Read(void* Buffer, int32_t Count) {
  const Pause pause(*this);
  if (Count <= 0 || FPosition >= FSize) return 0;
  const auto n = static_cast<int32_t>(std::min<int64_t>(Count, FSize - FPosition));
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
  const Pause pause(*this);
  if (Count <= 0) return 0;
  if (FPosition > kMaxPosition - Count)
    throw EWriteError(u"Stream write error: position " + Num(FPosition) + u" + " + Num(Count) +
                      u" bytes passes the largest size of " + Describe());
  const int64_t end = FPosition + Count;
  if (end > FSize) SetSize(end);
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const Pause pause(*this);
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
  int64_t target = 0;
  if (__builtin_add_overflow(base, Offset, &target))
    throw EStreamError(u"Seek beyond the largest position of " + Describe());
  if (target < 0) throw EStreamError(u"Seek before the start of " + Describe());
  FPosition = target;
  return FPosition;
}

bool TMemoryStream::AtEnd() {
  if (FCur < FReadEnd) return false;
  const Pause pause(*this);
  return FPosition >= FSize;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  const Pause pause(*this);
  if (NewSize < 0) throw EStreamError(u"Negative size for " + Describe());
  if (static_cast<uint64_t>(NewSize) > FData.size()) {
    try {
      // Grow geometrically so that byte-by-byte writing stays linear.
      const size_t grown = FData.size() + FData.size() / 2;
      if (static_cast<uint64_t>(NewSize) > FData.max_size()) throw std::bad_alloc();
      FData.resize(std::max<size_t>(static_cast<size_t>(NewSize), std::min(grown, FData.max_size())));
    } catch (const std::exception&) {
      throw EOutOfMemory(u"Out of memory while expanding " + Describe() + u" to " + Num(NewSize) + u" bytes");
    }
  }
  // Bytes past the data stay zero, so growing again needs no fill.
  if (NewSize < FSize) std::fill(FData.begin() + NewSize, FData.begin() + FSize, uint8_t{0});
  FSize = NewSize;
  if (FPosition > FSize) FPosition = FSize;
}

void TMemoryStream::Clear() {
  const Pause pause(*this);
  FData.clear();
  FData.shrink_to_fit();
  FSize = 0;
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  const Pause pause(*this);
  Clear();
  Stream.SetPosition(0);
  // Read to the end rather than trusting Size, which pipes and /proc files cannot give.
  constexpr int32_t kChunk = 1 << 16;
  for (;;) {
    if (FSize > kMaxPosition - kChunk) throw EReadError(u"Stream too large to load into " + Describe());
    SetSize(FSize + kChunk);
    const int32_t n = Stream.Read(FData.data() + FSize - kChunk, kChunk);
    SetSize(FSize - kChunk + std::max(n, 0));
    if (n <= 0) break;
  }
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) {
  const Pause pause(*this);
  for (int64_t done = 0; done < FSize;) {
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
  std::exception_ptr failure;
  {
    TFileStream f(FileName, fmCreate);
    try {
      SaveToStream(f);
      f.Close();
    } catch (const Exception&) {
      failure = std::current_exception();
    }
  }
  if (failure) {
    RemovePartialFile(FileName);
    std::rethrow_exception(failure);
  }
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
