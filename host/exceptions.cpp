#include "host/exceptions.hpp"

#include "host/internal/os.hpp"

namespace zub {

Exception::Exception(UnicodeString msg) : FMessage(std::move(msg)), FWhat(UnicodeToUtf8(FMessage)) {}

UnicodeString ErrorCodeText(int32_t code) {
  switch (code) {
    case ioReadBeyondEof:
      return u"Read beyond end of file";
    case ioDiskWriteError:
      return u"Disk write error";
    case ioFileNotAssigned:
      return u"File not assigned";
    case ioFileNotOpen:
      return u"File not open";
    case ioNotOpenForInput:
      return u"File not open for input";
    case ioNotOpenForOutput:
      return u"File not open for output";
    case ioInvalidNumber:
      return u"Invalid numeric input";
    default:
      return os::SystemErrorText(code);
  }
}

namespace {
UnicodeString InOutMessage(int32_t code, const UnicodeString& fileName) {
  UnicodeString msg = ErrorCodeText(code);
  msg += u" (I/O error ";
  msg += Utf8ToUnicode(std::to_string(code));
  msg += u")";
  if (!fileName.empty()) msg += u": \"" + fileName + u"\"";
  return msg;
}
}  // namespace

EInOutError::EInOutError(int32_t code, UnicodeString fileName)
    : Exception(InOutMessage(code, fileName)), FErrorCode(code), FFileName(std::move(fileName)) {}

}  // namespace zub
