#include "host/text_file.hpp"

#include <algorithm>
#include <limits>
#include <string>

#include "host/byte_count.hpp"
#include "host/convert.hpp"
#include "host/internal/os.hpp"

namespace zub {

// Byte-level access to a text file's buffer, shared by the procedures below.
class TextFileAccess {
 public:
  static void RequireInput(TextFile& F) {
    F.RequireOpen();
    if (F.FMode != fmInput) F.Fail(ioNotOpenForInput);
  }
  [[noreturn]] static void Fail(TextFile& F, int32_t Code) { F.Fail(Code); }
  static void RequireOutput(TextFile& F) {
    F.RequireOpen();
    if (F.FMode != fmOutput) F.Fail(ioNotOpenForOutput);
  }
  // Next byte without consuming it; -1 at the end of the file.
  static int Peek(TextFile& F) {
    if (F.FBufPos == F.FBufEnd) {
      int32_t err = 0;
      // One call, so the lines of a pipe come through as they arrive.
      const int64_t got = os::ReadSome(F.FHandle, F.FBuf.get(), TextFile::kBufSize, err);
      if (got < 0) F.Fail(err);
      F.FBufPos = 0;
      F.FBufEnd = static_cast<int32_t>(got);
      if (got == 0) return -1;
    }
    return F.FBuf[F.FBufPos];
  }
  static int Next(TextFile& F) {
    const int b = Peek(F);
    if (b >= 0) ++F.FBufPos;
    return b;
  }
  static void Put(TextFile& F, const char* data, size_t n) {
    while (n > 0) {
      if (F.FBufPos == TextFile::kBufSize) FlushOut(F);
      const size_t k = std::min(n, static_cast<size_t>(TextFile::kBufSize - F.FBufPos));
      std::copy(data, data + k, F.FBuf.get() + F.FBufPos);
      F.FBufPos += static_cast<int32_t>(k);
      data += k;
      n -= k;
    }
  }
  static void FlushOut(TextFile& F) {
    if (F.FBufPos == 0) return;
    int32_t err = 0;
    const int64_t put = os::Write(F.FHandle, F.FBuf.get(), F.FBufPos, err);
    const int32_t n = F.FBufPos;
    F.FBufPos = 0;
    if (put != n) {
      // Remembered, so that CloseFile reports it even after the caller went on.
      F.FWriteError = err != 0 ? err : ioDiskWriteError;
      F.Fail(F.FWriteError);
    }
  }
  // Consumes one line end (CR LF, LF or CR) if one is next.
  static void SkipLineEnd(TextFile& F) {
    const int b = Peek(F);
    if (b == '\r') {
      Next(F);
      if (Peek(F) == '\n') Next(F);
    } else if (b == '\n') {
      Next(F);
    }
  }
  static UnicodeString RestOfLine(TextFile& F) {
    AnsiString bytes;
    for (int b = Peek(F); b >= 0 && b != '\r' && b != '\n'; b = Peek(F))
      bytes.push_back(static_cast<char>(Next(F)));
    return AnsiToUnicode(bytes);
  }
  static int64_t CountLines(TextFile& F, int64_t Step, const std::function<void(int64_t)>& Progress) {
    RequireInput(F);
    int64_t lines = 0;
    bool pendingCr = false;  // the last byte seen was a CR: an LF after it ends no line
    bool open = false;       // bytes after the last line end
    auto take = [&](const uint8_t* p, size_t n) {
      if (n > 0 && pendingCr && p[0] == '\n') {
        ++p;
        --n;
        pendingCr = open = false;
      }
      if (n == 0) return;
      const int64_t before = lines;
      lines += static_cast<int64_t>(CountLineEnds(p, n));
      pendingCr = p[n - 1] == '\r';
      open = !pendingCr && p[n - 1] != '\n';
      Report(before, lines, Step, Progress);
    };
    take(F.FBuf.get() + F.FBufPos, static_cast<size_t>(F.FBufEnd - F.FBufPos));
    F.FBufPos = F.FBufEnd = 0;
    constexpr int64_t kBlock = 256 * 1024;
    const std::unique_ptr<uint8_t[]> block(new uint8_t[kBlock]);
    for (;;) {
      int32_t err = 0;
      const int64_t got = os::Read(F.FHandle, block.get(), kBlock, err);
      if (got < 0) F.Fail(err);
      if (got == 0) break;
      take(block.get(), static_cast<size_t>(got));
    }
    if (open) {
      ++lines;
      Report(lines - 1, lines, Step, Progress);
    }
    return lines;
  }
  static void Report(int64_t before, int64_t after, int64_t Step, const std::function<void(int64_t)>& Progress) {
    if (Step <= 0 || !Progress) return;
    for (int64_t k = before / Step + 1; k <= after / Step; ++k) Progress(k * Step);
  }
  static bool SkipWhite(TextFile& F) {
    for (int b = Peek(F); b >= 0; b = Peek(F)) {
      if (b != ' ' && b != '\t' && b != '\r' && b != '\n') return true;
      Next(F);
    }
    return false;
  }
};

using A = TextFileAccess;

TextFile::TextFile() : FBuf(new uint8_t[kBufSize]) {}

TextFile::~TextFile() {
  if (FMode == fmOutput) {
    try {
      A::FlushOut(*this);
    } catch (const Exception&) {
      // Unreportable here; CloseFile reports it.
    }
  }
}

void AssignFile(TextFile& F, const UnicodeString& FileName) {
  if (F.FMode == fmOutput) A::FlushOut(F);
  F.Assign(FileName);
}

void Reset(TextFile& F) {
  if (F.FMode == fmOutput) A::FlushOut(F);
  F.OpenHandle(true, false, false);
  F.FMode = fmInput;
  F.FBufPos = F.FBufEnd = 0;
  F.FWriteError = 0;
}

void Rewrite(TextFile& F) {
  if (F.FMode == fmOutput) A::FlushOut(F);
  F.OpenHandle(false, true, true);
  F.FMode = fmOutput;
  F.FBufPos = F.FBufEnd = 0;
  F.FWriteError = 0;
}

void Append(TextFile& F) {
  if (F.FMode == fmOutput) A::FlushOut(F);
  F.OpenHandle(false, true, false);
  int32_t err = 0;
  if (os::Seek(F.FHandle, 0, 2, err) < 0) F.Fail(err);
  F.FMode = fmOutput;
  F.FBufPos = F.FBufEnd = 0;
  F.FWriteError = 0;
}

void CloseFile(TextFile& F) {
  F.RequireOpen();
  const bool output = F.FMode == fmOutput;
  if (output) {
    try {
      A::FlushOut(F);
    } catch (...) {
      F.CloseHandle();
      throw;
    }
  }
  const int32_t closeError = F.CloseHandle();
  if (output && F.FWriteError != 0) A::Fail(F, F.FWriteError);
  if (output && closeError != 0) A::Fail(F, closeError);
}

void Flush(TextFile& F) {
  A::RequireOutput(F);
  A::FlushOut(F);
}

bool Eof(TextFile& F) {
  A::RequireInput(F);
  return A::Peek(F) < 0;
}

bool Eoln(TextFile& F) {
  A::RequireInput(F);
  const int b = A::Peek(F);
  return b < 0 || b == '\r' || b == '\n';
}

bool SeekEof(TextFile& F) {
  A::RequireInput(F);
  return !A::SkipWhite(F);
}

void Read(TextFile& F, Char& C) {
  A::RequireInput(F);
  const int b = A::Next(F);
  C = b < 0 ? Char(26) : AnsiCharToUnicode(static_cast<uint8_t>(b));
}

void Read(TextFile& F, int64_t& Value) {
  A::RequireInput(F);
  Value = 0;
  if (!A::SkipWhite(F)) return;
  AnsiString token;
  for (int b = A::Peek(F); b >= 0 && b != ' ' && b != '\t' && b != '\r' && b != '\n'; b = A::Peek(F))
    token.push_back(static_cast<char>(A::Next(F)));
  int32_t code = 0;
  Val(AnsiToUnicode(token), Value, code);
  if (code != 0) A::Fail(F, ioInvalidNumber);
}

void Read(TextFile& F, int32_t& Value) {
  int64_t v = 0;
  Read(F, v);
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    A::Fail(F, ioInvalidNumber);
  Value = static_cast<int32_t>(v);
}

void Read(TextFile& F, UnicodeString& S) {
  A::RequireInput(F);
  S = A::RestOfLine(F);
}

void ReadLn(TextFile& F) {
  A::RequireInput(F);
  A::RestOfLine(F);
  A::SkipLineEnd(F);
}

void ReadLn(TextFile& F, UnicodeString& S) {
  A::RequireInput(F);
  S = A::RestOfLine(F);
  A::SkipLineEnd(F);
}

int64_t CountLinesToEof(TextFile& F, int64_t Step, const std::function<void(int64_t)>& Progress) {
  return A::CountLines(F, Step, Progress);
}

void Write(TextFile& F, std::u16string_view S) {
  A::RequireOutput(F);
  const AnsiString bytes = UnicodeToAnsi(S);
  A::Put(F, bytes.data(), bytes.size());
}

void Write(TextFile& F, const Char* S) {
  Write(F, std::u16string_view(S));
}

void Write(TextFile& F, Char C) {
  Write(F, std::u16string_view(&C, 1));
}

void Write(TextFile& F, int64_t Value, int32_t Width) {
  UnicodeString s = IntToStr(Value);
  if (Width > static_cast<int32_t>(s.size())) s.insert(0, static_cast<size_t>(Width) - s.size(), u' ');
  Write(F, std::u16string_view(s));
}

void WriteLn(TextFile& F) {
  A::RequireOutput(F);
  A::Put(F, "\r\n", 2);
}

void WriteLn(TextFile& F, std::u16string_view S) {
  Write(F, S);
  WriteLn(F);
}

}  // namespace zub
