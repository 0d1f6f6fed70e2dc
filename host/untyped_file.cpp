#include "host/untyped_file.hpp"

#include "host/internal/os.hpp"

namespace zub {

uint8_t FileMode = fmReadWrite;

class UntypedFileAccess {
 public:
  static void Open(UntypedFile& F, int32_t RecSize, bool create) {
    if (RecSize <= 0) throw EInOutError(ioInvalidNumber, F.FName);
    const bool forRead = create || FileMode != fmWriteOnly;
    const bool forWrite = create || FileMode != fmReadOnly;
    F.OpenHandle(forRead, forWrite, create);
    F.FMode = fmInOut;
    F.FRecSize = RecSize;
    F.FCanRead = forRead;
    F.FCanWrite = forWrite;
  }
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
  int32_t err = 0;
  const int64_t got = os::Read(A::Handle(F), Buf, bytes, err);
  if (got < 0) A::Fail(F, err);
  const int64_t whole = got / A::RecSize(F);
  // A partial record at the end is not counted; step back so the next read starts on it.
  if (got % A::RecSize(F) != 0 && os::Seek(A::Handle(F), whole * A::RecSize(F) - got, 1, err) < 0)
    A::Fail(F, err);
  Result = static_cast<int32_t>(whole);
}

void BlockRead(UntypedFile& F, void* Buf, int32_t Count) {
  int32_t got = 0;
  BlockRead(F, Buf, Count, got);
  if (got != Count) A::Fail(F, ioReadBeyondEof);
}

void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count, int32_t& Result) {
  A::Require(F);
  Result = 0;
  if (!A::CanWrite(F)) A::Fail(F, ioNotOpenForOutput);
  if (Count <= 0) return;
  int32_t err = 0;
  const int64_t put = os::Write(A::Handle(F), Buf, int64_t{Count} * A::RecSize(F), err);
  if (put < 0) A::Fail(F, err);
  Result = static_cast<int32_t>(put / A::RecSize(F));
}

void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count) {
  int32_t put = 0;
  BlockWrite(F, Buf, Count, put);
  if (put != Count) A::Fail(F, ioDiskWriteError);
}

int64_t FileSize(UntypedFile& F) {
  A::Require(F);
  int32_t err = 0;
  const int64_t size = os::FileSizeOf(A::Handle(F), err);
  if (size < 0) A::Fail(F, err);
  return size / A::RecSize(F);
}

int64_t FilePos(UntypedFile& F) {
  A::Require(F);
  int32_t err = 0;
  const int64_t pos = os::Seek(A::Handle(F), 0, 1, err);
  if (pos < 0) A::Fail(F, err);
  return pos / A::RecSize(F);
}

void Seek(UntypedFile& F, int64_t RecordIndex) {
  A::Require(F);
  int32_t err = 0;
  if (RecordIndex < 0 || os::Seek(A::Handle(F), RecordIndex * A::RecSize(F), 0, err) < 0)
    A::Fail(F, err != 0 ? err : 131);  // 131: negative seek
}

bool Eof(UntypedFile& F) {
  return FilePos(F) >= FileSize(F);
}

void Truncate(UntypedFile& F) {
  A::Require(F);
  int32_t err = 0;
  const int64_t pos = os::Seek(A::Handle(F), 0, 1, err);
  if (pos < 0 || !os::Truncate(A::Handle(F), pos, err)) A::Fail(F, err);
}

}  // namespace zub
