#include "host/file_stream.hpp"

#include <algorithm>
#include <cstring>

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
}  // namespace

TFileStream::TFileStream(const UnicodeString& FileName, uint16_t Mode)
    : FFileName(FileName), FBuf(new uint8_t[kBufferSize]) {
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
  FFileSize = create ? 0 : os::FileSizeOf(FHandle, err);
  if (FFileSize < 0) FFileSize = 0;
}

TFileStream::~TFileStream() {
  try {
    FlushBuffer();
  } catch (const Exception&) {
    // Nothing can be reported from a destructor; FlushBuffer is public for callers who care.
  }
  os::Close(FHandle);
}

UnicodeString TFileStream::Describe() const {
  return u"file \"" + FFileName + u"\"";
}

void TFileStream::FlushBuffer() {
  if (FDirtyHi <= FDirtyLo) return;
  int32_t err = 0;
  const int64_t at = FBufPos + FDirtyLo;
  const int32_t n = FDirtyHi - FDirtyLo;
  if (os::Seek(FHandle, at, 0, err) < 0 || os::Write(FHandle, FBuf.get() + FDirtyLo, n, err) != n)
    throw EWriteError(u"Stream write error on " + Describe() + u": " + ErrorCodeText(err));
  FFileSize = std::max(FFileSize, at + n);
  FDirtyLo = FDirtyHi = 0;
}

void TFileStream::DropBuffer(int64_t NewPosition) {
  FlushBuffer();
  FBufPos = NewPosition;
  FBufLen = 0;
  FCur = 0;
}

void TFileStream::Refill() {
  DropBuffer(FBufPos + FCur);
  int32_t err = 0;
  if (FBufPos >= FFileSize) return;  // nothing on disk here; spares a system call at the end
  if (os::Seek(FHandle, FBufPos, 0, err) < 0) throw EReadError(u"Stream read error on " + Describe());
  const int64_t got = os::Read(FHandle, FBuf.get(), kBufferSize, err);
  if (got < 0) throw EReadError(u"Stream read error on " + Describe() + u": " + ErrorCodeText(err));
  FBufLen = static_cast<int32_t>(got);
  FFileSize = std::max(FFileSize, FBufPos + got);
}

int32_t TFileStream::Read(void* Buffer, int32_t Count) {
  if (Count <= 0 || !FCanRead) return 0;
  auto* out = static_cast<uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    if (FCur == FBufLen) {
      const int32_t left = Count - done;
      if (left >= kBufferSize) {
        // Large reads go straight to the caller's memory.
        DropBuffer(FBufPos + FCur);
        int32_t err = 0;
        if (os::Seek(FHandle, FBufPos, 0, err) < 0) throw EReadError(u"Stream read error on " + Describe());
        const int64_t got = os::Read(FHandle, out + done, left, err);
        if (got < 0) throw EReadError(u"Stream read error on " + Describe() + u": " + ErrorCodeText(err));
        if (got > 0) FFileSize = std::max(FFileSize, FBufPos + got);
        FBufPos += got;
        return done + static_cast<int32_t>(got);
      }
      Refill();
      if (FBufLen == 0) break;
    }
    const int32_t n = std::min(Count - done, FBufLen - FCur);
    std::memcpy(out + done, FBuf.get() + FCur, static_cast<size_t>(n));
    FCur += n;
    done += n;
  }
  return done;
}

int32_t TFileStream::Write(const void* Buffer, int32_t Count) {
  if (Count <= 0 || !FCanWrite) return 0;
  const auto* in = static_cast<const uint8_t*>(Buffer);
  int32_t done = 0;
  while (done < Count) {
    if (FCur == kBufferSize) DropBuffer(FBufPos + FCur);
    const int32_t n = std::min(Count - done, kBufferSize - FCur);
    std::memcpy(FBuf.get() + FCur, in + done, static_cast<size_t>(n));
    if (FDirtyHi <= FDirtyLo) {
      FDirtyLo = FCur;
      FDirtyHi = FCur + n;
    } else {
      FDirtyLo = std::min(FDirtyLo, FCur);
      FDirtyHi = std::max(FDirtyHi, FCur + n);
    }
    FCur += n;
    FBufLen = std::max(FBufLen, FCur);
    done += n;
  }
  return done;
}

int64_t TFileStream::Size() {
  return std::max(FFileSize, FDirtyHi > FDirtyLo ? FBufPos + FDirtyHi : int64_t{0});
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t here = FBufPos + FCur;
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? here : Size();
  const int64_t target = base + Offset;
  if (target < 0) throw EStreamError(u"Seek before the start of " + Describe());
  if (target >= FBufPos && target <= FBufPos + FBufLen)
    FCur = static_cast<int32_t>(target - FBufPos);
  else
    DropBuffer(target);
  return target;
}

void TFileStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(u"Negative size for " + Describe());
  const int64_t here = FBufPos + FCur;
  DropBuffer(here);
  int32_t err = 0;
  if (!FCanWrite || !os::Truncate(FHandle, NewSize, err))
    throw EWriteError(u"Cannot change the size of " + Describe() + u": " +
                      (FCanWrite ? ErrorCodeText(err) : UnicodeString(u"not open for writing")));
  FFileSize = NewSize;
  if (here > NewSize) FBufPos = NewSize;
}

}  // namespace zub
