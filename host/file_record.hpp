// What text files and untyped files share: an assigned name, an open handle and the mode
// the file was opened in. Failures of both raise EInOutError with a code and the name.
#pragma once

#include <cstdint>

#include "host/exceptions.hpp"
#include "host/unicode.hpp"

namespace zub {

// Modes of an assigned file (the classic values).
inline constexpr uint16_t fmClosed = 0xD7B0;
inline constexpr uint16_t fmInput = 0xD7B1;
inline constexpr uint16_t fmOutput = 0xD7B2;
inline constexpr uint16_t fmInOut = 0xD7B3;

class TFileRec {
 public:
  TFileRec() = default;
  TFileRec(const TFileRec&) = delete;
  TFileRec& operator=(const TFileRec&) = delete;

  const UnicodeString& Name() const { return FName; }
  uint16_t Mode() const { return FMode; }
  bool IsOpen() const { return FMode != fmClosed; }

 protected:
  ~TFileRec();
  // Raises EInOutError with Code for this file.
  [[noreturn]] void Fail(int32_t Code) const;
  // Raises 102 when no name is assigned and 103 when the file is not open.
  void RequireOpen() const;
  // Opens the assigned name; raises on failure. create truncates or creates.
  void OpenHandle(bool forRead, bool forWrite, bool create);
  // Closes the handle; 0, or the system's error for the close.
  int32_t CloseHandle();

  void Assign(const UnicodeString& Name);

  UnicodeString FName;
  bool FAssigned = false;
  uint16_t FMode = fmClosed;
  intptr_t FHandle = -1;
};

}  // namespace zub
