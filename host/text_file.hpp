// Text files driven by the classic procedures: AssignFile, Reset, Rewrite, Append,
// CloseFile, Read, ReadLn, Write, WriteLn, Eof, Eoln.
//
// Characters are stored as Windows-1252 bytes (characters without a byte are written as
// '?'). Writing ends lines with CR LF; reading accepts CR LF, LF and CR. Every failure
// raises EInOutError with its code and the file name: 102 no name assigned, 103 not open,
// 104 not open for input, 105 not open for output, 106 bad number, or a system code.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "host/file_record.hpp"

namespace zub {

class TextFile : public TFileRec {
 public:
  TextFile();
  // Closes the file; buffered output is written, a failure then goes unreported: call
  // CloseFile wherever a write error matters (every writer of the library does).
  ~TextFile();

 private:
  friend void Reset(TextFile&);
  friend void Rewrite(TextFile&);
  friend void Append(TextFile&);
  friend void CloseFile(TextFile&);
  friend void Flush(TextFile&);
  friend void AssignFile(TextFile&, const UnicodeString&);
  friend class TextFileAccess;

  static constexpr int32_t kBufSize = 4096;
  std::unique_ptr<uint8_t[]> FBuf;
  int32_t FBufPos = 0;      // input: next byte; output: bytes waiting
  int32_t FBufEnd = 0;      // input: bytes in the buffer
  int32_t FWriteError = 0;  // the first failed write since the file was opened, or 0
};

void AssignFile(TextFile& F, const UnicodeString& FileName);
// Opens for reading (from the start); 2 when the file does not exist.
void Reset(TextFile& F);
// Creates the file (truncating an existing one) and opens it for writing.
void Rewrite(TextFile& F);
// Opens an existing file for writing at its end.
void Append(TextFile& F);
// Writes what is buffered and closes the file. Raises the I/O error when that fails, and
// also when a write since the file was opened failed, though that was raised already.
void CloseFile(TextFile& F);
// Hands buffered output to the system.
void Flush(TextFile& F);

// True at the end of the input file.
bool Eof(TextFile& F);
// True before a line end (CR or LF) and at the end of the file.
bool Eoln(TextFile& F);
// Skips blanks, tabs and line ends; then like Eof.
bool SeekEof(TextFile& F);

// Reads one character; line-end characters come through as they are stored, and #26
// (Ctrl-Z) is returned at the end of the file.
void Read(TextFile& F, Char& C);
// Skips blanks, tabs and line ends, then reads an integer (optional sign, decimal digits or
// $ and hex digits) up to the next blank or line end. 0 at the end of the file; 106 when
// the text is not an integer or does not fit.
void Read(TextFile& F, int32_t& Value);
void Read(TextFile& F, int64_t& Value);
// Reads the rest of the current line, leaving the line end in place.
void Read(TextFile& F, UnicodeString& S);
// Skips the rest of the current line and its line end.
void ReadLn(TextFile& F);
// Reads the rest of the current line and moves past its line end.
void ReadLn(TextFile& F, UnicodeString& S);

// Reads to the end of the file, counting the lines ReadLn would meet there (CR LF, LF and CR
// end a line; a last line without a line end counts too). After every Step-th line,
// Progress (when given and Step > 0) gets the count so far. Reads in large blocks, past
// the file's own buffer.
int64_t CountLinesToEof(TextFile& F, int64_t Step, const std::function<void(int64_t Lines)>& Progress);

void Write(TextFile& F, std::u16string_view S);
void Write(TextFile& F, const Char* S);
void Write(TextFile& F, Char C);
// Writes the decimal integer right-aligned in Width characters (no padding for Width <= its length).
void Write(TextFile& F, int64_t Value, int32_t Width = 0);
inline void Write(TextFile& F, int32_t Value, int32_t Width = 0) {
  Write(F, int64_t{Value}, Width);
}
void WriteLn(TextFile& F);
void WriteLn(TextFile& F, std::u16string_view S);
inline void WriteLn(TextFile& F, const Char* S) {
  WriteLn(F, std::u16string_view(S));
}

}  // namespace zub
