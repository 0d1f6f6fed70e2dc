// TFileStream: a stream over a named file, buffered so that moving one byte per call costs
// about a memory access. Position, Size and Seek are exact while data sits in the buffer;
// reads, writes and seeks may be mixed freely.
#pragma once

#include <cstdint>
#include <memory>

#include "host/stream.hpp"

namespace zub {

// Open modes: the low two bits select access, bits 4..6 the sharing, fmCreate creates
// (or truncates) the file and opens it for reading and writing.
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyRead = 0x0030;
inline constexpr uint16_t fmShareDenyNone = 0x0040;
inline constexpr uint16_t fmCreate = 0xFF00;

class TFileStream : public TStream {
 public:
  // Opens FileName with Mode (an access value or fmCreate, or-ed with a share flag).
  // Raises EFOpenError / EFCreateError naming the file and the system's reason. On POSIX
  // the share flags become advisory locks: fmShareExclusive and fmShareDenyRead take an
  // exclusive lock, fmShareDenyWrite a shared one, so two such streams exclude each other.
  TFileStream(const UnicodeString& FileName, uint16_t Mode);
  // Writes what is buffered; a failure here cannot be reported, so call FlushBuffer first
  // where a write error matters.
  ~TFileStream() override;
  UnicodeString ClassName() const override { return u"TFileStream"; }

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override;
  void SetSize(int64_t NewSize) override;

  // Hands buffered writes to the system; raises EWriteError when it refuses them.
  void FlushBuffer();
  const UnicodeString& FileName() const { return FFileName; }

  // Reads one byte without a virtual call; -1 at the end of the file.
  int ReadByte() {
    if (FCur < FBufLen) return FBuf[FCur++];
    uint8_t b;
    return Read(&b, 1) == 1 ? b : -1;
  }

 protected:
  UnicodeString Describe() const override;

 private:
  static constexpr int32_t kBufferSize = 64 * 1024;

  void Refill();
  void DropBuffer(int64_t NewPosition);

  UnicodeString FFileName;
  intptr_t FHandle;
  bool FCanRead;
  bool FCanWrite;
  std::unique_ptr<uint8_t[]> FBuf;
  int64_t FBufPos = 0;   // file offset of FBuf[0]
  int32_t FBufLen = 0;   // valid bytes in FBuf
  int32_t FCur = 0;      // position within FBuf, 0 .. FBufLen
  int32_t FDirtyLo = 0;  // FBuf[FDirtyLo .. FDirtyHi) awaits writing
  int32_t FDirtyHi = 0;
  int64_t FFileSize = 0;  // size on disk as last known
};

}  // namespace zub
