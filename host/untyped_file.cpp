#include "host/untyped_file.hpp"

#include <algorithm>

#include "host/internal/os.hpp"

namespace zub {

uint8_t FileMode = fmReadWrite;

class UntypedFileAccess {
 public:
  static void Open(UntypedFile& F, int32_t RecSize, bool create, uint8_t mode = FileMode) {
    if (RecSize <= 0) throw EInOutError(ioInvalidNumber, F.FName);
    const bool forRead = create || mode != fmWriteOnly;
    const bool forWrite = create || mode != fmReadOnly;
    F.OpenHandle(forRead, forWrite, create);
    F.FMode = fmInOut;
    F.FRecSize = RecSize;
    F.FCanRead = forRead;
    F.FCanWrite = forWrite;
    int32_t err = 0;
    F.FSeekable = os::Seek(F.FHandle, 0, 1, err) >= 0;
    F.FPending = -1;
  }
  static void RequireSeekable(UntypedFile& F) {
    if (!F.FSeekable) F.Fail(ioSeekOnDevice);
  }
  static bool Seekable(UntypedFile& F) { return F.FSeekable; }
  static int& Pending(UntypedFile& F) { return F.FPending; }
  static void Require(UntypedFile& F) { F.RequireOpen(); }
  static void Fail(UntypedFile& F, int32_t code) { F.Fail(code); }
  static intptr_t Handle(UntypedFile& F) { return F.FHandle; }
  static int32_t RecSize(UntypedFile& F) { return F.FRecSize; }
  static bool CanRead(UntypedFile& F) { return F.FCanRead; }
  static bool CanWrite(UntypedFile& F) { return F.FCanWrite; }
  static void Close(UntypedFile& F) { F.CloseHandle(); }
  static void Assign(UntypedFile& F, const UnicodeString& n) { F.Assign(n); }
};

using A = UntypedFileAccess;

void AssignFile(UntypedFile& F, const UnicodeString& FileName) {
  A::Assign(F, FileName);
}
void Reset(UntypedFile& F, int32_t RecSize) {
  A::Open(F, RecSize, false);
}
void ResetReadOnly(UntypedFile& F, int32_t RecSize) {
  A::Open(F, RecSize, false, fmReadOnly);
}
void Rewrite(UntypedFile& F, int32_t RecSize) {
  A::Open(F, RecSize, true);
}

void CloseFile(UntypedFile& F) {
  A::Require(F);
  A::Close(F);
}

void BlockRead(UntypedFile& F, void* Buf, int32_t Count, int32_t& Result) {
  A::Require(F);
  Result = 0;
  if (!A::CanRead(F)) A::Fail(F, ioNotOpenForInput);
  if (Count <= 0) return;
  const int64_t bytes = int64_t{Count} * A::RecSize(F);
  auto* out = static_cast<uint8_t*>(Buf);
  int64_t got = 0;
  if (A::Pending(F) >= 0) {
    out[0] = static_cast<uint8_t>(A::Pending(F));
    A::Pending(F) = -1;
    got = 1;
  }
  int32_t err = 0;
  const int64_t more = os::Read(A::Handle(F), out + got, bytes - got, err);
  if (more < 0) A::Fail(F, err);
  got += more;
  const int64_t whole = got / A::RecSize(F);
  // A partial record at the end is not counted; step back so the next read starts on it
  // (a pipe cannot step back: its partial record is all there is of it).
  if (got % A::RecSize(F) != 0 && A::Seekable(F) &&
      os::Seek(A::Handle(F), whole * A::RecSize(F) - got, 1, err) < 0)
    A::Fail(F, err);
  Result = static_cast<int32_t>(whole);
}

void BlockRead(UntypedFile& F, void* Buf, int32_t Count) {
  int32_t got = 0;
  BlockRead(F, Buf, Count, got);
  if (got != Count) A::Fail(F, ioReadBeyondEof);
}

namespace {
// Writes Count records; the count written, and in err the system's reason when short.
int32_t PutRecords(UntypedFile& F, const void* Buf, int32_t Count, int32_t& err) {
  A::Require(F);
  err = 0;
  if (!A::CanWrite(F)) A::Fail(F, ioNotOpenForOutput);
  if (Count <= 0) return 0;
  const int64_t put = os::Write(A::Handle(F), Buf, int64_t{Count} * A::RecSize(F), err);
  if (put < 0) A::Fail(F, err);
  return static_cast<int32_t>(put / A::RecSize(F));
}
}  // namespace

void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count, int32_t& Result) {
  int32_t err = 0;
  Result = 0;
  Result = PutRecords(F, Buf, Count, err);
}

void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count) {
  int32_t err = 0;
  const int32_t put = PutRecords(F, Buf, Count, err);
  // A block that only partly fits reports the system's reason ("Disk full").
  if (put != std::max(Count, 0)) A::Fail(F, err != 0 ? err : ioDiskWriteError);
}

int64_t FileSize(UntypedFile& F) {
  A::Require(F);
  A::RequireSeekable(F);
  int32_t err = 0;
  const int64_t size = os::FileSizeOf(A::Handle(F), err);
  if (size < 0) A::Fail(F, err);
  return size / A::RecSize(F);
}

int64_t FilePos(UntypedFile& F) {
  A::Require(F);
  A::RequireSeekable(F);
  int32_t err = 0;
  const int64_t pos = os::Seek(A::Handle(F), 0, 1, err);
  if (pos < 0) A::Fail(F, err);
  return pos / A::RecSize(F);
}

void Seek(UntypedFile& F, int64_t RecordIndex) {
  A::Require(F);
  A::RequireSeekable(F);
  int64_t offset = 0;
  if (RecordIndex < 0 || __builtin_mul_overflow(RecordIndex, int64_t{A::RecSize(F)}, &offset))
    A::Fail(F, ioNegativeSeek);
  int32_t err = 0;
  if (os::Seek(A::Handle(F), offset, 0, err) < 0) A::Fail(F, err);
}

bool Eof(UntypedFile& F) {
  A::Require(F);
  const intptr_t h = A::Handle(F);
  int32_t err = 0;
  if (A::Seekable(F)) {
    const int64_t size = os::FileSizeOf(h, err);
    if (size < 0) A::Fail(F, err);
    const int64_t pos = os::Seek(h, 0, 1, err);
    if (pos < 0) A::Fail(F, err);
    if (size > 0 || !A::CanRead(F)) return pos >= size;
    // Size 0 says nothing of a /proc file: look one byte ahead and step back.
    uint8_t b;
    const int64_t got = os::ReadSome(h, &b, 1, err);
    if (got < 0) A::Fail(F, err);
    if (got == 1 && os::Seek(h, -1, 1, err) < 0) A::Fail(F, err);
    return got == 0;
  }
  if (A::Pending(F) >= 0) return false;
  if (!A::CanRead(F)) return false;
  uint8_t b;
  const int64_t got = os::ReadSome(h, &b, 1, err);
  if (got < 0) A::Fail(F, err);
  if (got == 1) A::Pending(F) = b;
  return got == 0;
}

void Truncate(UntypedFile& F) {
  A::Require(F);
  int32_t err = 0;
  const int64_t pos = os::Seek(A::Handle(F), 0, 1, err);
  if (pos < 0 || !os::Truncate(A::Handle(F), pos, err)) A::Fail(F, err);
}

}  // namespace zub
