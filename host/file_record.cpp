#include "host/file_record.hpp"

#include "host/file_system.hpp"
#include "host/internal/os.hpp"

namespace zub {

TFileRec::~TFileRec() {
  CloseHandle();
}

void TFileRec::Fail(int32_t Code) const {
  throw EInOutError(Code, FName);
}

void TFileRec::RequireOpen() const {
  if (!FAssigned) Fail(ioFileNotAssigned);
  if (FMode == fmClosed) Fail(ioFileNotOpen);
}

void TFileRec::Assign(const UnicodeString& Name) {
  if (FMode != fmClosed) CloseHandle();
  FName = Name;
  FAssigned = true;
}

void TFileRec::OpenHandle(bool forRead, bool forWrite, bool create) {
  if (!FAssigned) Fail(ioFileNotAssigned);
  CloseHandle();
  const os::Access access = forRead && forWrite ? os::Access::ReadWrite
                            : forWrite          ? os::Access::Write
                                                : os::Access::Read;
  int32_t err = 0;
  FHandle = os::Open(HostPath(FName), access, create, os::Lock::None, err);
  if (FHandle == os::kNoHandle) Fail(err);
}

int32_t TFileRec::CloseHandle() {
  const int32_t err = os::Close(FHandle);
  FHandle = os::kNoHandle;
  FMode = fmClosed;
  return err;
}

}  // namespace zub
