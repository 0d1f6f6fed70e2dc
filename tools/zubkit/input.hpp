// A command's input: a file, or standard input for "-", read as the bytes arrive. Reading
// from a pipe or terminal flushes the output before it waits, so `tail -f LOG | zubkit grep
// ERROR` prints each match as its line comes in.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "zubcorekit.hpp"

namespace zubkit {

class Input {
 public:
  // Opens Path ("-" is standard input); raises the library's error when it cannot.
  explicit Input(const std::string& Path);

  zub::TStream& Stream() { return *FStream; }
  // The name as given, "(standard input)" for "-".
  const std::string& Name() const { return FName; }
  bool IsStandardInput() const { return FStandard; }

  // Call before a read: when nothing is buffered and the input is a pipe or terminal, the
  // output goes out now, as the read may wait.
  void BeforeRead() {
    if (FInteractive && FStream->Buffered().empty()) Wait();
  }
  // True at the end of the input (waits for a pipe to say).
  bool AtEnd() {
    BeforeRead();
    return FStream->AtEnd();
  }
  // Whether the first block of the input holds a NUL byte, as grep decides; reads nothing
  // away.
  bool LooksBinary();
  // Bytes read so far, and the size (-1 when unknown, as for a pipe).
  int64_t Done() { return FStream->Position(); }
  int64_t Total() const { return FTotal; }

 private:
  void Wait();

  std::unique_ptr<zub::TFileStream> FStream;
  std::string FName;
  bool FStandard = false;
  bool FInteractive = false;
  int64_t FTotal = -1;
};

}  // namespace zubkit
