#include "tools/zubkit/input.hpp"

#include <cstring>

#include "tools/zubkit/output.hpp"

namespace zubkit {

Input::Input(const std::string& Path)
    : FName(Path == "-" ? "(standard input)" : Path), FStandard(Path == "-") {
  // Standard input through its name, so it is read like any file, as the bytes come.
  const zub::UnicodeString name =
      FStandard ? zub::UnicodeString(u"/dev/stdin") : zub::SystemNameToUnicode(Path);
  FStream = std::make_unique<zub::TFileStream>(name, zub::fmOpenRead | zub::fmShareDenyNone);
  FInteractive = !FStream->CanSeek();
  if (!FInteractive) {
    try {
      FTotal = FStream->Size();
    } catch (const zub::Exception&) {
      FTotal = -1;
    }
    if (FTotal == 0) FTotal = -1;  // /proc files say 0 and have content
  }
}

void Input::Wait() {
  FlushOut();
}

bool Input::LooksBinary() {
  if (AtEnd()) return false;
  const std::span<const uint8_t> first = FStream->Buffered();
  return std::memchr(first.data(), 0, first.size()) != nullptr;
}

}  // namespace zubkit
