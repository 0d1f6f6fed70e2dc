// TFileStream: a stream over a named file, buffered so that moving one byte per call costs
// about a memory access. Position, Size and Seek are exact while data sits in the buffer;
// reads, writes and seeks may be mixed freely.
//
// Reading goes to the system until it reports the end, so pipes, FIFOs, character devices,
// /dev/stdin and /proc files read whole, and a file that grows while open reads to its new
// end. A buffer refill takes what the system has ready, so line-by-line readers see the
// lines of a pipe as they arrive.
//
// Files that cannot seek (pipes, FIFOs, terminals): `Seek` within the bytes of the current
// buffer works, any other seek and `Size` raise EStreamError naming the file.
// Files that can seek: `Size` asks the system each time, so it never counts bytes that a
// shrinking file no longer has; a file that reports size 0 while it has content (as /proc
// files do) has the size of what has been read of it so far.
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
  // the share flags become advisory locks: fmShareExclusive and fmShareDenyWrite take an
  // exclusive lock, fmShareDenyWrite a shared one, so two such streams exclude each other.
  TFileStream(const UnicodeString& FileName, uint16_t Mode);
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  // Writes what is buffered and closes the file. A destructor cannot raise, so a failure
  // here goes unreported: call Close wherever a write error matters.
  ~TFileStream() override;
  UnicodeString ClassName() const override { return u"TFileStream"; }

  int32_t Read(void* Buffer, int32_t Count) override;
  // Raises EWriteError with the system's reason ("Disk full", ...) when the system takes
  // fewer bytes than handed over.
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override;
  void SetSize(int64_t NewSize) override;
  bool AtEnd() override;

  // Hands buffered writes to the system; raises EWriteError when it refuses them.
  void FlushBuffer();
  // Copies up to Count bytes from Source's position to this stream's position, and moves
  // both on. Returns the count copied, fewer only where Source ends. Between two files that
  // allow it the system copies the bytes itself (no trip through user memory); otherwise
  // they go through a buffer. A failing read raises EReadError, a failing write
  // EWriteError, as Read and Write do.
  int64_t CopyFileData(TFileStream& Source, int64_t Count);
  // Writes what is buffered and closes the file, raising EWriteError when that fails or
  // when an earlier write of this stream failed. Later calls on the stream raise
  // EStreamError; a second Close does nothing.
  void Close();
  bool Closed() const { return FHandle == -1; }
  // Whether the file can seek (false for pipes, FIFOs and terminals).
  bool CanSeek() const override { return FSeekable; }
  const UnicodeString& FileName() const { return FFileName; }

 protected:
  UnicodeString Describe() const override;

 private:
  static constexpr int32_t kBufferSize = 64 * 1024;

  int32_t Index() const { return static_cast<int32_t>(FCur - FBuf.get()); }
  int64_t Here() const { return FBufPos + Index(); }
  void RequireOpen() const;
  // Takes inline writes into the dirty range and the buffer length.
  void Sync();
  void EnterRead();
  void EnterWrite();
  void DropBuffer(int64_t NewPosition);
  void Refill();
  void NoteRead(int64_t At, int64_t Got);
  // Puts the system's file offset at Pos (a no-op where it is there already).
  void PlaceSystemOffset(int64_t Pos, bool forWrite);
  [[noreturn]] void WriteFailed(int32_t err);

  UnicodeString FFileName;
  intptr_t FHandle;
  bool FCanRead;
  bool FCanWrite;
  bool FSeekable = true;
  bool FWriting = false;      // the window is open for writing (else for reading)
  bool FWriteFailed = false;  // a write failed since the file was opened
  int32_t FWriteError = 0;    // its error code
  std::unique_ptr<uint8_t[]> FBuf;
  int64_t FBufPos = 0;   // file offset of FBuf[0]
  int32_t FBufLen = 0;   // valid bytes in FBuf (as of the last Sync)
  int32_t FDirtyLo = 0;  // FBuf[FDirtyLo .. FDirtyHi) awaits writing
  int32_t FDirtyHi = 0;
  int64_t FSystemOffset = 0;  // where the system's file offset stands
  int64_t FSeenEnd = 0;       // end of what has been read or written
};

}  // namespace zub
