// Exception classes of the run-time layer.
//
// `Exception` carries a UTF-16 message; `what()` gives it in UTF-8. The platform's error
// classes below are raised by the host services for failures of files, streams, conversions
// and arithmetic; the library's own classes derive from `Exception` elsewhere.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "host/unicode.hpp"

namespace zub {

class Exception : public std::exception {
 public:
  explicit Exception(UnicodeString msg);
  explicit Exception(std::string_view utf8msg) : Exception(Utf8ToUnicode(utf8msg)) {}
  explicit Exception(const char* utf8msg) : Exception(std::string_view(utf8msg)) {}

  const UnicodeString& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FWhat.c_str(); }

 private:
  UnicodeString FMessage;
  std::string FWhat;
};

// Declares `class Name : public Base` with the message constructors of Exception.
#define ZUB_DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
  }

ZUB_DECLARE_EXCEPTION(EConvertError, Exception);
ZUB_DECLARE_EXCEPTION(EOutOfMemory, Exception);
ZUB_DECLARE_EXCEPTION(EIntOverflow, Exception);
ZUB_DECLARE_EXCEPTION(EInvalidOp, Exception);
ZUB_DECLARE_EXCEPTION(EZeroDivide, Exception);
ZUB_DECLARE_EXCEPTION(ERangeError, Exception);
ZUB_DECLARE_EXCEPTION(EInvalidArgument, Exception);
// A system service failed that has no error code of its own in the library.
ZUB_DECLARE_EXCEPTION(EOSError, Exception);
ZUB_DECLARE_EXCEPTION(EListError, Exception);
ZUB_DECLARE_EXCEPTION(EVariantError, Exception);
ZUB_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError);
ZUB_DECLARE_EXCEPTION(EVariantOverflowError, EVariantError);
ZUB_DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError);
ZUB_DECLARE_EXCEPTION(EStreamError, Exception);
ZUB_DECLARE_EXCEPTION(EReadError, EStreamError);
ZUB_DECLARE_EXCEPTION(EWriteError, EStreamError);
ZUB_DECLARE_EXCEPTION(EFilerError, EStreamError);
ZUB_DECLARE_EXCEPTION(EFOpenError, EFilerError);
ZUB_DECLARE_EXCEPTION(EFCreateError, EFilerError);

// Input/output errors of text and untyped files. `ErrorCode` holds one of the codes below
// or a system code (the Windows numbering: 2 file not found, 3 path not found, 5 access
// denied, ...), and `FileName` the file the operation was about.
class EInOutError : public Exception {
 public:
  EInOutError(int32_t code, UnicodeString fileName);
  int32_t ErrorCode() const noexcept { return FErrorCode; }
  const UnicodeString& FileName() const noexcept { return FFileName; }

 private:
  int32_t FErrorCode;
  UnicodeString FFileName;
};

// Run-time error codes of the file procedures (the classic numbering).
inline constexpr int32_t ioFileNotFound = 2;
inline constexpr int32_t ioPathNotFound = 3;
inline constexpr int32_t ioTooManyOpenFiles = 4;
inline constexpr int32_t ioAccessDenied = 5;
inline constexpr int32_t ioDiskFull = 112;
inline constexpr int32_t ioReadBeyondEof = 100;
inline constexpr int32_t ioDiskWriteError = 101;
inline constexpr int32_t ioFileNotAssigned = 102;
inline constexpr int32_t ioFileNotOpen = 103;
inline constexpr int32_t ioNotOpenForInput = 104;
inline constexpr int32_t ioNotOpenForOutput = 105;
inline constexpr int32_t ioInvalidNumber = 106;
inline constexpr int32_t ioNegativeSeek = 131;  // also: an offset beyond the largest one
inline constexpr int32_t ioSeekOnDevice = 132;  // the file is a pipe or device

// Short English text of a run-time or system error code ("File not found", ...).
UnicodeString ErrorCodeText(int32_t code);

}  // namespace zub
