#include "host/file_stream.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "host/file_system.hpp"
#include "host/internal/os.hpp"

namespace zub {

namespace {
os::Lock LockFor(uint16_t mode) {
  switch (mode & 0x00F0) {
    case fmShareExclusive:
    case fmShareDenyRead:
      return os::Lock::Exclusive;
    case fmShareDenyWrite:
      return os::Lock::Shared;
    default:
      return os::Lock::None;
  }
}
constexpr int64_t kMaxPosition = std::numeric_limits<int64_t>::max();
}  // namespace

// The window of the base class always points into FBuf. Reading mode: [FCur, FReadEnd)
// is the valid data after the position and nothing may be written inline. Writing mode:
// nothing may be read inline, [FCur, FWriteEnd) is free room, and the bytes from FDirtyLo
// up to FCur are dirty. Every method other than the inline ones starts with Sync.

TFileStream::TFileStream(const UnicodeString& FileName, uint16_t Mode)
    : FFileName(FileName), FBuf(new uint8_t[kBufferSize]) {
  FCur = FReadEnd = FWriteEnd = FBuf.get();
  const bool create = (Mode & 0xFF00) == fmCreate;
  os::Access access = os::Access::ReadWrite;
  if (!create) {
    switch (Mode & 0x0003) {
      case fmOpenRead:
        access = os::Access::Read;
        break;
      case fmOpenWrite:
        access = os::Access::Write;
        break;
      case fmOpenReadWrite:
        access = os::Access::ReadWrite;
        break;
      default:
        throw EFOpenError(u"Cannot open file \"" + FileName + u"\". Invalid open mode");
    }
  }
  FCanRead = access != os::Access::Write;
  FCanWrite = access != os::Access::Read;
  int32_t err = 0;
  FHandle = os::Open(HostPath(FileName), access, create, LockFor(Mode), err);
  if (FHandle == os::kNoHandle) {
    if (create) throw EFCreateError(u"Cannot create file \"" + FileName + u"\". " + ErrorCodeText(err));
    throw EFOpenError(u"Cannot open file \"" + FileName + u"\". " + ErrorCodeText(err));
  }
  FSeekable = os::Seek(FHandle, 0, 1, err) == 0;
}

TFileStream::~TFileStream() {
  if (Closed()) return;
  try {
    FlushBuffer();
  } catch (const Exception&) {
    // Nothing can be reported from a destructor; Close reports it.
  }
  os::Close(FHandle);
}

UnicodeString TFileStream::Describe() const {
  return u"file \"" + FFileName + u"\"";
}

void TFileStream::RequireOpen() const {
  if (Closed()) throw EStreamError(u"Stream closed: " + Describe());
}

void TFileStream::Sync() {
  if (!FWriting) return;
  const int32_t at = Index();
  FDirtyHi = std::max(FDirtyHi, at);
  FBufLen = std::max(FBufLen, at);
}

void TFileStream::EnterRead() {
  Sync();
  FWriting = false;
  FReadEnd = FCanRead ? FBuf.get() + FBufLen : FBuf.get();
  FWriteEnd = FBuf.get();
}

void TFileStream::EnterWrite() {
  Sync();
  if (!FWriting) {
    const int32_t at = Index();
    // Bytes between an earlier dirty range and the position are valid data; writing them
    // again keeps the range in one piece.
    if (FDirtyHi <= FDirtyLo)
      FDirtyLo = FDirtyHi = at;
    else
      FDirtyLo = std::min(FDirtyLo, at);
    FWriting = true;
  }
  FReadEnd = FBuf.get();
  FWriteEnd = FBuf.get() + kBufferSize;
}

void TFileStream::WriteFailed(int32_t err) {
  FWriteFailed = true;
  FWriteError = err != 0 ? err : ioDiskWriteError;
  throw EWriteError(u"Stream write error on " + Describe() + u": " + ErrorCodeText(FWriteError));
}

void TFileStream::PlaceSystemOffset(int64_t Pos, bool forWrite) {
  if (Pos == FSystemOffset) return;
  int32_t err = 0;
  if (!FSeekable || os::Seek(FHandle, Pos, 0, err) < 0) {
    const UnicodeString why = FSeekable ? ErrorCodeText(err) : UnicodeString(u"it cannot seek");
    FSystemOffset = -1;
    if (forWrite) throw EWriteError(u"Stream write error on " + Describe() + u": " + why);
    throw EReadError(u"Stream read error on " + Describe() + u": " + why);
  }
  FSystemOffset = Pos;
}

void TFileStream::FlushBuffer() {
  RequireOpen();
  Sync();
  FWriting = false;
  if (FDirtyHi > FDirtyLo) {
    const int64_t at = FBufPos + FDirtyLo;
    const int32_t n = FDirtyHi - FDirtyLo;
    // The dirty range counts as handed over whatever happens: a failed write is reported
    // now and by Close, not retried by every later call.
    FDirtyLo = FDirtyHi = 0;
    PlaceSystemOffset(at, true);
    int32_t err = 0;
    const int64_t put = os::Write(FHandle, FBuf.get() + (at - FBufPos), n, err);
    FSystemOffset = put > 0 ? at + put : -1;
    if (put != n) WriteFailed(err);
    FSeenEnd = std::max(FSeenEnd, at + n);
  }
  EnterRead();
}

void TFileStream::Close() {
  if (Closed()) return;
  try {
    FlushBuffer();
  } catch (const Exception&) {
    os::Close(FHandle);
    FHandle = os::kNoHandle;
    FCur = FReadEnd = FWriteEnd = FBuf.get();
    throw;
  }
  const int32_t err = os::Close(FHandle);
  FHandle = os::kNoHandle;
  FCur = FReadEnd = FWriteEnd = FBuf.get();
  if (FWriteFailed) {
    throw EWriteError(u"Stream write error on " + Describe() + u": an earlier write failed (" +
                      ErrorCodeText(FWriteError) + u")");
  }
  if (err != 0 && FCanWrite) WriteFailed(err);
}

void TFileStream::DropBuffer(int64_t NewPosition) {
  FlushBuffer();
  FBufPos = NewPosition;
  FBufLen = 0;
  FCur = FReadEnd = FWriteEnd = FBuf.get();
}

void TFileStream::NoteRead(int64_t At, int64_t Got) {
  // The end of a file that reports no size is where the system says so: a read of nothing
  // at At puts it there, a read of bytes moves it past them.
  FSeenEnd = Got == 0 ? std::min(FSeenEnd, At) : std::max(FSeenEnd, At + Got);
}

void TFileStream::Refill() {
  const int64_t at = Here();
  DropBuffer(at);
  PlaceSystemOffset(at, false);
  int32_t err = 0;
  // One call: a pipe hands over what it has, rather than holding the reader until a
  // whole buffer has arrived.
  const int64_t got = os::ReadSome(FHandle, FBuf.get(), kBufferSize, err);
  if (got < 0) {
    FSystemOffset = -1;
    throw EReadError(u"Stream read error on " + Describe() + u": " + ErrorCodeText(err));
  }
  FSystemOffset = at + got;
  FBufLen = static_cast<int32_t>(got);
  NoteRead(at, got);
  EnterRead();
}

int32_t TFileStream::Read(void* Buffer, int32_t Count) {
  RequireOpen();
  if (Count <= 0 || !FCanRead) return 0;
  EnterRead();
  auto* out = static_cast<uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    if (FCur == FReadEnd) {
      const int32_t left = Count - done;
      if (left >= kBufferSize) {
        // Large reads go straight to the caller's memory.
        const int64_t at = Here();
        DropBuffer(at);
        PlaceSystemOffset(at, false);
        int32_t err = 0;
        const int64_t got = os::Read(FHandle, out + done, left, err);
        if (got < 0) {
          FSystemOffset = -1;
          throw EReadError(u"Stream read error on " + Describe() + u": " + ErrorCodeText(err));
        }
        FSystemOffset = at + got;
        FBufPos = at + got;
        NoteRead(at, got);
        return done + static_cast<int32_t>(got);
      }
      Refill();
      if (FBufLen == 0) break;
    }
    const auto n = static_cast<int32_t>(std::min<int64_t>(Count - done, FReadEnd - FCur));
    std::memcpy(out + done, FCur, static_cast<size_t>(n));
    FCur += n;
    done += n;
  }
  return done;
}

int32_t TFileStream::Write(const void* Buffer, int32_t Count) {
  RequireOpen();
  if (Count <= 0 || !FCanWrite) return 0;
  Sync();
  if (Here() > kMaxPosition - Count)
    throw EWriteError(u"Stream write error on " + Describe() +
                      u": the position passes the largest file size");
  const auto* in = static_cast<const uint8_t*>(Buffer);
  if (Count >= kBufferSize) {
    // Large writes go straight from the caller's memory.
    const int64_t at = Here();
    DropBuffer(at);
    PlaceSystemOffset(at, true);
    int32_t err = 0;
    const int64_t put = os::Write(FHandle, in, Count, err);
    FSystemOffset = put > 0 ? at + put : -1;
    FBufPos = at + std::max<int64_t>(put, 0);
    if (put != Count) WriteFailed(err);
    FSeenEnd = std::max(FSeenEnd, FBufPos);
    return Count;
  }
  EnterWrite();
  int32_t done = 0;
  while (done < Count) {
    if (FCur == FWriteEnd) {
      DropBuffer(Here());
      EnterWrite();
    }
    const auto n = static_cast<int32_t>(std::min<int64_t>(Count - done, FWriteEnd - FCur));
    std::memcpy(FCur, in + done, static_cast<size_t>(n));
    FCur += n;
    done += n;
  }
  return done;
}

int64_t TFileStream::Size() {
  RequireOpen();
  Sync();
  if (!FSeekable)
    throw EStreamError(u"Cannot tell the size of " + Describe() + u": it cannot seek (a pipe or device)");
  int32_t err = 0;
  const int64_t onDisk = os::FileSizeOf(FHandle, err);
  if (onDisk < 0) throw EStreamError(u"Cannot tell the size of " + Describe() + u": " + ErrorCodeText(err));
  const int64_t buffered = FDirtyHi > FDirtyLo ? FBufPos + FDirtyHi : 0;
  return std::max({onDisk, buffered, onDisk == 0 ? FSeenEnd : int64_t{0}});
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  RequireOpen();
  Sync();
  const int64_t here = Here();
  if (Origin == soCurrent && Offset == 0) return here;
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? here : Size();
  int64_t target = 0;
  if (__builtin_add_overflow(base, Offset, &target))
    throw EStreamError(u"Seek beyond the largest position of " + Describe());
  if (target < 0) throw EStreamError(u"Seek before the start of " + Describe());
  if (target >= FBufPos && target <= FBufPos + FBufLen) {
    // A move within the buffer ends a run of inline writes, so the dirty range stays whole.
    EnterRead();
    FCur = FBuf.get() + (target - FBufPos);
  } else {
    if (!FSeekable) throw EStreamError(u"Cannot seek in " + Describe() + u": it is a pipe or device");
    DropBuffer(target);
  }
  return target;
}

int64_t TFileStream::CopyFileData(TFileStream& Source, int64_t Count) {
  RequireOpen();
  Source.RequireOpen();
  int64_t done = 0;
  if (FCanWrite && Source.FCanRead && FSeekable && Source.FSeekable && &Source != this) {
    // Both buffers are handed back to their files first, so the system sees each file as
    // the streams do.
    Source.Sync();
    const int64_t from = Source.Here();
    Source.DropBuffer(from);
    Sync();
    const int64_t to = Here();
    DropBuffer(to);
    while (done < Count) {
      int32_t err = 0;
      const int64_t got = os::CopyRange(Source.FHandle, from + done, FHandle, to + done,
                                        std::min<int64_t>(Count - done, int64_t{1} << 30), err);
      if (got <= 0) break;  // the end, or a case for the buffered path (which names the failure)
      done += got;
    }
    Source.DropBuffer(from + done);
    if (done > 0) Source.NoteRead(from, done);
    DropBuffer(to + done);
    FSeenEnd = std::max(FSeenEnd, to + done);
    if (done == Count) return done;
  }
  std::vector<uint8_t> buf(static_cast<size_t>(std::min<int64_t>(Count - done, 1 << 20)));
  while (done < Count) {
    const int32_t want =
        static_cast<int32_t>(std::min<int64_t>(Count - done, static_cast<int64_t>(buf.size())));
    const int32_t got = Source.Read(buf.data(), want);
    if (got <= 0) break;
    WriteBuffer(buf.data(), got);
    done += got;
  }
  return done;
}

bool TFileStream::AtEnd() {
  if (FCur < FReadEnd) return false;
  RequireOpen();
  if (!FCanRead) return Here() >= Size();
  EnterRead();
  if (FCur < FReadEnd) return false;
  Refill();
  return FBufLen == 0;
}

void TFileStream::SetSize(int64_t NewSize) {
  RequireOpen();
  if (NewSize < 0) throw EStreamError(u"Negative size for " + Describe());
  const int64_t here = Here();
  DropBuffer(here);
  int32_t err = 0;
  if (!FCanWrite || !os::Truncate(FHandle, NewSize, err))
    throw EWriteError(u"Cannot change the size of " + Describe() + u": " +
                      (FCanWrite ? ErrorCodeText(err) : UnicodeString(u"not open for writing")));
  FSeenEnd = NewSize;
  if (here > NewSize) FBufPos = NewSize;
}

}  // namespace zub
