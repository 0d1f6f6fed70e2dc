// Untyped files: blocks of records read and written without conversion.
//
// `Reset` opens an existing file in the access that the global `FileMode` names (0 read-only,
// 1 write-only, 2 read/write); `Rewrite` creates the file for reading and writing. Sizes and
// positions count records of the size given when the file was opened (1 byte for the
// library's own use). Failures raise EInOutError with a code and the file name.
//
// Reading goes to the system until it reports the end, so pipes, FIFOs, devices and /proc
// files read whole. `Eof` looks ahead where the size cannot tell (a pipe, a file that
// reports size 0). `FileSize`, `FilePos` and `Seek` raise 132 on a file that cannot seek;
// a record index whose byte offset passes 2^63 - 1 raises 131.
#pragma once

#include <cstdint>

#include "host/file_record.hpp"

namespace zub {

inline constexpr uint8_t fmReadOnly = 0;
inline constexpr uint8_t fmWriteOnly = 1;
inline constexpr uint8_t fmReadWrite = 2;

// Process-wide access used by Reset of untyped files; starts as fmReadWrite. Code that
// changes it restores it afterwards.
extern uint8_t FileMode;

class UntypedFile : public TFileRec {
 private:
  friend class UntypedFileAccess;
  int32_t FRecSize = 128;
  bool FCanRead = false;
  bool FCanWrite = false;
  bool FSeekable = true;
  int FPending = -1;  // a byte Eof read ahead on a file that cannot seek, or -1
};

void AssignFile(UntypedFile& F, const UnicodeString& FileName);
void Reset(UntypedFile& F, int32_t RecSize = 128);
// Reset for reading alone, whatever FileMode says (FileMode is left as it is).
void ResetReadOnly(UntypedFile& F, int32_t RecSize = 128);
void Rewrite(UntypedFile& F, int32_t RecSize = 128);
void CloseFile(UntypedFile& F);

// Moves Count records. The forms with Result report how many moved; the others raise 100
// (read beyond the end) or 101 (disk write error) when fewer do.
void BlockRead(UntypedFile& F, void* Buf, int32_t Count, int32_t& Result);
void BlockRead(UntypedFile& F, void* Buf, int32_t Count);
void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count, int32_t& Result);
void BlockWrite(UntypedFile& F, const void* Buf, int32_t Count);

int64_t FileSize(UntypedFile& F);
int64_t FilePos(UntypedFile& F);
void Seek(UntypedFile& F, int64_t RecordIndex);
bool Eof(UntypedFile& F);
// Cuts the file at the current position.
void Truncate(UntypedFile& F);

}  // namespace zub
